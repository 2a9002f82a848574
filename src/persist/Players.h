#pragma once
// The players: up to twenty names in the preferences file (section "Users",
// keys User001 to User020) and the current one ("UserDefault"). Renaming a
// player carries the name into the statistics, log and hi-score files;
// deleting one deletes that player's statistics.

#include <optional>
#include <string>
#include <vector>

#include "core/TextHelpers.h"
#include "persist/StatsPorts.h"

namespace cardoria {

struct Session;
class IniProfile;
class Messages;

inline constexpr int kMaxPlayers = 20;
inline constexpr int kPlayerNameLength = 30;

// The non-empty names of User001 to User020, sorted.
TextList ReadPlayers(const IniProfile& settings);

// What is wrong with a typed name (trailing spaces removed), or nothing.
std::optional<std::string> PlayerNameProblem(std::string_view name);

inline constexpr const char* kDefaultPlayer = "Player 1";
// A name read from a file (the preferences, a saved or held game, a demo),
// checked as a typed one is: the name, trailing spaces removed, when it can
// be used; otherwise `fallback`, and `notice` tells the player why (not for
// a file that names no player).
std::string PlayerNameFromFile(std::string_view name, const std::string& fallback, const std::string& file,
                               std::string& notice);

// The name in the statistics, log and hi-score files, all or none. False,
// after telling the player, when a file could not be written. Where the new
// name already has a statistics record for a game, the two records are
// merged into one.
bool RenamePlayer(Session& session, StatsPorts& ports, const std::string& from, const std::string& to);

// The list as the Players dialog edits it: a sorted copy, written back by
// Save. An operation that is refused tells the player why and answers false.
class PlayerList {
 public:
  PlayerList(TextList names, std::string current);

  const TextList& Names() const { return names_; }
  const std::string& Current() const { return current_; }
  bool Changed() const { return changed_; }

  bool Add(Messages& messages, const std::string& name);
  // Renames in the list and in the files; the current player follows. An
  // unchanged name is no change.
  bool Edit(Session& session, StatsPorts& ports, const std::string& from, const std::string& to);
  // The current player can not be deleted; asking first is the dialog's
  // part. The player's statistics and log lines go with the name; the
  // hi-score entries and the overall score stay.
  bool Delete(Session& session, StatsPorts& ports, const std::string& name);
  // True when `name` becomes the current player in place of another: the
  // caller has ended the game for the previous player before, and the run
  // counters are reset.
  bool Select(Session& session, const std::string& name);

  // The current player into the session and the preferences, and the list
  // when it was changed, with the players that another window added to the
  // file meanwhile.
  void Save(Session& session, IniProfile& settings) const;

 private:
  bool Has(const std::string& name) const;

  TextList names_;
  TextList original_;
  std::string current_;
  bool changed_ = false;
};

inline constexpr const char* kDeletePlayerQuestion =
    "Are you sure you want to delete the selected player?\rNote: the statistics for this player will also be deleted.";

}  // namespace cardoria
