#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>

#include "app/C_TBitmapAnimated.h"
#include "app/TfrmCustomize.h"
#include "app/TfrmPointers.h"
#include "core/Session.h"
#include "qt/WindowFixture.h"

namespace cardoria {
namespace {

// The dialog over a dealt Klondike, as the window opens it.
class CustomizeDialogTest : public test::MainWindowTest {
 protected:
  void Start(const std::string& preferences) {
    window = Open(
        "Game=2\nCards_Animate=N\nMainWindowState_Maximized=N\nMainWindowState_Width=900\n"
        "MainWindowState_Height=650\n" +
            preferences,
        2, "1");
    window->RunFirstActivation();
    QApplication::processEvents();
  }
  std::unique_ptr<TfrmCustomize> Dialog(int page = 0, CustomizeHost* host = nullptr) {
    auto dialog = std::make_unique<TfrmCustomize>(
        CustomizeContext{session, messages, screen, host ? *host : static_cast<CustomizeHost&>(*window)}, page,
        window.get());
    dialog->show();
    QApplication::processEvents();
    return dialog;
  }
  template <typename T>
  static T* Find(QWidget* dialog, const char* name) {
    T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  static void Click(QWidget* dialog, const char* name) {
    Find<QAbstractButton>(dialog, name)->click();
    QApplication::processEvents();
  }
  static void ShowPage(QWidget* dialog, int page) {
    Find<QTabWidget>(dialog, "TabbedNotebook1")->setCurrentIndex(page);
    QApplication::processEvents();
  }
  std::string File(const char* key) { return IniProfile(dir / "DATA/CFG.DAT").ReadString("Preference", key, "?"); }

  std::unique_ptr<TfrmMain> window;
};

TEST_F(CustomizeDialogTest, CancelAfterApplyPutsBackTheLookFoundAtLoading) {
  Start("Card=1\nCard_Size=B\nBack_Card=11\nBackground_bmp=262\nBackground_Fixed_Col=0\nFade_Background=Y\n");
  const auto lookBefore = TakeLookSnapshot(session.store).values;
  const QImage tableBefore = window->TableImage().copy();
  const std::string fileBefore = dir.Read("DATA/CFG.DAT");
  auto dialog = Dialog(TfrmCustomize::kCards);
  EXPECT_EQ(dialog->MarkedCard(), 0);
  EXPECT_EQ(dialog->SelectedBackgroundState(), 262);

  dialog->ChooseCard(3);  // big set 4
  dialog->SelectBack(7);
  dialog->SelectBackground(279);
  Find<QCheckBox>(dialog.get(), "chkFadeBackground")->setChecked(false);
  Find<QCheckBox>(dialog.get(), "chkIrregularPiles")->setChecked(true);
  Click(dialog.get(), "btnApply");
  const TextStore& s = session.store;
  EXPECT_EQ(s.Get(pos::kCard, 3), "004");
  EXPECT_EQ(s.Get(pos::kBackCard, 3), "007");
  EXPECT_EQ(s.Get(pos::kBackgroundBmp, 4), "279");
  EXPECT_EQ(s.Get(pos::kFadeBackground, 1), "N");
  EXPECT_EQ(s.Get(179, 1), "Y");
  EXPECT_NE(window->TableImage(), tableBefore);
  EXPECT_EQ(dir.Read("DATA/CFG.DAT"), fileBefore);  // nothing saved

  dialog->ChooseCard(5);  // medium set 3, applied a second time
  Click(dialog.get(), "btnApply");
  EXPECT_EQ(s.Get(pos::kCardSize, 1), "M");
  EXPECT_EQ(session.layout.cardWidth, 59);

  Click(dialog.get(), "btnCancel");
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(TakeLookSnapshot(s).values, lookBefore);
  EXPECT_EQ(session.layout.cardWidth, 71);
  EXPECT_EQ(window->TableImage(), tableBefore);  // drawn again with the old look
  EXPECT_EQ(dir.Read("DATA/CFG.DAT"), fileBefore);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CustomizeDialogTest, TheCloseBoxAfterApplyAlsoPutsTheLookBack) {
  Start("Card=2\nBack_Card=5\n");
  const auto lookBefore = TakeLookSnapshot(session.store).values;
  auto dialog = Dialog(TfrmCustomize::kDecks);
  dialog->SelectBack(20);
  Click(dialog.get(), "btnApply");
  EXPECT_EQ(session.store.Get(pos::kBackCard, 3), "020");
  dialog->close();
  EXPECT_EQ(TakeLookSnapshot(session.store).values, lookBefore);
}

TEST_F(CustomizeDialogTest, TheMediumCardsAskOnceAndForceBack11) {
  Start("Card=2\nBack_Card=5\n");
  auto dialog = Dialog(TfrmCustomize::kCards);
  dialog->ChooseCard(5);
  EXPECT_FALSE(Find<QCheckBox>(dialog.get(), "chkRandomCard")->isEnabled());
  dialog->SelectBack(14);
  messages.answer = false;  // Cancel: the dialog stays and nothing is saved
  Click(dialog.get(), "btnOK");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "You have selected the small sized cards.\rYou will play using a predefined deck set.");
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(File("Card_Size"), "?");
  messages.answer = true;
  Click(dialog.get(), "btnOK");
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(File("Card_Size"), "M");
  EXPECT_EQ(File("Card"), "3");
  EXPECT_EQ(File("Back_Card"), "11");
  EXPECT_EQ(session.store.Get(pos::kBackCard, 3), "011");
  EXPECT_EQ(session.layout.cardWidth, 59);

  // The size at loading is medium now: choosing it again asks nothing.
  messages.shown.clear();
  auto again = Dialog(TfrmCustomize::kCards);
  EXPECT_EQ(again->MarkedCard(), 5);
  Click(again.get(), "btnOK");
  EXPECT_TRUE(messages.shown.empty());
  // A big choice enables the random cards again.
  auto third = Dialog(TfrmCustomize::kCards);
  third->ChooseCard(1);
  EXPECT_TRUE(Find<QCheckBox>(third.get(), "chkRandomCard")->isEnabled());
}

TEST_F(CustomizeDialogTest, TheSamplesAreTheDialogsOwnPictures) {
  Start("Card=1\nBack_Card=11\n");
  const QImage tableBefore = window->TableImage().copy();
  auto dialog = Dialog(TfrmCustomize::kGeneral);
  EXPECT_TRUE(dialog->ChoicePicture(0).isNull());  // cut when the page is first shown
  ShowPage(dialog.get(), TfrmCustomize::kCards);
  for (int i = 0; i < 6; ++i) EXPECT_FALSE(dialog->ChoicePicture(i).isNull()) << i;
  EXPECT_NE(dialog->ChoicePicture(0), dialog->ChoicePicture(1));
  EXPECT_EQ(dialog->ChoicePicture(5).size(), QSize(59, 80));
  const QImage first = dialog->CardSample();
  dialog->ChooseCard(2);
  EXPECT_NE(dialog->CardSample(), first);
  EXPECT_EQ(dialog->CardChoice(), "005B");
  // The table still shows set 1 with the cards it had.
  EXPECT_EQ(session.store.Get(pos::kCard, 3), "001");
  EXPECT_EQ(window->TableImage(), tableBefore);

  // Headings of the back tree (the "Classics" heading too) leave the deck sample alone.
  ShowPage(dialog.get(), TfrmCustomize::kDecks);
  const QImage deck = dialog->DeckSample();
  ASSERT_FALSE(deck.isNull());
  auto* backs = Find<QTreeWidget>(dialog.get(), "trvCardBack");
  for (int i = 0; i < backs->topLevelItemCount(); ++i) {
    backs->setCurrentItem(backs->topLevelItem(i));
    EXPECT_EQ(dialog->DeckSample(), deck) << backs->topLevelItem(i)->text(0).toStdString();
  }
  dialog->SelectBack(20);
  EXPECT_NE(dialog->DeckSample(), deck);
}

TEST_F(CustomizeDialogTest, APreviewRunsAtTheSlidersSpeedAndLeavesTheSpeedAsItWas) {
  Start("Speed_Move_Card=10\n");
  std::string seenSpeed, seenName;
  int seenSeconds = -1;
  bool running = false;
  QImage tableDuring;
  window->winningAnimation = [&](const std::string& name, int seconds) {
    seenName = name;
    seenSeconds = seconds;
    seenSpeed = session.store.Get(pos::kSpeedMoveCard, 2);
    running = session.values.Flag(kAnimationRunning);
    // The dialog comes back with the choices made: close it then.
    QTimer::singleShot(0, window.get(), [&] {
      auto* dialog = window->findChild<TfrmCustomize*>();
      ASSERT_NE(dialog, nullptr);
      EXPECT_TRUE(dialog->isVisible());
      EXPECT_EQ(Find<QSlider>(dialog, "trbSpeed")->value(), 5);
      Click(dialog, "btnCancel");
    });
  };
  QTimer::singleShot(0, window.get(), [&] {
    auto* dialog = window->findChild<TfrmCustomize*>();
    ASSERT_NE(dialog, nullptr);
    ShowPage(dialog, TfrmCustomize::kAnimations);
    Find<QSlider>(dialog, "trbSpeed")->setValue(5);
    Find<QComboBox>(dialog, "cboWinningAnim")->setCurrentText("Circles");
    Click(dialog, "btnWinningPreview");
  });
  window->OpenOptionsDialog(0);
  EXPECT_EQ(seenName, "Circles");
  EXPECT_EQ(seenSeconds, 30);
  EXPECT_EQ(seenSpeed, "0");
  EXPECT_TRUE(running);
  EXPECT_FALSE(session.values.Flag(kAnimationRunning));
  EXPECT_EQ(session.store.Get(pos::kSpeedMoveCard, 2), "10");
  EXPECT_EQ(File("Speed_Move_Card"), "10");
}

TEST_F(CustomizeDialogTest, TheWinningTimeAndTheNoneChoice) {
  Start("Winning_Animations=(None)\nWinning_Animations_Time=30\n");
  auto dialog = Dialog(TfrmCustomize::kGeneral);
  auto* time = Find<QLineEdit>(dialog.get(), "edtWinningTime");
  EXPECT_FALSE(Find<QPushButton>(dialog.get(), "btnWinningPreview")->isEnabled());
  EXPECT_FALSE(time->isEnabled());
  EXPECT_FALSE(Find<QToolButton>(dialog.get(), "spnWinningTimeDown")->isEnabled());
  Find<QComboBox>(dialog.get(), "cboWinningAnim")->setCurrentText("Lines");
  EXPECT_TRUE(Find<QPushButton>(dialog.get(), "btnWinningPreview")->isEnabled());
  ShowPage(dialog.get(), TfrmCustomize::kAnimations);
  for (const char* expected : {"20", "10", "10"}) {
    Click(dialog.get(), "spnWinningTimeDown");
    EXPECT_EQ(time->text().toStdString(), expected);
  }
  Click(dialog.get(), "btnOK");
  EXPECT_EQ(File("Winning_Animations"), "Lines");
  EXPECT_EQ(File("Winning_Animations_Time"), "10");
}

// Records what the sound page asks of the window.
struct SoundHost final : CustomizeHost {
  void ApplyLookToTable() override {}
  void RepaintWindows() override {}
  void ApplyWindowOptions(const WindowOptions&) override {}
  QMap<int, QCursor> PointerCursors() const override { return {}; }
  void PlayTestSound(const std::string& name) override { played.push_back(name); }
  void StopTestSound() override { played.push_back("(stop)"); }
  void OpenClearValues(QWidget*) override {}
  std::vector<std::string> played;
};

TEST_F(CustomizeDialogTest, DisableAllSoundsOffEnablesEveryEntry) {
  Start("Sounds_Undo=N\nSounds_Stock=N\n");
  SoundHost host;
  auto dialog = Dialog(TfrmCustomize::kGeneral, &host);
  ShowPage(dialog.get(), TfrmCustomize::kSounds);
  EXPECT_FALSE(dialog->SoundEnabled(4));
  EXPECT_TRUE(dialog->SoundEnabled(1));
  dialog->SelectSound(4);
  EXPECT_TRUE(Find<QPushButton>(dialog.get(), "btnSounds_Add")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>(dialog.get(), "btnSounds_Delete")->isEnabled());
  Click(dialog.get(), "btnSounds_Go");
  Click(dialog.get(), "btnSounds_Stop");
  EXPECT_EQ(host.played, (std::vector<std::string>{"Undo", "(stop)"}));

  Click(dialog.get(), "chkSoundsEnabled");  // on: all off, nothing to press
  for (const SoundEntry& entry : kSoundEntries) EXPECT_FALSE(dialog->SoundEnabled(entry.state)) << entry.caption;
  EXPECT_FALSE(Find<QTreeWidget>(dialog.get(), "trvSounds")->isEnabled());
  for (const char* button : {"btnSounds_Add", "btnSounds_Delete", "btnSounds_Go", "btnSounds_Stop"})
    EXPECT_FALSE(Find<QPushButton>(dialog.get(), button)->isEnabled()) << button;
  Click(dialog.get(), "chkSoundsEnabled");  // off: every entry on, those off before too
  for (const SoundEntry& entry : kSoundEntries) EXPECT_TRUE(dialog->SoundEnabled(entry.state)) << entry.caption;
  EXPECT_TRUE(Find<QTreeWidget>(dialog.get(), "trvSounds")->isEnabled());
  // A heading: no button applies.
  auto* tree = Find<QTreeWidget>(dialog.get(), "trvSounds");
  tree->setCurrentItem(tree->topLevelItem(0));
  EXPECT_FALSE(Find<QPushButton>(dialog.get(), "btnSounds_Go")->isEnabled());
  Click(dialog.get(), "btnOK");
  EXPECT_EQ(File("Sounds_Undo"), "Y");
  EXPECT_EQ(File("Sounds_Enabled"), "Y");
}

TEST_F(CustomizeDialogTest, ASoundTestPlaysNothingWhileTheStoredSwitchIsOff) {
  Start("Sounds_Enabled=N\n");
  SoundHost host;
  auto dialog = Dialog(TfrmCustomize::kSounds, &host);
  EXPECT_TRUE(Find<QCheckBox>(dialog.get(), "chkSoundsEnabled")->isChecked());
  Click(dialog.get(), "chkSoundsEnabled");  // the box says on; the stored switch is still off
  dialog->SelectSound(18);
  Click(dialog.get(), "btnSounds_Go");
  EXPECT_TRUE(host.played.empty());
}

TEST_F(CustomizeDialogTest, PointersOkWithNothingSelectedGivesZero) {
  Start("Cursor=12\n");
  TfrmPointers pointers(session, 12, window->Cursors(), window.get());
  EXPECT_EQ(pointers.Cursor(), 12);
  pointers.List()->clearSelection();
  pointers.show();
  Click(&pointers, "btnOK");
  EXPECT_TRUE(pointers.Confirmed());
  EXPECT_EQ(pointers.Cursor(), 0);
  TfrmPointers next(session, 0, window->Cursors(), window.get());
  EXPECT_EQ(next.List()->currentItem()->text(), "Arrow large");

  // Through the options dialog: the number reaches the preferences at OK.
  auto dialog = Dialog(TfrmCustomize::kGeneral);
  QTimer::singleShot(0, dialog.get(), [&] {
    auto* open = dialog->findChild<TfrmPointers*>();
    ASSERT_NE(open, nullptr);
    open->List()->clearSelection();
    Click(open, "btnOK");
  });
  Click(dialog.get(), "btnPointers");
  EXPECT_EQ(dialog->CursorNumber(), 0);
  Click(dialog.get(), "btnOK");
  EXPECT_EQ(File("Cursor"), "0");
}

TEST_F(CustomizeDialogTest, PreviewingAMissingPictureOfThePlayersKeepsItsChoice) {
  std::filesystem::copy_file(dir / "Images/B262.bmp", dir / "mine.bmp");
  const std::string kept = dir / "mine.bmp";
  const std::string gone = dir / "gone.bmp";
  Start("Customized_Background=" + kept + "\n[Customized backgrounds]\nBackground000=" + CustomBackgroundCaption(kept) +
        "\nBackground001=" + CustomBackgroundCaption(gone) + "\n");
  auto dialog = Dialog(TfrmCustomize::kBackgrounds);
  EXPECT_EQ(dialog->SelectedBackgroundState(), kPlayerPicture);
  const QImage picture(QString::fromStdString(kept));
  EXPECT_EQ(dialog->BackgroundPreview().pixel(3, 3), picture.pixel(3, 3));

  dialog->SelectBackground(kPlayerPicture, CustomBackgroundCaption(gone));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Customized background image not found: " + gone);
  EXPECT_EQ(dialog->BackgroundPreview().pixel(3, 3), QColor(0, 96, 0).rgb());
  EXPECT_EQ(File("Customized_Background"), kept);
  EXPECT_EQ(session.store.Get(pos::kCustomizedBackground, 1), "Y");
}

TEST_F(CustomizeDialogTest, APictureOfThePlayersAddedAndDeleted) {
  Start("");
  std::filesystem::copy_file(dir / "Images/B262.bmp", dir / "sea (2).bmp");
  const std::string path = dir / "sea (2).bmp";
  auto dialog = Dialog(TfrmCustomize::kBackgrounds);
  auto* tree = Find<QTreeWidget>(dialog.get(), "trvBackGround");
  QTreeWidgetItem* placeholder = dialog->BackgroundItem(kCustomisePlaceholder);
  ASSERT_NE(placeholder, nullptr);
  EXPECT_EQ(placeholder->text(0), "(Double click to customize)");
  QString startedIn;
  dialog->choosePicture = [&](const QString& start) {
    startedIn = start;
    return QString::fromStdString(path);
  };
  // A double click on the placeholder opens the file dialog in the program's folder.
  emit tree->itemDoubleClicked(placeholder, 0);
  EXPECT_EQ(startedIn.toStdString(), session.programDir);
  EXPECT_EQ(dialog->SelectedBackgroundState(), kPlayerPicture);
  EXPECT_EQ(tree->currentItem()->text(0).toStdString(), CustomBackgroundCaption(path));
  EXPECT_EQ(dialog->BackgroundPreview().pixel(3, 3), QImage(QString::fromStdString(path)).pixel(3, 3));
  EXPECT_EQ(IniProfile(dir / "DATA/CFG.DAT").ReadString(kCustomBackgroundsSection, "Background000", ""),
            CustomBackgroundCaption(path));
  EXPECT_EQ(dialog->BackgroundItem(kCustomisePlaceholder), nullptr);

  // Applied, the table shows it although its name holds " (".
  Click(dialog.get(), "btnApply");
  EXPECT_EQ(window->TableImage().pixel(3, 3), QImage(QString::fromStdString(path)).pixel(3, 3));
  EXPECT_TRUE(messages.shown.empty());

  messages.answer = false;
  dialog->DeleteCustomBackground();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Are you sure you want to delete this background?");
  EXPECT_NE(dialog->BackgroundItem(kPlayerPicture), nullptr);
  messages.answer = true;
  Find<QMenu>(dialog.get(), "mnuBackground")->findChild<QAction*>("mnuDeleteCustomizedBackground")->trigger();
  EXPECT_EQ(dialog->BackgroundItem(kPlayerPicture), nullptr);
  EXPECT_NE(dialog->BackgroundItem(kCustomisePlaceholder), nullptr);
  EXPECT_EQ(dialog->BackgroundPreview().pixel(3, 3), QColor(0, 96, 0).rgb());  // what OK would now give
  EXPECT_TRUE(IniProfile(dir / "DATA/CFG.DAT").Entries(kCustomBackgroundsSection).empty());
}

TEST_F(CustomizeDialogTest, FewColoursKeepTheFadeDisabled) {
  screen = test::FakeScreen{ScreenInfo{1280, 1024, 8}};
  Start("");
  auto dialog = Dialog(TfrmCustomize::kBackgrounds);
  auto* fade = Find<QCheckBox>(dialog.get(), "chkFadeBackground");
  for (int state : {kCustomColourEntry, 16711680, 32768, 279, 101}) {
    dialog->SelectBackground(state);
    EXPECT_FALSE(fade->isEnabled()) << state;
  }
}

TEST_F(CustomizeDialogTest, OkWritesTheChecksAndTheAdvancedValues) {
  Start("Cards_Shadowed=Y\nShow_Time=Y\nUndo_Enabled=0\n");
  auto dialog = Dialog(TfrmCustomize::kGeneral);
  Find<QCheckBox>(dialog.get(), "chkShowTime")->setChecked(false);
  Find<QCheckBox>(dialog.get(), "chkShadowed")->setChecked(false);
  Find<QCheckBox>(dialog.get(), "chkMainPopupMenu")->setChecked(false);
  QCheckBox* winnable = Find<QCheckBox>(dialog.get(), "chkDealWinnable");
  EXPECT_FALSE(winnable->isChecked());  // off until the player asks
  winnable->setChecked(true);
  QTimer::singleShot(0, dialog.get(), [&] {
    auto* advanced = dialog->findChild<TfrmOptionsAdvanced*>();
    ASSERT_NE(advanced, nullptr);
    advanced->findChild<QRadioButton*>("rgUndoOptions2")->setChecked(true);
    advanced->findChild<QRadioButton*>("rbSaveAndExitNone")->setChecked(true);
    Click(advanced, "btnOK");
  });
  Click(dialog.get(), "btnAdvanced");
  EXPECT_EQ(dialog->Advanced().undoLevel, 2);
  Click(dialog.get(), "btnOK");
  EXPECT_EQ(File("Show_Time"), "N");
  EXPECT_EQ(File("Cards_Shadowed"), "N");
  EXPECT_EQ(File("Show_Main_Popup_Menu"), "N");
  EXPECT_EQ(File("Deal_Winnable"), "Y");
  EXPECT_EQ(File("Undo_Enabled"), "2");
  EXPECT_EQ(File("ConfirmSaveAndExit"), "N");
  EXPECT_EQ(session.store.Get(pos::kUndoEnabled, 1), "2");
  EXPECT_EQ(session.layout.shadowSize, 0);
  EXPECT_FALSE(window->findChild<QWidget*>("pnlTempo")->isVisible());
}

TEST_F(CustomizeDialogTest, AFlightLeavesTheShadowPreferenceAlone) {
  Start("Cards_Animate=Y\nCards_Shadowed=Y\n");
  window->FlyCard(1, Rect{10, 10, 81, 106}, Rect{300, 200, 371, 296});
  EXPECT_EQ(session.store.Get(pos::kCardsShadowed, 1), "Y");
  auto dialog = Dialog(TfrmCustomize::kGeneral);
  EXPECT_TRUE(Find<QCheckBox>(dialog.get(), "chkShadowed")->isChecked());
  Click(dialog.get(), "btnOK");
  EXPECT_EQ(File("Cards_Shadowed"), "Y");
}

TEST_F(CustomizeDialogTest, TheTablesMenuOpensTheLookPages) {
  Start("");
  const std::pair<const char*, int> items[] = {
      {"popChangeCardSet", 1}, {"popChangeDeck", 2}, {"popChangeBackground", 3}, {"mnuCustomize", 0}};
  for (const auto& [name, page] : items) {
    int shown = -1;
    QTimer::singleShot(0, window.get(), [&] {
      auto* dialog = window->findChild<TfrmCustomize*>();
      ASSERT_NE(dialog, nullptr);
      shown = Find<QTabWidget>(dialog, "TabbedNotebook1")->currentIndex();
      Click(dialog, "btnCancel");
    });
    QAction* action = window->findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
    EXPECT_EQ(shown, page) << name;
  }
  EXPECT_EQ(window->findChild<QAction*>("mnuCustomize")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_U));
}

TEST(BitmapAnimatedTest, FramesStepAndWrap) {
  C_TBitmapAnimated strip;
  EXPECT_EQ(strip.size(), QSize(30, 30));
  strip.SetBitMap(QImage());
  EXPECT_EQ(strip.height(), 30);
  QImage frames(40, 20, QImage::Format_RGB32);
  frames.fill(Qt::blue);
  for (int y = 0; y < 20; ++y)
    for (int x = 10; x < 20; ++x) frames.setPixel(x, y, qRgb(255, 0, 0));
  strip.resize(10, 30);
  strip.SetBitMap(frames);
  EXPECT_EQ(strip.height(), 20);
  int changes = 0;
  strip.OnChangeFrame = [&] { ++changes; };
  strip.SetFrameCount(4);
  const std::pair<int, int> frameOf[] = {{2, 2}, {5, 1}, {-1, 3}, {-7, 3}, {0, 0}};
  for (const auto& [set, expected] : frameOf) {
    strip.SetFrame(set);
    EXPECT_EQ(strip.Frame(), expected) << set;
  }
  EXPECT_GE(changes, 5);
  // Without looping, playing stops at the last frame (the first, in reverse).
  strip.SetLoop(false);
  strip.SetInterval(10);
  strip.SetPlay(true);
  for (int i = 0; i < 5; ++i) strip.Step();
  EXPECT_EQ(strip.Frame(), 3);
  EXPECT_FALSE(strip.Play());
  strip.SetReverse(true);
  strip.SetPlay(true);
  for (int i = 0; i < 5; ++i) strip.Step();
  EXPECT_EQ(strip.Frame(), 0);
  EXPECT_FALSE(strip.Play());
  // Frame 1 is red; as the transparent colour it shows the control's own.
  strip.SetFrame(1);
  strip.SetTransparentColor(0xFF0000);
  const QImage shown = strip.grab().toImage();
  EXPECT_EQ(shown.pixel(5, 5), strip.palette().color(strip.backgroundRole()).rgb());
}

TEST(BitmapAnimatedTest, NoFramesDrawNothing) {
  QWidget parent;
  parent.setStyleSheet("background: rgb(10, 200, 30);");
  auto* strip = new C_TBitmapAnimated(&parent);
  QImage frames(60, 30, QImage::Format_RGB32);
  frames.fill(Qt::blue);
  strip->SetBitMap(frames);
  strip->SetFrameCount(0);
  strip->SetFrame(5);
  strip->Step();
  EXPECT_EQ(strip->Frame(), 0);
  parent.resize(60, 60);
  const QImage shown = parent.grab().toImage();
  EXPECT_NE(shown.pixel(5, 5), QColor(Qt::blue).rgb());
  EXPECT_NE(shown.pixel(5, 5), QColor(Qt::white).rgb());
}

}  // namespace
}  // namespace cardoria
