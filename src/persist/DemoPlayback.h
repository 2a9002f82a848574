#pragma once
// The demo player: a recorded game of the current game number is loaded,
// wound back to its first position, and then moved through position by
// position. A position k (1..N) shows the table before the k-th recorded
// move; N = 0 when the recording has no step.

#include <string>

#include "deal/GameStart.h"

namespace cardoria {

struct Session;
class UndoView;

// "Demos\G0027.GAM" for game 27, in the program folder.
std::string DemoFilePath(const Session& session);

struct DemoState {
  int position = 0;   // 1..count, 0 when the recording has no step
  int count = 0;      // N
  int dragStart = 0;  // where a drag of the thumb began; 0 when none runs
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

enum class DemoToggle { Refused, NotLoaded, On, Off };

// Turns the demonstration on (after the player agrees to leave the game on
// the table) or off. A demo file that can not be played changes nothing and
// the player is told which file it was.
DemoToggle ToggleDemo(Session& session, GameStartPorts& ports, DemoWindow& window, DemoState& state);

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
