#pragma once
// The overall score of every player: the sum over the built-in games of the
// player's best score in each, with the sum of the times of those scores
// ("DATA\STAT_GLO.DAT"). Values are stored scrambled with check sums so that a
// value edited by hand is noticed; such a file is deleted and every overall
// score starts again from zero.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "persist/StatsPorts.h"

namespace cardoria {

struct Session;

std::string Scramble(std::string_view plain);
std::string Unscramble(std::string_view scrambled);
std::int32_t OverallCheckSum(std::string_view text);

// Plain values with fresh random digits, and what is read back from them
// (nothing when a field is not a number).
std::string PlainTotalScore(std::int64_t score, Random& random);
std::string PlainTotalTime(std::int64_t seconds, Random& random);
std::string PlainGameScore(int score, Random& random);
std::string PlainGameTime(int seconds, Random& random);
std::optional<std::int64_t> TotalScoreOf(std::string_view plainT01);
std::optional<std::int64_t> TotalTimeOf(std::string_view plainT02);
struct CheckedNumber {
  std::int64_t value = 0;
  std::int64_t storedSum = 0;
  std::int32_t computedSum = 0;
};
std::optional<CheckedNumber> GameScoreOf(std::string_view plainGS);
std::optional<CheckedNumber> GameTimeOf(std::string_view plainGT);

// Nothing happens for customized games and negative scores. False when the
// file could not be written (the caller takes the changes back); a corrupt
// file is deleted with CorruptOverall and counts as done.
bool UpdateOverallScore(Session& session, StatsPorts& ports, int game, const std::string& player, bool force, int time,
                        int score);

struct OverallRank {
  std::string player;
  std::int64_t totalScore = 0, totalTime = 0;
  std::string published;  // the stored T01, T02 and T03 joined
};
// Best first; players with no score are left out.
std::vector<OverallRank> ReadOverallRanking(Session& session, StatsPorts& ports);

struct OverallDetail {
  int game = 0;
  std::string gameName;
  int bestScore = 0, bestTime = 0;
  int maxScore = 0;
};
// One entry per catalogue game in catalogue order; empty when there is no file.
std::vector<OverallDetail> ReadOverallDetails(Session& session, StatsPorts& ports, const std::string& player);

void ResetOverallScores(Session& session, StatsPorts& ports);
// Deletes the file after telling the player.
void CorruptOverall(Session& session, StatsPorts& ports);

}  // namespace cardoria
