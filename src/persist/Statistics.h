#pragma once
// Wins, losses, streaks and total score per game number and player
// ("DATA\STAT.DAT"), one line per finished game ("DATA\STAT_LOG.DAT"), and the
// wins and losses of the current run.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "persist/StatsPorts.h"

namespace cardoria {

struct Session;
struct GameResult;
class DataChange;

struct GameStatsRecord {
  std::int64_t won = 0, lost = 0;
  std::int64_t longestWinning = 0, longestLosing = 0;
  std::int64_t currentWinning = 0, currentLosing = 0;
  std::int64_t totalScore = 0;
  std::int64_t unused = 0;
};

// The 67-character value; numbers too large for their field are kept at the
// largest that fits.
std::string FormatStatsRecord(const GameStatsRecord& record);
// Fields that do not convert, and counts below zero, count as zeros from the
// first bad one on.
GameStatsRecord ParseStatsRecord(std::string_view text);
// Whether every field of the value converts and no count is below zero.
bool IsWholeStatsRecord(std::string_view text);
// `won` or lost: counts, streaks and total score after one more game.
GameStatsRecord AddResult(GameStatsRecord record, bool won, std::int64_t score);

inline constexpr const char* kStatVersionLines = "[Version]\r\nVersion=0300\r\n";
inline constexpr std::size_t kGameLogLineLength = 147;

// "yyyymmdd" and "hh:nn:ss" of a date-time value; times are always written
// with ":" whatever the locale.
std::string FileDate(double dateTime);
std::string FileTime(double dateTime);

std::string FormatGameLogLine(const GameResult& result);

// Fields of a log line as the views read them; a column past the end of a
// short line reads empty.
struct GameLogEntry {
  std::string date, time, player, result, score, dealNumber, gameName;
  int elapsedSeconds = 0;
  int gameNumber = -1;  // -1 when the field is not a number
};
GameLogEntry ParseGameLogLine(std::string_view line);
// A line the views list: its deal number has 13 digits.
bool IsListedLogLine(const GameLogEntry& entry);
// The listed lines of the game log in file order; empty without a log.
std::vector<GameLogEntry> ReadGameLog(const Session& session, const FileSystem& files);

struct StatsReading {
  GameStatsRecord record;
  int runWins = 0, runLosses = 0;
};
// What is wrong with "STAT.DAT" as the statistics views will read it, for the
// player: it can not be read, or records are damaged (they are shown counted
// from zero where they are). Nothing when it is sound or not there yet.
std::optional<std::string> StatsFileProblem(const Session& session, const FileSystem& files);

// Creates "STAT.DAT" when missing. The run counters are those of the session
// when game and player are the current ones.
StatsReading ReadGameStats(Session& session, StatsPorts& ports, int game, const std::string& player);

// Updates the player's record and the run counters. False when the file could
// not be written (the caller takes the changes back).
bool RecordStatistics(Session& session, FileSystem& files, const GameResult& result);
// The game's line at the end of the log: the last step of recording it, which
// commits the others (see DataChange).
bool AppendGameLogLine(Session& session, FileSystem& files, const GameResult& result);

void ResetRunCounters(Session& session);

// The end of a clearing: with `failedPath` set, or when the change can not be
// committed, every change is taken back and the player told which file
// failed; otherwise the changes stay, and the run counters start again when
// the cleared records include the current game and player.
bool FinishClearing(Session& session, StatsPorts& ports, DataChange& change, std::string failedPath, bool allGames,
                    int game, bool allPlayers, const std::string& player);

// `game` -1 for all games, an empty `player` for all players. False, after
// telling the player, when a file could not be written; both files are then
// as they were.
inline constexpr int kAllGames = -1;
bool ClearStatistics(Session& session, StatsPorts& ports, int game, const std::string& player);

}  // namespace cardoria
