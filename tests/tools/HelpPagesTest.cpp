#include "HelpPages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "core/Catalogue.h"
#include "core/HelpTopics.h"
#include "core/RulesLoader.h"
#include "core/Session.h"
#include "platform/Paths.h"
#include "support/TestSupport.h"

namespace cardoria {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The rules of a game of the compiled catalogue, as the program loads them.
GameRules CatalogueRules(int number) {
  Session session;
  session.programDir = WithTrailingSeparator(fs::path(CARDORIA_GAMES).parent_path().string());
  test::RecordingMessages messages;
  EXPECT_TRUE(LoadCatalogue(session, messages));
  session.store.Set(pos::kGameNumber, 4, std::to_string(number));
  EXPECT_TRUE(LoadGameRules(session, messages));
  return session.rules;
}

TEST(HelpPages, FactsOfCatalogueGamesFollowTheirRuleValues) {
  struct Case {
    int game;
    const char* label;
    const char* text;
  } cases[] = {
      {1, "Cards", "One deck, 52 cards"},
      {1, "Tableau", "8 piles, 52 cards in all, all face up"},
      {1, "Moving cards",
       "A group in sequence of up to (empty free cells + empty piles + 1) cards; one card fewer into an empty pile"},
      {1, "Empty piles", "They take any card or group"},
      {1, "Reserve", "4 free cells, one card each"},
      {1, "Stock", "None: all cards are dealt at the start"},
      {3, "Tableau", "7 piles of 1 to 7 cards, the top card face up"},
      {3, "Building", "Down in alternating colours"},
      {3, "Empty piles", "They take a King only, or a group led by a King"},
      {3, "Stock", "24 cards; each click turns 3 cards onto the waste"},
      {3, "Redeals", "Unlimited"},
      {3, "Moving cards", "Any number of cards in sequence at once. A foundation's top card may be moved back"},
      {4, "Cards", "2 decks, 104 cards"},
      {4, "Tableau", "10 piles, 54 cards in all, the top card face up"},
      {4, "Moving cards", "Any number of cards in sequence of one suit at once"},
      {4, "Foundations",
       "8 foundations: a whole suit in sequence from King down to Ace, face up on a pile, leaves it for a foundation"},
      {4, "Stock", "50 cards; each click deals a card face up onto every pile, once no pile is empty"},
      {4, "Autoplay", "Not available"},
      {7, "Building", "Down in alternating colours; a King may go on an Ace"},
      {7, "Moving cards", "The top card, or the whole pile"},
      {7, "Empty piles", "Filled at once from the reserve; once it is empty, they take any card or group"},
      {7, "Foundations",
       "4 foundations, built up by suit from the rank of the card dealt to the first foundation, turning the corner "
       "from King to Ace"},
      {7, "Reserve", "1 reserve of 13 cards: its top card may be played, nothing may be put on it"},
      {7, "Stock", "34 cards; each click turns 3 cards onto the waste"},
      // An empty pile that takes only a King is no room for a group on the
      // way, and the engine does not count it.
      {11, "Moving cards",
       "A group in sequence of up to (empty free cells + 1) cards; an empty pile gives no room on the way"},
      {11, "Reserve", "8 free cells, one card each; 4 of them start with a card"},
      {8, "Tableau", "13 piles of 4 cards, all face up, every King moved to the bottom of its pile"},
      {8, "Empty piles", "They take nothing: they stay empty"},
      // A row game, and a chain game that selects without a pairing sum.
      {50, "Tableau", "1 pile, dealt empty"},
      {50, "Stock", "52 cards; each click deals a card face up to the end of the row"},
      {50, "Foundations", "None: the cards taken away go to a discard pile"},
      {56, "Play", "Cards are selected, not built: they leave the table by the rules below"},
      {56, "Stock", "Empty: a click on it gathers cards of the piles and deals them again"},
      {56, "Redeals", "Unlimited"},
      {39, "Tableau", "12 piles, 52 cards in all, all face up, no two cards of one rank in a pile"},
      {57, "Cards", "32 cards of one deck: the Aces and the Sevens to the Kings"},
      {57, "Tableau", "8 piles of 4 cards, the top card face up"},
      {88, "Reserve", "A row of 8 places for the Queens: each Queen goes there as the stock turns her up, and stays"},
  };
  std::map<int, std::map<std::string, std::string>> facts;
  for (int game : {1, 3, 4, 7, 8, 11, 39, 50, 56, 57, 88})
    for (const HelpFact& fact : RulesFacts(CatalogueRules(game))) facts[game][fact.label] = fact.text;
  for (const Case& c : cases) EXPECT_EQ(facts[c.game][c.label], c.text) << "game " << c.game << ", " << c.label;
  EXPECT_FALSE(facts[1].contains("Redeals"));  // no stock, nothing to redeal
  EXPECT_FALSE(facts[4].contains("Reserve"));
  EXPECT_FALSE(facts[56].contains("Building"));
  EXPECT_FALSE(facts[56].contains("Empty piles"));
}

// The values, not the game, make the text: a customized Klondike by Threes
// that deals one card and allows two redeals says so.
TEST(HelpPages, FactsFollowChangedValues) {
  GameRules rules = CatalogueRules(3);
  rules.Set(21, 1);   // CardsPerDeal
  rules.Set(13, 3);   // Redeals: three passes
  rules.Set(109, 0);  // an empty pile takes nothing
  std::map<std::string, std::string> facts;
  for (const HelpFact& fact : RulesFacts(rules)) facts[fact.label] = fact.text;
  EXPECT_EQ(facts["Stock"], "24 cards; each click turns 1 card onto the waste");
  EXPECT_EQ(facts["Redeals"], "2");
  // One pile that differs from the others is not described as theirs.
  EXPECT_EQ(facts["Empty piles"], "They take cards by a rule of their own on each pile");

  // A build code that rules its own empty piles is not described by their
  // empty rule, and a game without foundations tells of none.
  for (int i = 0; i < 7; ++i) rules.Set(165 + i, 70);  // TableauBuild
  rules.Set(280, 0);                                   // FoundationCount
  facts.clear();
  for (const HelpFact& fact : RulesFacts(rules)) facts[fact.label] = fact.text;
  EXPECT_EQ(facts["Empty piles"], "By the rules of this game, told below");
  EXPECT_FALSE(facts.contains("Foundations"));

  // Selection play has no building to tell of.
  rules.Set(37, 13);  // PairingSum
  facts.clear();
  for (const HelpFact& fact : RulesFacts(rules)) facts[fact.label] = fact.text;
  EXPECT_FALSE(facts.contains("Building"));
  EXPECT_FALSE(facts.contains("Moving cards"));
  EXPECT_EQ(facts["Play"], "Cards are selected, not built: they leave the table by the rules below");
}

// A pairing game keeps its selection in a foundation that is no play pile,
// and its stock only fills the gaps that a removal leaves.
TEST(HelpPages, FactsOfSelectionGames) {
  struct Case {
    int family, pairingSum, stockCards;
    const char* stock;
  } cases[] = {
      {17, 11, 43, "43 cards; they fill the empty places, from the first, after each removal"},
      {0, 13, 20, "20 cards; they fill the empty places, from the first, after each removal"},
      {8, 2, 27, "27 cards; dealt by rules of its own"},
      {21, 2, 50, "50 cards; dealt by rules of its own"},
      {3, 0, 0, "None: all cards are dealt at the start"},
  };
  for (const Case& c : cases) {
    GameRules rules = CatalogueRules(3);
    rules.Set(44, c.family);
    rules.Set(37, c.pairingSum);
    rules.Set(GameRules::kFoundationCount, 0);
    rules.Set(8, 0);  // no waste
    rules.Set(285, c.stockCards);
    rules.Set(7, c.stockCards > 0 ? 1 : 0);
    std::map<std::string, std::string> facts;
    for (const HelpFact& fact : RulesFacts(rules)) facts[fact.label] = fact.text;
    EXPECT_EQ(facts["Stock"], c.stock) << "family " << c.family;
    EXPECT_EQ(facts["Foundations"], "None: the cards taken away go to a discard pile") << "family " << c.family;
    EXPECT_FALSE(facts.contains("Building")) << "family " << c.family;
  }
}

TEST(HelpPages, EveryGameHasAPageAndEveryLinkLeadsToAPage) {
  const fs::path folder = CARDORIA_HELP;
  Session session;
  session.programDir = WithTrailingSeparator(fs::path(CARDORIA_GAMES).parent_path().string());
  test::RecordingMessages messages;
  ASSERT_TRUE(LoadCatalogue(session, messages));
  ASSERT_FALSE(session.catalogue.empty());

  std::map<std::string, std::string> pages;
  for (const auto& file : fs::directory_iterator(folder)) pages[file.path().filename().string()] = Read(file.path());
  for (int context : {kHelpContents, kHelpHowToPlay, kHelpOpenGame, kHelpSelectGameNumber, kHelpAdvancedOptions,
                      kHelpPointers, kHelpFavourites, kHelpCustomize, kHelpFavouritesMenu, kHelpStatistics,
                      kHelpHiScores, kHelpPlayers, kHelpHoldAndExit, kHelpCardCounter, kHelpGameWon})
    EXPECT_TRUE(pages.contains(HelpPageFile(context))) << context;
  const std::string& contents = pages[HelpPageFile(kHelpContents)];
  for (const std::string& line : session.catalogue) {
    const int number = TextToInt(line.substr(4, 3));
    const std::string name = TrimRightSpaces(line.substr(10, 50));
    const std::string file = HelpPageFile(number + kHelpRulesBase);
    ASSERT_TRUE(pages.contains(file)) << name;
    EXPECT_NE(pages[file].find("<h1>" + name + "</h1>"), std::string::npos) << file;
    EXPECT_NE(pages[file].find("The game at a glance"), std::string::npos) << file;
    EXPECT_NE(contents.find("href=\"" + file + "\""), std::string::npos) << name;
  }
  // Klondike's page carries the rules text of its source.
  EXPECT_NE(pages[HelpPageFile(3002)].find("Only a King, or a group led by a King, may fill an empty column."),
            std::string::npos);

  const std::string href = "href=\"";
  std::set<std::string> linked;
  for (const auto& [file, html] : pages) {
    for (std::size_t at = html.find(href); at != std::string::npos; at = html.find(href, at)) {
      at += href.size();
      const std::string target = html.substr(at, html.find('"', at) - at);
      EXPECT_TRUE(pages.contains(target)) << file << " links to " << target;
      linked.insert(target);
    }
  }
  // Nothing is written that no page leads to.
  for (const auto& [file, html] : pages) EXPECT_TRUE(linked.contains(file)) << file;
}

}  // namespace
}  // namespace cardoria
