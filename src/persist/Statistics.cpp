#include "persist/Statistics.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/Session.h"
#include "core/TextHelpers.h"
#include "engine/PlayPorts.h"
#include "persist/DataChange.h"
#include "persist/FileSystem.h"
#include "persist/SectionFile.h"
#include "platform/Clock.h"
#include "platform/Messages.h"

namespace cardoria {

namespace {

constexpr std::int64_t kLargestCount = 999999;
constexpr std::int64_t kLargestTotal = 999999999999;
constexpr std::int64_t kSmallestTotal = -99999999999;

// Digits with an optional leading minus sign, nothing else.
std::optional<std::int64_t> FieldNumber(std::string_view text) {
  const bool negative = text.starts_with('-');
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 18 || !IsAllDigits(text)) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) value = value * 10 + (c - '0');
  return negative ? -value : value;
}

struct CivilTime {
  int year, month, day, hour, minute, second;
};

CivilTime CivilOf(double dateTime) {
  if (!std::isfinite(dateTime) || dateTime < 0 || dateTime > 2958465) dateTime = 0;
  long long days = static_cast<long long>(std::floor(dateTime));
  long long seconds = std::llround((dateTime - static_cast<double>(days)) * kSecondsPerDay);
  if (seconds >= 86400) {
    ++days;
    seconds -= 86400;
  }
  // Days since 1970-01-01 to the civil date, by the proleptic Gregorian calendar.
  const long long z = days - 25569 + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
  return {year,
          month,
          day,
          static_cast<int>(seconds / 3600),
          static_cast<int>(seconds / 60 % 60),
          static_cast<int>(seconds % 60)};
}

std::string Key(const std::string& player) { return TrimRightSpaces(player); }

bool IsVersionSection(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return lower == "version";
}

bool KeyOfLine(std::string_view line, std::string_view key) {
  return line.size() > key.size() && line.starts_with(key) && line[key.size()] == '=';
}

// Every section but the version lines gets the player's record zeroed, a
// missing record added.
std::string ZeroPlayerEverywhere(const std::string& content, const std::string& key) {
  const TextList lines = SplitLines(content);
  const std::string zeros = key + "=" + FormatStatsRecord({});
  TextList out;
  bool inGame = false, seen = false;
  std::size_t lastFilled = 0;
  auto closeSection = [&] {
    if (inGame && !seen) out.insert(out.begin() + static_cast<std::ptrdiff_t>(lastFilled), zeros);
  };
  for (const std::string& line : lines) {
    if (line.starts_with('[')) {
      closeSection();
      const auto name = SectionNameOf(line);
      inGame = !name || !IsVersionSection(*name);
      seen = false;
      out.push_back(line);
      lastFilled = out.size();
      continue;
    }
    if (inGame && !seen && KeyOfLine(line, key)) {
      out.push_back(zeros);
      seen = true;
    } else {
      out.push_back(line);
    }
    if (!line.empty()) lastFilled = out.size();
  }
  closeSection();
  return JoinLines(out);
}

}  // namespace

std::string WriteErrorText(const std::string& path) { return "Write error on file " + path; }

std::string FormatStatsRecord(const GameStatsRecord& r) {
  auto count = [](std::int64_t v) { return ZeroPad(std::clamp<std::int64_t>(v, 0, kLargestCount), 6); };
  auto total = [](std::int64_t v) { return ZeroPad(std::clamp(v, kSmallestTotal, kLargestTotal), 12); };
  return count(r.won) + " " + count(r.lost) + " " + count(r.longestWinning) + " " + count(r.longestLosing) + " " +
         count(r.currentWinning) + " " + count(r.currentLosing) + " " + total(r.totalScore) + " " + total(r.unused);
}

namespace {

// The fields read before the first bad one; how many that is.
std::size_t ReadStatsFields(std::string_view text, GameStatsRecord& r) {
  const std::array<std::int64_t*, 8> fields = {&r.won,           &r.lost,           &r.longestWinning,
                                               &r.longestLosing, &r.currentWinning, &r.currentLosing,
                                               &r.totalScore,    &r.unused};
  constexpr std::array<int, 8> columns = {1, 8, 15, 22, 29, 36, 43, 56};
  constexpr std::array<int, 8> widths = {6, 6, 6, 6, 6, 6, 12, 12};
  // Games and streaks are counts; only the total score may fall below zero.
  constexpr std::size_t kCounts = 6;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const auto value = FieldNumber(Columns(text, columns[i], widths[i]));
    if (!value || (i < kCounts && *value < 0)) return i;
    *fields[i] = *value;
  }
  return fields.size();
}

}  // namespace

GameStatsRecord ParseStatsRecord(std::string_view text) {
  GameStatsRecord r;
  ReadStatsFields(text, r);
  return r;
}

bool IsWholeStatsRecord(std::string_view text) {
  GameStatsRecord r;
  return ReadStatsFields(text, r) == 8;
}

std::optional<std::string> StatsFileProblem(const Session& session, const FileSystem& files) {
  const std::string path = session.PathOf(kStatFile);
  if (!files.Exists(path)) return std::nullopt;
  const auto content = files.ReadAll(path);
  if (!content)
    return "The statistics file " + path +
           " can not be read. The statistics are shown as empty, and games can not be recorded until it can be "
           "read; the file is left as it is.";
  std::vector<std::string> damaged;
  std::string section;
  for (const std::string& line : SplitLines(*content)) {
    if (const auto name = SectionNameOf(line)) {
      section = IsVersionSection(*name) ? std::string() : *name;
      continue;
    }
    const auto eq = line.find('=');
    if (section.empty() || eq == std::string::npos || IsWholeStatsRecord(std::string_view(line).substr(eq + 1)))
      continue;
    damaged.push_back(line.substr(0, eq) + " in game " + section);
  }
  if (damaged.empty()) return std::nullopt;
  std::string list;
  for (std::size_t i = 0; i < damaged.size() && i < 5; ++i) list += (i ? ", " : "") + damaged[i];
  if (damaged.size() > 5) list += " and " + std::to_string(damaged.size() - 5) + " more";
  return "The statistics file " + path + " holds damaged records: " + list +
         ". Their counts are shown from zero where they are damaged; the next game of the player writes the "
         "record whole again.";
}

GameStatsRecord AddResult(GameStatsRecord r, bool won, std::int64_t score) {
  if (won) {
    ++r.won;
    ++r.currentWinning;
    r.currentLosing = 0;
  } else {
    ++r.lost;
    ++r.currentLosing;
    r.currentWinning = 0;
  }
  r.longestWinning = std::max(r.longestWinning, r.currentWinning);
  r.longestLosing = std::max(r.longestLosing, r.currentLosing);
  r.totalScore += score;
  return r;
}

std::string FileDate(double dateTime) {
  const CivilTime t = CivilOf(dateTime);
  return ZeroPad(t.year, 4) + ZeroPad(t.month, 2) + ZeroPad(t.day, 2);
}

std::string FileTime(double dateTime) {
  const CivilTime t = CivilOf(dateTime);
  return ZeroPad(t.hour, 2) + ":" + ZeroPad(t.minute, 2) + ":" + ZeroPad(t.second, 2);
}

std::string FormatGameLogLine(const GameResult& r) {
  return FileDate(r.endTime) + " " + FileTime(r.endTime) + " " + ZeroPad(std::clamp(r.elapsedSeconds, 0, 999999), 6) +
         " " + ZeroPad(std::clamp(r.gameNumber, 0, 9999), 4) + " " + PadRight(r.gameName, 50) + " " +
         PadRight(TrimRightSpaces(r.player), 30) + " " + (r.won ? "Won  " : "Lost ") + PadRight(r.scoreScheme, 2) +
         " " + PadRight(r.score, 6) + " " + PadRight(r.dealNumber, 15) + " " + "0440";
}

GameLogEntry ParseGameLogLine(std::string_view line) {
  GameLogEntry e;
  e.date = Columns(line, 1, 8);
  e.time = Columns(line, 10, 8);
  const auto elapsed = FieldNumber(Columns(line, 19, 6));
  e.elapsedSeconds = elapsed ? static_cast<int>(*elapsed) : 0;
  const std::string number = Columns(line, 26, 4);
  e.gameNumber = number.size() == 4 && IsAllDigits(number) ? TextToInt(number) : -1;
  e.gameName = TrimRightSpaces(Columns(line, 31, 50));
  e.player = TrimRightSpaces(Columns(line, 82, 30));
  e.result = TrimRightSpaces(Columns(line, 113, 5));
  e.score = TrimRightSpaces(Columns(line, 121, 6));
  e.dealNumber = TrimRightSpaces(Columns(line, 128, 15));
  return e;
}

bool IsListedLogLine(const GameLogEntry& entry) {
  return entry.dealNumber.size() == 13 && IsAllDigits(entry.dealNumber);
}

std::vector<GameLogEntry> ReadGameLog(const Session& session, const FileSystem& files) {
  std::vector<GameLogEntry> entries;
  const auto content = files.ReadAll(session.PathOf(kStatLogFile));
  if (!content) return entries;
  for (const std::string& line : SplitLines(*content)) {
    GameLogEntry entry = ParseGameLogLine(line);
    if (IsListedLogLine(entry)) entries.push_back(std::move(entry));
  }
  return entries;
}

StatsReading ReadGameStats(Session& session, StatsPorts& ports, int game, const std::string& player) {
  const std::string path = session.PathOf(kStatFile);
  if (!ports.files.Exists(path)) ports.files.Replace(path, kStatVersionLines);
  StatsReading reading;
  reading.record = ParseStatsRecord(ReadValue(ports.files, path, ZeroPad(game, 4), Key(player), ""));
  if (game == session.store.GetInt(pos::kGameNumber, 4) && Key(player) == session.store.Get(pos::kPlayerName, 30)) {
    reading.runWins = session.store.GetInt(pos::kRunWins, 4);
    reading.runLosses = session.store.GetInt(pos::kRunLosses, 4);
  }
  return reading;
}

bool AppendGameLogLine(Session& session, FileSystem& files, const GameResult& result) {
  return files.AppendCommit(session.PathOf(kStatLogFile), FormatGameLogLine(result) + "\r\n");
}

bool RecordStatistics(Session& session, FileSystem& files, const GameResult& result) {
  const std::string statPath = session.PathOf(kStatFile);
  if (!files.Exists(statPath) && !files.Replace(statPath, kStatVersionLines)) return false;
  const std::string section = ZeroPad(std::clamp(result.gameNumber, 0, 9999), 4), key = Key(result.player);
  const GameStatsRecord old = ParseStatsRecord(ReadValue(files, statPath, section, key, ""));
  const GameStatsRecord updated = AddResult(old, result.won, TextToIntDef(result.score, 0));
  if (!WriteValue(files, statPath, section, key, FormatStatsRecord(updated))) return false;
  const int position = result.won ? pos::kRunWins : pos::kRunLosses;
  session.store.Set(position, 4, ZeroPad(std::min(session.store.GetInt(position, 4) + 1, 9999), 4));
  return true;
}

void ResetRunCounters(Session& session) {
  session.store.Set(pos::kRunWins, 4, "0000");
  session.store.Set(pos::kRunLosses, 4, "0000");
}

bool ClearStatistics(Session& session, StatsPorts& ports, int game, const std::string& player) {
  FileSystem& files = ports.files;
  const std::string statPath = session.PathOf(kStatFile), logPath = session.PathOf(kStatLogFile);
  const std::string key = Key(player), section = game == kAllGames ? std::string() : ZeroPad(game, 4);
  const bool allGames = game == kAllGames, allPlayers = key.empty();
  DataChange change(session, files);
  std::string failed = change.Ready() ? std::string() : session.PathOf(kChangeJournalFile);
  if (failed.empty() && files.Exists(statPath)) {
    bool ok = true;
    if (allGames && allPlayers) {
      ok = files.Replace(statPath, kStatVersionLines);
    } else if (allGames) {
      const auto content = files.ReadAll(statPath);
      ok = content && files.Replace(statPath, ZeroPlayerEverywhere(*content, key));
    } else if (allPlayers) {
      KeyValues pairs;
      for (const std::string& line : ReadSectionLines(files, statPath, section)) {
        const auto eq = line.find('=');
        if (eq != std::string::npos) pairs.emplace_back(line.substr(0, eq), FormatStatsRecord({}));
      }
      ok = pairs.empty() || WriteSectionInPlace(files, statPath, section, pairs);
    } else if (ReadValues(files, statPath, section, {key}, {""}).allFound) {
      ok = WriteValue(files, statPath, section, key, FormatStatsRecord({}));
    }
    if (!ok) failed = statPath;
  }
  if (failed.empty() && files.Exists(logPath)) {
    const auto content = files.ReadAll(logPath);
    std::string kept;
    if (content && !(allGames && allPlayers)) {
      for (const std::string& line : SplitLines(*content)) {
        const GameLogEntry entry = ParseGameLogLine(line);
        const bool gameMatches = allGames || (entry.gameNumber >= 0 && ZeroPad(entry.gameNumber, 4) == section);
        const bool playerMatches = allPlayers || entry.player == key;
        if (!(gameMatches && playerMatches)) kept += line + "\r\n";
      }
    }
    if (!content || (kept != *content && !files.Replace(logPath, kept))) failed = logPath;
  }
  return FinishClearing(session, ports, change, failed, allGames, game, allPlayers, key);
}

bool FinishClearing(Session& session, StatsPorts& ports, DataChange& change, std::string failedPath, bool allGames,
                    int game, bool allPlayers, const std::string& player) {
  if (failedPath.empty() && !change.Commit()) failedPath = ports.files.FailedPath();
  if (!failedPath.empty()) {
    // The file that failed underneath names the fault better than the one
    // the clearing was at.
    if (!ports.files.FailedPath().empty()) failedPath = ports.files.FailedPath();
    change.Abandon();
    ports.messages.ShowInfo(WriteErrorText(failedPath));
    return false;
  }
  const bool touchesCurrent = (allGames || game == session.store.GetInt(pos::kGameNumber, 4)) &&
                              (allPlayers || player == session.store.Get(pos::kPlayerName, 30));
  if (touchesCurrent) ResetRunCounters(session);
  return true;
}

}  // namespace cardoria
