#include "data/GameDirectorySetup.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>

#include "data/DataError.h"

namespace fs = std::filesystem;
using velkaro::DataError;
using velkaro::GameDirectorySetup;

namespace {

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

// Every file below folder with its bytes: what "untouched" means for the installed data.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    files[fs::relative(entry.path(), folder).string()] = entry.is_regular_file() ? readFile(entry.path()) : "<dir>";
  }
  return files;
}

// Runs fn as a user without root's pass through file permissions and returns the message of the
// DataError it threw ("" when none). Root (as in CI) hands the work to a child that drops to nobody.
template <typename Fn>
std::string messageAsPlainUser(Fn fn) {
  const auto attempt = [&fn]() -> std::string {
    try {
      fn();
    } catch (const DataError& e) {
      return std::string("DataError:") + e.what();
    }
    return "";
  };
  if (::geteuid() != 0) return attempt();
  int channel[2];
  if (::pipe(channel) != 0) return "pipe failed";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(channel[0]);
    std::string message = (::setgid(65534) == 0 && ::setuid(65534) == 0) ? attempt() : "setuid failed";
    const ssize_t written = ::write(channel[1], message.data(), message.size());
    ::_exit(written == static_cast<ssize_t>(message.size()) ? 0 : 1);
  }
  ::close(channel[1]);
  std::string message;
  char buffer[512];
  for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;) message.append(buffer, static_cast<std::size_t>(n));
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return message;
}

class GameDirectorySetupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device device;
    base_ = fs::temp_directory_path() / ("velkaro-gamedir-" + std::to_string(device()) + std::to_string(device()));
    installed_ = base_ / "usr" / "share" / "velkaro" / "ini";
    fs::create_directories(installed_);
    writeFile(installed_ / "Bushou.ini", "shipped officers\r\n");
    writeFile(installed_ / "Gunbatu.ini", "shipped factions\r\n");
    writeFile(installed_ / "Text.ini", "shipped texts\r\n");
    fs::permissions(base_, fs::perms::all, fs::perm_options::add);  // the child of messageAsPlainUser works here too
  }
  void TearDown() override {
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(base_, ec)) {
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(base_, ec);
  }

  fs::path base_;
  fs::path installed_;
};

}  // namespace

// The folder chosen from the environment, in its order of precedence.
TEST(GameDirectoryChoice, TheGameDirVariableComesFirstAndARelativeOneIsTakenFromTheCurrentFolder) {
  EXPECT_EQ(GameDirectorySetup::choose({"/srv/games/velkaro", "/home/a/.data", "/home/a"}), fs::path("/srv/games/velkaro"));
  EXPECT_EQ(GameDirectorySetup::choose({"mine/../game", "", ""}), (fs::current_path() / "game").lexically_normal());
}

TEST(GameDirectoryChoice, AnAbsoluteXdgDataHomeHoldsTheVelkaroFolder) {
  EXPECT_EQ(GameDirectorySetup::choose({"", "/home/a/data/", "/home/a"}), fs::path("/home/a/data/velkaro"));
}

TEST(GameDirectoryChoice, WithoutAUsableXdgDataHomeTheFolderIsUnderLocalShare) {
  EXPECT_EQ(GameDirectorySetup::choose({"", "", "/home/a"}), fs::path("/home/a/.local/share/velkaro"));
  EXPECT_EQ(GameDirectorySetup::choose({"", "relative/data", "/home/a"}), fs::path("/home/a/.local/share/velkaro"));
}

TEST(GameDirectoryChoice, NoHomeAndNothingElseIsAClearError) {
  for (const std::string home : {"", "not/absolute"}) {
    try {
      GameDirectorySetup::choose({"", "relative", home});
      ADD_FAILURE() << "no error for HOME=" << home;
    } catch (const DataError& e) {
      EXPECT_NE(std::string(e.what()).find("HOME"), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find("VELKARO_GAME_DIR"), std::string::npos) << e.what();
    }
  }
}

// Where a program finds the data it was installed with.
TEST_F(GameDirectorySetupTest, TheInstalledLayoutIsFoundNextToBinAndTheBuildTreeByItsShippedFolder) {
  const fs::path bin = base_ / "usr" / "bin";
  fs::create_directories(bin);
  EXPECT_EQ(GameDirectorySetup::findInstalledIni(bin), installed_);

  const fs::path build = base_ / "build";
  EXPECT_EQ(GameDirectorySetup::findInstalledIni(build), std::nullopt);
  fs::create_directories(build / "shipped" / "ini");
  EXPECT_EQ(GameDirectorySetup::findInstalledIni(build), build / "shipped" / "ini");
  EXPECT_EQ(GameDirectorySetup::findInstalledIni(fs::path()), std::nullopt);
}

TEST_F(GameDirectorySetupTest, TheMessageForMissingDataNamesEveryPlaceSearched) {
  const std::string message = GameDirectorySetup::dataMissingMessage("/opt/v/bin");
  EXPECT_NE(message.find("/opt/v/share/velkaro/ini"), std::string::npos) << message;
  EXPECT_NE(message.find("/opt/v/bin/shipped/ini"), std::string::npos) << message;
}

// The first start and every later one.
TEST_F(GameDirectorySetupTest, TheFirstStartMakesTheFoldersAndCopiesTheInstalledDataWhichStaysUntouched) {
  const auto before = snapshot(base_ / "usr");
  const fs::path root = base_ / "home" / ".local" / "share" / "velkaro";
  EXPECT_EQ(GameDirectorySetup::prepare(root, installed_), 3);
  EXPECT_TRUE(fs::is_directory(root / "save"));
  EXPECT_EQ(readFile(root / "ini" / "Bushou.ini"), "shipped officers\r\n");
  EXPECT_EQ(readFile(root / "ini" / "Text.ini"), "shipped texts\r\n");
  EXPECT_EQ(snapshot(base_ / "usr"), before);
  EXPECT_EQ(GameDirectorySetup::prepare(root, installed_), 0);
}

TEST_F(GameDirectorySetupTest, FilesTheGameHasChangedAreKeptAndOnlyMissingOnesAdded) {
  const fs::path root = base_ / "game";
  fs::create_directories(root / "ini");
  writeFile(root / "ini" / "Bushou.ini", "edited officers\r\n");
  writeFile(root / "ini" / "busv.ini", "running game\r\n");
  EXPECT_EQ(GameDirectorySetup::prepare(root, installed_), 2);
  EXPECT_EQ(readFile(root / "ini" / "Bushou.ini"), "edited officers\r\n");
  EXPECT_EQ(readFile(root / "ini" / "busv.ini"), "running game\r\n");
  EXPECT_EQ(readFile(root / "ini" / "Gunbatu.ini"), "shipped factions\r\n");
}

TEST_F(GameDirectorySetupTest, ACopyOfAReadOnlyInstalledFileCanBeRewrittenByTheGame) {
  fs::permissions(installed_ / "Text.ini", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const fs::path root = base_ / "game";
  GameDirectorySetup::prepare(root, installed_);
  EXPECT_NE(fs::status(root / "ini" / "Text.ini").permissions() & fs::perms::owner_write, fs::perms::none);
}

// Failures name the folder and the reason.
TEST_F(GameDirectorySetupTest, AFileWhereTheFolderShouldBeIsReported) {
  writeFile(base_ / "game", "not a folder");
  try {
    GameDirectorySetup::prepare(base_ / "game", installed_);
    FAIL() << "no error";
  } catch (const DataError& e) {
    const std::string message = e.what();
    EXPECT_NE(message.find("「" + (base_ / "game").string() + "」を作れません"), std::string::npos) << message;
    EXPECT_NE(message.find("同じ名前のファイル"), std::string::npos) << message;
  }
  EXPECT_EQ(readFile(base_ / "game"), "not a folder");
}

TEST_F(GameDirectorySetupTest, AnUnwritableParentGivesTheMessageAndWritesNothing) {
  const fs::path parent = base_ / "locked";
  fs::create_directories(parent);
  fs::permissions(parent, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  const fs::path root = parent / "velkaro";
  const std::string message = messageAsPlainUser([&] { GameDirectorySetup::prepare(root, installed_); });
  EXPECT_NE(message.find("DataError:ゲームフォルダ「" + root.string() + "」を作れません（書き込みが許されていません）"),
            std::string::npos)
      << message;
  EXPECT_TRUE(fs::is_empty(parent));
}

TEST_F(GameDirectorySetupTest, AnExistingFolderTheGameCannotWriteToIsReported) {
  const fs::path root = base_ / "game";
  fs::create_directories(root / "ini");
  fs::create_directories(root / "save");
  fs::permissions(root, fs::perms::all);
  fs::permissions(root / "save", fs::perms::all);
  fs::permissions(root / "ini", fs::perms::all & ~(fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write));
  const std::string message = messageAsPlainUser([&] { GameDirectorySetup::prepare(root, installed_); });
  EXPECT_NE(message.find("DataError:ゲームフォルダ「" + root.string() + "」に書き込めません"), std::string::npos) << message;
  EXPECT_TRUE(fs::is_empty(root / "ini"));
}

TEST_F(GameDirectorySetupTest, MissingInstalledDataIsAnErrorNotAnEmptyGame) {
  try {
    GameDirectorySetup::prepare(base_ / "game", base_ / "nowhere" / "ini");
    FAIL() << "no error";
  } catch (const DataError& e) {
    EXPECT_NE(std::string(e.what()).find((base_ / "nowhere" / "ini").string()), std::string::npos) << e.what();
  }
}
