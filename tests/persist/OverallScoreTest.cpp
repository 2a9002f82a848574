// The overall score: scrambling, check sums, best results per game and the
// ranking; a value changed by hand resets everything.

#include "persist/OverallScore.h"

#include "persist/SectionFile.h"
#include "support/StatsFixture.h"

namespace cardoria {
namespace {

class OverallScoreTest : public test::StatsTest {
 protected:
  OverallRank Only() {
    const auto ranking = ReadOverallRanking(session, ports);
    return ranking.size() == 1 ? ranking[0] : OverallRank{"<" + std::to_string(ranking.size()) + " players>", 0, 0, ""};
  }
};

TEST_F(OverallScoreTest, ScrambledValuesComeBackWithTheirNumbers) {
  for (int round = 0; round < 50; ++round) {
    const std::int64_t total = 1 + random.Next(1'000'000) * 997LL, time = random.Next(1'000'000);
    const std::string t01 = PlainTotalScore(total, random), t02 = PlainTotalTime(time, random);
    ASSERT_EQ(t01.size(), 28u);
    ASSERT_EQ(t02.size(), 28u);
    const std::string scrambled = Scramble(t01);
    // A digit plus a key digit never makes a space or a control character.
    EXPECT_TRUE(std::all_of(scrambled.begin(), scrambled.end(), [](char c) { return c >= 96 && c <= 114; }));
    EXPECT_EQ(Unscramble(scrambled), t01);
    EXPECT_EQ(TotalScoreOf(Unscramble(scrambled)), total);
    EXPECT_EQ(TotalTimeOf(t02), time);
    const std::string gs = PlainGameScore(round * 13, random), gt = PlainGameTime(round * 7, random);
    ASSERT_EQ(gs.size(), 16u);
    EXPECT_EQ(GameScoreOf(gs)->value, round * 13);
    EXPECT_EQ(GameScoreOf(gs)->storedSum, GameScoreOf(gs)->computedSum);
    EXPECT_EQ(GameTimeOf(gt)->value, round * 7);
    EXPECT_EQ(GameTimeOf(gt)->storedSum, GameTimeOf(gt)->computedSum);
  }
  EXPECT_EQ(Scramble("00000"), "ehb`c");
  // Check sum of "12": (49 + 1*49/2 + (1+49)%3 + 1) + (50 + 2*50/2 + (2+50)%3 + 2) = 76 + 103.
  EXPECT_EQ(OverallCheckSum("12"), 179);
  EXPECT_EQ(TotalScoreOf("12"), std::nullopt);
}

TEST_F(OverallScoreTest, OnlyABetterResultChangesTheTotals) {
  struct Step {
    int game, time, score;
    std::int64_t total, totalTime;
  };
  const Step steps[] = {
      {1, 300, 120, 120, 300}, {1, 250, 120, 120, 250},  {1, 100, 110, 120, 250}, {1, 260, 120, 120, 250},
      {2, 40, 30, 150, 290},   {8000, 1, 999, 150, 290}, {2, 1, -5, 150, 290},    {2, 10, 0, 150, 290},
  };
  for (const Step& s : steps) {
    ASSERT_TRUE(UpdateOverallScore(session, ports, s.game, "Ann", false, s.time, s.score));
    EXPECT_EQ(Only().totalScore, s.total) << s.game << " " << s.score;
    EXPECT_EQ(Only().totalTime, s.totalTime) << s.game << " " << s.score;
  }
  const auto details = ReadOverallDetails(session, ports, "Ann");
  ASSERT_EQ(details.size(), 4u);
  EXPECT_EQ(details[0].bestScore, 120);
  EXPECT_EQ(details[0].bestTime, 250);
  EXPECT_EQ(details[0].maxScore, 208);  // four times 52 cards
  EXPECT_EQ(details[1].bestScore, 30);
  EXPECT_EQ(details[2].maxScore, 60);
  EXPECT_EQ(details[3].bestScore, 0);
  // Forced: the game is taken out.
  ASSERT_TRUE(UpdateOverallScore(session, ports, 1, "Ann", true, 0, 0));
  EXPECT_EQ(Only().totalScore, 30);
  EXPECT_EQ(Only().totalTime, 40);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OverallScoreTest, PlayersAreRankedByScoreThenTime) {
  UpdateOverallScore(session, ports, 1, "Ann", false, 50, 100);
  UpdateOverallScore(session, ports, 1, "Bob", false, 60, 100);
  UpdateOverallScore(session, ports, 1, "Cid", false, 40, 100);
  UpdateOverallScore(session, ports, 1, "Dan", false, 50, 200);
  UpdateOverallScore(session, ports, 1, "Eve", true, 0, 0);
  std::vector<std::string> order;
  for (const OverallRank& r : ReadOverallRanking(session, ports)) {
    order.push_back(r.player);
    EXPECT_EQ(r.published.size(), 68u);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"Dan", "Cid", "Ann", "Bob"}));
}

TEST_F(OverallScoreTest, AChangedCharacterIsFoundAndTheFileDeleted) {
  for (const char* key : {"T01", "T02", "T03", "GS-0001", "GT-0001"}) {
    // The ranking checks the totals only.
    for (const bool byRanking : {false, key[0] == 'T'}) {
      UpdateOverallScore(session, ports, 1, "Ann", false, 300, 120);
      const std::string value = ReadValue(files, Path(kOverallFile), "Ann", key, "");
      ASSERT_EQ(value.size(), std::string(key).starts_with("T03") ? 12u : (key[0] == 'T' ? 28u : 16u)) << key;
      // The digit of the value or check sum that a hand would change.
      std::string changed = value;
      const std::size_t at = std::string(key).starts_with("G") ? 12 : 6;
      changed[at] = changed[at] == 'f' ? 'g' : 'f';
      ASSERT_TRUE(WriteValue(files, Path(kOverallFile), "Ann", key, changed));
      messages.shown.clear();
      if (byRanking) {
        EXPECT_TRUE(ReadOverallRanking(session, ports).empty()) << key;
      } else {
        EXPECT_TRUE(UpdateOverallScore(session, ports, 1, "Ann", false, 300, 500)) << key;
      }
      ASSERT_EQ(messages.shown.size(), 1u) << key << byRanking;
      EXPECT_EQ(messages.shown[0].text,
                "It appears as if the Overall Score Values are incorrect or corrupted.\rThe Overall Score Values "
                "will be deleted and reset to zero.");
      EXPECT_FALSE(files.Exists(Path(kOverallFile))) << key;
    }
  }
  EXPECT_GT(view.repaints, 0);
}

TEST_F(OverallScoreTest, WithoutAFileThereIsNothingToShow) {
  EXPECT_TRUE(ReadOverallRanking(session, ports).empty());
  EXPECT_TRUE(ReadOverallDetails(session, ports, "Ann").empty());
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace cardoria
