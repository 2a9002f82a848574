#include "persist/DemoPlayback.h"

#include <algorithm>
#include <cstdlib>

#include "core/Catalogue.h"
#include "core/RuleIndex.h"
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

std::optional<GameFile> ReadDemoFile(const Session& s) {
  const auto content = ReadWholeFile(DemoFilePath(s));
  if (!content) return std::nullopt;
  GameFileCheck check = ParseGameFile(*content, GameFileRules{true, &s});
  if (!check.file || check.file->gameNumber != s.store.GetInt(pos::kGameNumber, 4)) return std::nullopt;
  return std::move(check.file);
}

namespace {

// The text store's fields that belong to the game on the table; the rest
// are the player's preferences, which a demo leaves as they are.
constexpr std::pair<int, int> kGameFields[] = {
    {pos::kGameNumber, 4},   {pos::kGameName, 50},    {pos::kDealNumber, 15},    {pos::kScore, 6},
    {pos::kScoreScheme, 2},  {pos::kPlayerName, 30},  {pos::kRunWins, 4},        {pos::kRunLosses, 4},
    {pos::kUndoUsedFlag, 1}, {pos::kRedoUsedFlag, 1}, {pos::kSnapshotFile, 200},
};

// What the game on the table is made of, but its flags and clock.
void CopyGame(const Session& from, Session& to) {
  for (const auto& [position, width] : kGameFields) to.store.Set(position, width, from.store.Get(position, width));
  to.logs = from.logs;
  to.cards = from.cards;
  to.piles = from.piles;
  to.rules = from.rules;
  to.positions = from.positions;
  to.rulesSaveArea = from.rulesSaveArea;
  to.history = from.history;
  to.layout = from.layout;
  to.autoplayEnabled = from.autoplayEnabled;
  to.snapshotFile = from.snapshotFile;
  to.clockText = from.clockText;
  to.pokerPanel = from.pokerPanel;
}

// The game on the table, copied into a session of its own; the preferences
// file and the pictures stay behind.
std::shared_ptr<const Session> SetAside(const Session& s) {
  auto aside = std::make_shared<Session>();
  CopyGame(s, *aside);
  aside->values = s.values;
  return aside;
}

// Everything the game on the table is made of goes back from `aside`. The
// flags that belong to the run of the program stay as they are now.
void BringBack(Session& s, const Session& aside, double away) {
  ValueTables values = aside.values;
  for (Flag flag : {kHoldAndExitRequested, kFirstActivationPending, kSkipNextClick, kAnimationRunning})
    values.SetFlag(flag, s.values.Flag(flag));
  values.SetFlag(kDemoMode, false);
  // The clock stood still while the demo played.
  if (values.Flag(kClockRunning)) values.SetTime(kClockStart, values.Time(kClockStart) + away);
  s.values = values;
  CopyGame(aside, s);
  s.drag = DragState{};
}

// The window shows the game that came back: its title, score and clock, and
// the commands its rules and its state allow.
void ShowGameBack(const Session& s, GameWindow& window) {
  using Commands = GameWindow::Commands;
  const bool saving = s.rules[rule::NoSaveNoUndo] != 1, playing = s.values.Flag(kGameInProgress);
  window.UpdateTitle();
  window.SetScoreText(s.store.Get(pos::kScore, 6));
  window.SetTimeText(s.clockText);
  window.SetCommandsEnabled(Commands::Game, true);
  window.SetCommandsEnabled(Commands::Autoplay, s.autoplayEnabled);
  window.SetCommandsEnabled(Commands::SaveAndUndo, saving);
  window.SetCommandsEnabled(Commands::PauseAndQuit, playing);
  window.SetCommandsEnabled(Commands::Snapshot, playing && saving);
  window.SetCommandsEnabled(Commands::UndoToSnapshot, playing && !s.snapshotFile.empty());
}

void Restore(Session& s, GameStartPorts& ports, DemoWindow& window, DemoState& state, const Session& aside) {
  BringBack(s, aside, ports.clock.Now() - state.setAsideAt);
  state = DemoState{};
  window.DemoModeChanged(false);
  window.ShowDemoPosition(state);
  ShowGameBack(s, ports.window);
}

}  // namespace

bool StartDemo(Session& s, GameStartPorts& ports, DemoWindow& window, DemoState& state, const GameFile& recording) {
  if (state.playerGame || s.values.Flag(kAnimationRunning)) return false;
  if (!CheckScreenFor(s, ports.messages, ports.screen, recording.gameNumber)) return false;
  ports.window.ShowWaitCursor();
  // Kept here until the recording is on the table: a demo that is not under
  // way yet has nothing to end when loading asks the window to leave one.
  const std::shared_ptr<const Session> aside = SetAside(s);
  state.setAsideAt = ports.clock.Now();
  // Out of play, the player's game is neither ended nor asked about: the
  // loading below finds no game to leave.
  s.values.SetFlag(kGameInProgress, false);
  s.values.SetFlag(kGameWon, false);
  s.values.SetFlag(kDemoMode, true);
  window.DemoModeChanged(true);
  if (!LoadGame(s, ports, recording, DemoFilePath(s), LoadSource::Demo)) {
    Restore(s, ports, window, state, *aside);
    ports.window.RestoreCursor();
    return false;
  }
  state.playerGame = aside;
  state.count = WindBack(s);
  state.position = ClampDemoPosition(1, state.count);
  state.dragStart = 0;
  window.ShowDemoPosition(state);
  window.DrawTableAfresh();
  ports.window.RestoreCursor();
  return true;
}

void EndDemo(Session& s, GameStartPorts& ports, DemoWindow& window, DemoState& state) {
  if (!state.playerGame) return;
  const std::shared_ptr<const Session> aside = std::move(state.playerGame);
  ports.window.ShowWaitCursor();
  Restore(s, ports, window, state, *aside);
  ports.window.RestoreCursor();
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
