#pragma once
// The texts of the browser page that the game's windows do not have: keeping slots as files,
// the browser's storage, and the end of the game. The page gets them from here, so that no
// text of the game is written in the page's script.
#include <string>

namespace velkaro::web {

struct WebTexts {
  static constexpr const char* kSlotTools = "セーブデータの保管";
  static constexpr const char* kSlotNumber = "スロット番号";
  static constexpr const char* kExport = "書き出し";
  static constexpr const char* kImport = "読み込み";
  static constexpr const char* kKept = "この端末のブラウザにセーブを保存します。";
  static constexpr const char* kMayBeCleared =
      "このブラウザは空き容量が少なくなるとセーブを消すことがあります。大切なセーブは「書き出し」でファイルに保管してください。";
  static constexpr const char* kNoStorage =
      "このブラウザではセーブを保存できません。プライベートモードでないか確かめてください。";
  static constexpr const char* kEnded = "ゲームを終了しました。";
  static constexpr const char* kAgain = "もう一度はじめる";
  static constexpr const char* kLoading = "読み込んでいます…";
  static constexpr const char* kOffline = "ネットワークがなくても遊べます。";

  // "スロットNを書き出しました。" and the like.
  static std::string exported(const std::string& number) { return "スロット" + number + "を書き出しました。"; }
  static std::string imported(const std::string& number) { return "スロット" + number + "に読み込みました。"; }
  static std::string noSlot(const std::string& number) { return "スロット" + number + "にはセーブがありません。"; }
  static std::string overwrite(const std::string& number) {
    return "スロット" + number + "にはセーブがあります。読み込んだセーブで置き換えますか？";
  }
  static constexpr const char* kBadNumber = "スロット番号は数字で入力してください。";
  static constexpr const char* kNoFile = "読み込むファイルを選んでください。";

  // Every text the page needs by itself, as a JSON object.
  static std::string forPage();
};

}  // namespace velkaro::web
