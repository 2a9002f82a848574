#include "core/Piles.h"

#include <gtest/gtest.h>

#include "core/CardTable.h"
#include "core/GameRules.h"

namespace cardoria {
namespace {

TEST(PileNames, ParseAndSpell) {
  struct Case {
    const char* name;
    std::optional<PileRef> ref;
  } cases[] = {
      {"Mazzo", PileRef{PileGroup::Stock, 0}},
      {"Mazzo_Vis", PileRef{PileGroup::Stock, 1}},
      {"Mazzo_Waste", PileRef{PileGroup::Stock, 2}},
      {"Fila7", PileRef{PileGroup::Tableau, 6}},
      {"Fila07", PileRef{PileGroup::Tableau, 6}},
      {"Fila28", PileRef{PileGroup::Tableau, 27}},
      {"Dest12", PileRef{PileGroup::Foundation, 11}},
      {"Appogg3", PileRef{PileGroup::Reserve, 2}},
      {"Fila29", std::nullopt},
      {"Fila0", std::nullopt},
      {"Fila", std::nullopt},
      {"FilaX", std::nullopt},
      {"Dest17", std::nullopt},
      {"Appogg9", std::nullopt},
      {"mazzo", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParsePileName(c.name), c.ref) << c.name;
  EXPECT_EQ(PileName({PileGroup::Tableau, 6}), "Fila7");
  EXPECT_EQ(PileName({PileGroup::Stock, 2}), "Mazzo_Waste");
  EXPECT_EQ(PileName({PileGroup::Reserve, 7}), "Appogg8");
}

TEST(Piles, GroupsHaveTheirFixedSizes) {
  PileGroups piles;
  EXPECT_EQ(piles.Items(PileGroup::Stock).size(), 3u);
  EXPECT_EQ(piles.Items(PileGroup::Foundation).size(), 16u);
  EXPECT_EQ(piles.Items(PileGroup::Tableau).size(), 28u);
  EXPECT_EQ(piles.Items(PileGroup::Reserve).size(), 8u);
  // A number outside the group reaches nothing real.
  piles.Pile(PileGroup::Reserve, 8) = "001";
  for (const auto& pile : piles.Items(PileGroup::Reserve)) EXPECT_TRUE(pile.empty());
}

TEST(Piles, ReadingPileTexts) {
  EXPECT_EQ(PileCardCount("12345678"), 2);  // malformed: 8 characters count as 2 cards
  EXPECT_EQ(CardAt("001052-05", 1), 52);
  EXPECT_EQ(CardAt("001052-05", 2), -5);
  EXPECT_EQ(TopCard(""), 0);
  EXPECT_TRUE(PileHasCard("07", "001007"));
  EXPECT_FALSE(PileHasCard("008", "001007"));
  EXPECT_TRUE(PileRanksDistinct("001015029000"));  // A, 2, 3 and a hole
  EXPECT_FALSE(PileRanksDistinct("001014"));       // two aces
}

TEST(Piles, TopCardOfByName) {
  PileGroups piles;
  piles.Pile(PileGroup::Tableau, 0) = "001002";
  piles.Pile(PileGroup::Stock, kSecondWasteItem) = "009";
  piles.Pile(PileGroup::Stock, kWasteItem) = "011";
  EXPECT_EQ(TopCardOf(piles, "Fila1"), 2);
  EXPECT_EQ(TopCardOf(piles, "Fila2"), 0);
  EXPECT_EQ(TopCardOf(piles, "Mazzo_Vis"), 11);
  EXPECT_EQ(TopCardOf(piles, "Mazzo_Waste"), 0);
  EXPECT_EQ(TopCardOf(piles, "Nowhere"), 0);
}

TEST(Piles, AppendSetsFacesOnlyWithADigit) {
  PileGroups piles;
  CardTable table;
  AppendCard(piles, table, PileGroup::Tableau, 0, 5, '0');
  AppendCard(piles, table, PileGroup::Tableau, 0, 0);
  AppendCardToNamedPile(piles, table, "Dest2", 40, '1');
  AppendCardToNamedPile(piles, table, "Mazzo", 41, '0');        // never the stock
  AppendCardToNamedPile(piles, table, "Mazzo_Waste", 42, '0');  // nor the second waste
  AppendCardToNamedPile(piles, table, "Mazzo_Vis", 43);
  EXPECT_EQ(piles.Pile(PileGroup::Tableau, 0), "005000");
  EXPECT_TRUE(table.IsFaceDown(5));
  EXPECT_EQ(piles.Pile(PileGroup::Foundation, 1), "040");
  EXPECT_EQ(piles.Pile(PileGroup::Stock, kStockItem), "");
  EXPECT_EQ(piles.Pile(PileGroup::Stock, kSecondWasteItem), "");
  EXPECT_FALSE(table.IsFaceDown(41));
  EXPECT_EQ(piles.Pile(PileGroup::Stock, kWasteItem), "043");
}

TEST(Piles, TakeCardModes) {
  struct Case {
    const char* pile;
    int card, mode;
    bool found;
    const char* after;
  } cases[] = {
      {"012045", 12, kTakeLeaveHole, true, "000045"}, {"000045", 45, kTakeRemoveWithHole, true, ""},
      {"045000", 45, kTakeRemoveWithHole, true, ""},  {"001045002", 45, kTakeRemoveWithHole, true, "001002"},
      {"012045", 45, kTakeRemove, true, "012"},       {"012045", 12, kTakeFind, true, "012045"},
      {"012045", 13, kTakeRemove, false, "012045"},   {"", 1, kTakeRemove, false, ""},
  };
  for (const auto& c : cases) {
    std::string pile = c.pile;
    EXPECT_EQ(TakeCard(pile, c.card, c.mode), c.found) << c.pile << " " << c.card;
    EXPECT_EQ(pile, c.after) << c.pile << " " << c.card << " mode " << c.mode;
  }
}

class PileSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    rules.Set(GameRules::kTableauCount, 4);
    rules.Set(GameRules::kReserveCount, 2);
    piles.Pile(PileGroup::Stock, kStockItem) = "010";
    piles.Pile(PileGroup::Stock, kWasteItem) = "011";
    piles.Pile(PileGroup::Stock, kSecondWasteItem) = "012";
    piles.Pile(PileGroup::Foundation, 15) = "013";
    piles.Pile(PileGroup::Tableau, 3) = "014015";
    piles.Pile(PileGroup::Tableau, 5) = "016";  // beyond the piles in use
    piles.Pile(PileGroup::Reserve, 1) = "017";
    piles.Pile(PileGroup::Reserve, 4) = "018";  // beyond the reserves in use
  }
  PileGroups piles;
  GameRules rules;
};

TEST_F(PileSearch, LocateCardOnlyInPilesInUse) {
  EXPECT_EQ(LocateCard(piles, rules, 10), kLocStock);
  EXPECT_EQ(LocateCard(piles, rules, 11), kLocWaste);
  EXPECT_EQ(LocateCard(piles, rules, 12), kLocNone);  // the second waste has no locator
  EXPECT_EQ(LocateCard(piles, rules, 13), -16);
  EXPECT_EQ(LocateCard(piles, rules, 15), 4);
  EXPECT_EQ(LocateCard(piles, rules, 16), kLocNone);
  EXPECT_EQ(LocateCard(piles, rules, 17), -22);
  EXPECT_EQ(LocateCard(piles, rules, 18), kLocNone);
}

TEST_F(PileSearch, FindCardKindTakesTheCard) {
  EXPECT_EQ(FindCardKind(piles, rules, 15, kTakeRemove), kPileTableau);
  EXPECT_EQ(piles.Pile(PileGroup::Tableau, 3), "014");
  EXPECT_EQ(FindCardKind(piles, rules, 12, kTakeLeaveHole), kPileSecondWaste);
  EXPECT_EQ(piles.Pile(PileGroup::Stock, kSecondWasteItem), "000");
  // Every reserve is searched, even those the game does not use.
  EXPECT_EQ(FindCardKind(piles, rules, 18, kTakeRemove), kPileReserve);
  EXPECT_EQ(FindCardKind(piles, rules, 16, kTakeRemove), kPileNotFound);
  EXPECT_EQ(FindCardKind(piles, rules, 13, kTakeRemove), kPileFoundation);
  EXPECT_EQ(FindCardKind(piles, rules, 10, kTakeRemove), kPileStock);
}

TEST_F(PileSearch, TableauQueries) {
  EXPECT_EQ(LongestTableau(piles, rules), 2);
  EXPECT_TRUE(IsTableauTop(piles, rules, 15));
  EXPECT_FALSE(IsTableauTop(piles, rules, 14));
  EXPECT_FALSE(IsTableauTop(piles, rules, 16));
  rules.Set(GameRules::kTableauCount, 999);  // a bad count is kept inside the group
  EXPECT_EQ(LongestTableau(piles, rules), 2);
  EXPECT_TRUE(IsTableauTop(piles, rules, 16));
}

}  // namespace
}  // namespace cardoria
