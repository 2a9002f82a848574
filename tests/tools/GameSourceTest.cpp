#include "GameSource.h"

#include <gtest/gtest.h>

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
  } cases[] = {
      {"Colour = red\n", "t.game:10: unknown name \"Colour\""},
      {"TableauCount = 29\n", "t.game:10: \"TableauCount\" must be 0 to 28"},
      {"TableauFaceUp = 1*29\n", "t.game:10: \"1*29\" is not a number (or value*count)"},
      {"FoundationCount = 17\n", "t.game:10: \"FoundationCount\" must be 0 to 16"},
      {"ReserveCount = 9\n", "t.game:10: \"ReserveCount\" must be 0 to 8"},
      {"ReserveKind = 1*9\n", "t.game:10: \"ReserveKind\" takes at most 8 values"},
      {"CardsPerDeal = 40000\n", "t.game:10: \"CardsPerDeal\" must be -32768 to 32767"},
      {"CardsPerDeal = 1 2\n", "t.game:10: \"CardsPerDeal\" takes at most 1 value"},
      {"CardsPerDeal = many\n", "t.game:10: \"many\" is not a number (or value*count)"},
      {"MoveLimit = -1\n", "t.game:10: \"MoveLimit\" is given twice"},
      {"Needs800 = maybe\n", "t.game:10: \"Needs800\" is yes or no"},
      {"just words\n", "t.game:10: expected \"Name = value\""},
      {"GameFamily = 9\n", "t.game:16: GameFamily selects family routines, which this version does not have"},
      {"TableauBuild = 3 45\n", "t.game:16: TableauBuild code 45 is a family rule, which this version does not have"},
      {"StockFirstRule = 2\n",
       "t.game:16: StockFirstRule 2 needs the designated-pile rule, which this version does not have"},
  };
  for (const auto& c : cases) {
    std::string text = kGood;
    text.replace(text.find("MoveLimit = -1\n\n"), 16, std::string("MoveLimit = -1\n") + c.line);
    std::vector<SourceError> errors;
    ParseGameSource("t.game", text, errors);
    ASSERT_EQ(errors.size(), 1u) << c.line << errors[0].message << (errors.size() > 1 ? errors[1].message : "");
    EXPECT_EQ(errors[0].message, c.message);
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
  const std::vector<std::pair<std::string, GameSource>> sources = {{"a.game", first}, {"b.game", second}};
  const std::string file = WriteCatalogueFile(BuildCatalogue(sources, errors));
  ASSERT_TRUE(errors.empty());

  std::vector<std::pair<std::string, GameSource>> again;
  for (const auto& [name, text] : DumpCatalogue(SplitLines(file)))
    again.emplace_back(name, ParseGameSource(name, text, errors));
  ASSERT_TRUE(errors.empty()) << errors[0].message;
  ASSERT_EQ(again.size(), 2u);
  EXPECT_EQ(again[0].first, "007.game");
  EXPECT_EQ(WriteCatalogueFile(BuildCatalogue(again, errors)), file);
  EXPECT_NE(DumpCatalogue(SplitLines(file))[0].second.find("TableauSpace = 13*2\n"), std::string::npos);
}

}  // namespace
}  // namespace cardoria
