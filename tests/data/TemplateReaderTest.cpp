#include <gtest/gtest.h>

#include "data/TemplateReader.h"
#include "support/TempGameDir.h"

using namespace velkaro;
using velkaro::test::TempGameDir;

namespace {

const char* kTemplates =
    ".5\n"
    "ordinary before \n"
    "+\n"
    " after\n"
    ".\n"
    "..\n"
    ".6\n"
    "first page\n"
    ".\n"
    "/\n"
    "second page with \n"
    "*\n"
    "..\n"
    ".7\n"
    "runs on\n"
    ".8\n"
    "into eight\n"
    "..\n"
    ".120\n"
    "never reached\n"
    "..\n"
    ".130\n"
    "..\n";

}  // namespace

TEST(TemplateReader, SplicesParametersAndEndsLinesAtDots) {
  TempGameDir game;
  game.writeText("ini/Text.ini", kTemplates);
  PageTable pages;
  TemplateReader::appendSection(game.dir(), "\\ini\\text.ini", 5, "曹操", "荀彧", pages);
  EXPECT_EQ(pages.index(), 0);
  EXPECT_EQ(pages.page(0), "ordinary before 曹操 after\r\n\r\n");
  EXPECT_EQ(pages.page(1), "");
}

TEST(TemplateReader, SlashMovesLaterTextToTheNextPage) {
  TempGameDir game;
  game.writeText("ini/Text.ini", kTemplates);
  PageTable pages;
  pages.append("kept ");
  TemplateReader::appendSection(game.dir(), "\\ini\\Text.ini", 6, "甲", "乙", pages);
  EXPECT_EQ(pages.page(0), "kept first page\r\n");
  EXPECT_EQ(pages.page(1), "second page with 乙\r\n");
  EXPECT_EQ(pages.index(), 1);
  EXPECT_EQ(TemplateReader::singleText(game.dir(), "\\ini\\Text.ini", 6, "甲", "乙"), "second page with 乙\r\n");
}

TEST(TemplateReader, FollowingHeaderOnlyBreaksTheLineAndHighSectionsAreUnreachable) {
  TempGameDir game;
  game.writeText("ini/Text.ini", kTemplates);
  EXPECT_EQ(TemplateReader::singleText(game.dir(), "\\ini\\Text.ini", 7, "", ""), "runs on\r\ninto eight\r\n");
  EXPECT_EQ(TemplateReader::singleText(game.dir(), "\\ini\\Text.ini", 120, "", ""), "");
  EXPECT_EQ(TemplateReader::singleText(game.dir(), "\\ini\\Text.ini", 42, "", ""), "");
}

TEST(PageTable, NeverMovesPastItsLastPage) {
  PageTable pages(41);
  for (int i = 0; i < 60; ++i) pages.nextPage();
  EXPECT_EQ(pages.index(), 40);
  pages.append("x");
  pages.append("y");
  EXPECT_EQ(pages.page(40), "xy");
  pages.clear();
  EXPECT_EQ(pages.index(), 0);
  EXPECT_EQ(pages.page(40), "");
}
