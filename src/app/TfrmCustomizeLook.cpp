// The look pages of the options dialog: card set and size, back, background,
// each with a sample drawn on the background chosen at that moment.

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/TfrmCustomize.h"
#include "art/CardArt.h"
#include "core/Session.h"
#include "core/TextHelpers.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "platform/Screen.h"
#include "table/qt/CardImages.h"
#include "table/qt/TableRenderer.h"

namespace cardoria {

namespace {

constexpr int kSampleWidth = 255, kSampleHeight = 235;
// The six choices in the order shown, two per row.
const char* const kCardChoices[6] = {"001B", "002B", "005B", "004B", "003B", "003M"};
constexpr QSize kBigCard(71, 96), kMediumCard(59, 80);
constexpr int kChoiceMargin = 15, kChoiceGap = 25;

QSize ChoiceSize(int index) { return index == 5 ? kMediumCard : kBigCard; }
QRect ChoiceRect(int index) {
  const int column = index % 2, row = index / 2;
  return QRect(QPoint(kChoiceMargin + column * (kBigCard.width() + kChoiceGap),
                      kChoiceMargin + row * (kBigCard.height() + kChoiceGap)),
               ChoiceSize(index));
}

struct WaitCursor {
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// The corner and its two neighbours at each corner of a card.
std::array<QPoint, 12> CornerPixels(int w, int h) {
  return {QPoint(0, 0),     QPoint(1, 0),         QPoint(0, 1),         QPoint(w - 1, 0),
          QPoint(w - 2, 0), QPoint(w - 1, 1),     QPoint(0, h - 1),     QPoint(1, h - 1),
          QPoint(0, h - 2), QPoint(w - 1, h - 1), QPoint(w - 2, h - 1), QPoint(w - 1, h - 2)};
}

// A card copied onto a picture with its corners rounded: the 12 corner
// pixels keep what lies beneath.
void DrawRounded(QImage& target, const QImage& card, int x, int y) {
  if (card.isNull()) return;
  std::array<QRgb, 12> beneath{};
  const auto corners = CornerPixels(card.width(), card.height());
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const QPoint at = corners[i] + QPoint(x, y);
    if (target.rect().contains(at)) beneath[i] = target.pixel(at);
  }
  {
    QPainter painter(&target);
    painter.drawImage(x, y, card);
  }
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const QPoint at = corners[i] + QPoint(x, y);
    if (target.rect().contains(at)) target.setPixel(at, beneath[i]);
  }
}

QTreeWidgetItem* Item(QTreeWidgetItem* parent, const char* caption, int state, const QIcon& icon) {
  auto* item = new QTreeWidgetItem(parent, {QString::fromUtf8(caption)});
  item->setData(0, Qt::UserRole, state);
  item->setIcon(0, icon);
  return item;
}

int StateOf(const QTreeWidgetItem* item) { return item ? item->data(0, Qt::UserRole).toInt() : 0; }

struct TreeEntry {
  const char* caption;
  int state;
};
struct TreeGroup {
  const char* heading;
  int state;
  std::vector<TreeEntry> entries;
};

const std::vector<TreeGroup>& BackGroups() {
  static const std::vector<TreeGroup> groups = {
      {"Animals", 0, {{"Eagle", 18}, {"Horse", 27}, {"Penguin", 24}, {"Tropical fish", 19}}},
      {"Children", 0, {{"Dragon", 4}, {"Flowers", 5}, {"Snowman", 3}, {"Teddy bear", 13}}},
      {"Classics", -1, {{"Classic blue", 7}, {"Classic orange", 9}, {"Classic red", 8}, {"Sun", 10}}},
      {"Flowers", 0, {{"Flower", 15}, {"Roses", 14}}},
      {"Geometric", 0, {{"Plaiting 1", 11}, {"Plaiting 2", 6}, {"Stars", 17}}},
      {"Nature",
       0,
       {{"Clouds", 21}, {"Hills", 26}, {"Lake", 20}, {"Mountains 1", 23}, {"Mountains 2", 25}, {"Sea", 22}}},
      {"Paintings", 0, {{"Africa", 12}, {"Boat", 1}, {"Japanese woman", 16}, {"Magi", 2}}},
  };
  return groups;
}

const std::vector<TreeGroup>& PictureGroups() {
  static const std::vector<TreeGroup> groups = {
      {"Colors fantasy",
       0,
       {{"Fantasy 1", 279}, {"Fantasy 2", 271}, {"Fantasy 3", 283}, {"Petals", 275}, {"Puzzle", 316}}},
      {"Fractal", 0, {{"Fractal 1", 322}, {"Fractal 2", 286}}},
      {"Geometricals", 0, {{"Labyrinth", 278}, {"Zigzag", 276}}},
      {"Marbles", 0, {{"Granite", 262}, {"Marble 1", 263}, {"Marble 2", 261}, {"Marble 3", 260}}},
      {"Metal", 0, {{"Metal blue", 272}, {"Metal gold", 287}, {"Ribbon", 301}}},
      {"Nature",
       0,
       {{"Clouds", 274},
        {"Leaves", 277},
        {"Meadow", 324},
        {"River's stones", 281},
        {"Starry sky", 282},
        {"Water", 257}}},
      {"Others",
       0,
       {{"Bubbles", 265},
        {"Drops", 273},
        {"Floor", 285},
        {"Letters", 284},
        {"Spheres in the sky", 307},
        {"Wax", 299},
        {"Fantasy", 310}}},
      {"Patterns", 0, {{"Pattern 1", 302}, {"Pattern 2", 318}, {"Pattern 3", 319}, {"Pattern 4", 320}}},
      {"Surfaces",
       0,
       {{"Glass", 297},
        {"Surface 1", 264},
        {"Surface 2", 293},
        {"Surface 3", 291},
        {"Surface 4", 290},
        {"Surface 5", 292},
        {"Surface 6", 288},
        {"Surface 7", 295},
        {"Surface 8", 306}}},
      {"Tissue",
       0,
       {{"Carpet", 267},
        {"Cloth", 317},
        {"Jute", 258},
        {"Linen", 268},
        {"Moquette 1", 296},
        {"Moquette 2", 321},
        {"Moquette 3", 266}}},
      {"Paper", 0, {{"Fold paper", 303}, {"Wall-paper", 259}}},
      {"Walls", 0, {{"Brick wall 1", 304}, {"Brick wall 2", 305}, {"Stone wall", 308}}},
      {"Wood",
       0,
       {{"Carved wood", 270},
        {"Cork", 309},
        {"Dark brown 1", 315},
        {"Dark brown 2", 314},
        {"Light 1", 269},
        {"Light 2", 313},
        {"Light brown", 312},
        {"Parquet", 311},
        {"Ply-wood", 289}}},
  };
  return groups;
}

QTreeWidgetItem* FindItem(QTreeWidgetItem* root, int state, const std::string& caption) {
  for (int i = 0; i < root->childCount(); ++i) {
    QTreeWidgetItem* child = root->child(i);
    if (StateOf(child) == state && (caption.empty() || child->text(0).toStdString() == caption)) return child;
    if (QTreeWidgetItem* found = FindItem(child, state, caption)) return found;
  }
  return nullptr;
}

}  // namespace

// The six card choices in their scrolling box: a click marks one.
class CardChoiceBox final : public QWidget {
 public:
  explicit CardChoiceBox(TfrmCustomize& dialog) : dialog_(dialog) {
    setObjectName(QStringLiteral("pnlCards"));
    setFixedSize(2 * kBigCard.width() + kChoiceGap + 2 * kChoiceMargin,
                 3 * kBigCard.height() + 2 * kChoiceGap + 2 * kChoiceMargin);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    for (int i = 0; i < 6; ++i) painter.drawImage(ChoiceRect(i).topLeft(), dialog_.ChoicePicture(i));
    if (dialog_.marked_ < 0) return;
    painter.setPen(QPen(QColor(0, 0, 128), 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(ChoiceRect(dialog_.marked_).adjusted(-5, -5, 5, 5));
  }
  void mousePressEvent(QMouseEvent* event) override {
    for (int i = 0; i < 6; ++i)
      if (ChoiceRect(i).contains(event->position().toPoint())) dialog_.ChooseCard(i);
  }

 private:
  TfrmCustomize& dialog_;
};

QIcon TfrmCustomize::TreeIcon(const char* name) const {
  if (!c_.session.resources) return {};
  QImage image = LibraryImage(*c_.session.resources, name);
  if (image.isNull()) return {};
  // Maroon is the transparent colour of the tree pictures.
  image.setAlphaChannel(
      image.createMaskFromColor(qRgb(128, 0, 0), Qt::MaskOutColor).convertToFormat(QImage::Format_Grayscale8));
  return QIcon(QPixmap::fromImage(image));
}

void TfrmCustomize::ShowPicture(QLabel* label, const QImage& image) { label->setPixmap(QPixmap::fromImage(image)); }

void TfrmCustomize::BuildCardsPage() {
  auto* page = new QWidget;
  auto* layout = new QGridLayout(page);
  layout->addWidget(new QLabel(QStringLiteral("Select a card type:")), 0, 0);
  scbCards = new QScrollArea;
  scbCards->setObjectName(QStringLiteral("scbCards"));
  cardChoices_ = new CardChoiceBox(*this);
  scbCards->setWidget(cardChoices_);
  scbCards->setFixedSize(cardChoices_->width() + 22, kSampleHeight + 20);
  layout->addWidget(scbCards, 1, 0);
  auto* sample = new QGroupBox(QStringLiteral("Sample "));
  auto* sampleLayout = new QVBoxLayout(sample);
  imgCardSample = new QLabel;
  imgCardSample->setObjectName(QStringLiteral("imgCardSample"));
  imgCardSample->setFixedSize(kSampleWidth, kSampleHeight);
  sampleLayout->addWidget(imgCardSample);
  layout->addWidget(sample, 1, 1);
  chkRandomCard = new QCheckBox(QStringLiteral("&Random cards"));
  chkRandomCard->setObjectName(QStringLiteral("chkRandomCard"));
  layout->addWidget(chkRandomCard, 2, 0, 1, 2);
  layout->setRowStretch(3, 1);
  TabbedNotebook1->addTab(page, QStringLiteral("  &Cards  "));
}

void TfrmCustomize::BuildDecksPage() {
  auto* page = new QWidget;
  auto* layout = new QGridLayout(page);
  layout->addWidget(new QLabel(QStringLiteral("Select a card back:")), 0, 0);
  trvCardBack = new QTreeWidget;
  trvCardBack->setObjectName(QStringLiteral("trvCardBack"));
  trvCardBack->setHeaderHidden(true);
  const QIcon heading = TreeIcon("TREE1"), back = TreeIcon("N_TREE3");
  for (const TreeGroup& group : BackGroups()) {
    QTreeWidgetItem* top = Item(trvCardBack->invisibleRootItem(), group.heading, group.state, heading);
    for (const TreeEntry& entry : group.entries) Item(top, entry.caption, entry.state, back);
  }
  trvCardBack->sortItems(0, Qt::AscendingOrder);
  layout->addWidget(trvCardBack, 1, 0);
  auto* sample = new QGroupBox(QStringLiteral("Sample "));
  auto* sampleLayout = new QVBoxLayout(sample);
  lblDeckCaption = new QLabel;
  lblDeckCaption->setObjectName(QStringLiteral("lblDeckCaption"));
  imgDeckSample = new QLabel;
  imgDeckSample->setObjectName(QStringLiteral("imgDeckSample"));
  imgDeckSample->setFixedSize(kSampleWidth, kSampleHeight);
  sampleLayout->addWidget(lblDeckCaption);
  sampleLayout->addWidget(imgDeckSample);
  layout->addWidget(sample, 1, 1);
  chkRandomDeck = new QCheckBox(QStringLiteral("Random &decks"));
  chkRandomDeck->setObjectName(QStringLiteral("chkRandomDeck"));
  layout->addWidget(chkRandomDeck, 2, 0, 1, 2);
  connect(trvCardBack, &QTreeWidget::currentItemChanged, this, [this] {
    // Headings change nothing.
    if (StateOf(trvCardBack->currentItem()) > 0) DrawBackSample();
  });
  TabbedNotebook1->addTab(page, QStringLiteral(" Dec&ks  "));
}

void TfrmCustomize::BuildBackgroundsPage() {
  auto* page = new QWidget;
  auto* layout = new QGridLayout(page);
  layout->addWidget(new QLabel(QStringLiteral("Select a background:")), 0, 0);
  trvBackGround = new QTreeWidget;
  trvBackGround->setObjectName(QStringLiteral("trvBackGround"));
  trvBackGround->setHeaderHidden(true);
  QTreeWidgetItem* root = trvBackGround->invisibleRootItem();
  const QIcon heading = TreeIcon("TREE1"), entry = TreeIcon("N_TREE4");
  Item(root, "Customized", kCustomisedHeading, heading);
  QTreeWidgetItem* colours = Item(root, "Colors", 0, heading);
  Item(colours, "(Custom color)", kCustomColourEntry, entry);
  const TreeEntry fixed[] = {{"Blue", 16711680}, {"Green", 32768},  {"Navy", 8388608},
                             {"Olive", 32896},   {"Teal", 8421376}, {"White", 16777215}};
  for (const TreeEntry& colour : fixed) Item(colours, colour.caption, colour.state, entry);
  QTreeWidgetItem* over = Item(root, "Over 256 colors", 0, heading);
  for (const TreeGroup& group : PictureGroups()) {
    QTreeWidgetItem* sub = Item(over, group.heading, group.state, heading);
    for (const TreeEntry& picture : group.entries) Item(sub, picture.caption, picture.state, entry);
  }
  QTreeWidgetItem* under = Item(root, "Under 256 colors", 0, heading);
  QTreeWidgetItem* geometricals = Item(under, "Geometricals", 0, heading);
  const TreeEntry few[] = {
      {"Cane-brake", 104}, {"Cloth", 103}, {"Moquette", 102}, {"Parquet", 101}, {"Thousand rows", 105}};
  for (const TreeEntry& picture : few) Item(geometricals, picture.caption, picture.state, entry);
  layout->addWidget(trvBackGround, 1, 0, 3, 1);

  auto* preview = new QGroupBox(QStringLiteral("Preview "));
  auto* previewLayout = new QVBoxLayout(preview);
  lblBackgroundCaption = new QLabel;
  lblBackgroundCaption->setObjectName(QStringLiteral("lblBackgroundCaption"));
  imgBackground = new QLabel;
  imgBackground->setObjectName(QStringLiteral("imgBackground"));
  imgBackground->setFixedSize(kSampleWidth, kSampleHeight);
  previewLayout->addWidget(lblBackgroundCaption);
  previewLayout->addWidget(imgBackground);
  layout->addWidget(preview, 1, 1);
  auto* buttons = new QHBoxLayout;
  btnColore = new QPushButton(QStringLiteral("C&olors..."));
  btnColore->setObjectName(QStringLiteral("btnColore"));
  btnCustomizedBackgounds = new QPushButton(QStringLiteral("A&dd a background..."));
  btnCustomizedBackgounds->setObjectName(QStringLiteral("btnCustomizedBackgounds"));
  btnCustomizedBackgounds->setToolTip(QStringLiteral("Add a customized background"));
  buttons->addWidget(btnColore);
  buttons->addWidget(btnCustomizedBackgounds);
  layout->addLayout(buttons, 2, 1);
  chkFadeBackground = new QCheckBox(QStringLiteral("&Fade background"));
  chkFadeBackground->setObjectName(QStringLiteral("chkFadeBackground"));
  chkRandomBackground = new QCheckBox(QStringLiteral("&Random backgrounds"));
  chkRandomBackground->setObjectName(QStringLiteral("chkRandomBackground"));
  auto* checks = new QVBoxLayout;
  checks->addWidget(chkFadeBackground);
  checks->addWidget(chkRandomBackground);
  layout->addLayout(checks, 3, 1);

  mnuBackground = new QMenu(this);
  mnuBackground->setObjectName(QStringLiteral("mnuBackground"));
  QAction* add = mnuBackground->addAction(QStringLiteral("Add a customized background..."));
  add->setObjectName(QStringLiteral("mnuAddCustomizedBackground"));
  QAction* remove = mnuBackground->addAction(QStringLiteral("Delete a customized background"));
  remove->setObjectName(QStringLiteral("mnuDeleteCustomizedBackground"));
  connect(add, &QAction::triggered, this, &TfrmCustomize::AddCustomBackground);
  connect(remove, &QAction::triggered, this, &TfrmCustomize::DeleteCustomBackground);
  trvBackGround->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(trvBackGround, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { mnuBackground->popup(trvBackGround->viewport()->mapToGlobal(at)); });
  connect(trvBackGround, &QTreeWidget::currentItemChanged, this, &TfrmCustomize::trvBackGroundChange);
  connect(trvBackGround, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    const int state = StateOf(item);
    if (state == kCustomisedHeading || state == kCustomisePlaceholder) AddCustomBackground();
  });
  auto* del = new QShortcut(QKeySequence(Qt::Key_Delete), trvBackGround, nullptr, nullptr, Qt::WidgetShortcut);
  connect(del, &QShortcut::activated, this, &TfrmCustomize::DeleteCustomBackground);
  connect(btnCustomizedBackgounds, &QPushButton::clicked, this, &TfrmCustomize::AddCustomBackground);
  connect(chkFadeBackground, &QCheckBox::clicked, this, [this] {
    const int state = SelectedBackgroundState();
    if (state == kCustomColourEntry || IsFixedColour(state)) PreviewBackground();
  });
  connect(btnColore, &QPushButton::clicked, this, [this] {
    QColor colour = PreferenceColour(customColour_);
    if (!chooseColour(colour)) return;
    customColour_ = colour.red() | (colour.green() << 8) | (colour.blue() << 16);
    PreviewBackground();
  });
  TabbedNotebook1->addTab(page, QStringLiteral("&Backgrounds"));
}

void TfrmCustomize::LoadLookPages() {
  Session& s = c_.session;
  const TextStore& store = s.store;
  fadeAllowed_ = c_.screen.Info().colorDepth > 8;
  // The medium choice is only the medium set 3; the big sets are 1 to 5.
  const std::string set = store.Get(pos::kCard, 3), size = store.Get(pos::kCardSize, 1);
  marked_ = -1;
  for (int i = 0; i < 6; ++i)
    if (set + size == kCardChoices[i]) marked_ = i;
  const int colour = store.GetInt(pos::kBackgroundCol, 15);
  customColour_ = colour == 0 ? -2147483633 : colour;
  backgroundPreview_ = QImage(kSampleWidth, kSampleHeight, QImage::Format_RGB32);
  const QColor defaultColour = fadeAllowed_ ? QColor(0, 96, 0) : QColor(0, 128, 0);
  backgroundPreview_.fill(defaultColour);
  if (QTreeWidgetItem* back = FindItem(trvCardBack->invisibleRootItem(), store.GetInt(pos::kBackCard, 3), {});
      back && StateOf(back) > 0)
    trvCardBack->setCurrentItem(back);
  RebuildCustomBackgrounds();
  QTreeWidgetItem* root = trvBackGround->invisibleRootItem();
  const int fixed = store.GetInt(pos::kBackgroundFixedCol, 15), bitmap = store.GetInt(pos::kBackgroundBmp, 4);
  auto select = [&](int state, const std::string& caption) {
    QTreeWidgetItem* item = FindItem(root, state, caption);
    if (item) trvBackGround->setCurrentItem(item);
    return item != nullptr;
  };
  if (store.Get(pos::kCustomizedBackground, 1) == "Y") {
    const std::string caption =
        CustomBackgroundCaption(s.settings.ReadString("Preference", "Customized_Background", ""));
    if (!select(kPlayerPicture, caption)) SetBackgroundButtons(0);
  } else if (store.Get(pos::kBackgroundDef, 1) == "Y") {
    // Nothing selected reads as the default background.
    trvBackGround->setCurrentItem(nullptr);
    SetBackgroundButtons(0);
  } else if (fixed != 0) {
    if (!select(fixed, {})) {
      PaintColour(backgroundPreview_, fixed);
      SetBackgroundButtons(fixed);
    }
  } else if (bitmap != 0) {
    if (!select(bitmap, {})) SetBackgroundButtons(0);
  } else {
    select(kCustomColourEntry, {});
  }
  ShowPicture(imgBackground, backgroundPreview_);
  cardChoice_ = set + size;
}

void TfrmCustomize::ChooseCard(int index) {
  if (index < 0 || index > 5) return;
  marked_ = index;
  PaintSampleBackgrounds(true);
  DrawCardSample(false);
}

void TfrmCustomize::BuildCardSamples() {
  if (samplesBuilt_ || !c_.session.resources) return;
  WaitCursor wait;
  // Cut from the library into the dialog's own pictures: the table's cards
  // stay as they are until the look is applied.
  const QColor face = palette().color(QPalette::Window);
  for (int i = 0; i < 6; ++i) {
    const std::string choice = kCardChoices[i];
    const QSize size = ChoiceSize(i);
    const QImage hearts = LibraryImage(*c_.session.resources, "C" + choice.substr(3, 1) + choice.substr(0, 3) + "H");
    if (hearts.isNull()) continue;
    const int ranks[6] = {7, 8, 9, 10, 11, 12};  // 8, 9, 10, Jack, Queen, King
    for (int k = 0; k < 6; ++k) {
      const int index = ranks[k];
      samples_[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)] =
          hearts.copy((index % 5) * size.width(), (index / 5) * size.height(), size.width(), size.height());
    }
    QImage queen(size, QImage::Format_ARGB32_Premultiplied);
    queen.fill(face);
    DrawRounded(queen, samples_[static_cast<std::size_t>(i)][4], 0, 0);
    for (const QPoint& corner : CornerPixels(size.width(), size.height())) queen.setPixel(corner, face.rgba());
    choicePictures_[static_cast<std::size_t>(i)] = queen;
  }
  samplesBuilt_ = true;
  cardChoices_->update();
  DrawCardSample(true);
}

void TfrmCustomize::DrawCardSample(bool scroll) {
  if (!samplesBuilt_) return;
  cardChoices_->update();
  if (marked_ >= 0) {
    if (scroll) {
      QScrollBar* bar = scbCards->verticalScrollBar();
      int position = std::min(ChoiceRect(marked_).top() - 5, std::max(0, bar->maximum()));
      if (position < 20) position = 0;
      bar->setValue(position);
    }
    cardChoice_ = kCardChoices[marked_];
  }
  cardSample_ = cardSampleBase_.isNull() ? QImage(kSampleWidth, kSampleHeight, QImage::Format_RGB32) : cardSampleBase_;
  if (cardSampleBase_.isNull()) cardSample_.fill(palette().color(QPalette::Window));
  if (marked_ >= 0) {
    const QSize size = ChoiceSize(marked_);
    const int top = marked_ == 5 ? 25 : 10;
    for (int k = 0; k < 6; ++k) {
      const int x = 4 + (k % 3) * (size.width() + 2), y = top + (k / 3) * (size.height() + 2);
      DrawRounded(cardSample_, samples_[static_cast<std::size_t>(marked_)][static_cast<std::size_t>(k)], x, y);
    }
  }
  ShowPicture(imgCardSample, cardSample_);
  chkRandomCard->setEnabled(marked_ != 5);
}

void TfrmCustomize::DrawBackSample() {
  const int state = StateOf(trvCardBack->currentItem());
  if (state <= 0) return;
  WaitCursor wait;
  // The big back whatever size is chosen: it is only a sample.
  const std::string path = c_.session.PathOf("Images\\DB" + ZeroPad(state, 3) + ".bmp");
  QImage back(QString::fromStdString(path));
  if (back.isNull()) {
    // The art code draws every back; the file only saves the drawing.
    back = Back(state, CardSizeOf('B'));
    c_.messages.ShowInfo("The picture " + path +
                         " can not be read. The sample shows the back as the program draws it.");
  }
  if (deckSampleBase_.isNull()) PaintSampleBackgrounds(false);
  deckSample_ = deckSampleBase_;
  DrawRounded(deckSample_, back.convertToFormat(QImage::Format_ARGB32_Premultiplied), 15, 15);
  ShowPicture(imgDeckSample, deckSample_);
  lblDeckCaption->setText(trvCardBack->currentItem()->text(0));
}

void TfrmCustomize::PaintColour(QImage& image, int colour) const {
  PaintColourBackground(image, PreferenceColour(colour), chkFadeBackground->isChecked() && fadeAllowed_);
}

void TfrmCustomize::PreviewBackground() {
  QTreeWidgetItem* item = trvBackGround->currentItem();
  const int state = StateOf(item);
  WaitCursor wait;
  const QColor defaultColour = fadeAllowed_ ? QColor(0, 96, 0) : QColor(0, 128, 0);
  if (state == kCustomColourEntry) {
    PaintColour(backgroundPreview_, customColour_);
  } else if (IsFixedColour(state)) {
    PaintColour(backgroundPreview_, state);
  } else if (IsProgramPicture(state)) {
    const QImage picture(QString::fromStdString(c_.session.PathOf("Images\\B" + ZeroPad(state, 3) + ".bmp")));
    backgroundPreview_.fill(defaultColour);
    if (state < 500) {
      PaintTiledBackground(backgroundPreview_, picture);
    } else if (!picture.isNull()) {
      QPainter(&backgroundPreview_).drawImage(0, 0, picture);
    }
  } else if (state == kPlayerPicture) {
    const std::string path = FindCustomBackgroundPath(item->text(0).toStdString(), FileExists);
    const QImage picture(QString::fromStdString(path));
    if (picture.isNull()) {
      // The preview only: the choice saved in the preferences stays as it is.
      c_.messages.ShowInfo("Customized background image not found: " + path);
      backgroundPreview_.fill(defaultColour);
    } else {
      PaintTiledBackground(backgroundPreview_, picture);
    }
  } else {
    return;
  }
  lblBackgroundCaption->setText(item ? item->text(0) : QString());
  ShowPicture(imgBackground, backgroundPreview_);
  SetBackgroundButtons(state);
}

void TfrmCustomize::trvBackGroundChange() {
  const int state = SelectedBackgroundState();
  if (state > 0 || state == kPlayerPicture) PreviewBackground();
}

void TfrmCustomize::PaintSampleBackgrounds(bool cardsOnly) {
  QImage base(kSampleWidth, kSampleHeight, QImage::Format_RGB32);
  const int state = SelectedBackgroundState();
  if (state == kCustomColourEntry || IsFixedColour(state)) {
    PaintColour(base, state == kCustomColourEntry ? customColour_ : state);
  } else {
    base = backgroundPreview_.copy();
  }
  cardSampleBase_ = base;
  if (!cardsOnly) deckSampleBase_ = base;
}

void TfrmCustomize::SetBackgroundButtons(int state) {
  btnColore->setEnabled(state == kCustomColourEntry);
  chkFadeBackground->setEnabled(fadeAllowed_ && (state == kCustomColourEntry || IsFixedColour(state)));
}

int TfrmCustomize::SelectedBackgroundState() const { return StateOf(trvBackGround->currentItem()); }

QTreeWidgetItem* TfrmCustomize::BackgroundItem(int state, const std::string& caption) const {
  return FindItem(trvBackGround->invisibleRootItem(), state, caption);
}

void TfrmCustomize::SelectBack(int state) {
  if (QTreeWidgetItem* item = FindItem(trvCardBack->invisibleRootItem(), state, {})) trvCardBack->setCurrentItem(item);
}

void TfrmCustomize::SelectBackground(int state, const std::string& caption) {
  if (QTreeWidgetItem* item = BackgroundItem(state, caption)) trvBackGround->setCurrentItem(item);
}

void TfrmCustomize::RebuildCustomBackgrounds() {
  QTreeWidgetItem* heading = nullptr;
  for (int i = 0; i < trvBackGround->topLevelItemCount(); ++i)
    if (StateOf(trvBackGround->topLevelItem(i)) == kCustomisedHeading) heading = trvBackGround->topLevelItem(i);
  if (!heading) {
    c_.messages.ShowInfo("Node not found");
    return;
  }
  // The selection leaves the old children quietly: no preview of what goes.
  trvBackGround->blockSignals(true);
  if (trvBackGround->currentItem() && trvBackGround->currentItem()->parent() == heading)
    trvBackGround->setCurrentItem(heading);
  qDeleteAll(heading->takeChildren());
  trvBackGround->blockSignals(false);
  const std::vector<std::string> captions = ReadCustomBackgrounds(c_.session.settings);
  const QIcon icon = TreeIcon("N_TREE4");
  for (const std::string& caption : captions) Item(heading, caption.c_str(), kPlayerPicture, icon);
  if (captions.empty()) Item(heading, "(Double click to customize)", kCustomisePlaceholder, QIcon());
  heading->setExpanded(true);
}

void TfrmCustomize::AddCustomBackground() {
  const QString start =
      lastPictureFolder_.isEmpty() ? QString::fromStdString(c_.session.programDir) : lastPictureFolder_;
  const QString path = choosePicture(start);
  if (path.isEmpty()) return;
  lastPictureFolder_ = QFileInfo(path).absolutePath();
  const std::string caption = CustomBackgroundCaption(path.toStdString());
  cardoria::AddCustomBackground(c_.session.settings, caption);
  RebuildCustomBackgrounds();
  SelectBackground(kPlayerPicture, caption);
}

void TfrmCustomize::DeleteCustomBackground() {
  QTreeWidgetItem* item = trvBackGround->currentItem();
  if (StateOf(item) != kPlayerPicture) return;
  if (!c_.messages.AskYesNo("Are you sure you want to delete this background?")) return;
  cardoria::DeleteCustomBackground(c_.session.settings, item->text(0).toStdString());
  RebuildCustomBackgrounds();
  if (QTreeWidgetItem* first = BackgroundItem(kPlayerPicture)) {
    trvBackGround->setCurrentItem(first);
  } else {
    // The placeholder reads as the default background: the preview shows it.
    SelectBackground(kCustomisePlaceholder);
    backgroundPreview_.fill(fadeAllowed_ ? QColor(0, 96, 0) : QColor(0, 128, 0));
    ShowPicture(imgBackground, backgroundPreview_);
    lblBackgroundCaption->clear();
    SetBackgroundButtons(0);
  }
}

}  // namespace cardoria
