#pragma once
// A save slot as one file, so that a player can keep it outside the game directory (a browser
// may clear its storage) and bring it back. The bundle holds the slot's files byte for byte;
// bringing one back checks it as a load would before the slot is touched.
#include <filesystem>
#include <string>

#include "data/GamePaths.h"

namespace velkaro {

class SlotBundle {
 public:
  // Every bundle begins with this, then the number of the slot it was packed from.
  static constexpr const char* kHeading = "VelkaroSlot 1";

  // The files of slot `number` in one bundle. Throws DataError when the slot is incomplete.
  static std::string pack(const GamePaths& dir, const std::string& number);

  // Puts a bundle into slot `number` of dir. The bundle is first written into `scratch` (a
  // folder of its own, emptied here) and inspected as a load would; a bundle that is not one,
  // or that would not load, throws DataError and leaves dir as it was. The slot's files are
  // then replaced under the rollback journal, so the slot is all old or all new.
  static void unpack(const GamePaths& dir, const std::string& number, const std::string& bundle,
                     const std::filesystem::path& scratch);

  // The message for a file that is no bundle at all.
  static constexpr const char* kForeignMessage = "このファイルは Velkaro のセーブデータではありません。";
  // The message that leads the reason a bundle would not load.
  static constexpr const char* kBrokenMessage = "このセーブデータは壊れているため読み込めません。";
};

}  // namespace velkaro
