#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "data/SwappedFile.h"
#include "support/TempGameDir.h"

using namespace velkaro;
using velkaro::test::TempGameDir;

namespace {

bool exists(const std::filesystem::path& path) { return std::filesystem::exists(path); }

}  // namespace

// The writer of systems that cannot swap two names; Linux builds it too so that it is tested here.
TEST(SwappedFile, RenamingOverLeavesTheOldOrTheNewFileWholeAndNoSpare) {
  TempGameDir game;
  const std::string path = (game.root() / "ini" / "busv.ini").string();
  const std::string spare = path + SwappedFile::kSpareSuffix;

  // A missing file is made only when asked for, and a refusal leaves nothing behind.
  EXPECT_EQ(SwappedFile::rewriteRenamingOver(path, "old\r\n", false), ENOENT);
  EXPECT_FALSE(exists(path));
  EXPECT_FALSE(exists(spare));
  ASSERT_EQ(SwappedFile::rewriteRenamingOver(path, "0123456789\r\n", true), 0);
  EXPECT_EQ(game.readBytes("ini/busv.ini"), "0123456789\r\n");

  // A reader that opened the file before the rewrite keeps the old bytes whole; the new file is
  // exactly the new bytes, with no tail of the longer old ones.
  std::ifstream before(path, std::ios::binary);
  ASSERT_EQ(SwappedFile::rewriteRenamingOver(path, "ab\r\n", false), 0);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(before), {}), "0123456789\r\n");
  EXPECT_EQ(game.readBytes("ini/busv.ini"), "ab\r\n");
  EXPECT_FALSE(exists(spare));

  // A longer spare left by a swapping build of the game is filled and cut to the new bytes.
  game.writeBytes("ini/busv.ini.spare~", "a much longer leftover spare");
  ASSERT_EQ(SwappedFile::rewriteRenamingOver(path, "xyz", false), 0);
  EXPECT_EQ(game.readBytes("ini/busv.ini"), "xyz");
  EXPECT_FALSE(exists(spare));

  // A folder that is not there fails with its reason and leaves no spare.
  const std::string lost = (game.root() / "nowhere" / "gunsv.ini").string();
  EXPECT_EQ(SwappedFile::rewriteRenamingOver(lost, "x", true), ENOENT);
  EXPECT_FALSE(exists(lost + SwappedFile::kSpareSuffix));
}
