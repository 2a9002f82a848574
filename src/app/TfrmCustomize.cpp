#include "app/TfrmCustomize.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/C_TBitmapAnimated.h"
#include "app/HelpWindow.h"
#include "app/Preferences.h"
#include "app/TfrmPointers.h"
#include "core/Session.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "table/qt/CardImages.h"

namespace cardoria {

namespace {

QCheckBox* Check(QLayout* layout, const char* name, const char* caption) {
  auto* box = new QCheckBox(QString::fromLatin1(caption));
  box->setObjectName(QString::fromLatin1(name));
  layout->addWidget(box);
  return box;
}

QPushButton* Button(const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromLatin1(caption));
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

struct WaitCursor {
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

const char* YN(bool on) { return on ? "Y" : "N"; }

int StateOf(const QTreeWidgetItem* item) { return item ? item->data(0, Qt::UserRole).toInt() : 0; }

// A check box and its preference: "Y" on, "N" off; `notN` checks it for any
// value but "N", else only for "Y".
struct Switch {
  const char* key;
  int position;  // 0: the settings file only
  bool notN;
  const char* fileDefault;
};

}  // namespace

TfrmCustomize::TfrmCustomize(CustomizeContext context, int page, QWidget* parent)
    : QDialog(parent), c_(context), page_(page) {
  setObjectName(QStringLiteral("frmCustomize"));
  setWindowTitle(QStringLiteral("Customize"));
  choosePicture = [this](const QString& start) {
    return QFileDialog::getOpenFileName(this, QStringLiteral("Open"), start, QStringLiteral("Bitmaps (*.bmp)"));
  };
  chooseColour = [this](QColor& colour) {
    const QColor chosen = QColorDialog::getColor(colour, this);
    if (!chosen.isValid()) return false;
    colour = chosen;
    return true;
  };
  TabbedNotebook1 = new QTabWidget;
  TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
  BuildGeneralPage();
  BuildCardsPage();
  BuildDecksPage();
  BuildBackgroundsPage();
  BuildAnimationsPage();
  BuildSoundsPage();
  connect(TabbedNotebook1, &QTabWidget::currentChanged, this, &TfrmCustomize::TabbedNotebook1Change);

  btnOK = Button("btnOK", "OK");
  btnOK->setDefault(true);
  btnCancel = Button("btnCancel", "Cancel");
  btnApply = Button("btnApply", "Appl&y");
  btnHelp = Button("btnHelp", "&?");
  connect(btnOK, &QPushButton::clicked, this, &TfrmCustomize::btnOKClick);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmCustomize::btnCancelClick);
  connect(btnApply, &QPushButton::clicked, this, &TfrmCustomize::btnApplyClick);
  connect(btnHelp, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, c_.session, 1019); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {btnOK, btnCancel, btnApply, btnHelp}) buttons->addWidget(button);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(TabbedNotebook1);
  layout->addLayout(buttons);
}

TfrmCustomize::~TfrmCustomize() = default;

void TfrmCustomize::BuildGeneralPage() {
  auto* page = new QWidget;
  auto* layout = new QGridLayout(page);
  auto* toolbar = new QGroupBox(QStringLiteral("Toolbar "));
  auto* toolbarLayout = new QVBoxLayout(toolbar);
  chkTBLargeIcons = Check(toolbarLayout, "chkTBLargeIcons", "&Large buttons");
  chkTBFlatBtn = Check(toolbarLayout, "chkTBFlatBtn", "&Flat buttons");
  chkShowToolTips = Check(toolbarLayout, "chkShowToolTips", "Sho&w ToolTips");
  chkShowTime = Check(toolbarLayout, "chkShowTime", "Show tim&e");
  chkShowScore = Check(toolbarLayout, "chkShowScore", "S&how score");
  layout->addWidget(toolbar, 0, 0);
  auto* table = new QGroupBox(QStringLiteral("Play area "));
  auto* tableLayout = new QVBoxLayout(table);
  chkVertScrollBar = Check(tableLayout, "chkVertScrollBar", "Vertic&al Scroll bar");
  chkPilesSize = Check(tableLayout, "chkPilesSize", "P&iles size after the pointer");
  chkMainPopupMenu = Check(tableLayout, "chkMainPopupMenu", "Popup menu in main play a&rea");
  layout->addWidget(table, 1, 0);
  auto* right = new QGroupBox(QStringLiteral("Right click "));
  auto* rightLayout = new QVBoxLayout(right);
  chkRightFoundations = Check(rightLayout, "chkRightFoundations", "&Move cards to the foundations");
  chkRightTableaus = Check(rightLayout, "chkRightTableaus", "M&ove cards to the tableau piles");
  layout->addWidget(right, 0, 1);
  auto* twice = new QGroupBox(QStringLiteral("Double click "));
  auto* twiceLayout = new QVBoxLayout(twice);
  chkDoubleFoundations = Check(twiceLayout, "chkDoubleFoundations", "Move cards to the fou&ndations");
  chkDoubleTableaus = Check(twiceLayout, "chkDoubleTableaus", "Move cards to the tablea&u piles");
  layout->addWidget(twice, 1, 1);
  auto* deals = new QGroupBox(QStringLiteral("Deals "));
  auto* dealsLayout = new QVBoxLayout(deals);
  chkDealWinnable = Check(dealsLayout, "chkDealWinnable", "Deal only winnable game&s");
  layout->addWidget(deals, 2, 0, 1, 2);
  auto* buttons = new QHBoxLayout;
  QPushButton* pointers = Button("btnPointers", "  &Pointers...");
  QPushButton* clear = Button("btnClearValues", "Clear &values...");
  QPushButton* advanced = Button("btnAdvanced", "A&dvanced...");
  for (QPushButton* button : {pointers, clear, advanced}) buttons->addWidget(button);
  layout->addLayout(buttons, 3, 0, 1, 2);
  layout->setRowStretch(4, 1);
  connect(pointers, &QPushButton::clicked, this, &TfrmCustomize::btnPointersClick);
  connect(clear, &QPushButton::clicked, this, [this] { c_.host.OpenClearValues(this); });
  connect(advanced, &QPushButton::clicked, this, &TfrmCustomize::btnAdvancedClick);
  TabbedNotebook1->addTab(page, QStringLiteral("&General"));
}

void TfrmCustomize::BuildAnimationsPage() {
  auto* page = new QWidget;
  auto* layout = new QGridLayout(page);
  auto* effects = new QGroupBox(QStringLiteral("Card effects "));
  auto* effectsLayout = new QVBoxLayout(effects);
  chkAutomaticFaceUp = Check(effectsLayout, "chkAutomaticFaceUp", "&Automatic face-up tableau cards");
  chkRedealAnimation = Check(effectsLayout, "chkRedealAnimation", "&Redeal animation");
  chkDealAnimation = Check(effectsLayout, "chkDealAnimation", "D&eal animation");
  chkShadowed = Check(effectsLayout, "chkShadowed", "S&hadowed");
  chkIrregularPiles = Check(effectsLayout, "chkIrregularPiles", "&Irregular piles");
  chkAnimated = Check(effectsLayout, "chkAnimated", "A&nimated");
  layout->addWidget(effects, 0, 0);

  auto* preview = new QGroupBox(QStringLiteral("Card effects preview"));
  auto* previewLayout = new QVBoxLayout(preview);
  nbkTruePlay = new QStackedWidget;
  nbkTruePlay->setObjectName(QStringLiteral("nbkTruePlay"));
  imgShadow = new QLabel;
  imgShadow->setObjectName(QStringLiteral("imgShadow"));
  auto* animated = new QWidget;
  Animated_Yes = new C_TBitmapAnimated(animated);
  Animated_Yes->setObjectName(QStringLiteral("Animated_Yes"));
  Animated_No = new C_TBitmapAnimated(animated);
  Animated_No->setObjectName(QStringLiteral("Animated_No"));
  for (C_TBitmapAnimated* strip : {Animated_Yes, Animated_No}) {
    strip->resize(80, 60);
    strip->SetTransparentColor(0xFF0000);  // red
    strip->move(10, 10);
  }
  if (c_.session.resources) {
    Animated_Yes->SetBitMap(LibraryImage(*c_.session.resources, "Animated_Yes"));
    Animated_No->SetBitMap(LibraryImage(*c_.session.resources, "Animated_No"));
  }
  Animated_Yes->SetFrameCount(12);
  Animated_Yes->SetInterval(100);
  Animated_No->SetFrameCount(2);
  Animated_No->SetInterval(500);
  imgIrregularPiles = new QLabel;
  imgIrregularPiles->setObjectName(QStringLiteral("imgIrregularPiles"));
  nbkTruePlay->addWidget(imgShadow);
  nbkTruePlay->addWidget(animated);
  nbkTruePlay->addWidget(imgIrregularPiles);
  nbkTruePlay->setFixedSize(120, 90);
  previewLayout->addWidget(nbkTruePlay);
  layout->addWidget(preview, 0, 1);
  connect(chkShadowed, &QCheckBox::clicked, this, [this] { EffectPreview(0); });
  connect(chkAnimated, &QCheckBox::clicked, this, [this] { EffectPreview(1); });
  connect(chkIrregularPiles, &QCheckBox::clicked, this, [this] { EffectPreview(2); });
  // Getting the focus shows the effect as a click does.
  chkShadowed->installEventFilter(this);
  chkAnimated->installEventFilter(this);
  chkIrregularPiles->installEventFilter(this);

  auto* speed = new QGroupBox(QStringLiteral("Card speed"));
  auto* speedLayout = new QHBoxLayout(speed);
  trbSpeed = new QSlider(Qt::Horizontal);
  trbSpeed->setObjectName(QStringLiteral("trbSpeed"));
  trbSpeed->setRange(1, 5);
  trbSpeed->setPageStep(1);
  trbSpeed->setTickPosition(QSlider::TicksBelow);
  speedLayout->addWidget(new QLabel(QStringLiteral("Slow")));
  speedLayout->addWidget(trbSpeed);
  speedLayout->addWidget(new QLabel(QStringLiteral("Fast")));
  layout->addWidget(speed, 1, 0, 1, 2);

  auto* winning = new QGroupBox(QStringLiteral("Winning animations "));
  auto* winningLayout = new QHBoxLayout(winning);
  cboWinningAnim = new QComboBox;
  cboWinningAnim->setObjectName(QStringLiteral("cboWinningAnim"));
  edtWinningTime = new QLineEdit;
  edtWinningTime->setObjectName(QStringLiteral("edtWinningTime"));
  edtWinningTime->setReadOnly(true);
  edtWinningTime->setFixedWidth(45);
  auto* spin = new QWidget;
  spin->setObjectName(QStringLiteral("spnWinningTime"));
  auto* spinLayout = new QVBoxLayout(spin);
  spinLayout->setContentsMargins(0, 0, 0, 0);
  spinLayout->setSpacing(0);
  spnWinningTimeUp = new QToolButton;
  spnWinningTimeUp->setObjectName(QStringLiteral("spnWinningTimeUp"));
  spnWinningTimeUp->setArrowType(Qt::UpArrow);
  spnWinningTimeDown = new QToolButton;
  spnWinningTimeDown->setObjectName(QStringLiteral("spnWinningTimeDown"));
  spnWinningTimeDown->setArrowType(Qt::DownArrow);
  for (QToolButton* arrow : {spnWinningTimeUp, spnWinningTimeDown}) {
    arrow->setFixedSize(16, 11);
    arrow->setAutoRepeat(true);
    spinLayout->addWidget(arrow);
  }
  btnWinningPreview = Button("btnWinningPreview", "Pre&view");
  winningLayout->addWidget(cboWinningAnim);
  winningLayout->addWidget(edtWinningTime);
  winningLayout->addWidget(spin);
  winningLayout->addWidget(new QLabel(QStringLiteral("seconds")));
  winningLayout->addWidget(btnWinningPreview);
  winningLayout->addStretch();
  layout->addWidget(winning, 2, 0, 1, 2);
  layout->setRowStretch(3, 1);
  connect(spnWinningTimeUp, &QToolButton::clicked, this, [this] { StepWinningTime(1); });
  connect(spnWinningTimeDown, &QToolButton::clicked, this, [this] { StepWinningTime(-1); });
  connect(edtWinningTime, &QLineEdit::textChanged, this, &TfrmCustomize::edtWinningTimeChange);
  connect(cboWinningAnim, &QComboBox::currentIndexChanged, this, &TfrmCustomize::cboWinningAnimChange);
  connect(btnWinningPreview, &QPushButton::clicked, this, &TfrmCustomize::btnWinningPreviewClick);
  TabbedNotebook1->addTab(page, QStringLiteral("Anima&tions"));
}

void TfrmCustomize::BuildSoundsPage() {
  auto* page = new QWidget;
  auto* layout = new QGridLayout(page);
  layout->addWidget(new QLabel(QStringLiteral("Events:")), 0, 0);
  trvSounds = new QTreeWidget;
  trvSounds->setObjectName(QStringLiteral("trvSounds"));
  trvSounds->setHeaderHidden(true);
  // An enabled entry shows a small speaker; a disabled one shows nothing.
  QPixmap speaker(16, 16);
  speaker.fill(Qt::transparent);
  {
    QPainter painter(&speaker);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 120, 60));
    painter.drawRect(2, 6, 4, 5);
    painter.drawPolygon(QPolygon({QPoint(6, 6), QPoint(11, 2), QPoint(11, 15), QPoint(6, 11)}));
    painter.setPen(QPen(QColor(30, 120, 60), 1.2));
    painter.drawArc(QRect(9, 4, 6, 9), -60 * 16, 120 * 16);
  }
  soundIcon_ = QIcon(speaker);
  const QIcon heading = TreeIcon("TREE1");
  for (const char* title : kSoundHeadings) {
    auto* top = new QTreeWidgetItem(trvSounds, {QString::fromLatin1(title)});
    top->setData(0, Qt::UserRole, -1);
    top->setIcon(0, heading);
    for (const SoundEntry* entry : SoundEntriesUnder(title)) {
      auto* item = new QTreeWidgetItem(top, {QString::fromLatin1(entry->caption)});
      item->setData(0, Qt::UserRole, entry->state);
      SetSoundEnabled(item, true);
    }
    top->setExpanded(true);
  }
  layout->addWidget(trvSounds, 1, 0, 4, 1);
  btnSounds_Add = Button("btnSounds_Add", "E&nable this sound");
  btnSounds_Delete = Button("btnSounds_Delete", "D&isable this sound");
  layout->addWidget(btnSounds_Add, 1, 1);
  layout->addWidget(btnSounds_Delete, 2, 1);
  auto* preview = new QHBoxLayout;
  preview->addWidget(new QLabel(QStringLiteral("Preview:")));
  btnSounds_Go = Button("btnSounds_Go", "");
  btnSounds_Go->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
  btnSounds_Go->setToolTip(QStringLiteral("Play sound"));
  btnSounds_Stop = Button("btnSounds_Stop", "");
  btnSounds_Stop->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
  btnSounds_Stop->setToolTip(QStringLiteral("Stop sound"));
  preview->addWidget(btnSounds_Go);
  preview->addWidget(btnSounds_Stop);
  preview->addStretch();
  layout->addLayout(preview, 3, 1);
  chkSoundsEnabled = new QCheckBox(QStringLiteral("&Disable all sounds"));
  chkSoundsEnabled->setObjectName(QStringLiteral("chkSoundsEnabled"));
  layout->addWidget(chkSoundsEnabled, 5, 0, 1, 2);
  layout->setColumnStretch(0, 1);
  layout->setRowStretch(4, 1);

  connect(trvSounds, &QTreeWidget::currentItemChanged, this, &TfrmCustomize::UpdateSoundButtons);
  connect(trvSounds, &QTreeWidget::itemClicked, this, &TfrmCustomize::UpdateSoundButtons);
  connect(btnSounds_Add, &QPushButton::clicked, this, [this] {
    SetSoundEnabled(trvSounds->currentItem(), true);
    UpdateSoundButtons();
  });
  connect(btnSounds_Delete, &QPushButton::clicked, this, [this] {
    SetSoundEnabled(trvSounds->currentItem(), false);
    UpdateSoundButtons();
  });
  connect(btnSounds_Go, &QPushButton::clicked, this, [this] {
    const int state = trvSounds->currentItem() ? trvSounds->currentItem()->data(0, Qt::UserRole).toInt() : 0;
    // The test plays under the stored master switch, whatever the check box shows.
    if (state <= 0 || c_.session.store.Get(pos::kSoundsEnabled, 1) != "Y") return;
    c_.host.PlayTestSound(kSoundEntries[static_cast<std::size_t>(state - 1)].testSound);
  });
  connect(btnSounds_Stop, &QPushButton::clicked, this, [this] {
    if (c_.session.store.Get(pos::kSoundsEnabled, 1) == "Y") c_.host.StopTestSound();
  });
  connect(chkSoundsEnabled, &QCheckBox::clicked, this, &TfrmCustomize::chkSoundsEnabledClick);
  TabbedNotebook1->addTab(page, QStringLiteral(" &Sounds "));
}

void TfrmCustomize::SetSoundEnabled(QTreeWidgetItem* item, bool enabled) {
  if (!item || item->data(0, Qt::UserRole).toInt() <= 0) return;
  item->setData(0, Qt::UserRole + 1, enabled);
  item->setIcon(0, enabled ? soundIcon_ : QIcon());
}

bool TfrmCustomize::SoundEnabled(int state) const {
  for (QTreeWidgetItemIterator it(trvSounds); *it; ++it)
    if ((*it)->data(0, Qt::UserRole).toInt() == state) return (*it)->data(0, Qt::UserRole + 1).toBool();
  return false;
}

void TfrmCustomize::SelectSound(int state) {
  for (QTreeWidgetItemIterator it(trvSounds); *it; ++it)
    if ((*it)->data(0, Qt::UserRole).toInt() == state) trvSounds->setCurrentItem(*it);
  UpdateSoundButtons();
}

void TfrmCustomize::UpdateSoundButtons() {
  QTreeWidgetItem* item = trvSounds->currentItem();
  const bool entry = item && item->data(0, Qt::UserRole).toInt() > 0 && trvSounds->isEnabled();
  const bool enabled = entry && item->data(0, Qt::UserRole + 1).toBool();
  btnSounds_Add->setEnabled(entry && !enabled);
  btnSounds_Delete->setEnabled(entry && enabled);
  btnSounds_Go->setEnabled(entry);
  btnSounds_Stop->setEnabled(entry);
}

void TfrmCustomize::chkSoundsEnabledClick() {
  const bool off = chkSoundsEnabled->isChecked();
  for (QTreeWidgetItemIterator it(trvSounds); *it; ++it) SetSoundEnabled(*it, !off);
  trvSounds->setEnabled(!off);
  UpdateSoundButtons();
}

void TfrmCustomize::EffectPreview(int page) {
  nbkTruePlay->setCurrentIndex(page);
  const Session& s = c_.session;
  auto picture = [&](const char* name) { return s.resources ? LibraryImage(*s.resources, name) : QImage(); };
  if (page == 0) {
    imgShadow->setPixmap(
        QPixmap::fromImage(picture(chkShadowed->isChecked() ? "CARD_WITH_SHADOW" : "CARD_WITHOUT_SHADOW")));
  } else if (page == 1) {
    const bool on = chkAnimated->isChecked();
    Animated_Yes->setVisible(on);
    Animated_Yes->SetPlay(on);
    Animated_No->setVisible(!on);
    Animated_No->SetPlay(!on);
  } else {
    imgIrregularPiles->setPixmap(
        QPixmap::fromImage(picture(chkIrregularPiles->isChecked() ? "CARD_IRR_PILES_YES" : "CARD_IRR_PILES_NO")));
  }
}

bool TfrmCustomize::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (watched == chkShadowed) EffectPreview(0);
    if (watched == chkAnimated) EffectPreview(1);
    if (watched == chkIrregularPiles) EffectPreview(2);
  }
  return QDialog::eventFilter(watched, event);
}

void TfrmCustomize::StepWinningTime(int steps) {
  spinPosition_ = std::clamp(spinPosition_ + 10 * steps, 0, 990);
  edtWinningTime->setText(QString::number(spinPosition_));
}

void TfrmCustomize::edtWinningTimeChange() {
  // No time at all would end the animation before it shows anything.
  if (edtWinningTime->text() == QLatin1String("0")) edtWinningTime->setText(QStringLiteral("10"));
}

void TfrmCustomize::cboWinningAnimChange() {
  const bool none = cboWinningAnim->currentText() == QLatin1String("(None)");
  for (QWidget* widget : {static_cast<QWidget*>(btnWinningPreview), static_cast<QWidget*>(edtWinningTime),
                          static_cast<QWidget*>(spnWinningTimeUp), static_cast<QWidget*>(spnWinningTimeDown)})
    widget->setEnabled(!none);
}

std::string TfrmCustomize::WinningAnimationName() const { return cboWinningAnim->currentText().toStdString(); }

int TfrmCustomize::WinningAnimationSeconds() const {
  bool ok = false;
  const int seconds = edtWinningTime->text().toInt(&ok);
  return ok ? seconds : 30;
}

int TfrmCustomize::SliderSpeed() const { return SpeedOfSlider(trbSpeed->value()); }

namespace {

// Every check box with its preference, in the order "OK" writes them.
const Switch kSwitches[] = {
    {"ToolBar_Large", 0, false, "N"},
    {"ToolBar_Flat", 0, false, "Y"},
    {"Show_ToolTips", pos::kShowToolTips, false, ""},
    {"Show_Time", pos::kShowTime, true, ""},
    {"Show_Score", pos::kShowScore, true, ""},
    {"VertScrollBar", pos::kVertScrollBar, false, ""},
    {"ShowPilesSize", pos::kShowPilesSize, false, ""},
    {"Show_Main_PopUp_Menu", 253, false, ""},
    {"RightClick_To_Foundations", 247, true, ""},
    {"RightClick_To_Tableaus", 248, true, ""},
    {"DoubleClick_To_Foundations", 249, true, ""},
    {"DoubleClick_To_Tableaus", 251, true, ""},
    {"Random_Card", pos::kRandomCard, true, ""},
    {"Random_Deck", pos::kRandomDeck, true, ""},
    {"Random_Background", pos::kRandomBackground, true, ""},
    {"Automatic_FaceUp", pos::kAutomaticFaceUp, true, ""},
    {"Redeal_Animation", 242, true, ""},
    {"Deal_Animation", 241, true, ""},
    {"Cards_Shadowed", pos::kCardsShadowed, true, ""},
    {"Cards_Animate", pos::kCardsAnimate, true, ""},
    {"Deal_Winnable", 0, false, "N"},
};

}  // namespace

static_assert(std::size(kSwitches) == 21, "one check box for each switch");

std::array<QCheckBox*, 21> TfrmCustomize::SwitchBoxes() const {
  return {chkTBLargeIcons,      chkTBFlatBtn,       chkShowToolTips,  chkShowTime,         chkShowScore,
          chkVertScrollBar,     chkPilesSize,       chkMainPopupMenu, chkRightFoundations, chkRightTableaus,
          chkDoubleFoundations, chkDoubleTableaus,  chkRandomCard,    chkRandomDeck,       chkRandomBackground,
          chkAutomaticFaceUp,   chkRedealAnimation, chkDealAnimation, chkShadowed,         chkAnimated,
          chkDealWinnable};
}

void TfrmCustomize::LoadDialogValues() {
  Session& s = c_.session;
  const TextStore& store = s.store;
  const IniProfile& file = s.settings;
  auto fileValue = [&](const char* key, const char* fallback) {
    return file.ReadString(kPreferenceSection, key, fallback);
  };
  const auto boxes = SwitchBoxes();
  for (std::size_t i = 0; i < std::size(kSwitches); ++i) {
    const Switch& sw = kSwitches[i];
    const std::string value = sw.position == 0 ? fileValue(sw.key, sw.fileDefault) : store.Get(sw.position, 1);
    boxes[i]->setChecked(sw.notN ? value != "N" : value == "Y");
  }
  chkFadeBackground->setChecked(store.Get(pos::kFadeBackground, 1) == "Y");
  chkIrregularPiles->setChecked(store.Get(179, 1) != "N");

  auto firstIsNotN = [&](const char* key) {
    const std::string value = fileValue(key, "N");
    return !value.empty() && value[0] != 'N';
  };
  advanced_.confirmOnExit = firstIsNotN("ConfirmQuit");
  advanced_.confirmQuitGame = store.Get(185, 1) != "N";
  advanced_.confirmEnterHiScores = store.Get(186, 1) != "N";
  advanced_.tipsAtStart = firstIsNotN("Tips_StartUp");
  const std::string undo = store.Get(pos::kUndoEnabled, 1);
  advanced_.undoLevel = undo == "2" ? 2 : undo == "1" ? 1 : 0;
  advanced_.holdAndExitMessage = firstIsNotN("ConfirmSaveAndExit");
  advanced_.holdAndExitType = file.ReadInt(kPreferenceSection, "ConfirmSaveAndExitType", 0) == 1 ? 1 : 0;

  cboWinningAnim->blockSignals(true);
  cboWinningAnim->clear();
  for (const char* name : kWinningAnimations) cboWinningAnim->addItem(QString::fromLatin1(name));
  const QString animation = QString::fromStdString(fileValue("Winning_Animations", "(Random)"));
  const int index = cboWinningAnim->findText(animation, Qt::MatchFixedString);
  cboWinningAnim->setCurrentIndex(index >= 0 ? index : 0);
  cboWinningAnim->blockSignals(false);
  winningTime_ = file.ReadInt(kPreferenceSection, "Winning_Animations_Time", 30);
  spinPosition_ = std::clamp(winningTime_, 0, 990);
  edtWinningTime->setText(QString::number(winningTime_));
  cboWinningAnimChange();

  cursor_ = store.GetInt(pos::kCursor, 2);
  revertOnClose_ = true;
  snapshot_ = TakeLookSnapshot(store);
  sizeAtLoading_ = store.Get(pos::kCardSize, 1);
  LoadLookPages();

  chkSoundsEnabled->setChecked(store.Get(pos::kSoundsEnabled, 1) != "Y");
  chkSoundsEnabledClick();
  EffectPreview(0);
  trbSpeed->setValue(SliderOfSpeed(store.GetInt(pos::kSpeedMoveCard, 2)));
  for (QTreeWidgetItemIterator it(trvSounds); *it; ++it) {
    const int state = (*it)->data(0, Qt::UserRole).toInt();
    if (state > 0)
      SetSoundEnabled(*it, store.Get(kSoundEntries[static_cast<std::size_t>(state - 1)].position, 1) == "Y");
  }
  UpdateSoundButtons();
}

void TfrmCustomize::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!firstShowing_) return;
  firstShowing_ = false;
  {
    WaitCursor wait;
    LoadDialogValues();
  }
  const int page = std::clamp(page_, 0, 3);
  if (TabbedNotebook1->currentIndex() == page) {
    TabbedNotebook1Change(page);
  } else {
    TabbedNotebook1->setCurrentIndex(page);
  }
}

void TfrmCustomize::TabbedNotebook1Change(int page) {
  if (firstShowing_) return;
  if (page == kCards && !samplesBuilt_) BuildCardSamples();
  if (page == kCards || page == kDecks || page == kBackgrounds) {
    PaintSampleBackgrounds(false);
    if (page == kDecks && StateOf(trvCardBack->currentItem()) > 0) DrawBackSample();
    DrawCardSample(page == kCards);
  }
}

LookChoice TfrmCustomize::Choice() const {
  LookChoice choice;
  choice.cardChoice = cardChoice_;
  choice.backState = std::max(0, StateOf(trvCardBack->currentItem()));
  choice.backgroundState = SelectedBackgroundState();
  if (trvBackGround->currentItem()) choice.backgroundCaption = trvBackGround->currentItem()->text(0).toStdString();
  choice.customColour = customColour_;
  choice.fade = chkFadeBackground->isChecked();
  choice.irregularPiles = chkIrregularPiles->isChecked();
  return choice;
}

void TfrmCustomize::ApplyLook() {
  WaitCursor wait;
  IniProfile& file = c_.session.settings;
  const bool choose = !revertOnClose_;
  std::string remembered;
  if (choose) {
    // The table's painter reads the player's picture from the settings file.
    remembered = file.ReadString(kPreferenceSection, "Customized_Background", "");
    const std::string path = StoreLook(c_.session, Choice(), FileExists);
    if (path != remembered) file.WriteString(kPreferenceSection, "Customized_Background", path);
  }
  c_.host.ApplyLookToTable();
  if (choose && file.ReadString(kPreferenceSection, "Customized_Background", "") != remembered)
    file.WriteString(kPreferenceSection, "Customized_Background", remembered);
}

void TfrmCustomize::btnApplyClick() {
  WaitCursor wait;
  revertOnClose_ = false;
  ApplyLook();
  revertOnClose_ = true;
}

void TfrmCustomize::btnCancelClick() {
  revertOnClose_ = true;
  reject();
}

void TfrmCustomize::btnWinningPreviewClick() {
  previewRequested_ = true;
  reject();
}

void TfrmCustomize::btnOKClick() {
  Session& s = c_.session;
  TextStore& store = s.store;
  if (cardChoice_.size() >= 4 && cardChoice_[3] == 'M' && sizeAtLoading_ != "M" &&
      !c_.messages.Confirm("You have selected the small sized cards.\rYou will play using a predefined deck set."))
    return;
  revertOnClose_ = false;

  std::vector<std::pair<std::string, std::string>> entries;
  auto put = [&](const char* key, const std::string& value, int position = 0, int width = 1) {
    entries.emplace_back(key, value);
    if (position > 0) store.Set(position, width, value);
  };
  const auto boxes = SwitchBoxes();
  for (std::size_t i = 0; i < std::size(kSwitches); ++i)
    put(kSwitches[i].key, YN(boxes[i]->isChecked()), kSwitches[i].position);

  const LookChoice choice = Choice();
  const std::string customPath = StoreLook(s, choice, FileExists);
  put("Card", std::to_string(store.GetInt(pos::kCard, 3)));
  put("Card_Size", store.Get(pos::kCardSize, 1));
  put("Back_Card", std::to_string(store.GetInt(pos::kBackCard, 3)));
  put("Background_Def", store.Get(pos::kBackgroundDef, 1));
  put("Background_bmp", store.Get(pos::kBackgroundBmp, 4));
  put("Background_Fixed_Col", store.Get(pos::kBackgroundFixedCol, 15));
  put("Background_Col", store.Get(pos::kBackgroundCol, 15));
  put("Customized_Background", customPath);
  put("Fade_Background", store.Get(pos::kFadeBackground, 1));
  put("Piles_TT", store.Get(179, 1));

  put("ConfirmQuit", YN(advanced_.confirmOnExit));
  put("ConfirmQuitGame", YN(advanced_.confirmQuitGame), 185);
  put("ConfirmEnterHiScores", YN(advanced_.confirmEnterHiScores), 186);
  put("Tips_StartUp", YN(advanced_.tipsAtStart));
  put("ConfirmSaveAndExit", YN(advanced_.holdAndExitMessage));
  put("Undo_Enabled", std::to_string(advanced_.undoLevel), pos::kUndoEnabled);
  put("ConfirmSaveAndExitType", std::to_string(advanced_.holdAndExitType));
  put("Winning_Animations", WinningAnimationName());
  put("Winning_Animations_Time", std::to_string(WinningAnimationSeconds()));
  put("Speed_Move_Card", std::to_string(SliderSpeed()), pos::kSpeedMoveCard, 2);
  put("Cursor", std::to_string(cursor_), pos::kCursor, 2);
  for (const SoundEntry& entry : kSoundEntries) put(entry.key, YN(SoundEnabled(entry.state)), entry.position);
  put("Sounds_Enabled", YN(!chkSoundsEnabled->isChecked()), pos::kSoundsEnabled);
  s.settings.WriteStrings(kPreferenceSection, entries);

  s.layout.shadowSize = store.Get(pos::kCardsShadowed, 1) == "Y" ? 9 : 0;
  CustomizeHost::WindowOptions options;
  options.largeToolbar = chkTBLargeIcons->isChecked();
  options.flatButtons = chkTBFlatBtn->isChecked();
  options.showTime = chkShowTime->isChecked();
  options.showScore = chkShowScore->isChecked();
  options.cursor = cursor_;
  c_.host.ApplyWindowOptions(options);
  accept();
}

void TfrmCustomize::done(int result) {
  if (!closing_) {
    closing_ = true;
    FormClose();
    closing_ = false;
  }
  QDialog::done(result);
}

void TfrmCustomize::FormClose() {
  WaitCursor wait;
  hide();
  QApplication::processEvents();
  c_.host.RepaintWindows();
  if (firstShowing_) return;  // never loaded: nothing to put back
  if (revertOnClose_) RestoreLook(c_.session.store, snapshot_);
  ApplyLook();
}

void TfrmCustomize::btnAdvancedClick() {
  std::unique_ptr<TfrmOptionsAdvanced> dialog;
  {
    WaitCursor wait;
    dialog = std::make_unique<TfrmOptionsAdvanced>(c_.session, advanced_, this);
  }
  dialog->exec();
  if (dialog->Confirmed()) advanced_ = dialog->Values();
  c_.host.RepaintWindows();
}

void TfrmCustomize::btnPointersClick() {
  std::unique_ptr<TfrmPointers> dialog;
  {
    WaitCursor wait;
    dialog = std::make_unique<TfrmPointers>(c_.session, cursor_, c_.host.PointerCursors(), this);
  }
  dialog->exec();
  if (dialog->Confirmed()) cursor_ = dialog->Cursor();
}

}  // namespace cardoria
