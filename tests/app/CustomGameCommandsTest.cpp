#include "app/CustomGameCommands.h"

#include <gtest/gtest.h>

#include "app/Favourites.h"
#include "core/CustomGames.h"
#include "persist/GameRecord.h"
#include "persist/HiScores.h"
#include "persist/SectionFile.h"
#include "persist/Statistics.h"
#include "support/StatsFixture.h"

namespace cardoria {
namespace {

class RecordingHost final : public CustomGameHost {
 public:
  explicit RecordingHost(Session& session) : session_(session) {}
  void CloseCurrentGame() override {
    calls.push_back("close");
    session_.store.Set(pos::kGameNumber, 4, ZeroPad(-1, 4));
  }
  void CustomGamesChanged() override { calls.push_back("changed"); }
  void OpenGameSelection() override { calls.push_back("select"); }
  std::vector<std::string> calls;

 private:
  Session& session_;
};

class CustomGameCommandsTest : public test::StatsTest {
 protected:
  void SetUp() override {
    StatsTest::SetUp();
    session.settings.Open(session.PathOf("DATA\\CFG.DAT"));
    ASSERT_EQ(AddCustomGame(session, "Freecell, any card", 1, 1, 0, 2).number, 8000);
    ASSERT_EQ(AddCustomGame(session, "Spider, no space", 2, 1, 0, 3).number, 8001);
    session.store.Set(pos::kGameNumber, 4, "8000");
    session.store.Set(pos::kGameName, 50, "Freecell, any card");
  }
  GameStatsRecord Stats(int game, const std::string& player) {
    return ReadGameStats(session, ports, game, player).record;
  }

  RecordingHost host{session};
};

TEST_F(CustomGameCommandsTest, TheQuestionNamesTheGameBeingPlayedOnlyFromTheSelectionDialog) {
  const std::string note = "Note: the statistics for this game will also be deleted.";
  struct Case {
    int number, mode;
    std::string name, question;
  } cases[] = {
      {8000, 1, "Freecell, any card   ",
       "You are now playing Freecell, any card.\rAre you sure you want to delete this game?\r" + note},
      {8000, 2, "Freecell, any card",
       "Are you sure you want to delete this customized game\rFreecell, any card?\r" + note},
      {8001, 1, "Spider, no space", "Are you sure you want to delete this customized game\rSpider, no space?\r" + note},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DeleteCustomGameQuestion(session, c.number, c.mode, c.name), c.question) << c.number << " " << c.mode;
}

TEST_F(CustomGameCommandsTest, ACustomizedGameKeepsItsOwnRecordsUntilItIsDeleted) {
  // Results of the customized game and of its base game, by two players.
  for (const auto& [game, player, won] :
       std::vector<std::tuple<int, std::string, bool>>{{8000, "Ann", true}, {8000, "Bob", false}, {1, "Ann", false}}) {
    GameResult result = Result(won, game, player, won ? "500" : "0");
    ASSERT_TRUE(RecordGameResult(session, result, ports)) << game;
    OfferHiScore(session, ports, {game, player, clock.now, 100, won ? 500 : 0, won, "0000000012345"});
  }
  EXPECT_EQ(Stats(8000, "Ann").won, 1);
  EXPECT_EQ(Stats(8000, "Bob").lost, 1);
  EXPECT_EQ(Stats(1, "Ann").won, 0);
  EXPECT_EQ(Stats(1, "Ann").lost, 1);
  auto bestOf = [&](int game) { return ReadHiScores(session, ports, game).front(); };
  ASSERT_NE(bestOf(8000).find("Ann"), std::string::npos);
  const std::string baseBest = bestOf(1);

  ASSERT_TRUE(WriteFavourites(session, {"Klondike", "Freecell, any card", "Spider, no space"}));
  session.store.Set(pos::kRunWins, 4, "0003");

  messages.answer = false;
  EXPECT_FALSE(DeleteCustomGame(session, ports, host, 8000, 1, "Freecell, any card"));
  EXPECT_TRUE(host.calls.empty());
  EXPECT_EQ(CustomGameName(session, 8000), "Freecell, any card");
  EXPECT_EQ(Stats(8000, "Ann").won, 1);

  messages.answer = true;
  messages.shown.clear();
  EXPECT_TRUE(DeleteCustomGame(session, ports, host, 8000, 1, "Freecell, any card"));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, "yesno");
  EXPECT_EQ(host.calls, (std::vector<std::string>{"close", "changed"}));
  EXPECT_EQ(CustomGameName(session, 8000), "");
  EXPECT_EQ(CustomGameName(session, 8001), "Spider, no space");
  EXPECT_EQ(ReadFavouriteNames(session), (std::vector<std::string>{"Klondike", "Spider, no space"}));
  EXPECT_EQ(Stats(8000, "Ann").won, 0);
  EXPECT_EQ(Stats(8000, "Bob").lost, 0);
  EXPECT_EQ(Stats(1, "Ann").lost, 1);
  const std::string log = Read(kStatLogFile);
  EXPECT_EQ(log.find("Freecell, any card"), std::string::npos) << log;
  EXPECT_NE(log.find("Freecell"), std::string::npos) << log;
  EXPECT_EQ(bestOf(8000).find("Ann"), std::string::npos);
  EXPECT_EQ(bestOf(1), baseBest);
  EXPECT_EQ(session.store.Get(pos::kRunWins, 4), "0000");

  // A number used again starts with nothing of the deleted game.
  EXPECT_EQ(AddCustomGame(session, "Freecell again", 1, 2, 0, 0).number, 8000);
  EXPECT_EQ(Stats(8000, "Ann").won, 0);
}

}  // namespace
}  // namespace cardoria
