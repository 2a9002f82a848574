// The card counter beside a real table.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QTest>

#include "app/MainWindow.h"
#include "core/Session.h"
#include "platform/IniProfile.h"
#include "qt/WindowFixture.h"
#include "table/CardCounter.h"
#include "table/qt/CardImages.h"
#include "table/qt/TfrmCardCounter.h"

namespace cardoria {
namespace {

using test::MainWindowTest;

// The mark the counter shows for a card, compared with the library's
// pictures laid over the row of its suit.
QString ShownMark(const Session& s, const TfrmCardCounter& counter, int card) {
  static const char* const kRows[4] = {"card_hearts", "card_diamonds", "card_clubs", "card_spades"};
  const QImage row = LibraryImage(*s.resources, kRows[(card - 1) / 13 % 4]);
  const QImage library = LibraryImage(*s.resources, "Card_None");
  const QImage shown =
      counter.Picture().copy(CounterMarkX(card), CounterMarkY(card), library.width(), library.height());
  QStringList names = {"Card_None"};
  const int rank = (card - 1) % 13 + 1;
  names << QString("Card_%1_Up").arg(rank) << QString("Card_%1_Down").arg(rank);
  for (const QString& name : names) {
    QImage expected(shown.size(), shown.format());
    expected.fill(counter.palette().window().color());
    QPainter painter(&expected);
    painter.drawImage(-CounterMarkX(card), 0, row);
    painter.drawImage(0, 0, LibraryImage(*s.resources, name.toStdString()));
    painter.end();
    if (expected == shown) return name;
  }
  return "?";
}

TEST_F(MainWindowTest, TheCardCounterFollowsTheGameInItsModes) {
  auto window = Open("Game=2\nAutoPlay=N\nCards_Animate=N\n", 2, "42");
  window->RunFirstActivation();
  TfrmCardCounter* counter = window->CardCounter();
  QAction* menu = window->findChild<QAction*>("mnuCardCounter");
  ASSERT_TRUE(counter && menu);
  EXPECT_FALSE(counter->isVisible());
  QTest::keyClick(window.get(), Qt::Key_F8);
  EXPECT_TRUE(counter->isVisible());
  EXPECT_TRUE(menu->isChecked());
  EXPECT_EQ(counter->windowTitle(), "Card counter");
  EXPECT_EQ(counter->height(), 121);  // a game of 52 cards

  const std::string& tableau = session.piles.Pile(PileGroup::Tableau, 6);
  const int hidden = CardAt(tableau, 0), shown = TopCard(tableau);
  const int stock = CardAt(session.piles.Pile(PileGroup::Stock, kStockItem), 0);
  auto mark = [&](int card) { return ShownMark(session, *counter, card); };
  auto rank = [](int card) { return QString::number((card - 1) % 13 + 1); };
  EXPECT_EQ(mark(hidden), "Card_" + rank(hidden) + "_Down");
  EXPECT_EQ(mark(shown), "Card_" + rank(shown) + "_Up");
  EXPECT_EQ(mark(stock), "Card_" + rank(stock) + "_Down");

  QAction* stockOnly = counter->findChild<QAction*>("mnuStock");
  QAction* tableauOnly = counter->findChild<QAction*>("mnuTableau");
  QAction* inverted = counter->findChild<QAction*>("mnuInverted");
  ASSERT_TRUE(stockOnly && tableauOnly && inverted);
  stockOnly->trigger();
  EXPECT_EQ(mark(shown), "Card_None");
  EXPECT_EQ(mark(hidden), "Card_None");
  EXPECT_EQ(mark(stock), "Card_" + rank(stock) + "_Down");
  tableauOnly->trigger();  // the modes exclude each other
  EXPECT_FALSE(stockOnly->isChecked());
  EXPECT_EQ(mark(stock), "Card_None");
  inverted->trigger();
  EXPECT_EQ(mark(shown), "Card_" + rank(shown) + "_Down");
  EXPECT_EQ(mark(hidden), "Card_" + rank(hidden) + "_Up");
  tableauOnly->trigger();  // unchecking the only mode counts all piles again
  EXPECT_EQ(mark(stock), "Card_" + rank(stock) + "_Up");
  inverted->trigger();
  // Each click saved the settings.
  IniProfile saved(dir / "DATA/CFG.DAT");
  EXPECT_EQ(saved.ReadString("Preference", "CardCounter_Stock", ""), "N");
  EXPECT_EQ(saved.ReadString("Preference", "CardCounter_Visible", ""), "Y");

  // A card dealt to the waste turns up in the counter; undo turns it back.
  const Rect r = TopCardRect(session, {PileGroup::Stock, kStockItem});
  const int next = TopCard(session.piles.Pile(PileGroup::Stock, kStockItem));
  QTest::mouseClick(window->Table(), Qt::LeftButton, Qt::NoModifier, QPoint(r.left + 2, r.top + 2));
  ASSERT_EQ(TopCard(session.piles.Pile(PileGroup::Stock, kWasteItem)), next);
  EXPECT_EQ(mark(next), "Card_" + rank(next) + "_Up");
  QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(mark(next), "Card_" + rank(next) + "_Down");

  // A new deal is counted from its first card.
  ASSERT_TRUE(window->PlayGame(2, "0000000000043"));
  const std::vector<CounterMark> marks = CounterMarks(session, counter->Modes());
  for (int card = 1; card <= 52; ++card) {
    const CounterMark m = marks[static_cast<std::size_t>(card - 1)];
    EXPECT_EQ(mark(card), "Card_" + rank(card) + (m == CounterMark::Up ? "_Up" : "_Down")) << card;
  }

  // Closing the counter clears the check mark.
  counter->close();
  EXPECT_FALSE(counter->isVisible());
  EXPECT_FALSE(menu->isChecked());
}

TEST_F(MainWindowTest, TheCardCounterReturnsAsItWasLeft) {
  auto window = Open(
      "Game=2\nAutoPlay=N\nCardCounter_Visible=Y\nCardCounter_Stock=Y\nCardCounter_Tableau=Y\n"
      "CardCounter_Left=40\nCardCounter_Top=60\n",
      2, "42");
  window->RunFirstActivation();
  TfrmCardCounter* counter = window->CardCounter();
  EXPECT_TRUE(counter->isVisible());
  EXPECT_TRUE(window->findChild<QAction*>("mnuCardCounter")->isChecked());
  // "Stock only" wins when both are set.
  EXPECT_TRUE(counter->Modes().stockOnly);
  EXPECT_FALSE(counter->Modes().tableauOnly);
  EXPECT_EQ(counter->pos(), QPoint(40, 60));
  counter->move(70, 90);
  window->close();
  IniProfile saved(dir / "DATA/CFG.DAT");
  EXPECT_EQ(saved.ReadString("Preference", "CardCounter_Visible", ""), "Y");
  EXPECT_EQ(saved.ReadInt("Preference", "CardCounter_Left", 0), 70);
  EXPECT_EQ(saved.ReadInt("Preference", "CardCounter_Top", 0), 90);
  EXPECT_EQ(saved.ReadString("Preference", "CardCounter_Tableau", ""), "N");
}

}  // namespace
}  // namespace cardoria
