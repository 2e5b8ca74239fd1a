#include <gtest/gtest.h>

#include "data/ItemReader.h"
#include "data/ItemWriter.h"

using namespace velkaro;

TEST(ItemReader, SplitsAtCommasAndLineEndsAndHonoursQuotes) {
  ItemReader r(".12\r\n\"曹, 操\"\r\n  9, 8 ,9,9\r\n\"\"\r\nlast");
  EXPECT_EQ(r.readItem(), ".12");
  EXPECT_EQ(r.readItem(), "曹, 操");
  EXPECT_EQ(r.readItem(), "9");
  EXPECT_EQ(r.readItem(), "8");
  EXPECT_EQ(r.readItem(), "9");
  EXPECT_EQ(r.readItem(), "9");
  EXPECT_EQ(r.readItem(), "");
  EXPECT_TRUE(r.lastItemRead());
  EXPECT_FALSE(r.eof());
  EXPECT_EQ(r.readItem(), "last");
  EXPECT_TRUE(r.eof());
  EXPECT_EQ(r.readItem(), "");
  EXPECT_FALSE(r.lastItemRead());
}

TEST(ItemReader, ReadsWholeLinesBetweenItems) {
  ItemReader r(".3 rest of line\r\n\"袁紹\"\r\n1,2\r\n");
  EXPECT_EQ(r.readLine(), ".3 rest of line");
  EXPECT_EQ(r.readItem(), "袁紹");
  EXPECT_EQ(r.readLine(), "1,2");
  EXPECT_TRUE(r.eof());
}

TEST(ItemReader, HeaderIdIsTheValueOfCharactersTwoToFour) {
  EXPECT_EQ(ItemReader::headerId(".155"), 155);
  EXPECT_EQ(ItemReader::headerId(".1"), 1);
  EXPECT_EQ(ItemReader::headerId(".1234"), 123);
  EXPECT_EQ(ItemReader::headerId(".007"), 7);
  EXPECT_EQ(ItemReader::headerId("."), 0);
  EXPECT_EQ(ItemReader::headerId(".."), 0);
  EXPECT_EQ(ItemReader::headerId("155"), 0);
  EXPECT_TRUE(ItemReader::isHeader("."));
  EXPECT_FALSE(ItemReader::isHeader("x."));
}

TEST(ItemWriter, WriteFormQuotesTextAndPrintFormDoesNot) {
  ItemWriter w;
  w.print(".1").print("曹操").number(9).number(-8).number(0).endLine().text("sousou").endLine();
  EXPECT_EQ(w.str(), ".1\r\n曹操\r\n9,-8,0\r\n\"sousou\"\r\n");
}
