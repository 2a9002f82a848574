// The saved-game commands of the window: their captions, keys and enabling,
// the file dialogs and the overwrite question, holding at closing and the
// held game waiting at the next start.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <deque>

#include "app/SavedGameDialogs.h"
#include "core/Session.h"
#include "persist/SavedGames.h"
#include "qt/WindowFixture.h"
#include "table/Layout.h"

namespace cardoria {
namespace {

// Answers the dialogs from a script and notes what was asked.
class ScriptedDialogs final : public SaveDialogs {
 public:
  std::string ChooseSaveFile(const std::string& folder) override { return Next("save", folder); }
  std::string ChooseOpenFile(const std::string& folder) override { return Next("open", folder); }
  Replace AskReplace(const std::string& path) override {
    asked.push_back("replace " + path);
    const Replace answer = replies.empty() ? Replace::Cancel : replies.front();
    if (!replies.empty()) replies.pop_front();
    return answer;
  }
  HoldAnswer AskHoldAndExit() override {
    asked.push_back("hold?");
    return hold;
  }
  std::string Next(const std::string& what, const std::string& folder) {
    asked.push_back(what + " in " + folder);
    if (files.empty()) return {};
    std::string file = files.front();
    files.pop_front();
    return file;
  }
  std::deque<std::string> files;
  std::deque<Replace> replies;
  HoldAnswer hold = HoldAnswer::Cancel;
  std::vector<std::string> asked;
};

class SavedGamesWindowTest : public test::MainWindowTest {
 protected:
  // As the program starts: the requests of the command line come before the
  // window shows.
  void OpenKlondike(const std::string& more = "", const std::string& open = "") {
    dir.Write("DATA/CFG.DAT", "[Preference]\n" + more + "AutoPlay=N\nCards_Animate=N\nMainWindowState_Maximized=N\n");
    InitializeSession(session, dir.Path());
    window = std::make_unique<TfrmMain>(session, ports);
    ASSERT_TRUE(window->Create());
    window->SetOpenGameRunner([](TfrmOpenGame&) {});
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    window->SetSaveDialogs(std::move(scripted));
    window->RequestGame(2, "4711");
    if (!open.empty()) window->RequestOpenFile(open);
    clock.step = 100;
    window->show();
    QApplication::processEvents();
    window->RunFirstActivation();
    QApplication::processEvents();
  }
  QAction* Action(const char* name) const { return window->findChild<QAction*>(QString::fromLatin1(name)); }
  void DealFromStock(int times) {
    for (int i = 0; i < times; ++i) {
      const Rect stock = TopCardRect(session, {PileGroup::Stock, kStockItem});
      window->PlayEngine().OnMouseDown(kLeftButton, false, stock.left + 2, stock.top + 2);
      window->PlayEngine().OnMouseUp(kLeftButton);
    }
  }
  // The next start of the program, on the same installation.
  void Restart(const std::string& more = "", const std::string& open = "") {
    window.reset();
    session = Session();
    OpenKlondike(more, open);
  }

  std::unique_ptr<TfrmMain> window;
  ScriptedDialogs* dialogs = nullptr;
};

TEST_F(SavedGamesWindowTest, CommandsHaveTheirCaptionsKeysAndEnabling) {
  OpenKlondike();
  struct Expected {
    const char* name;
    const char* caption;
    const char* key;
  };
  for (const Expected& e :
       {Expected{"mnuSave", "&Save...", "Ctrl+Shift+F12"}, Expected{"mnuRestartGame", "&Restart game", "Ctrl+F2"},
        Expected{"mnuSnapshotPosition", "Snaps&hot position", "Ctrl+H"},
        Expected{"mnuUndoToSnapshot", "Undo to s&napshot", "Ctrl+T"},
        Expected{"mnuHoldAndExit", "&Hold and exit...", ""}}) {
    QAction* action = Action(e.name);
    ASSERT_NE(action, nullptr) << e.name;
    EXPECT_EQ(action->text().toStdString(), e.caption);
    EXPECT_EQ(action->shortcut().toString().toStdString(), e.key);
  }
  for (const char* button : {"tbOpen1", "tbRestart1", "tbSave1"}) EXPECT_NE(Action(button), nullptr) << button;
  EXPECT_TRUE(Action("mnuSnapshotPosition")->isEnabled());
  EXPECT_FALSE(Action("mnuUndoToSnapshot")->isEnabled()) << "no snapshot yet";
  Action("mnuSnapshotPosition")->trigger();
  EXPECT_TRUE(Action("mnuUndoToSnapshot")->isEnabled());
  const std::string snapshot = session.snapshotFile;
  EXPECT_TRUE(std::filesystem::exists(snapshot));
  Action("mnuQuitGame")->trigger();
  EXPECT_FALSE(Action("mnuSnapshotPosition")->isEnabled());
  EXPECT_FALSE(Action("mnuUndoToSnapshot")->isEnabled());
  EXPECT_FALSE(std::filesystem::exists(snapshot)) << "the end of the game deletes the snapshot";
}

TEST_F(SavedGamesWindowTest, SaveAsksBeforeReplacingAndOpenBringsTheGameBack) {
  OpenKlondike();
  DealFromStock(3);
  const std::string first = dir / "first.gam";
  dialogs->files = {first};
  Action("tbSave1")->trigger();
  ASSERT_TRUE(dir.Exists("first.gam"));
  EXPECT_EQ(dialogs->asked.at(0), "save in " + dir.Path());
  EXPECT_EQ(session.settings.ReadString("Preference", "Dir_Save", ""), dir.Path().substr(0, dir.Path().size() - 1));
  const std::string saved = dir.Read("first.gam");

  // No chooses again, Cancel ends: the file stays as it was.
  DealFromStock(2);
  dialogs->asked.clear();
  dialogs->files = {first, first};
  dialogs->replies = {SaveDialogs::Replace::No, SaveDialogs::Replace::Cancel};
  Action("mnuSave")->trigger();
  EXPECT_EQ(dialogs->asked.size(), 4u);
  EXPECT_EQ(dialogs->asked.at(1), "replace " + first);
  EXPECT_EQ(dir.Read("first.gam"), saved);
  dialogs->files = {first};
  dialogs->replies = {SaveDialogs::Replace::Yes};
  Action("mnuSave")->trigger();
  EXPECT_NE(dir.Read("first.gam"), saved);

  // Open: the game as saved with its history; the Undo commands follow it.
  dir.Write("older.gam", saved);
  const int stepsSaved = 3;
  dialogs->files = {dir / "older.gam"};
  // The toolbar's Open goes through the game selection and its saved-game button.
  int shown = 0;
  window->SetOpenGameRunner([&shown](TfrmOpenGame& dialog) {
    if (++shown == 1) dialog.OpenSavedGameCommand();
  });
  Action("tbOpen1")->trigger();
  EXPECT_EQ(shown, 1);  // a game is in progress: the dialog does not come back
  EXPECT_EQ(session.history.undo.Steps(), stepsSaved);
  // The next showing that ends with Cancel asks for no saved game.
  dialogs->asked.clear();
  Action("mnuOpen")->trigger();
  EXPECT_EQ(shown, 2);
  EXPECT_TRUE(dialogs->asked.empty()) << dialogs->asked.front();
  EXPECT_TRUE(Action("mnuUndo")->isEnabled());
}

TEST_F(SavedGamesWindowTest, HoldAndExitClosesAndTheNextStartResumes) {
  OpenKlondike();
  DealFromStock(2);
  const std::string table = session.piles.Pile(PileGroup::Stock, kWasteItem);
  window->HoldAndExitCommand();
  EXPECT_FALSE(window->isVisible());
  ASSERT_TRUE(dir.Exists("DATA/Stat_e01.dat"));
  Restart();
  EXPECT_EQ(session.piles.Pile(PileGroup::Stock, kWasteItem), table);
  EXPECT_EQ(session.history.undo.Steps(), 2);
  EXPECT_FALSE(dir.Exists("DATA/Stat_e01.dat"));
}

TEST_F(SavedGamesWindowTest, TheClosingQuestionCanCancelOrHold) {
  OpenKlondike("ConfirmSaveAndExit=Y\n");
  dialogs->hold = HoldAnswer::Cancel;
  EXPECT_FALSE(window->close());
  EXPECT_EQ(dialogs->asked.back(), "hold?");
  EXPECT_TRUE(session.values.Flag(kGameInProgress));
  dialogs->hold = HoldAnswer::HoldAndExit;
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(dir.Exists("DATA/Stat_e01.dat"));
}

TEST_F(SavedGamesWindowTest, AHoldThatFailsKeepsTheProgramOpen) {
  OpenKlondike("ConfirmSaveAndExitType=1\n");
  for (int n = 1; n <= kHeldGameNames; ++n) dir.Write("DATA/Stat_e" + ZeroPad(n, 2) + ".dat", "taken");
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(session.values.Flag(kGameInProgress));
  EXPECT_FALSE(session.values.Flag(kHoldAndExitRequested));
  EXPECT_NE(messages.shown.back().text.find("could not be held"), std::string::npos);
  std::filesystem::remove(dir / "DATA/Stat_e50.dat");
  EXPECT_TRUE(window->close()) << "held without asking";
  EXPECT_NE(dir.Read("DATA/Stat_e50.dat"), "taken");
}

TEST_F(SavedGamesWindowTest, ACommandLineFileOpensAtStart) {
  OpenKlondike();
  DealFromStock(4);
  dialogs->files = {dir / "cmd.gam"};
  window->SaveGameCommand();
  window->close();
  Restart("", dir / "cmd.gam");
  EXPECT_EQ(session.history.undo.Steps(), 4);
  // A damaged one says so and the usual game opens instead.
  dir.Write("bad.gam", "[S-0303]");
  Restart("", dir / "bad.gam");
  EXPECT_TRUE(session.values.Flag(kGameInProgress));
  EXPECT_EQ(session.history.undo.Steps(), 0);
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_NE(messages.shown.back().text.find("bad.gam can not be used"), std::string::npos);
}

}  // namespace
}  // namespace cardoria
