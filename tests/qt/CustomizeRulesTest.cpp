// The customize-rules dialog, its name prompt and the rules window of a
// customized game, on the real dialogs over the built catalogue.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include "app/TfrmCustomHelp.h"
#include "app/TfrmCustomizeRules.h"
#include "core/CustomGames.h"
#include "core/RuleIndex.h"
#include "platform/TextLines.h"
#include "qt/WindowFixture.h"

namespace cardoria {
namespace {

class CustomizeRulesTest : public test::MainWindowTest {
 protected:
  void OpenGame(int game) {
    window = Open(
        "AutoPlay=N\nCards_Animate=N\nMainWindowState_Maximized=N\nMainWindowState_Width=1000\n"
        "MainWindowState_Height=700\n",
        game, "1");
    window->RunFirstActivation();
    QApplication::processEvents();
    ASSERT_EQ(session.store.GetInt(pos::kGameNumber, 4), game);
  }
  std::unique_ptr<TfrmCustomizeRules> Dialog() {
    auto dialog = std::make_unique<TfrmCustomizeRules>(window->Customizing(), window.get());
    dialog->show();
    return dialog;
  }
  template <typename T>
  static T* Child(QWidget* parent, const char* name) {
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_TRUE(child) << name;
    return child;
  }
  // Types each name into the prompt OK opens and presses its OK; records
  // whether the prompt was still open after each.
  void AnswerPrompt(std::vector<std::string> names) {
    promptOpen.clear();
    QTimer::singleShot(0, [this, names] {
      auto* prompt = dynamic_cast<TfrmCustomizeRules2*>(QApplication::activeModalWidget());
      if (!prompt) {
        if (QWidget* other = QApplication::activeModalWidget()) other->close();
        ADD_FAILURE() << "no name prompt";
        return;
      }
      auto* edit = prompt->findChild<QLineEdit*>(QStringLiteral("edtName"));
      if (initialName.empty()) initialName = edit->text().toStdString();
      for (const std::string& name : names) {
        edit->setText(QString::fromStdString(name));
        prompt->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        promptOpen.push_back(prompt->isVisible());
      }
      if (prompt->isVisible()) prompt->reject();
    });
  }
  std::vector<std::string> Infos() const {
    std::vector<std::string> texts;
    for (const auto& shown : messages.shown)
      if (shown.kind == "info") texts.push_back(shown.text);
    return texts;
  }
  TextList FileLines() const { return SplitLines(dir.Read("DATA/GAM_CUST.DAT")); }

  std::unique_ptr<TfrmMain> window;
  std::vector<bool> promptOpen;
  std::string initialName;
};

TEST_F(CustomizeRulesTest, AGameWithoutAStockChangesItsEmptyPilesOnlyAndGetsANewNumberEachTime) {
  OpenGame(12);  // Seahaven Towers: no stock to customize
  for (const auto& [choice, name, number, rule] : std::vector<std::tuple<const char*, std::string, int, char>>{
           {"rbAnyCard", "Seahaven, any card", 8000, '2'}, {"rbNone", "Seahaven, no space", 8001, '3'}}) {
    auto dialog = Dialog();
    EXPECT_EQ(dialog->windowTitle(), "Customize rules [Seahaven Towers]");
    EXPECT_FALSE(Child<QPushButton>(dialog.get(), "btnDelete")->isEnabled());
    EXPECT_FALSE(Child<QLineEdit>(dialog.get(), "edtCardsPerDeal")->isEnabled());
    EXPECT_FALSE(Child<QRadioButton>(dialog.get(), "rbUnlimited")->isEnabled());
    EXPECT_TRUE(Child<QRadioButton>(dialog.get(), "rbKingOnly")->isChecked());
    QPushButton* ok = Child<QPushButton>(dialog.get(), "btnOK");
    EXPECT_FALSE(ok->isEnabled());
    Child<QRadioButton>(dialog.get(), choice)->setChecked(true);
    ASSERT_TRUE(ok->isEnabled());
    messages.answer = false;  // not now: Seahaven Towers goes on
    AnswerPrompt({name});
    ok->click();
    EXPECT_EQ(promptOpen, std::vector<bool>{false});
    EXPECT_FALSE(dialog->isVisible());
    const CustomGameRecord record = CustomGameInfo(session, number);
    EXPECT_EQ(record.base, 12) << name;
    EXPECT_EQ(CustomGameName(session, number), name);
    // The rules the game does not let the player change keep its values.
    EXPECT_EQ(record.overrides,
              CustomOverrideLine(session.rules[rule::CardsPerDeal], session.rules[rule::Redeals], rule - '0'));
    EXPECT_EQ(messages.shown.back().kind, "yesno");
    EXPECT_EQ(messages.shown.back().text,
              "Do you want to start the new game\r" + name + "\rnow and quit the current game?");
    EXPECT_EQ(session.store.GetInt(pos::kGameNumber, 4), 12);
  }
  EXPECT_EQ(initialName, "Seahaven Towers");
}

TEST_F(CustomizeRulesTest, RedealsAreCountedAsDealsAndTheNewGameStartsAtOnce) {
  OpenGame(2);  // Klondike: unlimited redeals
  auto dialog = Dialog();
  QPushButton* ok = Child<QPushButton>(dialog.get(), "btnOK");
  QLineEdit* cards = Child<QLineEdit>(dialog.get(), "edtCardsPerDeal");
  QLineEdit* redeals = Child<QLineEdit>(dialog.get(), "edtRedeals");
  QLabel* deals = Child<QLabel>(dialog.get(), "lblDeals");
  EXPECT_EQ(cards->text(), "1");
  EXPECT_TRUE(Child<QRadioButton>(dialog.get(), "rbUnlimited")->isChecked());
  EXPECT_EQ(deals->text(), "");
  EXPECT_FALSE(ok->isEnabled());
  cards->setText("3");
  EXPECT_TRUE(ok->isEnabled());
  cards->setText("1");
  EXPECT_FALSE(ok->isEnabled()) << "back to the game's own values";

  Child<QRadioButton>(dialog.get(), "rbNoRedeals")->setChecked(true);
  EXPECT_EQ(deals->text(), "(1 deal in all)");
  Child<QRadioButton>(dialog.get(), "rbSpecified")->setChecked(true);
  EXPECT_TRUE(redeals->isEnabled());
  for (const auto& [typed, shown] : std::vector<std::pair<const char*, const char*>>{
           {"x", ""}, {"", ""}, {"0", "(1 deal in all)"}, {"2", "(3 deals in all)"}}) {
    redeals->setText(typed);
    EXPECT_EQ(deals->text(), shown) << typed;
  }

  // Letters are refused before any name is asked, on the stock page.
  Child<QTabWidget>(dialog.get(), "pgcRules")->setCurrentIndex(1);
  for (QLineEdit* field : {cards, redeals}) {
    messages.shown.clear();
    const QString kept = field->text();
    field->setText("2a");
    ok->click();
    EXPECT_EQ(Infos(), std::vector<std::string>{"Numbers only are required."});
    EXPECT_EQ(Child<QTabWidget>(dialog.get(), "pgcRules")->currentIndex(), 0);
    EXPECT_TRUE(dialog->isVisible());
    field->setText(kept);
  }
  EXPECT_FALSE(dialog->findChild<QDialog*>(QStringLiteral("frmCustomizeRules2")));

  messages.shown.clear();
  messages.answer = true;
  AnswerPrompt({"ab", "  freecell ", "Klondike", "Klondike, two redeals"});
  ok->click();
  EXPECT_EQ(promptOpen, (std::vector<bool>{true, true, true, false}));
  EXPECT_EQ(Infos(), (std::vector<std::string>{"Please enter at least 3 characters.", "This game name already exists.",
                                               "This game name already exists."}));
  const TextList lines = FileLines();
  ASSERT_EQ(lines.size(), 31u);
  EXPECT_EQ(lines[0], "[R-0301]");
  EXPECT_EQ(lines[1], "8000Klondike, two redeals" + std::string(29, ' ') + "0002");
  EXPECT_EQ(lines[2], "0010031");
  // Started in place of the Klondike deal.
  EXPECT_EQ(session.store.GetInt(pos::kGameNumber, 4), 8000);
  EXPECT_EQ(TrimRightSpaces(session.store.Get(pos::kGameName, 50)), "Klondike, two redeals");
  EXPECT_TRUE(session.values.Flag(kGameInProgress));
  EXPECT_EQ(session.rules[rule::Redeals], 3);
  EXPECT_EQ(session.store.Get(pos::kRunWins, 4), "0000");
}

TEST_F(CustomizeRulesTest, ACustomizedGameIsDerivedFromItsBaseAndCanBeDeletedAndItsNumberReused) {
  dir.Write("DATA/GAM_CUST.DAT", "[R-0301]\r\n8000Klondike, three redeals" + std::string(27, ' ') +
                                     "0002\r\n0030041\r\n" + std::string(28, '\n'));
  OpenGame(8000);
  ASSERT_EQ(session.rules[rule::CardsPerDeal], 3);
  {
    auto dialog = Dialog();
    EXPECT_EQ(dialog->windowTitle(), "Customize rules [Klondike, three redeals]");
    EXPECT_TRUE(Child<QPushButton>(dialog.get(), "btnDelete")->isEnabled());
    EXPECT_EQ(Child<QLineEdit>(dialog.get(), "edtCardsPerDeal")->text(), "3");
    EXPECT_TRUE(Child<QRadioButton>(dialog.get(), "rbSpecified")->isChecked());
    EXPECT_EQ(Child<QLineEdit>(dialog.get(), "edtRedeals")->text(), "3");
    EXPECT_EQ(Child<QLabel>(dialog.get(), "lblDeals")->text(), "(4 deals in all)");
    Child<QRadioButton>(dialog.get(), "rbUnlimited")->setChecked(true);
    messages.answer = false;
    AnswerPrompt({"Klondike, three cards"});
    Child<QPushButton>(dialog.get(), "btnOK")->click();
    EXPECT_EQ(initialName, "Klondike, three redeals");
    EXPECT_EQ(CustomGameInfo(session, 8001).base, 2);
    EXPECT_EQ(CustomGameInfo(session, 8001).overrides, "003-011");
  }
  {
    auto dialog = Dialog();
    messages.shown.clear();
    messages.answer = true;
    Child<QPushButton>(dialog.get(), "btnDelete")->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Are you sure you want to delete this customized game\rKlondike, three redeals?\r"
              "Note: the statistics for this game will also be deleted.");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
  }
  EXPECT_EQ(CustomGameName(session, 8000), "");
  EXPECT_EQ(session.store.GetInt(pos::kGameNumber, 4), -1);
  EXPECT_FALSE(session.values.Flag(kGameInProgress));
  for (const char* name : {"mnuCustomizeRules", "mnuNew", "mnuSave", "mnuUndo", "mnuQuitGame"})
    EXPECT_FALSE(window->findChild<QAction*>(QString::fromLatin1(name))->isEnabled()) << name;
  EXPECT_EQ(window->windowTitle().toStdString().find("Klondike, three redeals"), std::string::npos);

  ASSERT_TRUE(window->PlayGame(2, ""));
  auto dialog = Dialog();
  Child<QLineEdit>(dialog.get(), "edtCardsPerDeal")->setText("2");
  messages.answer = false;
  AnswerPrompt({"Klondike, two cards"});
  Child<QPushButton>(dialog.get(), "btnOK")->click();
  EXPECT_EQ(CustomGameName(session, 8000), "Klondike, two cards");
  EXPECT_EQ(CustomGameInfo(session, 8000).base, 2);
}

TEST_F(CustomizeRulesTest, CancelInThePromptWritesNothing) {
  OpenGame(2);
  auto dialog = Dialog();
  Child<QLineEdit>(dialog.get(), "edtCardsPerDeal")->setText("3");
  AnswerPrompt({});  // the prompt is cancelled
  Child<QPushButton>(dialog.get(), "btnOK")->click();
  EXPECT_FALSE(dir.Exists("DATA/GAM_CUST.DAT"));
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(CustomizeRulesTest, WithEveryNumberInUseNoNameIsAskedAndNoRecordOverwritten) {
  std::string text = "[R-0301]\r\n";
  for (int number = kFirstCustomGame; number <= kLastCustomGame; ++number) {
    text += std::to_string(number) + PadRight("Game " + std::to_string(number), 50) + "0002\r\n0010000\r\n";
    for (int i = 0; i < 28; ++i) text += "\r\n";
  }
  dir.Write("DATA/GAM_CUST.DAT", text);
  OpenGame(2);
  auto dialog = Dialog();
  Child<QLineEdit>(dialog.get(), "edtCardsPerDeal")->setText("3");
  bool prompted = false;
  QTimer::singleShot(0, [&prompted] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      prompted = true;
      modal->close();
    }
  });
  Child<QPushButton>(dialog.get(), "btnOK")->click();
  QApplication::processEvents();
  EXPECT_FALSE(prompted);
  EXPECT_EQ(Infos(), std::vector<std::string>{kNoFreeCustomNumber});
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dir.Read("DATA/GAM_CUST.DAT"), text);
}

TEST_F(CustomizeRulesTest, TheRulesWindowComparesTheChangeableRulesWithTheBaseGame) {
  dir.Write("DATA/GAM_CUST.DAT", "[R-0301]\r\n8000Klondike, no space" + std::string(31, ' ') + "0002\r\n0030043\r\n" +
                                     std::string(28, '\n') + "8001Seahaven, any card" + std::string(30, ' ') +
                                     "0012\r\n0000002\r\n");
  OpenGame(2);
  struct Case {
    int number;
    std::string name, caption, base;
    std::vector<std::string> values;  // customized and base: cards, redeals, spaces
  } cases[] = {
      {8000, "", "Help [Klondike]", "Klondike", {"3", "1", "3", "Unlimited", "None", "King only"}},
      {8001,
       "Seahaven, any card   ",
       "Help [Seahaven, any card]",
       "Seahaven Towers",
       {"-", "-", "-", "-", "Any card", "King only"}},
  };
  for (const Case& c : cases) {
    TfrmCustomHelp help(session, c.number, c.name, window.get());
    EXPECT_EQ(help.windowTitle().toStdString(), c.caption);
    EXPECT_EQ(Child<QLabel>(&help, "lblComesFrom")->text(), "This game comes from:");
    EXPECT_EQ(Child<QLabel>(&help, "lblBaseGame")->text().toStdString(), c.base);
    EXPECT_EQ(Child<QLabel>(&help, "lblBaseName")->text().toStdString(), c.base);
    EXPECT_EQ(Child<QLabel>(&help, "lblRules")->text().toStdString(), "Click this button to view " + c.base + " rules");
    std::vector<std::string> shown;
    for (const char* name :
         {"lblCustomCards", "lblBaseCards", "lblCustomRedeals", "lblBaseRedeals", "lblCustomSpaces", "lblBaseSpaces"})
      shown.push_back(Child<QLabel>(&help, name)->text().toStdString());
    EXPECT_EQ(shown, c.values) << c.number;
  }
}

}  // namespace
}  // namespace cardoria
