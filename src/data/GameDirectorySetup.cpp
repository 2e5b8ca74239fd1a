#include "data/GameDirectorySetup.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "data/DataError.h"
#include "data/FileCache.h"

// Where the data lies as seen from the installed program's folder; the build sets it from its
// install layout.
#ifndef VELKARO_DATA_FROM_BIN
#define VELKARO_DATA_FROM_BIN "../share/velkaro"
#endif

namespace fs = std::filesystem;

namespace velkaro {

namespace {

std::string variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

// The reason of a failed file operation in words a player can act on.
std::string reason(const std::error_code& ec) {
  if (ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted) return "書き込みが許されていません";
  if (ec == std::errc::read_only_file_system) return "読み取り専用の場所です";
  if (ec == std::errc::not_a_directory || ec == std::errc::file_exists) return "同じ名前のファイルが置かれています";
  if (ec == std::errc::no_space_on_device) return "ディスクの空きがありません";
  if (ec == std::errc::no_such_file_or_directory) return "その場所がありません";
  return ec.message();
}

DataError folderError(const fs::path& folder, const std::string& what, const std::error_code& ec) {
  return DataError(folder.string(), "ゲームフォルダ「" + folder.string() + "」" + what + "（" + reason(ec) + "）。");
}

// Makes folder (and its parents) a directory, or explains why it cannot be one.
void makeFolder(const fs::path& folder, const fs::path& root) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (!ec && !fs::is_directory(folder, ec)) ec = std::make_error_code(std::errc::not_a_directory);
  if (ec) throw folderError(root, folder == root ? "を作れません" : "の中に「" + folder.filename().string() + "」フォルダを作れません", ec);
}

// The game rewrites its files in place, so each folder must take new and changed files.
void requireWritable(const fs::path& folder, const fs::path& root) {
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    throw folderError(root, "に書き込めません", std::error_code(errno, std::generic_category()));
  }
}

// A copied file must stay writable by the player even when the installed one is read-only.
// Returns false when the game already has the file.
bool copyMissing(const fs::path& from, const fs::path& to, const fs::path& root) {
  std::error_code ec;
  if (fs::exists(fs::symlink_status(to, ec))) return false;
  fs::copy_file(from, to, fs::copy_options::skip_existing, ec);
  if (!ec) fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
  if (ec) throw folderError(root, "に「" + to.filename().string() + "」を写せません", ec);
  FileCache::shared().lookAgain();
  return true;
}

}  // namespace

GameDirectorySetup::Environment GameDirectorySetup::processEnvironment() {
  return {variable("VELKARO_GAME_DIR"), variable("XDG_DATA_HOME"), variable("HOME")};
}

fs::path GameDirectorySetup::choose(const Environment& environment) {
  if (!environment.gameDir.empty()) return fs::absolute(environment.gameDir).lexically_normal();
  const fs::path xdg = environment.xdgDataHome;
  if (xdg.is_absolute()) return (xdg / "velkaro").lexically_normal();
  const fs::path home = environment.home;
  if (!home.is_absolute()) {
    throw DataError("HOME", "ゲームフォルダを決められません（環境変数 HOME が絶対パスで設定されていません）。"
                            "VELKARO_GAME_DIR でフォルダを指定してください。");
  }
  return (home / ".local" / "share" / "velkaro").lexically_normal();
}

std::vector<fs::path> GameDirectorySetup::dataCandidates(const fs::path& executableFolder) {
  return {(executableFolder / VELKARO_DATA_FROM_BIN).lexically_normal(), executableFolder / "shipped"};
}

std::optional<fs::path> GameDirectorySetup::findInstalledIni(const fs::path& executableFolder) {
  if (executableFolder.empty()) return std::nullopt;
  for (const fs::path& candidate : dataCandidates(executableFolder)) {
    std::error_code ec;
    if (fs::is_directory(candidate / "ini", ec)) return candidate / "ini";
  }
  return std::nullopt;
}

fs::path GameDirectorySetup::runningExecutableFolder() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path() : self.parent_path();
}

int GameDirectorySetup::prepare(const fs::path& root, const fs::path& installedIni) {
  makeFolder(root, root);
  makeFolder(root / "ini", root);
  makeFolder(root / "save", root);
  requireWritable(root / "ini", root);
  requireWritable(root / "save", root);
  std::error_code ec;
  fs::directory_iterator entries(installedIni, ec);
  if (ec) {
    throw DataError(installedIni.string(), "ゲームのデータフォルダ「" + installedIni.string() + "」を読めません（" +
                                               reason(ec) + "）。");
  }
  int copied = 0;
  for (const fs::directory_entry& entry : entries) {
    if (!entry.is_regular_file(ec)) continue;
    if (copyMissing(entry.path(), root / "ini" / entry.path().filename(), root)) ++copied;
  }
  return copied;
}

std::string GameDirectorySetup::dataMissingMessage(const fs::path& executableFolder) {
  std::string places;
  for (const fs::path& candidate : dataCandidates(executableFolder)) {
    places += (places.empty() ? "" : "、") + ("「" + (candidate / "ini").string() + "」");
  }
  return "ゲームのデータ（ini フォルダ）が見つかりません。探した場所: " + places + "。インストールし直してください。";
}

}  // namespace velkaro
