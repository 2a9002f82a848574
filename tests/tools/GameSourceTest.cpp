#include "GameSource.h"

#include <gtest/gtest.h>

#include "core/BuildRule.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "support/RunCommand.h"
#include "support/TestSupport.h"

namespace cardoria {
namespace {

const char* const kGood =
    "# a comment\n"
    "Number = 42\n"
    "Name = Test Game\n"
    "Family = 5\n"
    "New = yes\n"
    "Groups = Selected Children\n"
    "CardCount = 52\n"
    "TableauDealCount = 1 2 3*2 0 6 7\n"
    "TableauCount = 7\n"
    "MoveLimit = -1\n"
    "\n"
    "Rules:\n"
    "\n"
    "Build down.\n"
    "Win.\n\n";

TEST(GameSource, ParsesAGame) {
  std::vector<SourceError> errors;
  const GameSource game = ParseGameSource("test.game", kGood, errors);
  ASSERT_TRUE(errors.empty()) << errors[0].message;
  EXPECT_EQ(game.entry.number, 42);
  EXPECT_EQ(game.entry.name, "Test Game");
  EXPECT_EQ(game.entry.family, 5);
  EXPECT_TRUE(game.entry.marked);
  EXPECT_TRUE(game.selected && game.children && !game.original);
  EXPECT_EQ(game.entry.rules.at(290), 3);
  EXPECT_EQ(game.entry.rules.at(291), 3);
  EXPECT_FALSE(game.entry.rules.contains(292));  // zero values are not kept
  EXPECT_EQ(game.entry.rules.at(294), 7);
  EXPECT_EQ(game.entry.rules.at(11), -1);
  EXPECT_EQ(game.rulesText, "Build down.\nWin.\n");
}

TEST(GameSource, RefusesWhatItCanNotUse) {
  struct Case {
    const char* line;
    const char* message;
    const char* replaces = nullptr;  // a line of the good game it stands in for
  } cases[] = {
      {"Colour = red\n", "t.game:11: unknown name \"Colour\""},
      {"TableauCount = 29\n", "t.game:10: \"TableauCount\" must be 0 to 28", "TableauCount = 7\n"},
      {"TableauFaceUp = 1*29\n", "t.game:11: \"1*29\" is not a number (or value*count)"},
      {"FoundationCount = 17\n", "t.game:11: \"FoundationCount\" must be 0 to 16"},
      {"ReserveCount = 9\n", "t.game:11: \"ReserveCount\" must be 0 to 8"},
      {"ReserveKind = 1*9\n", "t.game:11: \"ReserveKind\" takes at most 8 values"},
      {"CardsPerDeal = 40000\n", "t.game:11: \"CardsPerDeal\" must be -32768 to 32767"},
      {"CardsPerDeal = 1 2\n", "t.game:11: \"CardsPerDeal\" takes at most 1 value"},
      {"CardsPerDeal = many\n", "t.game:11: \"many\" is not a number (or value*count)"},
      {"MoveLimit = -1\n", "t.game:11: \"MoveLimit\" is given twice"},
      {"Needs800 = maybe\n", "t.game:11: \"Needs800\" is yes or no"},
      {"just words\n", "t.game:11: expected \"Name = value\""},
      {"Hidden = yes\n", "t.game:17: a hidden game has no rule column to hold its rules"},
      // The loader would refuse what could never be dealt.
      {"ReserveDealCount = 1\n", "t.game:17: the game deals cards to reserve 1 but has 0 reserves."},
      {"FoundationDealKind = 1\n", "t.game:17: the game deals cards to a foundation but has none."},
  };
  for (const auto& c : cases) {
    std::string text = kGood;
    if (c.replaces) text.erase(text.find(c.replaces), std::string(c.replaces).size());
    text.replace(text.find("MoveLimit = -1\n\n"), 16, std::string("MoveLimit = -1\n") + c.line);
    std::vector<SourceError> errors;
    ParseGameSource("t.game", text, errors);
    ASSERT_EQ(errors.size(), 1u) << c.line << errors[0].message << (errors.size() > 1 ? errors[1].message : "");
    EXPECT_EQ(errors[0].message, c.message);
  }
  // The family rules the engine plays are no longer refused.
  for (const char* line :
       {"StockFirstRule = 3\n", "TableauBuild = 71*2\n", "FoundationBuild = 58*2\n", "TableauBuild = 3 45\n",
        "TableauBuild = 3 62\n", "GameFamily = 31\n", "GameFamily = 28\n", "GameFamily = 23\n",
        "GameFamily = 20\nPairingSum = 10\n", "GameFamily = 23\nPairingSum = 7\n", "GameFamily = 33\n"}) {
    std::string text = kGood;
    text.replace(text.find("MoveLimit = -1\n\n"), 16, std::string("MoveLimit = -1\n") + line);
    std::vector<SourceError> errors;
    ParseGameSource("t.game", text, errors);
    EXPECT_TRUE(errors.empty()) << line << (errors.empty() ? "" : errors[0].message);
  }
  std::vector<SourceError> errors;
  ParseGameSource("empty.game", "", errors);
  ASSERT_EQ(errors.size(), 4u);
  EXPECT_EQ(errors[0].message, "empty.game:1: \"Number\" is missing");
  errors.clear();
  ParseGameSource("big.game", "Number = 1\nName = Big\nFamily = 5\nCardCount = 60\n", errors);
  ASSERT_EQ(errors.size(), 2u);  // the refused value leaves the card count missing too
  EXPECT_EQ(errors[0].message, "big.game:4: \"CardCount\" is at most 52, or 104");
}

TEST(GameSource, AcceptsTheSelectionFamilies) {
  for (const char* line : {"PairingSum = 13\n", "PairingSum = 13\nGameFamily = 7\n", "GameFamily = 4\n",
                           "GameFamily = 2\n", "GameFamily = 28\n", "PairingSum = 7\nGameFamily = 23\n"}) {
    std::string text = kGood;
    text.replace(text.find("MoveLimit = -1\n\n"), 16, std::string("MoveLimit = -1\n") + line);
    std::vector<SourceError> errors;
    ParseGameSource("t.game", text, errors);
    EXPECT_TRUE(errors.empty()) << line << errors[0].message;
  }
}

// A name is accepted only when it reads back from the stored catalogue line
// as it was written.
TEST(GameSource, NamesMustSurviveTheStoredForm) {
  auto parse = [](const std::string& name, std::vector<SourceError>& errors) {
    std::string text = kGood;
    text.replace(text.find("Test Game"), 9, name);
    return ParseGameSource("n.game", text, errors);
  };
  const std::string refused =
      "n.game:3: the name holds a control character or a byte of 0xD0 and above, which the "
      "catalogue can not store";
  for (const std::string& name : {std::string("Tab\tName"), std::string("Nul\0Name", 8),
                                  std::string("\xE2\x99\xA0 Spades"), std::string("Del\x7F")}) {
    std::vector<SourceError> errors;
    parse(name, errors);
    ASSERT_EQ(errors.size(), 1u) << name;
    EXPECT_EQ(errors[0].message, refused) << name;
  }
  for (int byte = 0; byte < 256; ++byte) {
    const std::string name = std::string("A") + static_cast<char>(byte) + "B";
    std::vector<SourceError> errors;
    const GameSource game = parse(name, errors);
    if (!errors.empty()) continue;
    EXPECT_EQ(LineName(RestoreText(ScrambleText(CatalogueLine(game.entry)))), name) << "byte " << byte;
  }
  std::vector<SourceError> errors;
  parse("Caf\xC3\xA9 Solitaire", errors);
  EXPECT_TRUE(errors.empty());
}

// A game of our own design carries the fact as data: column 4 of its line,
// and the first line of its rules text, which no other game may begin with.
TEST(GameSource, OwnDesignIsAFieldItsRulesTextStatesFirst) {
  auto parse = [](const std::string& head, const std::string& rules, std::vector<SourceError>& errors) {
    std::string text = kGood;
    text.replace(text.find("MoveLimit = -1\n\n"), 16, "MoveLimit = -1\n" + head + "\n");
    text.replace(text.find("Build down."), 11, rules + "Build down.");
    return ParseGameSource("o.game", text, errors);
  };
  const std::string first = std::string(kOwnDesignLine) + "\n";
  std::vector<SourceError> errors;
  const GameSource own = parse("OwnDesign = yes\n", first, errors);
  ASSERT_TRUE(errors.empty()) << errors[0].message;
  EXPECT_TRUE(own.entry.ownDesign);
  const std::string line = CatalogueLine(own.entry);
  EXPECT_EQ(line.substr(0, 7), "5  1042");
  EXPECT_TRUE(LineOwnDesign(line));
  EXPECT_FALSE(LineOwnDesign(CatalogueLine(ParseGameSource("p.game", kGood, errors).entry)));
  EXPECT_EQ(CatalogueLine(ParseGameSource("p.game", kGood, errors).entry).substr(0, 7), "5   042");

  struct Case {
    const char* head;
    std::string rules;
    const char* message;
  } cases[] = {
      {"OwnDesign = yes\n", "", "o.game:11: the rules text of a game of our own design begins \""},
      {"", first, "o.game:18: the rules text says the game is of our own design, and \"OwnDesign = yes\" is missing"},
      {"OwnDesign = perhaps\n", first, "o.game:11: \"OwnDesign\" is yes or no"},
  };
  for (const Case& c : cases) {
    errors.clear();
    parse(c.head, c.rules, errors);
    ASSERT_FALSE(errors.empty()) << c.message;
    EXPECT_EQ(errors[0].message.substr(0, std::string(c.message).size()), c.message);
  }
  // A source that gamec dump wrote has no rules text to say it in.
  errors.clear();
  ParseGameSource("d.game", "Number = 5\nName = Dumped\nFamily = 6\nOwnDesign = yes\nCardCount = 52\n", errors);
  EXPECT_TRUE(errors.empty());
}

TEST(GameSource, NumbersAndNamesAreUsedOnce) {
  std::vector<SourceError> errors;
  const GameSource a = ParseGameSource("a.game", kGood, errors);
  GameSource b = a;
  b.entry.name = "other";
  GameSource c = a;
  c.entry.number = 43;
  c.entry.name = "TEST GAME";
  BuildCatalogue({{"a.game", a}, {"b.game", b}, {"c.game", c}}, errors);
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0].message, "b.game: number 42 is also used by a.game");
  EXPECT_EQ(errors[1].message, "c.game: name \"TEST GAME\" is also used by a.game");
}

TEST(GameSource, DumpGivesSourcesThatCompileToTheSameBytes) {
  std::vector<SourceError> errors;
  GameSource first = ParseGameSource("a.game", kGood, errors);
  GameSource second = first;
  second.entry.number = 7;
  second.entry.name = "Seven";
  second.selected = false;
  second.entry.rules[109] = 13;
  second.entry.rules[110] = 13;
  second.entry.ownDesign = true;
  // A hidden game between them takes no rule column.
  const GameSource hidden = ParseGameSource("h.game", "Number = 20\nName = Gone\nFamily = 5\nHidden = yes\n", errors);
  const std::vector<std::pair<std::string, GameSource>> sources = {
      {"a.game", first}, {"h.game", hidden}, {"b.game", second}};
  const std::string file = WriteCatalogueFile(BuildCatalogue(sources, errors));
  ASSERT_TRUE(errors.empty());

  std::vector<std::pair<std::string, GameSource>> again;
  for (const auto& [name, text] : DumpCatalogue(SplitLines(file)))
    again.emplace_back(name, ParseGameSource(name, text, errors));
  ASSERT_TRUE(errors.empty()) << errors[0].message;
  ASSERT_EQ(again.size(), 3u);
  EXPECT_EQ(again[0].first, "007.game");
  EXPECT_EQ(again[2].second.entry.rules, first.entry.rules);
  EXPECT_EQ(WriteCatalogueFile(BuildCatalogue(again, errors)), file);
  EXPECT_NE(DumpCatalogue(SplitLines(file))[0].second.find("TableauSpace = 13*2\n"), std::string::npos);
  EXPECT_NE(DumpCatalogue(SplitLines(file))[0].second.find("OwnDesign = yes\n"), std::string::npos);
  EXPECT_TRUE(again[0].second.entry.ownDesign);
  EXPECT_FALSE(again[2].second.entry.ownDesign);
}

// A family or a build rule written by its name compiles to the bytes its
// number gives, for every one of them; a name nothing has is refused, and a
// dump writes names.
TEST(GameSource, FamiliesAndBuildRulesAreWrittenByName) {
  auto source = [](const std::string& family) {
    std::string text = kGood;
    text.replace(text.find("MoveLimit = -1\n"), 15, "MoveLimit = -1\nGameFamily = " + family + "\n");
    return text;
  };
  for (const PlayFamilyName& family : PlayFamilyNames()) {
    SCOPED_TRACE(family.name);
    std::vector<SourceError> errors;
    const GameSource named = ParseGameSource("n.game", source(family.name), errors);
    const GameSource numbered =
        ParseGameSource("n.game", source(std::to_string(static_cast<int>(family.value))), errors);
    ASSERT_TRUE(errors.empty()) << errors[0].message;
    EXPECT_EQ(CatalogueLine(named.entry), CatalogueLine(numbered.entry));
    EXPECT_EQ(named.entry.rules, numbered.entry.rules);
    if (family.value != PlayFamily::Standard) {
      const std::string dumped =
          DumpCatalogue(SplitLines(WriteCatalogueFile(BuildCatalogue({{"n.game", named}}, errors))))[0].second;
      EXPECT_NE(dumped.find("GameFamily = " + std::string(family.name) + "\n"), std::string::npos) << dumped;
    }
  }
  // Build rules likewise, on the tableau and the foundations, with repeats.
  for (const BuildRuleName& build : BuildRuleNames()) {
    SCOPED_TRACE(build.name);
    const std::string number = std::to_string(static_cast<int>(build.value));
    auto text = [&](const std::string& value) {
      std::string game = kGood;
      game.replace(game.find("MoveLimit = -1\n"), 15,
                   "MoveLimit = -1\nTableauBuild = " + value + "*3 2\nFoundationBuild = " + value + "\n");
      return game;
    };
    std::vector<SourceError> errors;
    const GameSource named = ParseGameSource("n.game", text(build.name), errors);
    const GameSource numbered = ParseGameSource("n.game", text(number), errors);
    ASSERT_TRUE(errors.empty()) << errors[0].message;
    EXPECT_EQ(named.entry.rules, numbered.entry.rules);
    EXPECT_EQ(named.entry.rules.at(rule::TableauBuild + 3), 2);
    const std::string dumped =
        DumpCatalogue(SplitLines(WriteCatalogueFile(BuildCatalogue({{"n.game", named}}, errors))))[0].second;
    const std::string line = build.value == BuildRule::AnySuit ? "any-suit*4" : std::string(build.name) + "*3 any-suit";
    EXPECT_NE(dumped.find("TableauBuild = " + line + "\n"), std::string::npos) << dumped;
  }
  std::vector<SourceError> errors;
  ParseGameSource("n.game", source("gap"), errors);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].message, "n.game:11: \"gap\" is not a number or a name (or value*count)");
  errors.clear();
  // Only the rules that have names take them.
  ParseGameSource("n.game", "Number = 5\nName = N\nFamily = 6\nCardCount = gaps\n", errors);
  ASSERT_FALSE(errors.empty());
  EXPECT_EQ(errors[0].message, "n.game:4: \"gaps\" is not a number (or value*count)");
}

TEST(GameSource, DumpRefusesWhatIsNoCatalogue) {
  std::vector<SourceError> errors;
  const GameSource game = ParseGameSource("a.game", kGood, errors);
  GameSource other = game;
  other.entry.name = "Other";
  CatalogueFileContent twice;
  twice.games = {game.entry, other.entry};
  CatalogueFileContent one;
  one.games = {game.entry};
  const std::string whole = WriteCatalogueFile(one);
  struct Case {
    std::string file;
    std::string message;
  } cases[] = {
      {"", "G.DAT: holds no games"},
      {"[Sect1]\r\n[Sect2]\r\n", "G.DAT: holds no games"},
      {WriteCatalogueFile(twice), "G.DAT: game lines 1 and 2 both have the number 42"},
      {"[Sect1]\r\n" + ScrambleText("5   0x") + "\r\n" + whole.substr(whole.find("[Sect2]")),
       "G.DAT: game line 1 has no game number"},
      {whole.substr(0, whole.find("\n0300 ") + 1), "G.DAT: the rule rows end at rule 299, before rule 369."},
      {whole.substr(0, whole.find("\n0300 ") + 20), "G.DAT: rule row 300 is cut short."},
  };
  for (const auto& c : cases) {
    errors.clear();
    EXPECT_TRUE(DumpCatalogue("G.DAT", SplitLines(c.file), errors).empty());
    ASSERT_EQ(errors.size(), 1u) << c.message;
    EXPECT_EQ(errors[0].message, c.message);
  }
  errors.clear();
  EXPECT_EQ(DumpCatalogue("G.DAT", SplitLines(whole), errors).size(), 1u);
  EXPECT_TRUE(errors.empty());

  // The tool says so by its exit code and writes nothing.
  test::TempDir dir;
  dir.Write("G.DAT", WriteCatalogueFile(twice));
  const auto run = test::RunCommand("'" CARDORIA_GAMEC "' dump '" + dir / "G.DAT" + "' '" + dir / "out" + "'");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.output.find("both have the number 42"), std::string::npos) << run.output;
  EXPECT_FALSE(dir.Exists("out"));
  dir.Write("G.DAT", whole);
  EXPECT_EQ(test::RunCommand("'" CARDORIA_GAMEC "' dump '" + dir / "G.DAT" + "' '" + dir / "out" + "'").exitCode, 0);
  EXPECT_TRUE(dir.Exists("out/042.game"));
}

}  // namespace
}  // namespace cardoria
