#pragma once
// Customized games (numbers 8000 and up) live in "DATA\GAM_CUST.DAT": a
// header line, then one record of 30 lines per game. Line 1 of a record holds
// the number (4), the name (50) and the base game (4); line 2 the overrides:
// cards per deal (3), redeals (3) and the empty-tableau rule (1).

#include <string>
#include <string_view>
#include <vector>

namespace cardoria {

struct Session;

inline constexpr const char* kCustomGamesFile = "DATA\\GAM_CUST.DAT";
inline constexpr int kFirstCustomGame = 8000;
inline constexpr int kCustomRecordLines = 30;

struct CustomGameRecord {
  int number = 0;
  std::string name;  // trailing spaces removed
  int base = -1;
  std::string overrides;  // the whole second line
};

// Every record of the file, in file order; empty when there is no file.
std::vector<CustomGameRecord> ReadCustomGames(const Session& session);

std::string CustomGameName(const Session& session, int number);
// The number of the last record whose name matches without regard to case, or -1.
int CustomGameNumber(const Session& session, std::string_view name);
// The base game and override text; base -1 and no text when there is no record.
CustomGameRecord CustomGameInfo(const Session& session, int number);

}  // namespace cardoria
