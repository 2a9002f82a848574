// The game selection dialog and the favourites on a small catalogue of their own.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "app/TfrmFavorite.h"
#include "app/TfrmOpenGame.h"
#include "core/CustomGames.h"
#include "core/Session.h"
#include "qt/WindowFixture.h"
#include "support/CatalogueFixture.h"
#include "table/qt/CardImages.h"

namespace cardoria {
namespace {

struct FixtureGame {
  int number;
  const char* name;
  int family;
  bool marked;
  int time, difficulty, skill, chance, ratioA, ratioB, decks, redeals;
  bool own = false;
};

// Names out of order and in mixed case, a game of no family, two marked new,
// one of our own design.
constexpr FixtureGame kGames[] = {
    {2, "Klondike", 5, true, 2, 0, 1, 1, 1, 3, 1, -1},
    {7, "Spider", 8, false, 0, 2, 0, 4, 0, 0, 2, 0},
    {9, "aces Up", 7, true, 2, 1, 4, 3, 1, 10, 1, 3},
    {11, "Beleaguered", 0, false, 1, 1, 2, 0, 999, 1000, 1, 1},  // the longest chance text
    {13, "Zodiac", 14, false, 0, 2, 2, 2, 1, 2, 1, 0, true},
};

class OpenGameTest : public test::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    CatalogueFileContent content;
    for (const FixtureGame& g : kGames) {
      CatalogueEntry entry = test::KlondikeLike(g.number, g.name);
      entry.family = g.family;
      entry.marked = g.marked;
      entry.ownDesign = g.own;
      entry.rules[364] = g.time;
      entry.rules[365] = g.difficulty;
      entry.rules[366] = g.skill;
      entry.rules[367] = g.chance;
      entry.rules[368] = g.ratioA;
      entry.rules[369] = g.ratioB;
      entry.rules[284] = 52 * g.decks;
      entry.rules[13] = g.redeals;
      content.games.push_back(entry);
    }
    content.selected = {7, 2};
    content.children = {9};
    test::WriteCatalogue(dir, content);
  }

  // A customized game written as the customize command stores it.
  void WriteCustomGame(int number, const std::string& name, int base, const std::string& redeals) {
    std::string record = ZeroPad(number, 4) + PadRight(name, 50) + ZeroPad(base, 4) + "\r\n001" + redeals + "0\r\n";
    for (int i = 2; i < kCustomRecordLines; ++i) record += "\r\n";
    dir.Write("DATA/GAM_CUST.DAT", "Customized games\r\n" + record);
  }

  TfrmOpenGame& ShowDialog() {
    TfrmOpenGame& dialog = window->OpenGameDialog();
    dialog.show();
    QApplication::processEvents();
    return dialog;
  }

  static QStringList Captions(QTreeWidgetItem* folder) {
    QStringList captions;
    for (int i = 0; folder && i < folder->childCount(); ++i) captions << folder->child(i)->text(0);
    return captions;
  }

  QTreeWidgetItem* Expand(TfrmOpenGame& dialog, int code) {
    QTreeWidgetItem* node = dialog.FindNode(code);
    EXPECT_NE(node, nullptr) << code;
    if (node) node->setExpanded(true);
    return node;
  }

  void Select(TfrmOpenGame& dialog, int folder, const QString& caption) {
    QTreeWidgetItem* game = TfrmOpenGame::Child(Expand(dialog, folder), caption);
    ASSERT_NE(game, nullptr) << caption.toStdString();
    dialog.Tree()->setCurrentItem(game);
  }

  void DoubleClick(TfrmOpenGame& dialog, QTreeWidgetItem* item) {
    QTreeWidget* tree = dialog.Tree();
    tree->scrollToItem(item);
    const QPoint at = tree->visualItemRect(item).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  }

  // Runs `body` on the next modal dialog that shows, then closes it.
  void OnNextModal(std::function<void(QDialog&)> body) {
    QTimer::singleShot(0, [body] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      body(*dialog);
      if (dialog->isVisible()) dialog->reject();
    });
  }

  std::unique_ptr<TfrmMain> window;
};

TEST_F(OpenGameTest, FoldersListTheirGamesInNameOrder) {
  window = Open("");
  TfrmOpenGame& dialog = ShowDialog();
  EXPECT_EQ(dialog.FindNode(-2080)->text(0), "New games (vers.4.4)");
  const std::pair<int, QStringList> cases[] = {
      {-30, {"aces Up", "Beleaguered", "Klondike", "Spider", "Zodiac (own design)"}},
      {kOwnGamesFolder, {"Zodiac (own design)"}},
      {-202070, {"Zodiac (own design)"}},  // Puzzle type
      {-2080, {"aces Up", "Klondike"}},    // exactly the lines marked new
      {-2010, {"Klondike", "Spider"}},     // the section, sorted by name
      {-209020, {"aces Up"}},
      {-209010, {}},
      {-202030, {"Klondike"}},  // Klondike type
      {-202050, {"Spider"}},
      {-203010, {"aces Up", "Klondike"}},  // Quick
      {-203020, {"Beleaguered"}},
      {-206040, {"Klondike"}},  // High chance of winning
      {-205050, {"aces Up"}},   // Chance only
  };
  for (const auto& [code, games] : cases) EXPECT_EQ(Captions(Expand(dialog, code)), games) << code;
  // A game of no known family has no family picture.
  EXPECT_TRUE(TfrmOpenGame::Child(dialog.FindNode(-30), "Beleaguered")->icon(0).isNull());
  EXPECT_FALSE(TfrmOpenGame::Child(dialog.FindNode(-30), "Spider")->icon(0).isNull());
}

TEST_F(OpenGameTest, TheInformationPanelShowsTheDescriptiveValues) {
  window = Open("");
  TfrmOpenGame& dialog = ShowDialog();
  struct Case {
    const char* game;
    const char *decks, *time, *timePicture, *chance, *skill, *redeals;
  };
  const Case cases[] = {
      {"Klondike", "1", "Quick", "PROG_TIME_QUICK", "High (about 1 in 3)", "Mostly skill", "Unlimited"},
      {"Spider", "2", "Long", "PROG_TIME_LONG", "Very low", "Difficult", "0"},  // rule 369 = 0: no ratio
      {"aces Up", "1", "Quick", "PROG_TIME_QUICK", "Low (about 1 in 10)", "Chance only", "2"},
  };
  for (const Case& c : cases) {
    Select(dialog, -30, c.game);
    EXPECT_TRUE(dialog.DescriptionShown()) << c.game;
    EXPECT_EQ(dialog.InfoText("lblGameName"), c.game);
    EXPECT_EQ(dialog.InfoText("lblDecks"), c.decks) << c.game;
    EXPECT_EQ(dialog.InfoText("lblTime"), c.time) << c.game;
    EXPECT_EQ(dialog.InfoPicture("imgTime"), c.timePicture) << c.game;
    EXPECT_EQ(dialog.InfoText("lblChance"), c.chance) << c.game;
    EXPECT_EQ(dialog.InfoText("lblSkill"), c.skill) << c.game;
    EXPECT_EQ(dialog.InfoText("lblRedeals"), c.redeals) << c.game;
  }
  // A folder hides the description and disables what needs a game.
  dialog.Tree()->setCurrentItem(dialog.FindNode(-2030));
  EXPECT_FALSE(dialog.DescriptionShown());
  EXPECT_FALSE(dialog.findChild<QWidget*>("btnOK")->isEnabled());
  EXPECT_FALSE(dialog.findChild<QWidget*>("btnRules")->isEnabled());
  dialog.Ok();
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_EQ(messages.shown.back().text, "Open a game");
  EXPECT_FALSE(dialog.Accepted());
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(OpenGameTest, ACustomizedGameShowsItsBaseGamesDecksAndPreview) {
  WriteCustomGame(8000, "Spider, three redeals", 7, "004");
  window = Open("");
  TfrmOpenGame& dialog = ShowDialog();
  Select(dialog, -30, "Spider");
  const QImage spider = dialog.Preview();
  Select(dialog, -30, "Klondike");
  ASSERT_NE(dialog.Preview(), spider);
  Select(dialog, -2070, "Spider, three redeals");
  EXPECT_EQ(dialog.SelectedCode(), 8000);
  for (const char* label : {"lblTime", "lblDifficulty", "lblChance"})
    EXPECT_EQ(dialog.InfoText(label), "Customized game") << label;
  for (const char* picture : {"imgTime", "imgDifficulty", "imgChance"})
    EXPECT_EQ(dialog.InfoPicture(picture), "PROG_DISABLED") << picture;
  EXPECT_EQ(dialog.InfoText("lblDecks"), "2");
  EXPECT_EQ(dialog.InfoText("lblRedeals"), "3");
  EXPECT_EQ(dialog.Preview(), spider);
  // Delete acts on customized games only, through the main window's hook.
  std::vector<std::pair<int, std::string>> deleted;
  window->SetDeleteCustomGame([&deleted](int code, const std::string& caption) {
    deleted.emplace_back(code, caption);
    return true;
  });
  QTest::keyClick(dialog.Tree(), Qt::Key_Delete);
  Select(dialog, -30, "Klondike");
  QTest::keyClick(dialog.Tree(), Qt::Key_Delete);
  EXPECT_EQ(deleted, (std::vector<std::pair<int, std::string>>{{8000, "Spider, three redeals"}}));
  Select(dialog, -2070, "Spider, three redeals");

  // Unchecking the preview leaves the bare background.
  dialog.SetPreviewChecked(false);
  EXPECT_NE(dialog.Preview(), spider);
  EXPECT_EQ(dialog.Preview().pixelColor(0, 0), QColor(0, 128, 0));
}

// Each fact stands clear of its picture, the longest chance text too, and
// the preview's table fills its box across or down.
TEST_F(OpenGameTest, TheFactsStandBesideTheirPicturesAndThePreviewFillsItsBox) {
  window = Open("");
  TfrmOpenGame& dialog = ShowDialog();
  for (const char* game : {"Beleaguered", "Klondike", "Spider", "aces Up"}) {
    SCOPED_TRACE(game);
    Select(dialog, -30, game);
    QApplication::processEvents();
    const std::pair<const char*, const char*> rows[] = {{"lblTime", "imgTime"},
                                                        {"lblDifficulty", "imgDifficulty"},
                                                        {"lblSkill", "imgSkill"},
                                                        {"lblChance", "imgChance"}};
    for (const auto& [text, picture] : rows) {
      const QLabel* label = dialog.findChild<QLabel*>(text);
      const QLabel* image = dialog.findChild<QLabel*>(picture);
      ASSERT_TRUE(label && image);
      const int textRight = label->x() + label->fontMetrics().horizontalAdvance(label->text());
      EXPECT_LE(textRight, label->x() + label->width()) << text << " is cut short";
      EXPECT_LT(textRight, image->x() + (image->width() - image->pixmap().width()) / 2)
          << text << " runs under its picture";
      EXPECT_LE(image->x() + image->width(), dialog.findChild<QWidget*>("pnlDescription")->width()) << picture;
    }
    EXPECT_EQ(dialog.InfoText("lblChance") == "Very high (about 999 in 1000)", std::string(game) == "Beleaguered");

    const QImage preview = dialog.Preview();
    dialog.SetPreviewChecked(false);
    const QImage bare = dialog.Preview();
    dialog.SetPreviewChecked(true);
    ASSERT_EQ(preview.size(), bare.size());
    int left = preview.width(), right = -1, top = preview.height(), bottom = -1;
    for (int y = 0; y < preview.height(); ++y)
      for (int x = 0; x < preview.width(); ++x)
        if (preview.pixel(x, y) != bare.pixel(x, y)) {
          left = std::min(left, x);
          right = std::max(right, x);
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
    ASSERT_GE(right, 0) << "no table drawn";
    const int across = right - left + 1, down = bottom - top + 1;
    EXPECT_TRUE(across >= preview.width() * 9 / 10 || down >= preview.height() * 9 / 10)
        << across << "x" << down << " of " << preview.width() << "x" << preview.height();
    // Centred both ways.
    EXPECT_NEAR(left, preview.width() - 1 - right, 2);
    EXPECT_NEAR(top, preview.height() - 1 - bottom, 2);
  }
}

// The picture of every game of the catalogue is drawn to fill the dialog's
// box across or down.
TEST(GamePreviews, EveryGamesPictureFillsTheBoxAcrossOrDown) {
  const auto library = ResourceLibrary::Load(CARDORIA_RGF);
  ASSERT_TRUE(library);
  int previews = 0;
  for (const ResourceEntry& entry : library->Entries()) {
    if (!entry.name.starts_with("GAME")) continue;
    ++previews;
    const QImage picture = LibraryImage(*library, entry.name);
    EXPECT_TRUE(picture.width() == kGamePreviewWidth || picture.height() == kGamePreviewHeight)
        << entry.name << " " << picture.width() << "x" << picture.height();
    EXPECT_LE(picture.width(), kGamePreviewWidth) << entry.name;
    EXPECT_LE(picture.height(), kGamePreviewHeight) << entry.name;
  }
  EXPECT_GE(previews, 60);
}

TEST_F(OpenGameTest, AGameChosenInAGroupFolderIsStoredAndReopenedThere) {
  answerOpenGame = [this](TfrmOpenGame& dialog) {
    dialog.show();
    QApplication::processEvents();
    // No game yet: nothing in the default folder is selected.
    EXPECT_LT(dialog.SelectedCode(), 0);
    Select(dialog, -203010, "Klondike");
    dialog.findChild<QComboBox*>("cboPlayers")->setCurrentText("Bob");
    dialog.Ok();
  };
  // Nothing to resume and nothing asked for: the first activation, as the
  // window shows, asks.
  window = Open("UserDefault=Ann\n[Users]\nUser001=Ann\nUser002=Bob\n");
  EXPECT_EQ(openGameShown, 1);
  EXPECT_TRUE(session.values.Flag(kGameInProgress));
  EXPECT_EQ(session.store.GetInt(pos::kGameNumber, 4), 2);
  EXPECT_EQ(TrimRightSpaces(session.store.Get(pos::kPlayerName, 30)), "Bob");
  EXPECT_FALSE(window->OpenGameDialog().Accepted());
  IniProfile written(dir / "DATA/CFG.DAT");
  EXPECT_EQ(written.ReadString("Preference", "Game_TreeNum", ""), "-203010");
  EXPECT_EQ(written.ReadString("Preference", "Game", ""), "2");
  EXPECT_EQ(written.ReadString("Preference", "Game_Name", ""), "Klondike");
  EXPECT_EQ(written.ReadString("Preference", "Open_Preview_Game", ""), "Y");

  // The next dialog opens that folder with the current game selected.
  TfrmOpenGame next(window->Stats(), screen, {}, nullptr);
  next.show();
  QApplication::processEvents();
  ASSERT_NE(next.Tree()->currentItem(), nullptr);
  EXPECT_EQ(next.SelectedCode(), 2);
  EXPECT_EQ(next.Tree()->currentItem()->parent()->data(0, Qt::UserRole).toInt(), -203010);
  EXPECT_TRUE(next.DescriptionShown());
  EXPECT_EQ(next.findChild<QComboBox*>("cboPlayers")->currentText(), "Bob");
}

// The mark tells the player, and the game opens under its own name.
TEST_F(OpenGameTest, AGameOfOurOwnDesignIsMarkedAndOpensUnderItsName) {
  answerOpenGame = [this](TfrmOpenGame& dialog) {
    dialog.show();
    QApplication::processEvents();
    Select(dialog, kOwnGamesFolder, "Zodiac (own design)");
    EXPECT_EQ(dialog.Tree()->currentItem()->toolTip(0), "A game of Cardoria's own design, with no published source");
    EXPECT_EQ(dialog.InfoText("lblGameName"), "Zodiac");
    EXPECT_EQ(dialog.SelectedCaption(), "Zodiac");
    dialog.Ok();
  };
  window = Open("");
  EXPECT_EQ(session.store.GetInt(pos::kGameNumber, 4), 13);
  EXPECT_EQ(TrimRightSpaces(session.store.Get(pos::kGameName, 50)), "Zodiac");
  EXPECT_EQ(IniProfile(dir / "DATA/CFG.DAT").ReadString("Preference", "Game_Name", ""), "Zodiac");
}

TEST_F(OpenGameTest, WithoutFavouritesADoubleClickOpensTheFavouritesDialog) {
  window = Open("");
  TfrmOpenGame& dialog = ShowDialog();
  QTreeWidgetItem* favourites = Expand(dialog, -10);
  ASSERT_EQ(Captions(favourites), QStringList{"(Double click to customize)"});
  EXPECT_EQ(favourites->child(0)->data(0, Qt::UserRole).toInt(), -2);
  EXPECT_EQ(Captions(Expand(dialog, -2070)), QStringList{"(How to customize a game)"});
  QString shown;
  OnNextModal([&](QDialog& modal) { shown = modal.objectName(); });
  DoubleClick(dialog, favourites->child(0));
  EXPECT_EQ(shown, "frmFavorite");
  // The customized games' leaf tells how to make one.
  messages.shown.clear();
  DoubleClick(dialog, dialog.FindNode(-2070)->child(0));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.shown[0].text.starts_with("To customize a game:\rselect the game"));
}

TEST_F(OpenGameTest, TheFavouritesDialogWritesInNameOrderAndRebuildsTheMenu) {
  window = Open("UserDefault=Ann\n");
  session.settings.WriteStrings("Favourite Games", {{"Game000", "Spider"}, {"Game001", "Gone Game"}});
  window->RebuildFavouritesMenu();
  auto submenu = [this]() -> QStringList {
    QMenu* menu = window->findChild<QMenu*>("mnuGame")->findChild<QMenu*>("mnuFavorites");
    QStringList captions;
    if (menu)
      for (QAction* a : menu->actions()) captions << a->text();
    return captions;
  };
  // A name that no longer names a game is left out.
  EXPECT_EQ(submenu(), QStringList{"Spider"});
  TfrmOpenGame& dialog = ShowDialog();
  EXPECT_EQ(Captions(Expand(dialog, -10)), QStringList{"Spider"});

  OnNextModal([](QDialog& modal) {
    auto& favourites = dynamic_cast<TfrmFavorite&>(modal);
    EXPECT_EQ(favourites.Entries(favourites.Selected()), QStringList{"Spider"});
    EXPECT_EQ(favourites.Entries(favourites.All()), (QStringList{"aces Up", "Beleaguered", "Klondike", "Zodiac"}));
    for (const char* name : {"Klondike", "aces Up"})
      favourites.All()->findItems(name, Qt::MatchExactly).first()->setSelected(true);
    favourites.Add();
    favourites.Ok();
  });
  window->findChild<QAction*>("mnuFavoriteGames")->trigger();
  IniProfile written(dir / "DATA/CFG.DAT");
  EXPECT_EQ(written.ReadString("Favourite Games", "Game000", ""), "aces Up");
  EXPECT_EQ(written.ReadString("Favourite Games", "Game001", ""), "Klondike");
  EXPECT_EQ(written.ReadString("Favourite Games", "Game002", ""), "Spider");
  EXPECT_EQ(written.ReadString("Favourite Games", "Game003", ""), "");
  const QStringList all = {"aces Up", "Klondike", "Spider"};
  EXPECT_EQ(submenu(), all);
  EXPECT_EQ(Captions(dialog.FindNode(-10)), all);

  // Choosing a favourite opens it for the current player.
  QMenu* menu = window->findChild<QMenu*>("mnuGame")->findChild<QMenu*>("mnuFavorites");
  menu->actions().at(2)->trigger();
  EXPECT_TRUE(session.values.Flag(kGameInProgress));
  EXPECT_EQ(session.store.GetInt(pos::kGameNumber, 4), 7);

  // "<<" takes them all back; Cancel writes nothing.
  TfrmFavorite again(session, nullptr);
  again.RemoveAll();
  EXPECT_TRUE(again.Entries(again.Selected()).isEmpty());
  EXPECT_EQ(again.Entries(again.All()).size(), 5);
  again.reject();
  EXPECT_EQ(IniProfile(dir / "DATA/CFG.DAT").ReadString("Favourite Games", "Game002", ""), "Spider");
}

}  // namespace
}  // namespace cardoria
