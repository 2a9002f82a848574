// Hints, the verdict on a deal and winnable deals, in the window.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/SolverPlay.h"
#include "core/Cards.h"
#include "core/Session.h"
#include "persist/Statistics.h"
#include "qt/WindowFixture.h"
#include "solver/Replay.h"
#include "support/SolverReplay.h"
#include "table/Layout.h"

namespace cardoria {
namespace {

constexpr int kFreecell = 1, kKlondike = 2, kSpider = 4, kGolf = 26, kMonteCarlo = 28, kChainCrossing = 56,
              kAccordion = 91;

class SolverWindowTest : public test::MainWindowTest {
 protected:
  void Start(int game, const std::string& deal, const std::string& preferences = "AutoPlay=N\n") {
    window = Open("Game=" + std::to_string(game) +
                      "\nCards_Animate=N\nDeal_Animation=N\nMainWindowState_Maximized=N\n"
                      "MainWindowState_Width=1000\nMainWindowState_Height=700\n" +
                      preferences,
                  game, deal);
    window->RunFirstActivation();
    QApplication::processEvents();
  }
  void Trigger(const char* name) {
    QAction* action = window->findChild<QAction*>(QString::fromLatin1(name));
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
    QApplication::processEvents();
  }
  std::vector<std::string> Infos() const {
    std::vector<std::string> texts;
    for (const auto& [kind, text] : messages.shown)
      if (kind == "info") texts.push_back(text);
    return texts;
  }
  std::string TableText() const {
    std::string text;
    for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
      for (const std::string& pile : session.piles.Items(group)) text += pile + "|";
    return text;
  }
  static QPoint Centre(const Rect& r) { return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
  std::unique_ptr<TfrmMain> window;
};

TEST_F(SolverWindowTest, TheHintLightsAMoveThatTheMouseThenMakes) {
  Start(kFreecell, "3");
  const QImage before = window->Table()->grab().toImage();
  window->solverBudgets.hintPositions = 20000;
  Trigger("mnuHint");
  const std::vector<Rect> lit = window->HintRects();
  ASSERT_EQ(lit.size(), 2u);  // the card and where it goes
  const QPoint card(lit[0].left + 5, lit[0].top + 5);
  EXPECT_NE(window->Table()->grab().toImage().pixel(card), before.pixel(card));
  // The light goes out by itself.
  EXPECT_TRUE(QTest::qWaitFor([&] { return window->HintRects().empty(); }, 3000));
  EXPECT_EQ(window->Table()->grab().toImage().pixel(card), before.pixel(card));

  const std::string table = TableText();
  test::DragOn(window->Table(), card, Centre(lit[1]));
  EXPECT_NE(TableText(), table);
  // The next hint follows on from the position the move made.
  Trigger("mnuHint");
  EXPECT_FALSE(window->HintRects().empty());
  EXPECT_TRUE(Infos().empty());
}

TEST_F(SolverWindowTest, AHintInARowLightsTheStackToCover) {
  Start(kAccordion, "2026121100005");
  window->solverBudgets.hintPositions = 20000;
  const auto hint = solver::Hint(session, solver::SolveOptions{});
  ASSERT_TRUE(hint && hint->place > 0);
  Trigger("mnuHint");
  const std::vector<Rect> lit = window->HintRects();
  ASSERT_EQ(lit.size(), 2u);
  // The stack's top card, and the top card it goes onto (not the row's end).
  const int covered = CardAt(session.piles.Pile(PileGroup::Tableau, 0), hint->place - 1);
  const Rect card = CardRectangle(session, hint->card), target = CardRectangle(session, covered);
  EXPECT_EQ(std::make_pair(lit[0].left, lit[0].top), std::make_pair(card.left, card.top));
  EXPECT_EQ(std::make_pair(lit[1].left, lit[1].top), std::make_pair(target.left, target.top));
  EXPECT_TRUE(solver::PlayMove(window->PlayEngine(), session, *hint));
}

TEST_F(SolverWindowTest, WithPointsEnoughTheHintSaysToQuitTheGame) {
  Start(kChainCrossing, "0234435102048");
  test::ChainCrossingWithTwoLeft(session);
  Trigger("mnuHint");
  EXPECT_EQ(Infos(), std::vector<std::string>{"Enough cards are discarded: quit the game now and it counts as won."});
  EXPECT_TRUE(window->HintRects().empty());
  EXPECT_TRUE(session.values.Flag(kGameInProgress));  // the player ends it, not the hint
}

TEST_F(SolverWindowTest, NoMovesLeftOnADeadTable) {
  Start(kGolf, "2026121000026");
  for (auto group : {PileGroup::Stock, PileGroup::Tableau})
    for (std::string& pile : session.piles.Items(group)) pile.clear();
  std::string discarded;
  for (int card = 1; card <= 52; ++card)
    if (card != 4 && card != 9 && card != 11) discarded += CardCode(card);
  session.piles.Pile(PileGroup::Stock, kSecondWasteItem) = discarded + CardCode(4);
  session.piles.Pile(PileGroup::Tableau, 0) = CardCode(9);
  session.piles.Pile(PileGroup::Tableau, 1) = CardCode(11);
  for (int card = 1; card <= 52; ++card) session.cards.SetCardFace(card, '1');
  Trigger("mnuHint");
  EXPECT_EQ(Infos(), std::vector<std::string>{"No moves left"});
  EXPECT_TRUE(window->HintRects().empty());
}

TEST_F(SolverWindowTest, TheVerdictCancelsAndTheTableStaysThePlayers) {
  Start(kSpider, "2026121000002");  // a long search, for the cancel to come half-way
  window->solverBudgets.verdictPositions = 100000000;
  Trigger("mnuCanBeWon");
  ASSERT_TRUE(window->SolverRunning());
  QProgressDialog* progress = window->SolverProgress();
  ASSERT_NE(progress, nullptr);
  EXPECT_TRUE(progress->isVisible());
  // The search counts positions while the window goes on.
  EXPECT_TRUE(QTest::qWaitFor([&] { return progress->labelText().contains("Positions searched: 1"); }, 20000))
      << progress->labelText().toStdString();
  // A second question waits for the first.
  Trigger("mnuCanBeWon");
  EXPECT_TRUE(window->SolverRunning());
  QPushButton* cancel = progress->findChild<QPushButton*>();
  ASSERT_NE(cancel, nullptr);
  cancel->click();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window->SolverRunning(); }, 10000));
  EXPECT_EQ(window->SolverProgress(), nullptr);
  EXPECT_TRUE(Infos().empty());  // a cancelled question wants no answer
}

// The verdict's win leads the hints, through the window, to the end of the game.
TEST_F(SolverWindowTest, TheVerdictsWinLeadsTheHintsToTheEnd) {
  Start(kFreecell, "3");
  window->solverBudgets.verdictPositions = 20000;
  Trigger("mnuCanBeWon");
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window->SolverRunning(); }, 30000));
  ASSERT_EQ(Infos().size(), 1u);
  EXPECT_EQ(Infos()[0].rfind("This deal can be won: ", 0), 0u) << Infos()[0];

  // No search of its own: every hint from here comes from that win.
  window->solverBudgets.hintPositions = 0;
  auto playHint = [&] {
    const std::vector<Rect> lit = window->HintRects();
    if (lit.size() != 2) return false;
    const std::string table = TableText();
    Engine& engine = window->PlayEngine();
    engine.OnMouseDown(kLeftButton, false, lit[0].left + 5, lit[0].top + 5);
    engine.OnMouseMove(lit[1].left + session.drag.grabX, lit[1].top + session.drag.grabY);
    engine.OnMouseUp(kLeftButton);
    return TableText() != table;
  };

  // The answer comes on the window's thread, after the move made here.
  Trigger("mnuHint");
  window->findChild<QAction*>("mnuCanBeWon")->trigger();
  ASSERT_TRUE(window->SolverRunning());
  ASSERT_TRUE(playHint());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window->SolverRunning(); }, 30000));
  ASSERT_EQ(Infos().size(), 2u);
  EXPECT_NE(Infos()[1].find("for the position when you asked"), std::string::npos) << Infos()[1];

  // The won game's dialogs are closed as they come.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
  });
  closer.start(5);
  int hints = 1;
  while (session.values.Flag(kGameInProgress) && hints < 1000) {
    Trigger("mnuHint");
    ASSERT_TRUE(playHint()) << "hint " << hints;
    ++hints;
  }
  closer.stop();
  EXPECT_FALSE(session.values.Flag(kGameInProgress));
  EXPECT_EQ(ParseGameLogLine(dir.Read("DATA/STAT_LOG.DAT")).result, "Won") << hints << " hints";
  EXPECT_EQ(Infos().size(), 2u);
}

TEST_F(SolverWindowTest, NewGameDealsAWinnableDealWhenAsked) {
  // A game whose deals the solver often wins within a small budget.
  Start(kMonteCarlo, "2026121000028", "Deal_Winnable=Y\nConfirmQuitGame=N\nAutoPlay=Y\n");
  window->solverBudgets.dealPositions = 3000;
  Trigger("mnuNew");
  ASSERT_TRUE(session.values.Flag(kGameInProgress));
  const std::string deal = session.store.Get(pos::kDealNumber, 15);
  EXPECT_NE(deal, "2026121000028");
  EXPECT_TRUE(Infos().empty()) << Infos()[0];
  solver::SolveOptions options;
  options.maxPositions = 3000;
  EXPECT_EQ(solver::Solve(SearchCopy(session), options).verdict, solver::Verdict::Winnable) << deal;
}

TEST_F(SolverWindowTest, AfterTheBudgetThePlayerIsToldAndGetsTheLastDeal) {
  Start(kKlondike, "2026121000002", "Deal_Winnable=Y\nConfirmQuitGame=N\nAutoPlay=N\n");
  window->solverBudgets.dealPositions = 2;
  window->solverBudgets.dealsTried = 2;
  Trigger("mnuNew");
  ASSERT_TRUE(session.values.Flag(kGameInProgress));
  const std::string deal = session.store.Get(pos::kDealNumber, 15);
  EXPECT_EQ(Infos(), std::vector<std::string>{"No winnable deal found within the budget: playing deal " + deal + "."});
  EXPECT_EQ(session.store.GetInt(pos::kGameNumber, 4), kKlondike);
}

TEST_F(SolverWindowTest, HintsAndSearchesAreRefusedDuringADemo) {
  Start(kFreecell, "3");
  session.values.SetFlag(kDemoMode, true);
  Trigger("mnuHint");
  Trigger("mnuCanBeWon");
  EXPECT_TRUE(window->HintRects().empty());
  EXPECT_FALSE(window->SolverRunning());
  EXPECT_TRUE(Infos().empty());
  session.values.SetFlag(kDemoMode, false);
  session.values.SetFlag(kAnimationRunning, true);
  Trigger("mnuHint");
  EXPECT_TRUE(window->HintRects().empty());
  session.values.SetFlag(kAnimationRunning, false);
}

}  // namespace
}  // namespace cardoria
