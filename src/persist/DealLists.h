#pragma once
// The deal lists of the deal-number dialog, read from the game log: the
// previous games, newest first, and the deals of one game that were lost and
// never won by anyone. And the rule that turns a typed number into a deal.

#include <string>
#include <string_view>
#include <vector>

#include "core/TextHelpers.h"

namespace cardoria {

struct Session;
class FileSystem;

// One row of either list. `date` is "yyyymmdd" as logged (the dialog shows it
// in the locale's format).
struct DealRow {
  std::string dealNumber, game, player, date, time;
  bool won = false;
};

inline constexpr std::size_t kPreviousGamesRows = 100;

// The lines of the game log; none when it is missing.
TextList ReadGameLogLines(const Session& session, const FileSystem& files);

// From the last line back, one row a line, at most `rows`; blank lines are no
// games. The deal number is the whole field, without surrounding spaces.
std::vector<DealRow> PreviousGames(const TextList& log, std::size_t rows = kPreviousGamesRows);

// One row per deal number of `game` that someone lost and no one won, newest
// first; the row is the loss that sorts first by player, then by date and
// time. The deal number is its 13 characters as logged.
std::vector<DealRow> LostGames(const TextList& log, std::string_view game);

// What a number text asks for: a 13-digit deal, nothing (an empty or all-zero
// number), or a refusal because it holds something other than digits.
struct DealNumberText {
  enum class Kind { Deal, Nothing, NotDigits } kind = Kind::Nothing;
  std::string deal;  // 13 digits, for Kind::Deal
};
DealNumberText ReadDealNumberText(std::string_view text);

inline constexpr const char* kNumbersOnly = "Numbers only are required.";
inline constexpr const char* kSelectCorrectNumber = "Select a correct game number.";

}  // namespace cardoria
