// velkaro: the game. It plays in the current working directory, which must hold the ini folder.
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <filesystem>

#include "data/GameContext.h"
#include "game/GameScreens.h"
#include "ui/ScreenKind.h"
#include "ui/Ui.h"
#include "qt/QtUi.h"
#include "qt/Views.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(velkaro::kGameTitle));

  // Standard buttons read はい / いいえ / キャンセル.
  QTranslator translator;
  if (translator.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&translator);
  }
  for (const char* family : {"Noto Sans CJK JP", "Noto Sans JP", "IPAGothic"}) {
    if (QFontDatabase::hasFamily(QString::fromUtf8(family))) {
      QFont font(QString::fromUtf8(family));
      font.setPointSize(11);
      QApplication::setFont(font);
      break;
    }
  }

  const std::filesystem::path root = std::filesystem::current_path();
  std::error_code ec;
  if (!std::filesystem::is_directory(root / "ini", ec)) {
    QMessageBox::critical(nullptr, QString::fromUtf8(velkaro::kGameTitle),
                          QString::fromUtf8("ゲームフォルダ「%1」に ini フォルダがありません。\n"
                                            "README の手順でゲームフォルダを用意してください。")
                              .arg(QString::fromStdString(root.string())));
    return 1;
  }

  velkaro::GameContext context{velkaro::GameDir(root)};
  velkaro::qt::QtUi ui;
  velkaro::qt::registerViews(ui);
  ui.setScreenMaker(velkaro::GameScreens::all());
  ui.showModeless(ui.makeScreen(velkaro::ScreenKind::TitleScreen, context));
  if (ui.openWindows() == 0) return 1;
  return QApplication::exec();
}
