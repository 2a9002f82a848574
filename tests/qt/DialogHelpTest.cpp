// The "&?" buttons of the statistics, hi-score, players, game-won and
// hold-and-exit dialogs, pressed as a player presses them: each opens its
// own page of the help the build writes.

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "app/HelpWindow.h"
#include "app/SavedGameDialogs.h"
#include "core/HelpTopics.h"
#include "persist/qt/TfrmGameWon.h"
#include "persist/qt/TfrmHiScore.h"
#include "persist/qt/TfrmOperatori.h"
#include "persist/qt/TfrmStatistics.h"
#include "qt/RecordingStatsHost.h"
#include "support/StatsFixture.h"

namespace cardoria {
namespace {

class DialogHelpTest : public test::StatsTest {
 protected:
  void SetUp() override {
    test::StatsTest::SetUp();
    dir.Write("DATA/CFG.DAT", "[Users]\nUser001=Ann\n");
    session.settings.Open(dir / "DATA/CFG.DAT");
    std::filesystem::copy(CARDORIA_HELP, dir / "HELP");
  }

  StatsContext Context() { return {session, ports, host}; }

  static HelpWindow* Help() {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* help = dynamic_cast<HelpWindow*>(widget)) return help;
    return nullptr;
  }

  test::RecordingStatsHost host;
};

TEST_F(DialogHelpTest, EachQuestionMarkOpensItsDialogsPage) {
  struct Case {
    const char* dialog;
    std::function<std::unique_ptr<QDialog>()> open;
    int context;
    const char* title;  // the page's heading
    const char* says;   // a line of the page that only this dialog's page has
  };
  const Case cases[] = {
      {"statistics", [&] { return std::make_unique<TfrmStatistics>(Context()); }, kHelpStatistics, "Game statistics",
       "the longest run of wins"},
      {"hi-scores", [&] { return std::make_unique<TfrmHiScore>(Context(), 1); }, kHelpHiScores, "Hi-Scores",
       "twenty invented results"},
      {"players", [&] { return std::make_unique<TfrmOperatori>(Context()); }, kHelpPlayers, "Players",
       "The current player can not be deleted."},
      {"game won", [&] { return std::make_unique<TfrmGameWon>(Context()); }, kHelpGameWon, "Game won",
       "deals the same cards again"},
      {"hold and exit", [&] { return std::make_unique<TfrmHoldAndExit>(session, nullptr); }, kHelpHoldAndExit,
       "Hold and exit", "the game counts as lost"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dialog);
    std::unique_ptr<QDialog> dialog = c.open();
    dialog->show();
    auto* button = dialog->findChild<QPushButton*>("btnHelp");
    ASSERT_TRUE(button);
    EXPECT_EQ(button->text(), "&?");
    ASSERT_TRUE(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
    HelpWindow* help = Help();
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->Browser()->source().toString().toStdString(), HelpPageFile(c.context));
    EXPECT_EQ(help->Browser()->documentTitle(), c.title);
    const QString text = help->Browser()->toPlainText();
    EXPECT_FALSE(text.contains("Help page not found")) << text.toStdString();
    EXPECT_TRUE(text.contains(c.says)) << text.toStdString();
    // The dialog stays open behind its help.
    EXPECT_TRUE(dialog->isVisible());
  }
}

}  // namespace
}  // namespace cardoria
