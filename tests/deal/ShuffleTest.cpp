#include "deal/Shuffle.h"

#include <gtest/gtest.h>

#include <set>

#include "support/TestSupport.h"

namespace cardoria {
namespace {

std::string Joined(const TextList& list, std::size_t from, std::size_t count) {
  std::string text;
  for (std::size_t i = from; i < from + count && i < list.size(); ++i) text += (text.empty() ? "" : " ") + list[i];
  return text;
}

TextList Deal(const std::string& number, int cards) {
  test::RecordingMessages messages;
  auto list = fnGameNumberCardsArray(number, cards, messages);
  EXPECT_TRUE(list.has_value());
  EXPECT_TRUE(messages.shown.empty());
  return list.value_or(TextList{});
}

TEST(Shuffle, KnownDeals) {
  const TextList one = Deal("1", 52);
  ASSERT_EQ(one.size(), 52u);
  EXPECT_EQ(Joined(one, 0, 10), "040 004 043 039 015 006 016 045 018 035");
  EXPECT_EQ(Joined(one, 49, 3), "050 036 001");
  EXPECT_EQ(one[25], "002");
  EXPECT_EQ(one[26], "041");

  const TextList other = Deal("987", 52);
  EXPECT_EQ(Joined(other, 0, 10), "031 028 044 039 043 009 022 014 001 016");
  EXPECT_EQ(Joined(other, 49, 3), "051 012 034");

  const TextList twoDecks = Deal("1", 104);
  EXPECT_EQ(Joined(twoDecks, 0, 12), "005 081 078 008 086 087 051 043 070 101 024 003");
}

TEST(Shuffle, EveryDeckIsAPermutation) {
  for (int cards : {52, 104}) {
    for (const char* number : {"0", "1", "987", "9999999999999", "4711000000815", "1234567890123"}) {
      const TextList list = Deal(number, cards);
      std::set<std::string> distinct(list.begin(), list.end());
      EXPECT_EQ(distinct.size(), static_cast<std::size_t>(cards)) << number;
      EXPECT_FALSE(distinct.contains("000")) << number;
      EXPECT_EQ(*distinct.rbegin(), ZeroPad(cards, 3)) << number;
    }
  }
}

TEST(Shuffle, SameNumberSameDeal) {
  EXPECT_EQ(Deal("1", 52), Deal("0000000000001", 52));
  EXPECT_EQ(Deal("1", 52), Deal("1   ", 52));
  EXPECT_EQ(Deal("991234567890123", 52), Deal("1234567890123", 52));  // only the last 13 digits count
  EXPECT_EQ(Deal("81234567890123", 104), Deal("1234567890123", 104));
}

TEST(Shuffle, ShortDecksHoldDistinctCards) {
  const TextList list = Deal("12345", 40);
  std::set<std::string> distinct(list.begin(), list.end());
  EXPECT_EQ(list.size(), 40u);
  EXPECT_EQ(distinct.size(), 40u);
  EXPECT_FALSE(distinct.contains("000"));
}

TEST(Shuffle, ACardCountTheCatalogueCanNotMeanIsRefused) {
  test::RecordingMessages messages;
  EXPECT_FALSE(fnGameNumberCardsArray("1", 60, messages).has_value());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Error 01 - fnGameNumberCardsArray");
}

TEST(Shuffle, FindFreeSlot) {
  const TextList list = {"001", "000", "002", "000", "003"};
  EXPECT_EQ(FindFreeSlot(list, 2, true), 3);
  EXPECT_EQ(FindFreeSlot(list, 2, false), 1);
  EXPECT_EQ(FindFreeSlot(list, 4, true), 1);   // nothing ahead: from the front
  EXPECT_EQ(FindFreeSlot(list, 0, false), 1);  // nothing behind: from the front
  EXPECT_EQ(FindFreeSlot({"001", "002"}, 0, true), -1);
  EXPECT_EQ(FindFreeSlot(list, 99, false), 3);
}

}  // namespace
}  // namespace cardoria
