// The table shown at a scale: the mouse reaches the piles it points at, and
// the cards are drawn at the scaled size rather than stretched.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "app/MainWindow.h"
#include "art/CardArt.h"
#include "core/Session.h"
#include "qt/WindowFixture.h"
#include "table/Layout.h"
#include "table/qt/TableRenderer.h"

namespace cardoria {
namespace {

constexpr const char* kKlondike =
    "Game=2\nAutoPlay=N\nCards_Animate=N\nMainWindowState_Maximized=N\nMainWindowState_Width=1500\n"
    "MainWindowState_Height=1000\n";

// A dealt Klondike shown at a fixed scale; the Ace of hearts lies on top of
// the seventh column.
class ScaledTableTest : public test::MainWindowTest, public ::testing::WithParamInterface<double> {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window = Open(kKlondike, 2, "1");
    window->RunFirstActivation();
    window->FixTableScale(GetParam());
    QApplication::processEvents();
    ASSERT_EQ(TopCard(session.piles.Pile(PileGroup::Tableau, 6)), 1);
  }
  // Widget points of a card's corner and of a pile's middle.
  QPoint Inside(int card) {
    const Rect r = CardRectangle(session, card);
    return window->ToWidget(r.left + 5, r.top + 5);
  }
  QPoint Centre(PileRef pile) {
    const Rect r = TopCardRect(session, pile);
    return window->ToWidget((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  std::unique_ptr<TfrmMain> window;
};

bool Whitish(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) > 200; }

TEST_P(ScaledTableTest, ADragLandsOnThePileUnderTheMouse) {
  EXPECT_EQ(window->TableScale(), GetParam());
  const QPoint from = Inside(1), to = Centre({PileGroup::Foundation, 0});
  // Plain paper of a face: the middle of its top edge.
  const Rect place = TopCardRect(session, {PileGroup::Foundation, 0});
  const QPoint paper = window->ToWidget((place.left + place.right) / 2, place.top + 4);
  EXPECT_FALSE(Whitish(window->Picture().pixel(paper)));
  test::DragOn(window->Table(), from, to);
  EXPECT_EQ(session.piles.Pile(PileGroup::Foundation, 0), "001");
  // The card is drawn where the mouse left it.
  EXPECT_TRUE(Whitish(window->Picture().pixel(paper)));
}

TEST_P(ScaledTableTest, ADoubleClickSendsTheCardUnderTheMouseHome) {
  // A point of the Ace that lies outside its unscaled place.
  const Rect ace = CardRectangle(session, 1);
  const QPoint at = window->ToWidget(ace.right - 3, ace.bottom - 3);
  ASSERT_FALSE(QRect(ace.left, ace.top, ace.Width(), ace.Height()).contains(at));
  QTest::mouseDClick(window->Table(), Qt::LeftButton, Qt::NoModifier, at);
  QApplication::processEvents();
  EXPECT_EQ(session.piles.Pile(PileGroup::Foundation, 0), "001");
}

TEST_P(ScaledTableTest, FacesAreDrawnAtTheScaledSizeNotStretched) {
  const double scale = GetParam();
  const QImage picture = window->Picture();
  const Rect ace = CardRectangle(session, 1);
  const QPoint origin(ToPixels(ace.left, scale), ToPixels(ace.top, scale));
  const QImage art = Face(1, 1, 0, CardSizeOf('B'), scale);
  ASSERT_EQ(art.width(), ToPixels(71, scale));
  int compared = 0, differing = 0;
  for (int y = 0; y < art.height(); ++y)
    for (int x = 0; x < art.width(); ++x) {
      const QRgb want = art.pixel(x, y);
      if (qAlpha(want) != 255) continue;  // the rounded corners show the table
      ++compared;
      differing += (picture.pixel(origin + QPoint(x, y)) & 0xFFFFFF) != (want & 0xFFFFFF);
    }
  EXPECT_GT(compared, art.width() * art.height() * 9 / 10);
  EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(AtOneAndAHalfAndTwo, ScaledTableTest, ::testing::Values(1.5, 2.0));

using FitCardsTest = test::MainWindowTest;

TEST_F(FitCardsTest, FitCardsToTheWindowIsACommandAndAPreference) {
  auto window = Open(std::string(kKlondike) + "Fit_Cards_To_Window=Y\n", 2, "1");
  window->RunFirstActivation();
  QApplication::processEvents();
  QAction* fit = window->findChild<QAction*>(QStringLiteral("mnuFitCards"));
  ASSERT_NE(fit, nullptr);
  EXPECT_TRUE(fit->isChecked());
  // A wide window: the cards grow, yet every column stays inside it.
  EXPECT_GT(window->TableScale(), 1.2);
  const Rect last = TopCardRect(session, {PileGroup::Tableau, 6});
  EXPECT_LE(window->ToWidget(last.right, last.bottom).x(), window->Table()->width());
  fit->trigger();
  EXPECT_EQ(window->TableScale(), 1.0);
  EXPECT_EQ(IniProfile(dir / "DATA/CFG.DAT").ReadString("Preference", "Fit_Cards_To_Window", ""), "N");
  // The mouse reaches the cards unscaled again.
  const Rect ace = CardRectangle(session, 1);
  QTest::mouseDClick(window->Table(), Qt::LeftButton, Qt::NoModifier, QPoint(ace.left + 5, ace.top + 5));
  EXPECT_EQ(session.piles.Pile(PileGroup::Foundation, 0), "001");
}

// A table fitted to a wide window stands in its middle: as much room left
// of its first pile (a full stock's thickness included) as right of its last.
class CentredTableTest : public test::MainWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(CentredTableTest, AFittedTableStandsInTheMiddleOfTheWindow) {
  screen = test::FakeScreen(ScreenInfo{1920, 1200, 24});
  auto window = Open(
      "AutoPlay=N\nCards_Animate=N\nMainWindowState_Maximized=N\nMainWindowState_Width=1600\n"
      "MainWindowState_Height=1000\nFit_Cards_To_Window=Y\n",
      GetParam(), "1");
  window->RunFirstActivation();
  QApplication::processEvents();
  ASSERT_GE(window->Table()->width(), 1500);
  ASSERT_GT(window->TableScale(), 1.0);
  int left = window->Table()->width(), right = 0;
  for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Reserve, PileGroup::Tableau})
    for (int i = 0; i < static_cast<int>(session.piles.Items(group).size()); ++i) {
      const PileRef pile{group, i};
      if (!PileShown(session, pile)) continue;
      const int cards = PileCardCount(session.piles.Pile(group, i));
      for (int k = 0; k < std::max(cards, 1); ++k) {
        Rect r = CardInPileRect(session, pile, k);
        if (group == PileGroup::Stock && cards > 1) r.left -= std::min(cards / 7 + 1, 15);
        left = std::min(left, window->ToWidget(r.left, r.top).x());
        right = std::max(right, window->ToWidget(r.right, r.bottom).x());
      }
    }
  const int roomRight = window->ToWidget(session.layout.tableWidth, 0).x() - right;
  EXPECT_GT(left, 0);
  EXPECT_GT(roomRight, 0);
  EXPECT_NEAR(left, roomRight, 3) << "left " << left << ", right " << right << " of " << window->Table()->width();
}

// Spider, Klondike, Forty Thieves, Canfield.
INSTANTIATE_TEST_SUITE_P(Games, CentredTableTest, ::testing::Values(4, 2, 6, 7));

}  // namespace
}  // namespace cardoria
