// The demo player on real recordings: a Klondike game is played with the
// mouse, saved as the game's demo file, and then watched position by position
// while the player's own game waits aside.

#include "persist/DemoPlayback.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "core/Cards.h"
#include "persist/RecentDeals.h"
#include "persist/SavedGames.h"
#include "persist/UndoLog.h"
#include "platform/AtomicFile.h"
#include "support/PlayFixture.h"

namespace cardoria {
namespace {

using test::PlayFixture;

constexpr int kKlondike = 2;

class RecordingUndoView final : public UndoView {
 public:
  void Beep() override { ++beeps; }
  void PlaySound(const std::string& name) override { sounds.push_back(name); }
  void ShowWaitCursor() override {}
  void RestoreCursor() override {}
  void TableRestored() override { ++restored; }
  int beeps = 0, restored = 0;
  std::vector<std::string> sounds;
};

class RecordingDemoWindow final : public DemoWindow {
 public:
  void DemoModeChanged(bool on) override { shown = on; }
  void ShowDemoPosition(const DemoState& state) override { counter = DemoCounterText(state); }
  void DrawTableAfresh() override { ++fullDraws; }
  bool shown = false;
  std::string counter;
  int fullDraws = 0;
};

// Stock clicks and random drags until the history holds `steps` moves. The
// tables the history passes through, first position at index 1, are read
// back by undoing on a copy.
std::vector<std::string> Record(PlayFixture& play, int steps) {
  std::mt19937 chance(77);
  Session& s = play.session;
  for (int tries = 0; tries < 5000 && s.history.undo.Steps() < steps; ++tries) {
    if (chance() % 3 == 0) {
      play.Click({PileGroup::Stock, kStockItem});
      continue;
    }
    const std::string& pile = s.piles.Pile(PileGroup::Tableau, static_cast<int>(chance() % 7));
    const int count = PileCardCount(pile);
    const int card = count > 0 ? CardAt(pile, count - 1) : 0;
    if (card > 0) play.Drag(card, {PileGroup::Tableau, static_cast<int>(chance() % 7)});
  }
  const Session kept = s;
  std::vector<std::string> tables{play.TableText()};
  while (UndoRedo(s, Direction::Undo, true, nullptr)) tables.push_back(play.TableText());
  tables.push_back("");
  std::reverse(tables.begin(), tables.end());
  s = kept;
  return tables;
}

struct Demo : PlayFixture {
  Demo() {
    std::filesystem::create_directories(dir / "Demos");
    std::filesystem::create_directories(dir / "DATA");
    session.settings.Open(session.PathOf("DATA/CFG.DAT"));
    session.store.Set(pos::kPlayerName, 30, "Watcher");
  }
  // Writes the demo file of Klondike from a game of `steps` moves by Rec Orded.
  std::vector<std::string> WriteDemo(int steps) {
    PlayFixture recorder;
    recorder.session.store.Set(pos::kPlayerName, 30, "Rec Orded");
    EXPECT_TRUE(recorder.Start(kKlondike, "4711000000815"));
    auto tables = Record(recorder, steps);
    EXPECT_TRUE(WriteGameFile(recorder.session, recorder.startPorts, path()));
    return tables;
  }
  std::string path() const { return session.PathOf("Demos\\G0002.GAM"); }
  // The game's demo file played; false when there is none or it did not start.
  bool On() {
    const auto recording = ReadDemoFile(session);
    return recording && StartDemo(session, startPorts, window, state, *recording);
  }
  void Off() { EndDemo(session, startPorts, window, state); }
  void Move(int to) { MoveDemoPosition(session, state, to, view, window); }
  void Press(DemoButton button) { Move(DemoTarget(button, state.position, state.count)); }

  DemoState state;
  RecordingDemoWindow window;
  RecordingUndoView view;
};

TEST(DemoPlayback, WalksThroughTheRecordingWithinItsBounds) {
  Demo demo;
  const auto tables = demo.WriteDemo(30);
  const int n = static_cast<int>(tables.size()) - 2;
  ASSERT_EQ(n, 30);
  ASSERT_TRUE(demo.Start(kKlondike, "1000000000001"));
  const std::string n_text = "/" + std::to_string(n);

  ASSERT_TRUE(demo.On());
  EXPECT_TRUE(demo.session.values.Flag(kDemoMode));
  EXPECT_TRUE(demo.window.shown);
  EXPECT_EQ(demo.window.counter, "1" + n_text);
  EXPECT_EQ(demo.TableText(), tables[1]);
  EXPECT_EQ(demo.session.store.Get(pos::kPlayerName, 30), "Rec Orded");
  EXPECT_EQ(demo.session.store.Get(pos::kDealNumber, 15), "4711000000815");

  demo.Press(DemoButton::Last);
  EXPECT_EQ(demo.window.counter, "30/30");
  EXPECT_EQ(demo.TableText(), tables[30]) << "the table before the last move";
  demo.Press(DemoButton::Next);
  EXPECT_EQ(demo.state.position, 30);
  EXPECT_EQ(demo.TableText(), tables[30]);
  demo.Press(DemoButton::First);
  EXPECT_EQ(demo.window.counter, "1/30");
  EXPECT_EQ(demo.TableText(), tables[1]);
  demo.Press(DemoButton::Prior);
  EXPECT_EQ(demo.state.position, 1);
  demo.Move(2);
  demo.Press(DemoButton::Prior);
  EXPECT_EQ(demo.state.position, 1);

  // A thumb dragged from 3 to 10 moves nothing until it is let go.
  demo.Move(3);
  DemoThumbDragged(demo.state);
  DemoThumbDragged(demo.state);
  EXPECT_EQ(demo.TableText(), tables[3]);
  const int draws = demo.window.fullDraws;
  demo.view.sounds.clear();
  DemoScrolled(demo.session, demo.state, 10, demo.view, demo.window);
  EXPECT_EQ(demo.window.counter, "10/30");
  EXPECT_EQ(demo.TableText(), tables[10]);
  EXPECT_EQ(demo.window.fullDraws, draws + 1);
  EXPECT_TRUE(demo.view.sounds.empty()) << "many steps are quiet";
  EXPECT_EQ(demo.state.dragStart, 0);

  // A position asked for beyond the ends is held to them.
  demo.Move(99);
  EXPECT_EQ(demo.state.position, 30);
  demo.Move(-5);
  EXPECT_EQ(demo.state.position, 1);
  EXPECT_EQ(demo.TableText(), tables[1]);

  // Turning it on again starts over at the first position.
  demo.Move(17);
  demo.Off();
  EXPECT_FALSE(demo.window.shown);
  EXPECT_FALSE(demo.session.values.Flag(kDemoMode));
  EXPECT_EQ(demo.window.counter, "0/0");
  ASSERT_TRUE(demo.On());
  EXPECT_EQ(demo.window.counter, "1/30");
  EXPECT_EQ(demo.TableText(), tables[1]);
}

TEST(DemoPlayback, OneStepSoundsLikeUndoAndIsNeverRefusedByTheUndoLevel) {
  Demo demo;
  const auto tables = demo.WriteDemo(6);
  ASSERT_TRUE(demo.Start(kKlondike, "1000000000001"));
  ASSERT_TRUE(demo.On());
  demo.session.store.Set(146, 1, "Y");
  demo.session.store.Set(151, 1, "Y");
  for (const char* level : {"2", "1"}) {
    SCOPED_TRACE(level);
    demo.session.store.Set(pos::kUndoEnabled, 1, level);
    demo.Move(1);
    demo.view = RecordingUndoView{};
    demo.Move(2);
    demo.Move(3);
    demo.Move(2);
    EXPECT_EQ(demo.TableText(), tables[2]);
    EXPECT_EQ(demo.view.sounds, (std::vector<std::string>{"Redo", "Redo", "Undo"}));
    EXPECT_EQ(demo.view.restored, 3);
    EXPECT_EQ(demo.view.beeps, 0);
  }
}

// The player's game waits aside, unasked and unrecorded, and comes back as
// it was: table, history both ways, score, clock, deal number and player.
TEST(DemoPlayback, ThePlayersGameComesBackAsItWas) {
  Demo demo;
  demo.WriteDemo(12);
  demo.clock.now = 45000.25;
  ASSERT_TRUE(demo.Start(kKlondike, "1000000000001"));
  Session& s = demo.session;
  for (int i = 0; i < 6; ++i) demo.Click({PileGroup::Stock, kStockItem});
  UndoRedo(s, Direction::Undo, false, nullptr);
  s.store.Set(pos::kScore, 6, "-17");
  s.store.Set(pos::kRunWins, 4, "0003");
  demo.clock.now += 600.0 / kSecondsPerDay;
  int recorded = 0;
  demo.table.recorder = [&](const GameResult&) { ++recorded; };
  const std::string table = demo.TableText();
  const UndoHistory history = s.history;
  ASSERT_GT(history.undo.Steps(), 0);
  ASSERT_GT(history.redo.Steps(), 0);
  const std::vector<std::string> recent = RecentDeals(s.settings);
  ASSERT_FALSE(recent.empty());
  demo.messages.shown.clear();

  ASSERT_TRUE(demo.On());
  EXPECT_TRUE(demo.messages.shown.empty()) << "no question: nothing is left behind";
  EXPECT_NE(demo.TableText(), table);
  demo.Press(DemoButton::Last);
  // The player looks on for an hour; the demo's own clock runs meanwhile.
  demo.clock.now += 3600.0 / kSecondsPerDay;
  demo.Off();

  EXPECT_FALSE(s.values.Flag(kDemoMode));
  EXPECT_FALSE(demo.window.shown);
  EXPECT_TRUE(s.values.Flag(kGameInProgress));
  EXPECT_EQ(demo.TableText(), table);
  EXPECT_EQ(s.history.undo.lists, history.undo.lists);
  EXPECT_EQ(s.history.redo.lists, history.redo.lists);
  EXPECT_EQ(s.store.Get(pos::kScore, 6), "-17");
  EXPECT_EQ(s.store.Get(pos::kRunWins, 4), "0003");
  EXPECT_EQ(s.store.Get(pos::kDealNumber, 15), "1000000000001");
  EXPECT_EQ(s.store.Get(pos::kPlayerName, 30), "Watcher");
  EXPECT_EQ(ElapsedGameSeconds(s, demo.clock), 600) << "the clock stood still while the demo played";
  EXPECT_EQ(recorded, 0);
  EXPECT_EQ(RecentDeals(s.settings), recent) << "the demo's deal is not one the player dealt";
  // The game goes on from there, undo and all.
  ASSERT_TRUE(UndoRedo(s, Direction::Redo, false, nullptr));
  EXPECT_EQ(s.history.redo.Steps(), history.redo.Steps() - 1);
  demo.Off();  // no demo: nothing to end
  EXPECT_EQ(s.history.undo.Steps(), history.undo.Steps() + 1);
}

TEST(DemoPlayback, ADemoFileThatCanNotBePlayedIsNoDemo) {
  constexpr int kFreecell = 1;
  struct Case {
    const char* name;
    int game;  // played when the demo is asked for
    std::function<void(Demo&)> spoil;
  };
  const std::vector<Case> cases = {
      {"missing", kKlondike, [](Demo&) {}},
      {"damaged", kKlondike,
       [](Demo& d) {
         d.WriteDemo(4);
         std::string text = *ReadWholeFile(d.path());
         text.resize(text.size() / 2);
         ASSERT_TRUE(WriteFileAtomic(d.path(), text));
       }},
      {"another game's recording", kFreecell,
       [](Demo& d) {
         d.WriteDemo(4);
         std::filesystem::copy_file(d.path(), d.session.PathOf("Demos\\G0001.GAM"));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Demo demo;
    c.spoil(demo);
    ASSERT_TRUE(demo.Start(c.game, "1000000000001"));
    demo.messages.shown.clear();
    EXPECT_FALSE(ReadDemoFile(demo.session));
    EXPECT_TRUE(demo.messages.shown.empty()) << "the window says what it does instead";
    EXPECT_FALSE(demo.session.values.Flag(kDemoMode));
  }
}

TEST(DemoPlayback, ARecordingWithoutStepsShowsNoPositions) {
  Demo demo;
  demo.WriteDemo(0);
  ASSERT_TRUE(demo.Start(kKlondike, "1000000000001"));
  ASSERT_TRUE(demo.On());
  EXPECT_EQ(demo.state.count, 0);
  EXPECT_EQ(demo.window.counter, "0/0");
  const std::string table = demo.TableText();
  for (DemoButton b : {DemoButton::First, DemoButton::Prior, DemoButton::Next, DemoButton::Last}) demo.Press(b);
  EXPECT_EQ(demo.window.counter, "0/0");
  EXPECT_EQ(demo.TableText(), table);
}

}  // namespace
}  // namespace cardoria
