#include "persist/StatsFigures.h"

#include "core/LanguageStrings.h"

namespace cardoria {

std::optional<int> WinPercent(std::int64_t wins, std::int64_t losses) {
  const std::int64_t games = wins + losses;
  if (games <= 0) return std::nullopt;
  // floor(a * 100 / (a + b) + 0.5) in integers.
  return static_cast<int>((wins * 200 + games) / (2 * games));
}

std::string PercentText(std::optional<int> percent) {
  return percent ? "(" + std::to_string(*percent) + "%)" : std::string();
}

PieChoice PieFor(std::int64_t wins, std::int64_t losses) {
  const auto win = WinPercent(wins, losses);
  if (!win) return {};
  const int lossShare = 100 - *win;
  const bool winsLarger = lossShare < 50;
  const int larger = winsLarger ? 100 - lossShare : lossShare;
  // The largest multiple of 2.5 not above the larger share.
  return {false, larger * 10 / 25 * 25, winsLarger};
}

std::string StreakLabel(int language, const GameStatsRecord& r) {
  std::string label = LanguageString(language, 1909);
  if (r.currentWinning >= 1)
    label += ": " + std::to_string(r.currentWinning) + " " + LanguageString(language, 1915);
  else if (r.currentLosing >= 1)
    label += ": " + std::to_string(r.currentLosing) + " " + LanguageString(language, 1916);
  return label;
}

std::int64_t SeriesValue(PlayerSeries series, const GameStatsRecord& r) {
  if (series == PlayerSeries::WinPercent) return WinPercent(r.won, r.lost).value_or(0);
  const std::int64_t games = r.won + r.lost;
  return games > 0 ? r.totalScore / games : 0;
}

std::vector<PlayerValue> OrderByValue(const std::vector<PlayerValue>& values) {
  std::vector<PlayerValue> ordered;
  for (const PlayerValue& v : values) {
    auto at = ordered.begin();
    while (at != ordered.end() && at->value >= v.value) ++at;
    ordered.insert(at, v);
  }
  return ordered;
}

std::vector<GameLogEntry> LogRows(const TextList& lines, const std::string& player, const std::string& game) {
  std::vector<GameLogEntry> rows;
  for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
    GameLogEntry entry = ParseGameLogLine(*it);
    if (!IsListedLogLine(entry)) continue;
    if (!player.empty() && entry.player != player) continue;
    if (!game.empty() && entry.gameName != game) continue;
    rows.push_back(std::move(entry));
  }
  return rows;
}

}  // namespace cardoria
