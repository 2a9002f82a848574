#pragma once
// The twenty best results of every game number, shared by all players
// ("DATA\STAT_SCR.DAT"). A table never played is filled with invented results
// derived from the game's rules so a new player has something to beat.

#include <optional>
#include <string>
#include <vector>

#include "core/TextHelpers.h"
#include "persist/StatsPorts.h"

namespace cardoria {

struct Session;
class IniProfile;

inline constexpr int kHiScoreRanks = 20;
inline constexpr std::size_t kHiScoreEntryLength = 85;
inline constexpr const char* kScoreMode = "01";

struct HiScoreEntry {
  int score = 0;
  int elapsedSeconds = 0;
  double dateTime = 0;
  std::string player, dealNumber;
  bool won = true;
};
std::string FormatHiScoreEntry(const HiScoreEntry& entry);
std::string EmptyHiScoreEntry();

// The fields of a stored entry for the dialog; a column past the end of a
// short entry reads empty.
struct HiScoreRow {
  bool blank = true;  // columns 1-6 hold no score
  std::string score, time, date, player, dealNumber, result;
};
HiScoreRow ParseHiScoreEntry(std::string_view entry);

// The scores of the invented table of a game from its rules `MaxScore` and
// `CardCount`.
std::vector<int> InventedScores(int maxScore, int cardCount);
// The twenty entries of the invented table at `dateTime`.
TextList InventedTable(int maxScore, int cardCount, double dateTime);

// `MaxScore` and `CardCount` of a game; a customized game takes those of the
// game it derives from.
std::pair<int, int> ScoreRulesOf(const Session& session, int game);

// The twenty stored entries of a game, best first; the invented table is
// created and written first when the table is empty and no clearing of all
// hi-scores forbids it.
TextList ReadHiScores(Session& session, StatsPorts& ports, int game, const std::string& mode = kScoreMode);

struct HiScoreOffer {
  int game = 0;
  std::string player;
  double dateTime = 0;
  int elapsedSeconds = 0;
  int score = 0;
  bool won = false;
  std::string dealNumber;
};
// Enters the result into the game's table and updates the overall score
// without showing anything: the rank reached (0-19) or -1, nothing when a file
// could not be written.
std::optional<int> EnterHiScore(Session& session, StatsPorts& ports, const HiScoreOffer& offer);
// The hi-score dialog with its message when the result made the table and the
// player wants to be told.
void AnnounceHiScore(Session& session, StatsPorts& ports, int game, int rank);
// Both, all files changed together or not at all.
int OfferHiScore(Session& session, StatsPorts& ports, const HiScoreOffer& offer);

// `game` -1 for all games of the catalogue, an empty `player` for all players.
bool ClearHiScores(Session& session, StatsPorts& ports, int game, const std::string& player);
bool BlankHiScores(Session& session, StatsPorts& ports, int game, const std::string& mode = kScoreMode);
// Brings a file of an older version to the current layout; for start-up.
bool UpgradeHiScoreFile(Session& session, StatsPorts& ports, IniProfile& settings);

}  // namespace cardoria
