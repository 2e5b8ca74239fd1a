#pragma once
// Where a player's game lives on disk, and its first start: the folder is chosen from the
// environment, created with its ini and save folders, and filled from the installed data.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velkaro {

class GameDirectorySetup {
 public:
  // The variables the choice depends on; an empty string stands for an unset variable.
  struct Environment {
    std::string gameDir;      // VELKARO_GAME_DIR
    std::string xdgDataHome;  // XDG_DATA_HOME
    std::string home;         // HOME
  };

  // The environment of this process.
  static Environment processEnvironment();

  // VELKARO_GAME_DIR when set (a relative one is taken from the current folder), otherwise
  // $XDG_DATA_HOME/velkaro, otherwise ~/.local/share/velkaro. An XDG_DATA_HOME that is not
  // absolute is ignored, as the desktop convention asks. Throws DataError when no folder can be
  // named (no usable HOME).
  static std::filesystem::path choose(const Environment& environment);

  // The places the installed data may sit for a program in executableFolder: the installed
  // layout (bin/ next to share/velkaro/) first, then the build tree's shipped folder.
  static std::vector<std::filesystem::path> dataCandidates(const std::filesystem::path& executableFolder);

  // The first candidate that holds an ini folder (its ini folder), if any.
  static std::optional<std::filesystem::path> findInstalledIni(const std::filesystem::path& executableFolder);

  // The folder of the running program (from /proc/self/exe); empty when it cannot be read.
  static std::filesystem::path runningExecutableFolder();

  // Creates root, root/ini and root/save where missing and copies every installed file that
  // root/ini lacks. Files already there are never touched, so the game's own changes survive;
  // installedIni is only read. Returns the number of files copied. Throws DataError with a
  // message naming the folder and the reason when the folder cannot be made or written to.
  static int prepare(const std::filesystem::path& root, const std::filesystem::path& installedIni);

  // The message for a game whose installed data is nowhere to be found.
  static std::string dataMissingMessage(const std::filesystem::path& executableFolder);
};

}  // namespace velkaro
