#pragma once
// Saved games: the ".GAM" file with the table and its undo history, and the
// three other uses of the same file (the snapshot, the held game, the demo).
// A file is read and checked whole before anything on the table changes, so
// a damaged file never costs the player the game in front of them.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/PlayState.h"
#include "deal/GameStart.h"

namespace cardoria {

struct Session;

inline constexpr const char* kGameFileVersion = "0303";
inline constexpr int kHeldGameNames = 99;

// What a game file holds once it has passed every check.
struct GameFile {
  std::string version;  // as found in the file, before conversion
  int gameNumber = 0;
  int elapsedSeconds = 0;
  int scoringMode = 0;
  int score = 0;
  int passCounter = 0;
  std::string player;
  std::string dealNumber;
  // Nothing for a pair that is not a number: the rule keeps its value.
  std::array<std::optional<int>, 16> foundationBase{};
  std::array<std::string, 55> table;
  StepStacks undo;
  std::string undoLog;
  // An older file whose undo history can not line up with its table.
  bool undoHistoryDropped = false;
};

struct GameFileCheck {
  std::optional<GameFile> file;
  std::string error;  // what is wrong, when there is no file
};

// Which checks reading does beyond the shape of the file.
struct GameFileRules {
  bool convertOlder = true;    // read versions 0300-0302 (else only 0303)
  const Session* catalogue{};  // the game number must name a game of it
};

// The whole text of a game file for the current table, lines ended by CR LF.
std::string FormatGameFile(const Session& session, int elapsedSeconds);
// Reads and checks every line; converts older versions in memory.
GameFileCheck ParseGameFile(std::string_view content, const GameFileRules& rules);

// The seconds the game clock shows: counted from its start while it runs,
// else read from the last display.
int ElapsedGameSeconds(const Session& session, Clock& clock);

// The message naming a file that can not be used.
std::string UnreadableFileMessage(const std::string& path, const std::string& error);

// Dialog: the player chose the file, its folder becomes the save folder.
// File: a file named elsewhere (the command line, a script).
enum class LoadSource { Dialog, File, HeldFile, Demo };

// The file at `path` is written for the current game. False, after telling
// the player, when it could not be written; the file is then as it was.
bool WriteGameFile(Session& session, GameStartPorts& ports, const std::string& path);
// Checks the whole file, asks to leave the current game, ends it and plays
// the file's game. False when nothing was loaded; the table stays as it was
// unless the player agreed to end it.
bool LoadGame(Session& session, GameStartPorts& ports, const std::string& path, LoadSource source);
// The same for a file its caller has read and checked already.
bool LoadGame(Session& session, GameStartPorts& ports, const GameFile& file, const std::string& path,
              LoadSource source);

void RestartGame(Session& session, GameStartPorts& ports);
// Asks first; false when refused or the file could not be written.
bool SaveSnapshot(Session& session, GameStartPorts& ports);
bool UndoToSnapshot(Session& session, GameStartPorts& ports);
// Deletes the snapshot file of the game, if any, and forgets it.
void DropSnapshot(Session& session);

// The held-game file of number n: "DATA\Stat_e" + two digits + ".dat".
std::string HeldGamePath(const Session& session, int n);
// Saves the game under the first free held-game name and ends it without
// recording it. False, after telling the player, when it could not be saved;
// the game then goes on.
bool HoldGame(Session& session, GameStartPorts& ports);
// Loads the first held game found (the file goes once loaded). A held file
// that can not be read is renamed aside and the next one is tried. True when
// a game was resumed.
bool ResumeHeldGame(Session& session, GameStartPorts& ports);

// What closing the main window does with the game in progress.
enum class CloseAction { Close, Hold, Ask };
// `holdAllowed`: "Hold and exit" is enabled for this game. Close also when no
// game is in progress; the closing then ends the game and records it.
CloseAction ActionOnClose(const Session& session, bool holdAllowed);

}  // namespace cardoria
