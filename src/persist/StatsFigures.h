#pragma once
// What the statistics views work out from the stores before showing it: win
// and loss percentages, which pie picture a pair of counts gets, the current
// streak label, the players' chart values and the rows of the game log.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/TextHelpers.h"
#include "persist/Statistics.h"

namespace cardoria {

// Rounded win percentage; nothing when there are no games.
std::optional<int> WinPercent(std::int64_t wins, std::int64_t losses);
// "(75%)"; empty when there are no games.
std::string PercentText(std::optional<int> percent);

// The pie picture of a pair of counts: the larger share in steps of 2.5 from
// 50 to 100 (in tenths: 500, 525, ... 1000), with the colours exchanged when
// the wins are the larger share; `none` for no games.
struct PieChoice {
  bool none = true;
  int shareTenths = 0;
  bool exchanged = false;
};
PieChoice PieFor(std::int64_t wins, std::int64_t losses);

// "Current", "Current: 2 won" or "Current: 1 lost".
std::string StreakLabel(int language, const GameStatsRecord& record);

// The value of each player in the players chart, highest first; a player
// goes before the first one with a lower value, so equal values keep the
// order of the list.
struct PlayerValue {
  std::string player;
  std::int64_t value = 0;
};
enum class PlayerSeries { WinPercent, AverageScore };
std::int64_t SeriesValue(PlayerSeries series, const GameStatsRecord& record);
std::vector<PlayerValue> OrderByValue(const std::vector<PlayerValue>& values);

// The log lines a filter lets through, newest first. An empty filter takes
// all; lines whose deal number is not 13 digits are skipped.
std::vector<GameLogEntry> LogRows(const TextList& lines, const std::string& player, const std::string& game);

}  // namespace cardoria
