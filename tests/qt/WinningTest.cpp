// Sounds and the winning animation on the real window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/MainWindow.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "platform/Sound.h"
#include "qt/WindowFixture.h"

namespace cardoria {
namespace {

using test::MainWindowTest;

class RecordingSounds final : public SoundPort {
 public:
  explicit RecordingSounds(std::vector<std::string>& played) : played_(played) {}
  void Play(const std::string& name, SoundMode) override { played_.push_back(name); }
  void Stop() override { played_.push_back("(stop)"); }

 private:
  std::vector<std::string>& played_;
};

TEST_F(MainWindowTest, TheMasterSwitchSilencesEvenTheReorderSound) {
  auto window = Open("Game=1\nAutoPlay=N\nCards_Animate=N\n", 1, "8");
  std::vector<std::string> played;
  window->SetSoundPort(std::make_unique<RecordingSounds>(played));
  window->RunFirstActivation();
  struct Case {
    const char* enabled;
    const char* foundation;
    std::vector<std::string> heard;
  };
  const Case cases[] = {
      {"Y", "Y", {"Foundation", "Foundation", "Reorder"}},
      // "Reorder" has no switch of its own: the foundation's does not silence it.
      {"Y", "N", {"Reorder"}},
      {"N", "Y", {}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(window->PlayGame(1, "0000000000008"));
    session.store.Set(pos::kSoundsEnabled, 1, c.enabled);
    session.store.Set(184, 1, c.foundation);
    session.rules.Set(rule::FoundationSorted, 1);
    played.clear();
    // Two cards laid on a foundation that keeps itself sorted.
    for (int pile : {0, 1})
      window->PlayEngine().ExecuteMove(TopCard(session.piles.Pile(PileGroup::Tableau, pile)), "Dest1");
    ASSERT_EQ(PileCardCount(session.piles.Pile(PileGroup::Foundation, 0)), 2);
    EXPECT_EQ(played, c.heard) << "Sounds_Enabled=" << c.enabled << " Sounds_Foundation=" << c.foundation;
  }
}

TEST_F(MainWindowTest, AKeyPressStopsTheWinningAnimationAndGoesNoFurther) {
  auto window = Open(
      "Game=1\nAutoPlay=N\nWinning_Animations=Open order\nWinning_Animations_Time=3600\n"
      "MainWindowState_Maximized=N\nMainWindowState_Width=900\nMainWindowState_Height=700\n",
      1, "8");
  window->RunFirstActivation();
  clock.step = 1;
  const QImage before = window->TableImage().copy();
  QAction* newGame = window->findChild<QAction*>("mnuNew");
  ASSERT_TRUE(newGame);
  QSignalSpy triggered(newGame, &QAction::triggered);
  bool runningAtKey = false;
  std::int64_t tickAtKey = 0;
  QTimer::singleShot(0, [&] {
    runningAtKey = session.values.Flag(kAnimationRunning);
    tickAtKey = clock.tick;
    QTest::keyClick(window.get(), Qt::Key_F2);  // New game, were it passed on
  });
  window->RunWinningAnimation();
  EXPECT_TRUE(runningAtKey);
  EXPECT_FALSE(session.values.Flag(kAnimationRunning));
  // An hour of animation ended at the key, not by the clock.
  EXPECT_LT(clock.tick - tickAtKey, 1000);
  EXPECT_EQ(triggered.count(), 0);
  // The cards it drew stay on the table.
  EXPECT_NE(window->TableImage(), before);
  // Afterwards keys work again.
  QTest::keyClick(window.get(), Qt::Key_F2);
  EXPECT_EQ(triggered.count(), 1);
}

TEST_F(MainWindowTest, ClosingDuringTheWinningAnimationStopsItFirst) {
  auto window = Open("Game=1\nAutoPlay=N\nWinning_Animations=Festoons\nWinning_Animations_Time=3600\n", 1, "8");
  window->RunFirstActivation();
  clock.step = 1;
  bool closed = true;
  QTimer::singleShot(0, [&] { closed = window->close(); });
  window->RunWinningAnimation();
  EXPECT_FALSE(closed);
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(session.values.Flag(kAnimationRunning));
  // The end of the game closes the window once the animation is over.
  EXPECT_EQ(session.positions[67], 1);
}

}  // namespace
}  // namespace cardoria
