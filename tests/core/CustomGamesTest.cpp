#include "core/CustomGames.h"

#include <gtest/gtest.h>

#include <map>

#include "core/Catalogue.h"
#include "core/RuleIndex.h"
#include "core/RulesLoader.h"
#include "core/Session.h"
#include "core/TextStore.h"
#include "platform/TextLines.h"
#include "support/CatalogueFixture.h"

namespace cardoria {
namespace {

class CustomGamesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CatalogueFileContent content;
    // Twelve lets the player change its stock and empty-column rules; the
    // other does not.
    CatalogueEntry twelve = test::KlondikeLike(12, "Twelve");
    for (int index : {rule::CardsPerDealEditable, rule::RedealsEditable, rule::EmptyTableauEditable})
      twelve.rules[index] = 1;
    content.games = {test::KlondikeLike(2, "Klondike"), twelve};
    test::WriteCatalogue(dir, content);
    session.programDir = dir.Path();
    ASSERT_TRUE(LoadCatalogue(session, messages));
  }
  TextList Lines() const { return SplitLines(dir.Read("DATA/GAM_CUST.DAT")); }
  std::string Record(int number, const std::string& name, int base) const {
    return std::to_string(number) + name + std::string(50 - name.size(), ' ') + ZeroPad(base, 4);
  }

  test::TempDir dir;
  Session session;
  test::RecordingMessages messages;
};

TEST_F(CustomGamesTest, RecordsAreWrittenInTheirColumnsAndNumbersAreReused) {
  EXPECT_EQ(NewCustomNumber(session), 8000);  // no file yet
  EXPECT_EQ(AddCustomGame(session, "Twelve, three cards", 12, 3, -1, 1).number, 8000);
  EXPECT_EQ(AddCustomGame(session, "Twelve, no redeal", 12, 1, 0, 0).number, 8001);
  TextList lines = Lines();
  ASSERT_EQ(lines.size(), 61u);
  EXPECT_EQ(lines[0], "[R-0301]");
  EXPECT_EQ(lines[1], Record(8000, "Twelve, three cards", 12));
  EXPECT_EQ(lines[2], "003-011");
  EXPECT_EQ(lines[31], Record(8001, "Twelve, no redeal", 12));
  EXPECT_EQ(lines[32], "0010000");
  for (std::size_t i : {3u, 30u, 33u, 60u}) EXPECT_EQ(lines[i], "") << i;

  // The loader reads back what was written, unlimited redeals included.
  session.store.Set(pos::kGameNumber, 4, "8000");
  ASSERT_TRUE(LoadGameRules(session, messages));
  EXPECT_EQ(session.rules[rule::CardsPerDeal], 3);
  EXPECT_EQ(session.rules[rule::Redeals], -1);
  EXPECT_EQ(session.rules[rule::TableauSpace], 91);

  EXPECT_FALSE(RemoveCustomGame(session, 8000));
  lines = Lines();
  ASSERT_EQ(lines.size(), 31u);
  EXPECT_EQ(lines[1], Record(8001, "Twelve, no redeal", 12));
  EXPECT_EQ(CustomGameName(session, 8000), "");
  EXPECT_EQ(CustomGameName(session, 8001), "Twelve, no redeal");
  EXPECT_EQ(NewCustomNumber(session), 8000);
  EXPECT_EQ(AddCustomGame(session, "Again", 12, 1, 4, 2).number, 8000);
  EXPECT_EQ(CustomGameInfo(session, 8000).overrides, "0010042");
  EXPECT_EQ(Lines().size(), 61u);
}

TEST_F(CustomGamesTest, OverridesTheBaseGameDoesNotAllowAreLeftOut) {
  // Written by hand: the base game lets none of its rules be changed.
  ASSERT_EQ(AddCustomGame(session, "Klondike, three cards", 2, 3, 5, 2).number, 8000);
  session.store.Set(pos::kGameNumber, 4, "8000");
  ASSERT_TRUE(LoadGameRules(session, messages));
  EXPECT_EQ(session.rules[rule::CardsPerDeal], 1);
  EXPECT_EQ(session.rules[rule::Redeals], -1);
  EXPECT_EQ(session.rules[rule::TableauSpace], 13);
}

TEST_F(CustomGamesTest, LongNamesAreCutAndAShortLastRecordIsCompletedFirst) {
  // Written by hand: the last record has its two lines only.
  dir.Write("DATA/GAM_CUST.DAT", "[R-0301]\r\n" + Record(8000, "Short", 2) + "\r\n0030022\r\n");
  const std::string longName(60, 'x');
  EXPECT_EQ(AddCustomGame(session, longName, 2, 1, 0, 0).number, 8001);
  const TextList lines = Lines();
  ASSERT_EQ(lines.size(), 61u);
  EXPECT_EQ(lines[31], Record(8001, std::string(50, 'x'), 2));
  EXPECT_EQ(CustomGameName(session, 8001), std::string(50, 'x'));
  EXPECT_EQ(CustomGameName(session, 8000), "Short");
}

TEST_F(CustomGamesTest, AFullFileRefusesAnotherGameAndIsLeftAlone) {
  std::string text = "[R-0301]\r\n";
  for (int number = 8000; number <= 9999; ++number) {
    text += Record(number, "Game " + std::to_string(number), 2) + "\r\n0010000\r\n";
    for (int i = 0; i < 28; ++i) text += "\r\n";
  }
  dir.Write("DATA/GAM_CUST.DAT", text);
  EXPECT_EQ(NewCustomNumber(session), 10000);
  const CustomGameAdded added = AddCustomGame(session, "One too many", 2, 1, 0, 0);
  EXPECT_EQ(added.number, -1);
  EXPECT_EQ(added.problem, kNoFreeCustomNumber);
  EXPECT_EQ(dir.Read("DATA/GAM_CUST.DAT"), text);
  EXPECT_EQ(CustomGameName(session, 9999), "Game 9999");

  // A freed number in the middle is found again.
  EXPECT_FALSE(RemoveCustomGame(session, 9123));
  EXPECT_EQ(NewCustomNumber(session), 9123);
}

TEST_F(CustomGamesTest, AFileThatCanNotBeReadIsNamedAndNeverWrittenOver) {
  EXPECT_EQ(CustomGamesFileProblem(session), std::nullopt) << "no file";
  const std::string binary("[R-0301]\r\n\0\x01\x02garbage", 20);
  dir.Write("DATA/GAM_CUST.DAT", binary);
  const auto problem = CustomGamesFileProblem(session);
  ASSERT_TRUE(problem);
  EXPECT_NE(problem->find("is not a text file. The customized games are left out"), std::string::npos) << *problem;
  EXPECT_TRUE(ReadCustomGames(session).empty());
  EXPECT_EQ(AddCustomGame(session, "Mine", 2, 1, -1, 0).number, -1);
  EXPECT_EQ(dir.Read("DATA/GAM_CUST.DAT"), binary);
}

TEST_F(CustomGamesTest, FreeSlotSkipsNumbersInUseAndIgnoresOthers) {
  auto records = [](std::initializer_list<int> numbers) {
    std::vector<CustomGameRecord> list;
    for (int n : numbers) list.push_back({n, "x", 2, ""});
    return list;
  };
  EXPECT_EQ(FindFreeSlot({}), 8000);
  EXPECT_EQ(FindFreeSlot(records({8001, 8000, 8003})), 8002);
  EXPECT_EQ(FindFreeSlot(records({0, 12, 10000, 8001})), 8000);  // a damaged number column reads as 0
}

TEST_F(CustomGamesTest, ListIsSortedByNameWithFixedWidthFields) {
  TextList names{"stale"}, numbers, bases, overrides;
  EXPECT_FALSE(ListCustomGames(session, names, numbers, bases, overrides));
  EXPECT_TRUE(names.empty());
  AddCustomGame(session, "zebra", 12, 3, 2, 1);
  AddCustomGame(session, "Apple", 2, 1, -1, 0);
  ASSERT_TRUE(ListCustomGames(session, names, numbers, bases, overrides));
  EXPECT_EQ(names, (TextList{"Apple" + std::string(45, ' '), "zebra" + std::string(45, ' ')}));
  EXPECT_EQ(numbers, (TextList{"8001", "8000"}));
  EXPECT_EQ(bases, (TextList{"0002", "0012"}));
  EXPECT_EQ(overrides, (TextList{"001-010", "0030021"}));
}

TEST(CustomizableRules, PermissionsFollowTheRulesOfTheGame) {
  using Values = std::map<int, int>;
  const Values stock = {{rule::HasStock, 1}, {rule::StockDealsToWaste, 1}, {rule::StockGroupCount, 2}};
  auto with = [](Values values, std::initializer_list<std::pair<const int, int>> more) {
    for (const auto& [k, v] : more) values[k] = v;
    return values;
  };
  struct Case {
    const char* what;
    Values values;
    bool cards, redeals, empty;
  } cases[] = {
      {"nothing allowed", stock, false, false, false},
      {"1 allows whatever the stock", {{361, 1}, {362, 1}, {363, 1}, {rule::PairingSum, 10}}, true, true, true},
      {"2 with a stock and waste", with(stock, {{361, 2}, {362, 2}, {363, 2}}), true, true, true},
      {"2 with a second waste only", with(stock, {{361, 2}, {rule::StockDealsToWaste, 0}, {rule::SecondWasteCount, 1}}),
       true, false, false},
      {"2 without a stock", with(stock, {{361, 2}, {362, 2}, {rule::HasStock, 0}}), false, false, false},
      {"2 without a waste", with(stock, {{361, 2}, {rule::StockDealsToWaste, 0}}), false, false, false},
      {"2 without stock piles", with(stock, {{362, 2}, {rule::StockGroupCount, 0}}), false, false, false},
      {"2 with a tableau add kind", with(stock, {{361, 2}, {rule::TableauAddKind + 1, 3}}), false, false, false},
      {"2 in a pairing game", with(stock, {{363, 2}, {rule::PairingSum, 13}}), false, false, false},
      {"2 with tableau build 4", with(stock, {{363, 2}, {rule::TableauBuild, 4}}), false, false, false},
  };
  for (const Case& c : cases) {
    const CustomizableRules rules = CustomizableRulesFrom([&](int index) {
      const auto it = c.values.find(index);
      return it == c.values.end() ? 0 : it->second;
    });
    EXPECT_EQ(rules.cardsPerDeal, c.cards) << c.what;
    EXPECT_EQ(rules.redeals, c.redeals) << c.what;
    EXPECT_EQ(rules.emptyTableau, c.empty) << c.what;
  }
}

}  // namespace
}  // namespace cardoria
