#include <gtest/gtest.h>

#include "core/CardTable.h"
#include "core/Cards.h"

namespace cardoria {
namespace {

TEST(Cards, PropertiesByNumber) {
  struct Case {
    int card, rank, suit;
    bool red, joker, court;
  } cases[] = {
      {1, 1, kHearts, true, false, false},    {13, 13, kHearts, true, false, true},
      {14, 1, kDiamonds, true, false, false}, {27, 1, kClubs, false, false, false},
      {52, 13, kSpades, false, false, true},  {53, 1, kHearts, true, false, false},
      {66, 1, kDiamonds, true, false, false}, {78, 13, kDiamonds, true, false, true},
      {79, 1, kClubs, false, false, false},   {104, 13, kSpades, false, false, true},
      {105, -1, kNoSuit, false, true, false}, {108, -1, kNoSuit, false, true, false},
      {0, -1, kNoSuit, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.card);
    EXPECT_EQ(CardRank(c.card), c.rank);
    EXPECT_EQ(CardSuit(c.card), c.suit);
    EXPECT_EQ(IsRedCard(c.card), c.red);
    EXPECT_EQ(IsJoker(c.card), c.joker);
    EXPECT_EQ(IsCourtCard(c.card), c.court);
  }
}

TEST(Cards, RanksWrapAround) {
  EXPECT_EQ(RankAbove(13), 1);
  EXPECT_EQ(RankBelow(1), 13);
  EXPECT_EQ(RankAbove(5), 6);
  EXPECT_EQ(RankText(1), "A");
  EXPECT_EQ(RankText(10), "10");
  EXPECT_EQ(RankText(12), "Q");
  EXPECT_EQ(CardCode(7), "007");
}

TEST(CardTable, LinesAreExactlyAsStored) {
  CardTable table;
  ASSERT_EQ(table.Lines().size(), 108u);
  EXPECT_EQ(table.Entry(1), "CUORI_A        10011");
  EXPECT_EQ(table.Entry(14), "QUADR_A        20141");
  EXPECT_EQ(table.Entry(104), "PICCH_K        41041");
  EXPECT_EQ(table.Entry(105), "JOKER          41051");
  EXPECT_EQ(table.Entry(29), "FIORI_03       30291");
  EXPECT_EQ(table.Entry(49), "PICCH_10       40491");
  for (const auto& line : table.Lines()) EXPECT_EQ(line.size(), 20u);
}

TEST(CardTable, FaceDigitChangesOnlyColumnTwenty) {
  CardTable table;
  EXPECT_FALSE(table.IsFaceDown(5));
  table.SetCardFace(5, '0');
  EXPECT_TRUE(table.IsFaceDown(5));
  EXPECT_EQ(table.Entry(5), "CUORI_05       10050");
  EXPECT_FALSE(table.IsFaceDown(0));
  EXPECT_FALSE(table.IsFaceDown(-3));
  table.SetCardFace(200, '0');  // outside the table: nothing happens
}

std::string Faces(const CardTable& table, std::initializer_list<int> cards) {
  std::string faces;
  for (int card : cards) faces += table.IsFaceDown(card) ? '0' : '1';
  return faces;
}

TEST(CardTable, SetPileFacesModes) {
  struct Case {
    int mode;
    char digit;
    const char* expected;  // faces of 001..005 from the bottom
  } cases[] = {
      {-1, '0', "10101"}, {-2, '0', "01010"}, {-3, '0', "10000"}, {2, '0', "11100"},
      {9, '0', "00000"},  {0, '0', "11111"},  {-4, '0', "11111"},
  };
  for (const auto& c : cases) {
    CardTable table;
    SetPileFaces(table, "001002003004005", c.mode, c.digit);
    EXPECT_EQ(Faces(table, {1, 2, 3, 4, 5}), c.expected) << "mode " << c.mode;
  }
  CardTable table;
  SetPileFaces(table, "007008", 3, '0');  // fewer cards than asked: all turn
  EXPECT_EQ(Faces(table, {7, 8}), "00");
}

}  // namespace
}  // namespace cardoria
