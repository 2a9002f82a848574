#pragma once
// The demo player: a recorded game of the current game number is loaded,
// wound back to its first position, and then moved through position by
// position. A position k (1..N) shows the table before the k-th recorded
// move; N = 0 when the recording has no step. The player's own game waits
// aside meanwhile and comes back, as it was, when the demo ends.

#include <memory>
#include <optional>
#include <string>

#include "deal/GameStart.h"
#include "persist/SavedGames.h"

namespace cardoria {

struct Session;
class UndoView;

// "Demos\G0027.GAM" for game 27, in the program folder.
std::string DemoFilePath(const Session& session);

// The demo file of the game on the table, read and checked whole; nothing
// when there is none, or it is damaged, or it records another game.
std::optional<GameFile> ReadDemoFile(const Session& session);

struct DemoState {
  int position = 0;   // 1..count, 0 when the recording has no step
  int count = 0;      // N
  int dragStart = 0;  // where a drag of the thumb began; 0 when none runs
  // The player's game while the demo plays, and when it was set aside (on
  // the game clock's scale); none while no demo plays.
  std::shared_ptr<const Session> playerGame;
  double setAsideAt = 0;
};

// What the demo asks of the window beyond the ports of a game start.
class DemoWindow {
 public:
  virtual ~DemoWindow() = default;
  // The bar shown or hidden, the background and the menu's check mark.
  virtual void DemoModeChanged(bool on) = 0;
  // The counter, the scroll bar's range and position, the buttons' state.
  virtual void ShowDemoPosition(const DemoState& state) = 0;
  // The whole table drawn afresh without animation.
  virtual void DrawTableAfresh() = 0;
};

enum class DemoButton { First, Prior, Next, Last };

// The position kept within 1..count (0 when there is nothing to show).
int ClampDemoPosition(int position, int count);
// Where a button of the bar goes from `position`.
int DemoTarget(DemoButton button, int position, int count);
// "4/30"; "0/0" for an empty recording.
std::string DemoCounterText(const DemoState& state);

// Quiet undo steps until the history is empty; the number of steps taken.
int WindBack(Session& session);

// Plays `recording` (the game's demo file, or a win the solver found) on the
// table at its first position. The player's game is set aside as it is: no
// question is asked, nothing is ended or recorded, and its clock stands
// still until EndDemo brings it back. False, with the player's game still on
// the table, when the recording can not be played here (the screen is too
// small for its game).
bool StartDemo(Session& session, GameStartPorts& ports, DemoWindow& window, DemoState& state,
               const GameFile& recording);

// Ends the demo: the player's game comes back as it was set aside (table,
// undo history, score, clock, deal number and player) and nothing of the
// demo is recorded. Nothing when no demo plays.
void EndDemo(Session& session, GameStartPorts& ports, DemoWindow& window, DemoState& state);

// Moves the table from the state's position to `to`, never further than the
// history holds. One position is a step with its sound and redraw through
// `view`; more are quiet and end with one full redraw. Demo steps never ask
// the undo level: the player is watching, not playing.
void MoveDemoPosition(Session& session, DemoState& state, int to, UndoView& view, DemoWindow& window);

// The scroll bar: a thumb drag only notes where it began; any other scroll
// (arrows, page, thumb released) moves from there to the new position.
void DemoThumbDragged(DemoState& state);
void DemoScrolled(Session& session, DemoState& state, int to, UndoView& view, DemoWindow& window);

}  // namespace cardoria
