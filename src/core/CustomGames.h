#pragma once
// Customized games (numbers 8000 and up) live in "DATA\GAM_CUST.DAT": a
// header line, then one record of 30 lines per game. Line 1 of a record holds
// the number (4), the name (50) and the base game (4); line 2 the overrides:
// cards per deal (3), redeals (3) and the empty-tableau rule (1).

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/TextHelpers.h"

namespace cardoria {

struct Session;

inline constexpr const char* kCustomGamesFile = "DATA\\GAM_CUST.DAT";
inline constexpr int kFirstCustomGame = 8000;
inline constexpr int kCustomRecordLines = 30;
inline constexpr int kLastCustomGame = 9999;
inline constexpr const char* kCustomGamesHeader = "[R-0301]";

struct CustomGameRecord {
  int number = 0;
  std::string name;  // trailing spaces removed
  int base = -1;
  std::string overrides;  // the whole second line
};

// Every record of the file, in file order; empty when there is no file.
std::vector<CustomGameRecord> ReadCustomGames(const Session& session);
// What to tell the player when the file is there but can not be read (then
// no customized game is listed); nothing when it can be read or is not there.
std::optional<std::string> CustomGamesFileProblem(const Session& session);

std::string CustomGameName(const Session& session, int number);
// The number of the last record whose name matches without regard to case, or -1.
int CustomGameNumber(const Session& session, std::string_view name);
// The base game and override text; base -1 and no text when there is no record.
CustomGameRecord CustomGameInfo(const Session& session, int number);

// One entry per record, sorted by name: the name as stored (50 characters),
// the number and the base (4 each) and the first 7 characters of the
// override line. False when there is no file.
bool ListCustomGames(const Session& session, TextList& names, TextList& numbers, TextList& bases, TextList& overrides);

// The smallest number from 8000 up that no record uses; past 9999 when every
// one is taken.
int FindFreeSlot(const std::vector<CustomGameRecord>& records);
int NewCustomNumber(const Session& session);

// The override line: cards per deal, redeals (-1 is written -01) and the
// empty-tableau rule (0 not customized, 1 king only, 2 any card, 3 none).
std::string CustomOverrideLine(int cardsPerDeal, int redeals, int emptyRule);

struct CustomGameAdded {
  int number = -1;      // the new game's number, -1 when nothing was added
  std::string problem;  // what to tell the player otherwise
};
// Appends a record for a new customized game and rewrites the file.
CustomGameAdded AddCustomGame(const Session& session, std::string_view name, int base, int cardsPerDeal, int redeals,
                              int emptyRule);
// Removes the record's 30 lines and rewrites the file; the problem to tell
// the player, nothing when it went well or there was no such record.
std::optional<std::string> RemoveCustomGame(const Session& session, int number);

inline constexpr const char* kNoFreeCustomNumber =
    "There is no room for another customized game: every number from 8000 to 9999 is in use.\r"
    "Delete a customized game first.";

// Which of the three rules a game lets the player change.
struct CustomizableRules {
  bool cardsPerDeal = false;
  bool redeals = false;
  bool emptyTableau = false;
};
// Worked out from the values of a game's rules by index.
CustomizableRules CustomizableRulesFrom(const std::function<int(int index)>& rule);
// From the catalogue values; a customized game answers for its base game.
CustomizableRules CustomizableRulesOf(const Session& session, int number);

}  // namespace cardoria
