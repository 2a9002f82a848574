#pragma once
// "Customize": every preference in one dialog. The look (card set and size,
// back, background, fade, irregular piles) can be put on the table with
// "Appl&y" and is put back by "Cancel" or the close box; nothing reaches the
// preferences file before "OK". The dialog loads its values on its first
// showing only, so a winning-animation preview that hides it and shows it
// again keeps the choices made so far.

#include <QCursor>
#include <QDialog>
#include <QImage>
#include <QMap>
#include <array>
#include <functional>
#include <string>

#include "app/CustomizeValues.h"
#include "app/TfrmOptionsAdvanced.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QSlider;
class QStackedWidget;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace cardoria {

struct Session;
class Messages;
class Screen;
class C_TBitmapAnimated;

// What the dialog asks of the main window.
class CustomizeHost {
 public:
  virtual ~CustomizeHost() = default;
  // The look of the text store onto the table: fan steps, back and faces,
  // layout, background and a fresh drawing of the table.
  virtual void ApplyLookToTable() = 0;
  // The main window and the card counter painted again as they are.
  virtual void RepaintWindows() = 0;
  struct WindowOptions {
    bool largeToolbar = false;
    bool flatButtons = true;
    bool showTime = true;
    bool showScore = true;
    int cursor = 10;
  };
  // After "OK": the toolbar, the time and score panels and the pointer.
  virtual void ApplyWindowOptions(const WindowOptions& options) = 0;
  // The pointers by number, for the Pointers dialog.
  virtual QMap<int, QCursor> PointerCursors() const = 0;
  virtual void PlayTestSound(const std::string& name) = 0;
  virtual void StopTestSound() = 0;
  // The clear-values dialog of the statistics.
  virtual void OpenClearValues(QWidget* parent) = 0;
};

struct CustomizeContext {
  Session& session;
  Messages& messages;
  const Screen& screen;
  CustomizeHost& host;
};

class TfrmCustomize final : public QDialog {
 public:
  enum Page { kGeneral = 0, kCards = 1, kDecks = 2, kBackgrounds = 3, kAnimations = 4, kSounds = 5 };
  // `page`: what `OpenOptionsDialog` asks for (0 general, 1 cards, 2 decks,
  // 3 backgrounds).
  TfrmCustomize(CustomizeContext context, int page, QWidget* parent = nullptr);
  ~TfrmCustomize() override;

  // The file and colour dialogs; tests answer them. An empty path or false
  // means the player cancelled.
  std::function<QString(const QString& startFolder)> choosePicture;
  std::function<bool(QColor& colour)> chooseColour;

  // The buttons.
  void btnOKClick();
  void btnApplyClick();
  void btnCancelClick();
  void btnWinningPreviewClick();
  void btnAdvancedClick();
  void btnPointersClick();

  // What the preview loop of the main window reads.
  bool PreviewRequested() const { return previewRequested_; }
  void ClearPreviewRequest() { previewRequested_ = false; }
  std::string WinningAnimationName() const;
  int WinningAnimationSeconds() const;
  int SliderSpeed() const;

  // The look pages.
  void ChooseCard(int index);  // 0-5 in the order shown, as a click on it
  int MarkedCard() const { return marked_; }
  std::string CardChoice() const { return cardChoice_; }
  void SelectBack(int state);
  void SelectBackground(int state, const std::string& caption = {});
  int SelectedBackgroundState() const;
  void AddCustomBackground();
  void DeleteCustomBackground();
  QTreeWidgetItem* BackgroundItem(int state, const std::string& caption = {}) const;
  const QImage& CardSample() const { return cardSample_; }
  const QImage& DeckSample() const { return deckSample_; }
  const QImage& BackgroundPreview() const { return backgroundPreview_; }
  // The pictures the dialog cut for its card choices: the Queen of hearts of each.
  const QImage& ChoicePicture(int index) const { return choicePictures_[static_cast<std::size_t>(index)]; }

  // The sound tree.
  bool SoundEnabled(int state) const;
  void SelectSound(int state);
  // The spin buttons of the winning time, one step up or down.
  void StepWinningTime(int steps);
  const AdvancedValues& Advanced() const { return advanced_; }
  int CursorNumber() const { return cursor_; }

 protected:
  void showEvent(QShowEvent* event) override;
  // A card-effect check box that gets the focus shows its effect.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Every way of closing ends here: the look is put back or kept, and the
  // table drawn again.
  void done(int result) override;

 private:
  void BuildGeneralPage();
  void BuildCardsPage();
  void BuildDecksPage();
  void BuildBackgroundsPage();
  void BuildAnimationsPage();
  void BuildSoundsPage();
  // The check boxes that stand for a "Y"/"N" preference each, in the order of their table.
  std::array<QCheckBox*, 21> SwitchBoxes() const;
  void LoadDialogValues();
  void LoadLookPages();
  void TabbedNotebook1Change(int page);
  void ApplyLook();
  void FormClose();
  LookChoice Choice() const;
  QIcon TreeIcon(const char* name) const;

  // The look pages.
  void BuildCardSamples();
  void DrawCardSample(bool scroll);
  void DrawBackSample();
  void PreviewBackground();
  void PaintSampleBackgrounds(bool cardsOnly);
  void PaintColour(QImage& image, int colour) const;
  void SetBackgroundButtons(int state);
  void RebuildCustomBackgrounds();
  void trvBackGroundChange();
  void ShowPicture(QLabel* label, const QImage& image);

  // The Animations and Sounds pages.
  void EffectPreview(int page);
  void cboWinningAnimChange();
  void edtWinningTimeChange();
  void UpdateSoundButtons();
  void chkSoundsEnabledClick();
  void SetSoundEnabled(QTreeWidgetItem* item, bool enabled);

  CustomizeContext c_;
  int page_;
  bool firstShowing_ = true;
  bool revertOnClose_ = false;
  bool previewRequested_ = false;
  bool closing_ = false;
  LookSnapshot snapshot_;
  std::string sizeAtLoading_;
  AdvancedValues advanced_;
  int cursor_ = 10;
  int winningTime_ = 30;
  bool fadeAllowed_ = true;
  std::string cardChoice_;
  int marked_ = -1;
  int customColour_ = 0;
  QString lastPictureFolder_;
  bool samplesBuilt_ = false;
  // Per choice: the 8, 9, 10, Jack, Queen and King of hearts.
  std::array<std::array<QImage, 6>, 6> samples_;
  std::array<QImage, 6> choicePictures_;
  QImage cardSampleBase_, cardSample_, deckSampleBase_, deckSample_, backgroundPreview_;
  QIcon soundIcon_;

  QTabWidget* TabbedNotebook1;
  QPushButton *btnOK, *btnCancel, *btnApply, *btnHelp;
  // General.
  QCheckBox *chkTBLargeIcons, *chkTBFlatBtn, *chkShowToolTips, *chkShowTime, *chkShowScore, *chkVertScrollBar,
      *chkPilesSize, *chkMainPopupMenu, *chkRightFoundations, *chkRightTableaus, *chkDoubleFoundations,
      *chkDoubleTableaus;
  // Cards, Decks, Backgrounds.
  QScrollArea* scbCards;
  QWidget* cardChoices_;
  QLabel *imgCardSample, *imgDeckSample, *lblDeckCaption, *imgBackground, *lblBackgroundCaption;
  QCheckBox *chkRandomCard, *chkRandomDeck, *chkRandomBackground, *chkFadeBackground;
  QCheckBox* chkDealWinnable;
  QTreeWidget *trvCardBack, *trvBackGround;
  QPushButton *btnColore, *btnCustomizedBackgounds;
  QMenu* mnuBackground;
  // Animations.
  QCheckBox *chkAutomaticFaceUp, *chkRedealAnimation, *chkDealAnimation, *chkShadowed, *chkIrregularPiles, *chkAnimated;
  QSlider* trbSpeed;
  QStackedWidget* nbkTruePlay;
  QLabel *imgShadow, *imgIrregularPiles;
  C_TBitmapAnimated *Animated_Yes, *Animated_No;
  QComboBox* cboWinningAnim;
  QLineEdit* edtWinningTime;
  QToolButton *spnWinningTimeUp, *spnWinningTimeDown;
  int spinPosition_ = 30;
  QPushButton* btnWinningPreview;
  // Sounds.
  QTreeWidget* trvSounds;
  QPushButton *btnSounds_Add, *btnSounds_Delete, *btnSounds_Go, *btnSounds_Stop;
  QCheckBox* chkSoundsEnabled;

  friend class CardChoiceBox;
};

}  // namespace cardoria
