#include "core/Catalogue.h"

#include <gtest/gtest.h>

#include "core/CustomGames.h"
#include "core/RuleIndex.h"
#include "core/RulesLoader.h"
#include "core/Session.h"
#include "support/CatalogueFixture.h"

namespace cardoria {
namespace {

using test::KlondikeLike;
using test::TempDir;

class CatalogueTest : public ::testing::Test {
 protected:
  bool Load(const CatalogueFileContent& content) {
    test::WriteCatalogue(dir, content);
    session.programDir = dir.Path();
    return LoadCatalogue(session, messages);
  }
  TempDir dir;
  Session session;
  test::RecordingMessages messages;
};

TEST(CatalogueText, ShiftRoundTripAndColumns) {
  EXPECT_EQ(RestoreText(ScrambleText("5   002001Klondike")), "5   002001Klondike");
  EXPECT_EQ(RestoreText("P"), " ");     // stored 80 is a space
  EXPECT_EQ(RestoreText("\x01"), "1");  // codes below 80 move up
  CatalogueEntry entry{12, 7, false, true, false, "Baker's Dozen", {}};
  const std::string line = CatalogueLine(entry);
  EXPECT_EQ(line.substr(0, 10), "12  007010");
  EXPECT_EQ(line.size(), 60u);
  EXPECT_EQ(LineFamily(line), 12);
  EXPECT_EQ(LineNumber(line), 7);
  EXPECT_EQ(LineName(line), "Baker's Dozen");
}

TEST(CatalogueText, ShortLinesReadTheirMissingColumnsAsEmpty) {
  struct Case {
    const char* line;
    int family, number;
    const char* name;
  } cases[] = {
      {"", 0, -1, ""},       {"5", 5, -1, ""},           {"12  00", 12, -1, ""},
      {"5   007", 5, 7, ""}, {"5   0070001", 5, 7, "1"}, {"5   007000Short", 5, 7, "Short"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LineFamily(c.line), c.family) << '"' << c.line << '"';
    EXPECT_EQ(LineNumber(c.line), c.number) << '"' << c.line << '"';
    EXPECT_EQ(LineName(c.line), c.name) << '"' << c.line << '"';
  }
}

TEST_F(CatalogueTest, AShortCatalogueLineIsAGameWithAShortName) {
  CatalogueFileContent content;
  content.games = {KlondikeLike(0, "Zero"), KlondikeLike(1, "One")};
  test::WriteCatalogue(dir, content);
  // The second game's line cut right after the first letter of its name.
  std::string text = dir.Read("GAMES.DAT");
  const std::string full = ScrambleText(CatalogueLine(content.games[1]));
  text.replace(text.find(full), full.size(), ScrambleText(CatalogueLine(content.games[1]).substr(0, 11)));
  dir.Write("GAMES.DAT", text);
  session.programDir = dir.Path();
  ASSERT_TRUE(LoadCatalogue(session, messages));
  EXPECT_EQ(GameNameOf(session, 1), "O");
  EXPECT_EQ(GameNumberOf(session, "o"), 1);
  EXPECT_EQ(FamilyOf(session, 1), 5);
  EXPECT_EQ(SortedGameNames(session), (TextList{"O", PadRight("Zero", 50)}));
}

TEST_F(CatalogueTest, LookupsByProbeAndByScan) {
  CatalogueFileContent content;
  content.games = {KlondikeLike(0, "Zero"), KlondikeLike(1, "Freecell"), KlondikeLike(2, "Two")};
  content.games[1].family = 4;
  ASSERT_TRUE(Load(content));
  EXPECT_EQ(CatalogueIndexOf(session, 1), 1);  // line 1 holds game 1
  EXPECT_EQ(GameNameOf(session, 2), "Two");
  EXPECT_EQ(GameNumberOf(session, "FREECELL "), 1);
  EXPECT_EQ(FamilyOf(session, 1), 4);

  CatalogueFileContent gaps;
  gaps.games = {KlondikeLike(12, "Twelve"), KlondikeLike(500, "Five hundred"), KlondikeLike(3, "Three")};
  ASSERT_TRUE(Load(gaps));
  EXPECT_EQ(CatalogueIndexOf(session, 500), 1);
  EXPECT_EQ(CatalogueIndexOf(session, 3), 2);
  EXPECT_EQ(CatalogueIndexOf(session, 4), -1);
  EXPECT_EQ(CatalogueIndexOf(session, 8005), -1);
  EXPECT_EQ(FamilyOf(session, 8005), kCustomizedFamily);
  EXPECT_EQ(FamilyOf(session, -1), -1);
  EXPECT_EQ(FamilyOf(session, 4), -1);
  EXPECT_EQ(GameNameOf(session, 4), "");
  EXPECT_EQ(GameNumberOf(session, "Nowhere"), -1);
}

TEST_F(CatalogueTest, HiddenLinesTakeNoColumn) {
  CatalogueFileContent content;
  auto hidden = KlondikeLike(5, "Hidden");
  hidden.hidden = true;
  auto visible = KlondikeLike(6, "Visible");
  visible.rules[21] = 3;
  content.games = {KlondikeLike(4, "First"), visible};
  ASSERT_TRUE(Load(content));
  // Write the hidden line between them by hand: it must not shift the cells.
  TextList lines = SplitLines(dir.Read("GAMES.DAT"));
  lines.insert(lines.begin() + 2, ScrambleText(CatalogueLine(hidden)));
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  dir.Write("GAMES.DAT", text);
  ASSERT_TRUE(LoadCatalogue(session, messages));
  EXPECT_EQ(session.catalogue.size(), 2u);
  EXPECT_EQ(GameNameOf(session, 5), "");
  EXPECT_EQ(GameRuleValue(session, 6, {21, -1, 284}), (std::vector<int>{3, -99, 52}));

  // The writer leaves the hidden game's column out the same way.
  hidden.rules.clear();
  content.games = {KlondikeLike(4, "First"), hidden, visible};
  ASSERT_TRUE(Load(content));
  EXPECT_EQ(GameRuleValue(session, 6, {21, 284}), (std::vector<int>{3, 52}));
  session.store.Set(pos::kGameNumber, 4, "0006");
  ASSERT_TRUE(LoadGameRules(session, messages));
  EXPECT_EQ(session.rules[21], 3);
}

TEST_F(CatalogueTest, RulePairsAndSortedNames) {
  CatalogueFileContent content;
  content.games = {KlondikeLike(1, "beta"), KlondikeLike(2, "Alpha")};
  content.games[1].rules[42] = -1;
  ASSERT_TRUE(Load(content));
  EXPECT_EQ(GameRulePairs(session, 42, 284), (TextList{"00000000000000000052", "-0000000010000000052"}));
  dir.Write("DATA/GAM_CUST.DAT", "[R-0301]\n8000Gamma" + std::string(45, ' ') + "0001\n0030021\n");
  const TextList names = SortedGameNames(session);
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(TrimRightSpaces(names[0]), "Alpha");
  EXPECT_EQ(TrimRightSpaces(names[1]), "beta");
  EXPECT_EQ(names[2], "Gamma");
}

TEST_F(CatalogueTest, ScreenCheckForGamesThatNeed800Pixels) {
  CatalogueFileContent content;
  auto wide = KlondikeLike(9, "Wide");
  wide.needs800 = true;
  content.games = {KlondikeLike(1, "Narrow"), wide};
  ASSERT_TRUE(Load(content));
  test::FakeScreen small(ScreenInfo{640, 480, 24}), large(ScreenInfo{800, 600, 24});
  EXPECT_TRUE(CheckScreenFor(session, messages, small, 1));
  EXPECT_TRUE(CheckScreenFor(session, messages, large, 9));
  EXPECT_TRUE(CheckScreenFor(session, messages, small, 77));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(CheckScreenFor(session, messages, small, 9));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "Your video card's display is 640x480 pixels.\rYou can't play: Wide\rPlease set your screen resolution to "
            "800x600 pixels or higher.");
}

TEST_F(CatalogueTest, MissingOrEmptyCatalogueStopsStartUp) {
  session.programDir = dir.Path();
  EXPECT_FALSE(LoadCatalogue(session, messages));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, "fatal");
  EXPECT_EQ(messages.shown[0].text, "Cannot find file:\r" + dir.Path() +
                                        "GAMES.DAT\rCopy the file into the directory that above is specified\r"
                                        "or reinstall the program.");
  dir.Write("GAMES.DAT", "[Sect1]\n[Sect2]\n");
  EXPECT_FALSE(LoadCatalogue(session, messages));
  EXPECT_EQ(messages.shown.back().kind, "fatal");
}

TEST_F(CatalogueTest, AGameThatIsNotInTheCatalogueIsClosed) {
  session.store.Set(pos::kGameNumber, 4, "0042");
  session.store.Set(pos::kGameName, 50, "Gone");
  CatalogueFileContent content;
  content.games = {KlondikeLike(1, "Only")};
  ASSERT_TRUE(Load(content));
  EXPECT_EQ(session.store.Get(pos::kGameNumber, 4), "-001");
  EXPECT_EQ(session.store.Get(pos::kGameName, 50), "");
}

class RulesTest : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueFileContent content;
    auto game = KlondikeLike(12, "Twelve");
    for (int i = 0; i < 7; ++i) game.rules[109 + i] = 91;
    for (int index : {rule::CardsPerDealEditable, rule::RedealsEditable, rule::EmptyTableauEditable})
      game.rules[index] = 1;
    content.games = {KlondikeLike(1, "One"), game};
    ASSERT_TRUE(Load(content));
  }
  bool LoadGame(int number) {
    session.store.Set(pos::kGameNumber, 4, ZeroPad(number, 4));
    return LoadGameRules(session, messages);
  }
};

TEST_F(RulesTest, LoadsTheGamesColumnAndKeepsTheDealBase) {
  ASSERT_TRUE(LoadGame(12));
  EXPECT_EQ(session.rules[284], 52);
  EXPECT_EQ(session.rules[291], 4);  // TableauDealCount[3]
  EXPECT_EQ(session.rules[109], 91);
  EXPECT_EQ(session.rules[30], 0);  // an index no row sets stays 0
  session.rules.Set(109, 13);       // what a deal does with 91
  session.rules.Set(45, 7);
  RestoreDealBase(session);
  EXPECT_EQ(session.rules[109], 91);
  EXPECT_EQ(session.rules[45], 1);
}

TEST_F(RulesTest, CustomizedGamesOverrideThreeRules) {
  dir.Write("DATA/GAM_CUST.DAT", "[R-0301]\n8000My Twelve" + std::string(41, ' ') + "0012\n0030022\n" +
                                     std::string(28, '\n') + "8001Other" + std::string(45, ' ') + "0012\nx01x0x9\n");
  ASSERT_TRUE(LoadGame(8000));
  EXPECT_EQ(session.rules[21], 3);
  EXPECT_EQ(session.rules[13], 2);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(session.rules[109 + i], -1);
  EXPECT_EQ(session.rules[116], 0);  // beyond the game's piles
  ASSERT_TRUE(LoadGame(8001));       // malformed numbers keep the loaded values
  EXPECT_EQ(session.rules[21], 1);
  EXPECT_EQ(session.rules[13], -1);
  EXPECT_EQ(session.rules[109], 91);
  EXPECT_EQ(CustomGameNumber(session, "  my twelve "), 8000);
  EXPECT_EQ(CustomGameInfo(session, 8001).base, 12);
  EXPECT_EQ(CustomGameInfo(session, 8002).base, -1);
  EXPECT_EQ(GameNameOf(session, 8001), "Other");
  EXPECT_EQ(FamilyOf(session, 8000), kCustomizedFamily);
}

TEST_F(RulesTest, ACustomizedGameWithoutItsBaseNamesItsOwnFile) {
  dir.Write("DATA/GAM_CUST.DAT", "[R-0301]\n8000No Base" + std::string(43, ' ') + "0025\n0030022\n");
  for (int number : {8000, 8001}) {  // a base the catalogue lacks; no record at all
    messages.shown.clear();
    EXPECT_FALSE(LoadGame(number)) << number;
    ASSERT_EQ(messages.shown.size(), 1u) << number;
    EXPECT_NE(messages.shown[0].text.find(session.PathOf("DATA\\GAM_CUST.DAT")), std::string::npos)
        << messages.shown[0].text;
    EXPECT_EQ(messages.shown[0].text.find("GAMES.DAT"), std::string::npos) << messages.shown[0].text;
    EXPECT_EQ(session.rules[284], 0);
  }
}

TEST_F(RulesTest, DamagedRuleRowsGiveAMessageNotACrash) {
  const std::string good = dir.Read("GAMES.DAT");
  TextList lines = SplitLines(good);
  const auto sect2 = std::find(lines.begin(), lines.end(), "[Sect2]") - lines.begin();
  struct Case {
    const char* what;
    std::function<void(TextList&)> damage;
  } cases[] = {
      {"a cell that is no number",
       [&](TextList& l) { l[static_cast<std::size_t>(sect2) + 5].replace(16 + 11, 10, ScrambleText("abc       ")); }},
      {"a cell wider than a rule",
       [&](TextList& l) { l[static_cast<std::size_t>(sect2) + 5].replace(16 + 11, 10, ScrambleText("40000     ")); }},
      {"a short row", [&](TextList& l) { l[static_cast<std::size_t>(sect2) + 5].resize(20); }},
      {"no rule rows", [&](TextList& l) { l.resize(static_cast<std::size_t>(sect2) + 1); }},
      // A file cut short: at the end of a line, or inside one.
      {"rows that stop before the last rule", [&](TextList& l) { l.resize(static_cast<std::size_t>(sect2) + 201); }},
      {"a file cut inside a row",
       [&](TextList& l) {
         l.resize(static_cast<std::size_t>(sect2) + 201);
         l.back().resize(30);
       }},
      {"a row too short for the last game", [&](TextList& l) { l[static_cast<std::size_t>(sect2) + 300].resize(36); }},
  };
  for (const auto& c : cases) {
    TextList damaged = lines;
    c.damage(damaged);
    std::string text;
    for (const auto& line : damaged) text += line + "\n";
    dir.Write("GAMES.DAT", text);
    messages.shown.clear();
    EXPECT_FALSE(LoadGame(12)) << c.what;
    ASSERT_EQ(messages.shown.size(), 1u) << c.what;
    EXPECT_NE(messages.shown[0].text.find(dir.Path() + "GAMES.DAT"), std::string::npos) << c.what;
    EXPECT_EQ(session.rules[284], 0) << c.what;
  }
  // Rows that leave out an index in between are whole: that rule is 0.
  TextList omitted = lines;
  omitted.erase(omitted.begin() + sect2 + 21);  // rule 21
  std::string text;
  for (const auto& line : omitted) text += line + "\n";
  dir.Write("GAMES.DAT", text);
  ASSERT_TRUE(LoadGame(12));
  EXPECT_EQ(session.rules[21], 0);
  EXPECT_EQ(session.rules[284], 52);
}

}  // namespace
}  // namespace cardoria
