#include "persist/DemoPlayback.h"

#include <algorithm>
#include <cstdlib>

#include "core/Catalogue.h"
#include "core/Session.h"
#include "core/TextHelpers.h"
#include "persist/SavedGames.h"
#include "persist/UndoLog.h"
#include "platform/AtomicFile.h"

namespace cardoria {

std::string DemoFilePath(const Session& s) {
  return s.PathOf("Demos\\G" + ZeroPad(s.store.GetInt(pos::kGameNumber, 4), 4) + ".GAM");
}

int ClampDemoPosition(int position, int count) { return count <= 0 ? 0 : std::clamp(position, 1, count); }

int DemoTarget(DemoButton button, int position, int count) {
  switch (button) {
    case DemoButton::First: return ClampDemoPosition(1, count);
    case DemoButton::Prior: return ClampDemoPosition(position - 3, count);
    case DemoButton::Next: return ClampDemoPosition(position + 3, count);
    case DemoButton::Last: return ClampDemoPosition(count, count);
  }
  return position;
}

std::string DemoCounterText(const DemoState& state) {
  return std::to_string(state.position) + "/" + std::to_string(state.count);
}

int WindBack(Session& s) {
  int steps = 0;
  while (!s.history.undo.lists[0].empty() && UndoRedo(s, Direction::Undo, true, nullptr)) ++steps;
  return steps;
}

namespace {

// The file is read and checked before anything changes, so a missing or
// damaged demo, or one of a game this screen can not show, leaves the game
// on the table as it was.
std::optional<GameFile> ReadDemo(Session& s, GameStartPorts& ports, const std::string& path) {
  const int number = s.store.GetInt(pos::kGameNumber, 4);
  const auto content = ReadWholeFile(path);
  GameFileCheck check = content ? ParseGameFile(*content, GameFileRules{true, &s})
                                : GameFileCheck{std::nullopt, "there is no demo of this game"};
  if (check.file && check.file->gameNumber != number) {
    check.file.reset();
    check.error = "it records another game";
  }
  if (!check.file) {
    ports.messages.ShowInfo(UnreadableFileMessage(path, check.error));
    return std::nullopt;
  }
  if (!CheckScreenFor(s, ports.messages, ports.screen, number)) return std::nullopt;
  return check.file;
}

}  // namespace

DemoToggle ToggleDemo(Session& s, GameStartPorts& ports, DemoWindow& window, DemoState& state) {
  const bool on = !s.values.Flag(kDemoMode);
  std::optional<GameFile> file;
  const std::string path = DemoFilePath(s);
  if (on) {
    if (!ConfirmAbandonGame(s, ports)) return DemoToggle::Refused;
    file = ReadDemo(s, ports, path);
    if (!file) return DemoToggle::NotLoaded;
  }
  ports.window.ShowWaitCursor();
  // The game on the table ends with the usual clean-up, but in demo mode
  // nothing is recorded: a demo is neither a win nor a loss, and the game
  // left for it was given up, not lost.
  s.values.SetFlag(kGameWon, false);
  s.values.SetFlag(kDemoMode, true);
  ports.engine.EndGame(s);
  s.values.SetFlag(kGameInProgress, false);
  s.values.SetFlag(kDemoMode, on);
  window.DemoModeChanged(on);
  if (on) LoadGame(s, ports, *file, path, LoadSource::Demo);

  state.count = WindBack(s);
  state.position = ClampDemoPosition(1, state.count);
  state.dragStart = 0;
  window.ShowDemoPosition(state);
  window.DrawTableAfresh();
  ports.window.RestoreCursor();
  return on ? DemoToggle::On : DemoToggle::Off;
}

void MoveDemoPosition(Session& s, DemoState& state, int to, UndoView& view, DemoWindow& window) {
  const int from = state.position;
  to = ClampDemoPosition(to, state.count);
  const int distance = std::abs(to - from);
  const Direction direction = to > from ? Direction::Redo : Direction::Undo;
  view.ShowWaitCursor();
  int moved = 0;
  // Quiet steps make no checks, so the stacks themselves bound the walk.
  while (moved < distance && UndoRedo(s, direction, true, nullptr)) ++moved;
  state.position = from + (direction == Direction::Redo ? moved : -moved);
  window.ShowDemoPosition(state);
  if (distance == 1 && moved == 1) {
    const bool undo = direction == Direction::Undo;
    if (s.store.Get(undo ? 151 : 146, 1) == "Y") view.PlaySound(undo ? "Undo" : "Redo");
    view.TableRestored();
  } else if (distance >= 2) {
    window.DrawTableAfresh();
  }
  view.RestoreCursor();
}

void DemoThumbDragged(DemoState& state) {
  if (state.dragStart == 0) state.dragStart = state.position;
}

void DemoScrolled(Session& s, DemoState& state, int to, UndoView& view, DemoWindow& window) {
  if (state.dragStart != 0) {
    // The table stayed where the drag began while the thumb moved.
    state.position = state.dragStart;
    state.dragStart = 0;
  }
  MoveDemoPosition(s, state, to, view, window);
}

}  // namespace cardoria
