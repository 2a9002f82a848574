#include "app/HelpWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>

#include "core/HelpTopics.h"
#include "qt/WindowFixture.h"
#include "table/qt/TfrmCardCounter.h"

namespace cardoria {
namespace {

class HelpWindowTest : public test::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    // Installed under another spelling: pages are found without regard to case.
    std::filesystem::copy(CARDORIA_HELP, dir / "help");
  }

  static HelpWindow* Help() {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* help = dynamic_cast<HelpWindow*>(widget)) return help;
    return nullptr;
  }

  static QString Page(const HelpWindow& help) { return help.Browser()->source().toString(); }

  // Clicks the link whose text is `caption`, as a player would.
  static void ClickLink(HelpWindow& help, const QString& caption) {
    HelpBrowser* browser = help.Browser();
    const QTextCursor found = browser->document()->find(caption);
    ASSERT_FALSE(found.isNull()) << caption.toStdString();
    QTextCursor inside(browser->document());
    inside.setPosition(found.selectionStart() + 1);
    ASSERT_TRUE(inside.charFormat().isAnchor()) << caption.toStdString();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(inside).center());
    QApplication::processEvents();
  }
};

TEST_F(HelpWindowTest, F1OpensTheRulesOfTheGameAndLinksLeadOnAndBack) {
  auto window = Open("Game=2\nGame_name=Klondike\n");
  window->RunFirstActivation();
  window->findChild<QAction*>("mnuRules")->trigger();
  HelpWindow* help = Help();
  ASSERT_TRUE(help);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(Page(*help), "3002.html");
  const QString text = help->Browser()->toPlainText();
  EXPECT_TRUE(text.contains("Klondike")) << text.toStdString();
  EXPECT_TRUE(text.contains("Only a King, or a group led by a King, may fill an empty column.")) << text.toStdString();
  EXPECT_TRUE(text.contains("24 cards; each click turns 1 card onto the waste"));
  EXPECT_EQ(help->windowTitle(), "Klondike - Cardoria 2000 Help");

  ClickLink(*help, "Contents");
  EXPECT_EQ(Page(*help), "1.html");
  ClickLink(*help, "Canfield");
  EXPECT_EQ(Page(*help), "3007.html");
  EXPECT_TRUE(help->Browser()->toPlainText().contains("Thirteen cards are dealt face up to the reserve"));

  auto* back = help->findChild<QToolButton*>("btnBack");
  auto* forward = help->findChild<QToolButton*>("btnForward");
  EXPECT_FALSE(forward->isEnabled());
  back->click();
  back->click();
  EXPECT_EQ(Page(*help), "3002.html");
  EXPECT_FALSE(back->isEnabled());
  forward->click();
  EXPECT_EQ(Page(*help), "1.html");

  // The Help menu's commands come to the same window.
  window->findChild<QAction*>("mnuHowToPlay")->trigger();
  EXPECT_EQ(Help(), help);
  EXPECT_EQ(Page(*help), "2.html");
  help->findChild<QToolButton*>("btnContents")->click();
  EXPECT_EQ(Page(*help), "1.html");
}

TEST_F(HelpWindowTest, ReopensWithTheSizeItWasClosedAt) {
  auto window = Open("");
  ShowHelpTopic(window.get(), session, 3002);
  HelpWindow* help = Help();
  ASSERT_TRUE(help);
  help->resize(710, 470);
  help->close();
  EXPECT_EQ(session.settings.ReadInt("Preference", kHelpWidthKey, 0), 710);
  EXPECT_EQ(session.settings.ReadInt("Preference", kHelpHeightKey, 0), 470);
  delete help;

  ShowHelpTopic(window.get(), session, 3003);
  help = Help();
  ASSERT_TRUE(help);
  EXPECT_EQ(help->size(), QSize(710, 470));
  EXPECT_EQ(Page(*help), "3003.html");
}

// A modal dialog blocks every window but its own, so the help it asks for
// moves to it, keeping its history, and comes back to the table afterwards.
TEST_F(HelpWindowTest, OneWindowServesTheTableAndItsDialogs) {
  auto window = Open("");
  ShowHelpTopic(window.get(), session, kHelpContents);
  HelpWindow* help = Help();
  ASSERT_TRUE(help);
  EXPECT_EQ(help->parentWidget(), window.get());
  {
    QDialog dialog(window.get());
    ShowHelpTopic(&dialog, session, kHelpOpenGame);
    EXPECT_EQ(Help(), help);
    EXPECT_EQ(help->parentWidget(), &dialog);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(Page(*help), "1000.html");
    EXPECT_TRUE(help->findChild<QToolButton*>("btnBack")->isEnabled());
    ShowHelpTopic(window.get(), session, kHelpSelectGameNumber);
  }
  ASSERT_EQ(Help(), help);
  EXPECT_EQ(help->parentWidget(), window.get());
  EXPECT_EQ(Page(*help), "1001.html");
}

// The card counter has no button for help: F1 in it opens its page, not the
// rules that F1 opens at the table.
TEST_F(HelpWindowTest, F1InTheCardCounterOpensItsPage) {
  auto window = Open("Game=2\nGame_name=Klondike\n");
  window->RunFirstActivation();
  auto* counter = window->findChild<TfrmCardCounter*>("frmCardCounter");
  ASSERT_TRUE(counter);
  window->findChild<QAction*>("mnuCardCounter")->trigger();
  ASSERT_TRUE(counter->isVisible());
  counter->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(counter));
  QTest::keyClick(counter, Qt::Key_F1);
  QApplication::processEvents();
  HelpWindow* help = Help();
  ASSERT_TRUE(help);
  EXPECT_EQ(Page(*help), QString::fromStdString(HelpPageFile(kHelpCardCounter)));
  const QString text = help->Browser()->toPlainText();
  EXPECT_TRUE(text.contains("Tableau only counts the tableau")) << text.toStdString();
}

TEST_F(HelpWindowTest, AMissingPageSaysSo) {
  auto window = Open("");
  ShowHelpTopic(window.get(), session, 3999);
  HelpWindow* help = Help();
  ASSERT_TRUE(help);
  const QString text = help->Browser()->toPlainText();
  EXPECT_TRUE(text.contains("Help page not found")) << text.toStdString();
  EXPECT_TRUE(text.contains("3999.html")) << text.toStdString();
  // From there the contents are one click away.
  ClickLink(*help, "Contents");
  EXPECT_EQ(Page(*help), "1.html");
}

}  // namespace
}  // namespace cardoria
