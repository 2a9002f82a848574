#include "persist/Players.h"

#include <algorithm>

#include "core/Session.h"
#include "persist/DataChange.h"
#include "persist/FileSystem.h"
#include "persist/SectionFile.h"
#include "persist/Statistics.h"
#include "platform/IniProfile.h"
#include "platform/Messages.h"

namespace cardoria {

namespace {

std::string UserKey(int n) { return "User" + ZeroPad(n, 3); }

bool KeyOfLine(std::string_view line, std::string_view key) {
  return line.size() > key.size() && line.starts_with(key) && line[key.size()] == '=';
}

GameStatsRecord Merge(const GameStatsRecord& kept, const GameStatsRecord& renamed) {
  GameStatsRecord r = renamed;
  r.won += kept.won;
  r.lost += kept.lost;
  r.longestWinning = std::max(kept.longestWinning, renamed.longestWinning);
  r.longestLosing = std::max(kept.longestLosing, renamed.longestLosing);
  r.totalScore += kept.totalScore;
  return r;
}

// The records keyed `from` take the key `to` in every game section; where
// `to` has a record already the two become one.
std::string RenameRecords(const std::string& content, const std::string& from, const std::string& to) {
  TextList lines = SplitLines(content);
  std::size_t start = 0;
  while (start < lines.size()) {
    std::size_t end = start + 1;
    while (end < lines.size() && !lines[end].starts_with('[')) ++end;
    const bool version = !lines[start].starts_with('[') || lines[start] == "[Version]";
    std::optional<std::size_t> fromLine, toLine;
    for (std::size_t i = start + 1; i < end && !version; ++i) {
      if (!fromLine && KeyOfLine(lines[i], from)) fromLine = i;
      if (!toLine && KeyOfLine(lines[i], to)) toLine = i;
    }
    if (fromLine && toLine) {
      const GameStatsRecord merged = Merge(ParseStatsRecord(lines[*toLine].substr(to.size() + 1)),
                                           ParseStatsRecord(lines[*fromLine].substr(from.size() + 1)));
      lines[*toLine] = to + "=" + FormatStatsRecord(merged);
      lines[*fromLine] = "\x01";  // removed below
    } else if (fromLine) {
      lines[*fromLine] = to + lines[*fromLine].substr(from.size());
    }
    start = end;
  }
  std::erase(lines, std::string("\x01"));
  return JoinLines(lines);
}

}  // namespace

TextList ReadPlayers(const IniProfile& settings) {
  TextList names;
  for (int n = 1; n <= kMaxPlayers; ++n) {
    std::string name = TrimRightSpaces(settings.ReadString("Users", UserKey(n), ""));
    // A hand-edited name that could break the statistics files is no player.
    if (!name.empty() && !PlayerNameProblem(name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::optional<std::string> PlayerNameProblem(std::string_view typed) {
  const std::string name = TrimRightSpaces(typed);
  if (name.empty()) return "Please enter at least 1 character.";
  if (name.size() > static_cast<std::size_t>(kPlayerNameLength))
    return "A player name can have at most " + std::to_string(kPlayerNameLength) + " characters.";
  const bool bad = std::any_of(name.begin(), name.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return c == '[' || c == ']' || c == '=' || u < 32 || u == 127;
  });
  if (bad) return "A player name can not contain \"[\", \"]\", \"=\" or control characters.";
  return std::nullopt;
}

std::string PlayerNameFromFile(std::string_view name, const std::string& fallback, const std::string& file,
                               std::string& notice) {
  // A file that names no player (a recorded demo) is played by the fallback.
  if (TrimRightSpaces(name).empty()) return fallback;
  const auto problem = PlayerNameProblem(name);
  if (!problem) return TrimRightSpaces(name);
  // Control characters would garble the message itself.
  std::string shown(name);
  for (char& c : shown)
    if (static_cast<unsigned char>(c) < 32 || c == 127) c = '?';
  notice = "The player name \"" + shown + "\" in " + file + " can not be used: " + *problem + " " + fallback +
           " plays instead.";
  return fallback;
}

bool RenamePlayer(Session& session, StatsPorts& ports, const std::string& oldName, const std::string& newName) {
  const std::string from = TrimRightSpaces(oldName), to = TrimRightSpaces(newName);
  if (const auto problem = PlayerNameProblem(to)) {
    ports.messages.ShowInfo(*problem);
    return false;
  }
  if (from == to || from.empty()) return true;
  FileSystem& files = ports.files;
  DataChange change(session, files);
  std::string failed = change.Ready() ? std::string() : session.PathOf(kChangeJournalFile);
  const std::string statPath = session.PathOf(kStatFile);
  if (const auto content = failed.empty() ? files.ReadAll(statPath) : std::nullopt) {
    const std::string renamed = RenameRecords(*content, from, to);
    if (renamed != JoinLines(SplitLines(*content)) && !files.Replace(statPath, renamed)) failed = statPath;
  }
  const std::pair<const char*, int> padded[] = {{kStatLogFile, 82}, {kHiScoreFile, 39}};
  for (const auto& [file, column] : padded) {
    const std::string path = session.PathOf(file);
    if (failed.empty() && !ReplaceInLines(files, path, column, PadRight(from, 30), PadRight(to, 30))) failed = path;
  }
  if (failed.empty() && !change.Commit()) failed = files.FailedPath();
  if (!failed.empty()) {
    if (!files.FailedPath().empty()) failed = files.FailedPath();
    change.Abandon();
    ports.messages.ShowInfo(WriteErrorText(failed));
    return false;
  }
  return true;
}

PlayerList::PlayerList(TextList names, std::string current) : current_(TrimRightSpaces(current)) {
  for (const std::string& name : names) {
    if (!TrimRightSpaces(name).empty()) names_.push_back(TrimRightSpaces(name));
  }
  std::sort(names_.begin(), names_.end());
  original_ = names_;
}

bool PlayerList::Has(const std::string& name) const {
  return std::find(names_.begin(), names_.end(), TrimRightSpaces(name)) != names_.end();
}

bool PlayerList::Add(Messages& messages, const std::string& name) {
  if (const auto problem = PlayerNameProblem(name)) {
    messages.ShowInfo(*problem);
    return false;
  }
  if (Has(name)) {
    messages.ShowInfo("This player name already exists.");
    return false;
  }
  if (names_.size() >= static_cast<std::size_t>(kMaxPlayers)) {
    messages.ShowInfo("There can be no more than " + std::to_string(kMaxPlayers) + " players.");
    return false;
  }
  names_.push_back(TrimRightSpaces(name));
  std::sort(names_.begin(), names_.end());
  changed_ = true;
  return true;
}

bool PlayerList::Edit(Session& session, StatsPorts& ports, const std::string& from, const std::string& to) {
  const std::string oldName = TrimRightSpaces(from), newName = TrimRightSpaces(to);
  if (oldName == newName) return true;
  if (const auto problem = PlayerNameProblem(newName)) {
    ports.messages.ShowInfo(*problem);
    return false;
  }
  if (Has(newName)) {
    ports.messages.ShowInfo("This player name already exists.");
    return false;
  }
  if (!RenamePlayer(session, ports, oldName, newName)) return false;
  std::replace(names_.begin(), names_.end(), oldName, newName);
  std::sort(names_.begin(), names_.end());
  if (current_ == oldName) current_ = newName;
  changed_ = true;
  return true;
}

bool PlayerList::Delete(Session& session, StatsPorts& ports, const std::string& name) {
  const std::string who = TrimRightSpaces(name);
  if (who == current_) {
    ports.messages.ShowInfo("It is impossible to delete the selected player.");
    return false;
  }
  if (who.empty() || !ClearStatistics(session, ports, kAllGames, who)) return false;
  std::erase(names_, who);
  changed_ = true;
  return true;
}

bool PlayerList::Select(Session& session, const std::string& name) {
  const std::string who = TrimRightSpaces(name);
  if (who.empty() || who == current_) return false;
  current_ = who;
  ResetRunCounters(session);
  return true;
}

void PlayerList::Save(Session& session, IniProfile& settings) const {
  session.store.Set(pos::kPlayerName, kPlayerNameLength, current_);
  if (changed_) {
    settings.Change([&](IniDocument& doc) {
      TextList names = names_;
      for (int n = 1; n <= kMaxPlayers; ++n) {
        std::string name;
        doc.Find("Users", UserKey(n), name);
        name = TrimRightSpaces(name);
        const auto known = [&](const TextList& list) {
          return std::find(list.begin(), list.end(), name) != list.end();
        };
        if (!name.empty() && !known(original_) && !known(names)) names.push_back(name);
      }
      std::sort(names.begin(), names.end());
      for (int n = 1; n <= kMaxPlayers; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        doc.Set("Users", UserKey(n), i < names.size() ? names[i] : std::string());
      }
    });
  }
  settings.WriteString("Preference", "UserDefault", current_);
}

}  // namespace cardoria
