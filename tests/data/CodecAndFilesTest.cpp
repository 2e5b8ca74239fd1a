#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "data/AtomicFile.h"
#include "data/Codec.h"
#include "data/DataError.h"
#include "data/Durable.h"
#include "data/FileCache.h"
#include "data/GamePaths.h"
#include "data/TextFile.h"
#include "support/TempGameDir.h"

using namespace velkaro;
using velkaro::test::TempGameDir;

TEST(Codec, FullWidthTextRoundTripsThroughCp932) {
  const std::string text = "曹操（孟徳）、ホウ統。１２３ｱｲｳ";
  auto bytes = Codec::toCp932(text);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_NE(*bytes, text);
  EXPECT_EQ(Codec::toUtf8(*bytes).value(), text);
}

TEST(Codec, RefusesCharactersCp932CannotHold) {
  std::string offending;
  EXPECT_FALSE(Codec::toCp932("劉備と龐統", &offending).has_value());
  EXPECT_EQ(offending, "龐");
  EXPECT_EQ(Codec::firstUnencodable("勝利😀"), "😀");
  EXPECT_EQ(Codec::firstUnencodable("勝利"), "");
  EXPECT_FALSE(Codec::toUtf8(std::string("\x81", 1)).has_value());
}

TEST(TextFile, WritesCp932WithCrLfAndRefusesUnencodableText) {
  TempGameDir game;
  TextFile::write(game.dir(), "\\ini\\a.ini", TextFile::joinLines({"劉備", "関羽"}));
  EXPECT_EQ(game.readBytes("ini/a.ini"), *Codec::toCp932("劉備\r\n関羽\r\n"));
  EXPECT_EQ(TextFile::readLines(game.dir(), "\\ini\\a.ini"), (std::vector<std::string>{"劉備", "関羽"}));

  EXPECT_THROW(TextFile::write(game.dir(), "\\ini\\a.ini", "龐統\r\n"), DataError);
  EXPECT_EQ(game.readText("ini/a.ini"), "劉備\r\n関羽\r\n");
}

TEST(TextFile, MissingFileGivesAJapaneseMessageNamingIt) {
  TempGameDir game;
  try {
    TextFile::read(game.dir(), "\\ini\\busv.ini");
    FAIL() << "no error";
  } catch (const DataError& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル「\\ini\\busv.ini」が見つかりません。");
    EXPECT_EQ(e.file(), "\\ini\\busv.ini");
  }
}

TEST(GamePaths, NamesMatchWithoutRegardToLetterCase) {
  TempGameDir game;
  game.writeBytes("ini/Gunsv.ini", "x");
  EXPECT_EQ(game.dir().resolve("\\ini\\gunsv.ini"), game.dir().resolve("\\ini\\Gunsv.ini"));
  EXPECT_EQ(game.dir().resolve("\\INI\\GUNSV.INI"), game.root() / "ini" / "Gunsv.ini");
  EXPECT_TRUE(game.dir().exists("\\ini\\GUNSV.ini"));
  // A new file keeps the caller's spelling.
  EXPECT_EQ(game.dir().resolve("\\ini\\Cmtimg.ini"), game.root() / "ini" / "Cmtimg.ini");
}

TEST(GamePaths, NeverLeavesTheGameDirectory) {
  TempGameDir game;
  EXPECT_THROW(game.dir().resolve("\\ini\\..\\..\\etc\\passwd"), DataError);
  EXPECT_THROW(game.dir().resolve("\\save\\..\\x"), DataError);
}

TEST(AtomicFile, CrashBetweenWriteAndRenameLeavesTheOldFile) {
  TempGameDir game;
  const auto target = game.root() / "ini" / "gunsv.ini";
  game.writeBytes("ini/gunsv.ini", "old contents");
  {
    AtomicFile file(target);
    ASSERT_TRUE(file.stage("new contents that never land"));
    // The process dies here: no commit.
  }
  EXPECT_EQ(game.readBytes("ini/gunsv.ini"), "old contents");
  ASSERT_TRUE(AtomicFile::replace(target, "new contents"));
  EXPECT_EQ(game.readBytes("ini/gunsv.ini"), "new contents");
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(game.root() / "ini")) ++entries;
  EXPECT_EQ(entries, 1) << "no temporary is left behind";
}

TEST(TextFile, CopyCreatesMissingFoldersAndIsByteExact) {
  TempGameDir game;
  const std::string bytes("a\r\nb\x82\xa0\r\n", 8);
  game.writeBytes("ini/busv.ini", bytes);
  std::filesystem::remove_all(game.root() / "save");
  velkaro::FileCache::shared().lookAgain();  // an edit from outside the game
  TextFile::copy(game.dir(), "\\ini\\busv.ini", "\\save\\busv1.ini");
  EXPECT_EQ(game.readBytes("save/busv1.ini"), bytes);
}

TEST(TextFile, KillSafeWritesSwapInWholeFiles) {
  TempGameDir game;
  const std::string text = TextFile::joinLines({"\"曹操\"", "1,2,3"});
  TextFile::write(game.dir(), "\\ini\\safe.ini", text);
  TextFile::write(game.dir(), "\\ini\\cheap.ini", text, Durability::killSafe);
  EXPECT_EQ(game.readBytes("ini/cheap.ini"), game.readBytes("ini/safe.ini"));
  // The file is never written over: whoever opened it before the rewrite reads the old bytes
  // whole, so a process that dies in the middle of a rewrite cannot leave it torn.
  std::ifstream before(game.root() / "ini" / "cheap.ini", std::ios::binary);
  TextFile::write(game.dir(), "\\ini\\cheap.ini", "a\r\n", Durability::killSafe);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(before), {}), game.readBytes("ini/safe.ini"));
  EXPECT_EQ(game.readBytes("ini/cheap.ini"), "a\r\n");
  // The spare beside it holds the old bytes until the next rewrite fills it again.
  EXPECT_EQ(game.readBytes("ini/cheap.ini.spare~"), game.readBytes("ini/safe.ini"));
  TextFile::write(game.dir(), "\\ini\\cheap.ini", "bb\r\n", Durability::killSafe);
  EXPECT_EQ(game.readBytes("ini/cheap.ini"), "bb\r\n");
  EXPECT_EQ(game.readBytes("ini/cheap.ini.spare~"), "a\r\n");
  // A missing folder is made and leaves no spare; an existing file keeps its own spelling.
  TextFile::write(game.dir(), "\\log\\new.log", "x\r\n", Durability::killSafe);
  EXPECT_EQ(game.readBytes("log/new.log"), "x\r\n");
  EXPECT_FALSE(std::filesystem::exists(game.root() / "log" / "new.log.spare~"));
  game.writeBytes("ini/Gunsv.ini", "old");
  TextFile::copy(game.dir(), "\\ini\\cheap.ini", "\\ini\\gunsv.ini", Durability::killSafe);
  EXPECT_EQ(game.readBytes("ini/Gunsv.ini"), "bb\r\n");
  EXPECT_FALSE(std::filesystem::exists(game.root() / "ini" / "gunsv.ini"));
}

// Every outside edit below goes through TempGameDir, which tells the cache to look again, as the
// front ends do whenever the game waits for the player.
TEST(TextFile, AReadAfterAnOutsideEditSeesTheFileAsItIsNow) {
  TempGameDir game;
  TextFile::write(game.dir(), "\\ini\\a.ini", "劉備\r\n関羽\r\n", Durability::killSafe);
  EXPECT_EQ(TextFile::readLines(game.dir(), "\\ini\\a.ini"), (std::vector<std::string>{"劉備", "関羽"}));
  // Rewritten from outside at once with the same length: the next read must not give the old text.
  game.writeText("ini/a.ini", "張飛\n関羽\n");
  EXPECT_EQ(TextFile::read(game.dir(), "\\ini\\a.ini"), "張飛\r\n関羽\r\n");
  const auto held = TextFile::sharedLines(game.dir(), "\\ini\\a.ini");
  game.writeText("ini/a.ini", "趙雲\n");
  EXPECT_EQ(*TextFile::sharedLines(game.dir(), "\\ini\\a.ini"), std::vector<std::string>{"趙雲"});
  EXPECT_EQ(*held, (std::vector<std::string>{"張飛", "関羽"}));  // what was handed out stays as it was
  // Bytes that are not CP932 are refused on every read, not only the first.
  game.writeBytes("ini/a.ini", std::string("\x81", 1));
  EXPECT_THROW(TextFile::read(game.dir(), "\\ini\\a.ini"), DataError);
  EXPECT_THROW(TextFile::read(game.dir(), "\\ini\\a.ini"), DataError);
  // Removed, then made again under another spelling.
  std::filesystem::remove(game.root() / "ini" / "a.ini");
  FileCache::shared().lookAgain();
  EXPECT_THROW(TextFile::read(game.dir(), "\\ini\\a.ini"), DataError);
  game.writeText("ini/A.ini", "孫権\n");
  EXPECT_EQ(TextFile::read(game.dir(), "\\ini\\a.ini"), "孫権\r\n");
  // A folder under the name is a missing file.
  std::filesystem::create_directories(game.root() / "ini" / "d.ini");
  EXPECT_THROW(TextFile::read(game.dir(), "\\ini\\d.ini"), DataError);
}

// While the game computes, its own reads and writes are taken on trust: no file call for a read of
// what it wrote, none for a rewrite of the same bytes. A save, load or edit that moves files with
// Durable ends that trust, and so does a wait for the player (lookAgain).
TEST(TextFile, WhatTheGameWroteIsTrustedUntilFilesMoveOrItWaits) {
  TempGameDir game;
  std::vector<std::string> calls;
  FileCache::shared().observer = [&](FileCache::Access access, const std::string& path, std::size_t) {
    calls.push_back((access == FileCache::Access::read ? "read " : "write ") + std::filesystem::path(path).filename().string());
  };
  const std::string name = "\\ini\\busv.ini";
  TextFile::write(game.dir(), name, "劉備\r\n", Durability::killSafe);
  EXPECT_EQ(TextFile::read(game.dir(), name), "劉備\r\n");
  TextFile::write(game.dir(), name, "劉備\r\n", Durability::killSafe);
  TextFile::copy(game.dir(), name, "\\ini\\buimg.ini", Durability::killSafe);
  TextFile::copy(game.dir(), name, "\\ini\\buimg.ini", Durability::killSafe);
  TextFile::write(game.dir(), name, "関羽\r\n", Durability::killSafe);
  EXPECT_EQ(calls, (std::vector<std::string>{"write busv.ini", "write buimg.ini", "write busv.ini"}));
  EXPECT_EQ(game.readText("ini/buimg.ini"), "劉備\r\n");
  EXPECT_EQ(game.readText("ini/busv.ini"), "関羽\r\n");

  // A load puts a slot's file in place through Durable: the next read finds it.
  ASSERT_TRUE(Durable::write(game.root() / "ini" / "busv.ini", "\x92\xa3\x94\xf2\r\n"));
  EXPECT_EQ(TextFile::read(game.dir(), name), "張飛\r\n");
  ASSERT_TRUE(Durable::remove(game.root() / "ini" / "busv.ini"));
  EXPECT_THROW(TextFile::read(game.dir(), name), DataError);

  // After a wait, a rewrite of the bytes the game last wrote is made again when the disk differs.
  TextFile::write(game.dir(), name, "関羽\r\n", Durability::killSafe);
  {
    std::ofstream out(game.root() / "ini" / "busv.ini", std::ios::binary | std::ios::trunc);
    out << "x";
  }
  FileCache::shared().lookAgain();
  calls.clear();
  TextFile::write(game.dir(), name, "関羽\r\n", Durability::killSafe);
  EXPECT_EQ(game.readText("ini/busv.ini"), "関羽\r\n");
  EXPECT_EQ(calls, std::vector<std::string>{"write busv.ini"});
  FileCache::shared().observer = nullptr;
}

// The faction file's one-record rewrite leaves the old file as its scratch copy: first made as a
// copy, then taken over by swapping names; an unchanged rewrite still copies the current bytes,
// and a text the file cannot hold fails after the copy is taken.
TEST(TextFile, AWriteKeepingTheOldLeavesTheBytesFromBeforeInTheCopy) {
  TempGameDir game;
  const std::string name = "\\ini\\gunsv.ini";
  const std::string copy = "\\ini\\gunimg.ini";
  TextFile::write(game.dir(), name, "一\r\n", Durability::killSafe);
  TextFile::writeKeepingOld(game.dir(), name, "二\r\n", copy);
  EXPECT_EQ(game.readText("ini/gunsv.ini"), "二\r\n");
  EXPECT_EQ(game.readText("ini/gunimg.ini"), "一\r\n");
  TextFile::writeKeepingOld(game.dir(), name, "三三\r\n", copy);
  TextFile::writeKeepingOld(game.dir(), name, "四\r\n", copy);
  EXPECT_EQ(game.readText("ini/gunsv.ini"), "四\r\n");
  EXPECT_EQ(game.readText("ini/gunimg.ini"), "三三\r\n");
  EXPECT_EQ(TextFile::read(game.dir(), copy), "三三\r\n");
  TextFile::writeKeepingOld(game.dir(), name, "四\r\n", copy);
  EXPECT_EQ(game.readText("ini/gunimg.ini"), "四\r\n");
  EXPECT_EQ(game.readText("ini/gunsv.ini"), "四\r\n");
  TextFile::writeKeepingOld(game.dir(), name, "五\r\n", copy);
  EXPECT_THROW(TextFile::writeKeepingOld(game.dir(), name, "\xF0\x9F\x98\x80\r\n", copy), DataError);
  EXPECT_EQ(game.readText("ini/gunsv.ini"), "五\r\n");
  EXPECT_EQ(game.readText("ini/gunimg.ini"), "五\r\n");
  // After a wait, what is on disk counts again: the copy is the file as it is there.
  game.writeText("ini/gunsv.ini", "外\n");
  TextFile::writeKeepingOld(game.dir(), name, "六\r\n", copy);
  EXPECT_EQ(game.readText("ini/gunimg.ini"), "外\r\n");
  EXPECT_EQ(game.readText("ini/gunsv.ini"), "六\r\n");
}

TEST(TextFile, LinesEndAtCrLfLfOrALoneCr) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"\r\n\r\n", {"", ""}},
      {"a\rb\nc\r\n", {"a", "b", "c"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\n\rb\r", {"a", "", "b"}},
      {"\r", {""}},
      {"\n\n", {"", ""}},
      {"劉備\r玄徳\n", {"劉備", "玄徳"}},
  };
  for (const auto& [text, lines] : cases) EXPECT_EQ(TextFile::splitLines(text), lines) << "text of " << text.size() << " bytes";
  // Many lone CRs and no LF at all still split in one pass, line by line.
  std::string crs;
  for (int i = 0; i < 20000; ++i) crs += "x\r";
  EXPECT_EQ(TextFile::splitLines(crs).size(), 20000u);
}

// A rewrite keeps the bytes of the lines it shares with the text last written; the file must
// still hold exactly the CP932 form of the new text, however the lines change.
TEST(TextFile, RewritesEqualAFreshEncodingOfTheText) {
  TempGameDir game;
  const std::string name = "\\ini\\velkaro.log";
  const std::vector<std::string> texts = {
      "Velkaroの記録\r\n189年 曹操が挙兵\r\nEOT=======\r\n",
      "Velkaroの記録\r\n189年 曹操が挙兵\r\n190年 ｶﾀｶﾅ半角と①\r\nEOT=======\r\n",  // grows at the end
      "Velkaroの記録\r\n189年 曹操が挙兵\r\n190年 ｶﾀｶﾅ半角と②\r\nEOT=======\r\n",  // one character changed
      "Velkaroの記録\r\n189年 曹",                                                   // cut inside a line
      "Velkaroの記録\r\n189年 曹操が挙兵\r\n",
      "別の記録\r\n189年 曹操が挙兵\r\n",  // the first line differs
      "",
      "189\n190\r191\r\n",  // lone line ends are kept as written
  };
  for (const std::string& text : texts) {
    TextFile::write(game.dir(), name, text, Durability::killSafe);
    EXPECT_EQ(game.readBytes("ini/velkaro.log"), Codec::toCp932(text).value()) << text;
  }
  // Bytes read from disk are not reused: a sequence read as a character whose own form is other
  // bytes (an NEC-selected IBM kanji, ED40, is written back as FA5C) is encoded afresh.
  game.writeBytes("ini/velkaro.log", std::string("\xED\x40\r\n", 4));
  const std::string read = TextFile::read(game.dir(), name);
  TextFile::write(game.dir(), name, read + "191\r\n", Durability::killSafe);
  EXPECT_EQ(game.readBytes("ini/velkaro.log"), Codec::toCp932(read + "191\r\n").value());
  EXPECT_NE(game.readBytes("ini/velkaro.log").substr(0, 2), std::string("\xED\x40", 2));
  // A character CP932 lacks in the new lines is still refused, naming it.
  try {
    TextFile::write(game.dir(), name, read + "191\r\n🐉\r\n", Durability::killSafe);
    FAIL();
  } catch (const DataError& e) {
    EXPECT_NE(std::string(e.what()).find("🐉"), std::string::npos);
  }
}
