#include "app/TfrmOpenGame.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStackedLayout>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "app/Favourites.h"
#include "app/HelpWindow.h"
#include "app/Preferences.h"
#include "app/ShowRules.h"
#include "app/TfrmFavorite.h"
#include "core/Catalogue.h"
#include "core/CatalogueFile.h"
#include "core/CustomGames.h"
#include "core/Session.h"
#include "persist/Players.h"
#include "persist/qt/TfrmStatistics.h"
#include "platform/Screen.h"
#include "platform/qt/QtPorts.h"
#include "table/qt/CardImages.h"

namespace cardoria {

namespace {

constexpr int kCodeRole = Qt::UserRole;
// "Game Groups" shares its code with the placeholders: these are marked apart.
constexpr int kPlaceholderRole = Qt::UserRole + 1;
// A game's name where its node shows more than the name.
constexpr int kNameRole = Qt::UserRole + 2;
constexpr const char* kVersion = "4.4";

int CodeOf(const QTreeWidgetItem* item) { return item ? item->data(0, kCodeRole).toInt() : -1; }

int MulDiv(int a, int b, int c) { return static_cast<int>((static_cast<long long>(a) * b + c / 2) / c); }

// The preview background: 256 bands from black at the bottom to green at the top.
QImage Gradient(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  QPainter painter(&image);
  for (int n = 0; n < 256; ++n) {
    const int low = MulDiv(n, height, 256), high = MulDiv(n + 1, height, 256);
    painter.fillRect(QRect(0, height - high, width, high - low), QColor(0, MulDiv(n, 128, 256), 0));
  }
  return image;
}

class WaitCursor {
 public:
  explicit WaitCursor(bool on) : on_(on) {
    if (on_) QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  ~WaitCursor() {
    if (on_) QApplication::restoreOverrideCursor();
  }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  bool on_;
};

}  // namespace

TfrmOpenGame::TfrmOpenGame(StatsContext context, const Screen& screen, OpenGameHooks hooks, QWidget* parent)
    : QDialog(parent), c_(context), screen_(screen), hooks_(std::move(hooks)) {
  setObjectName(QStringLiteral("frmOpenGame"));
  setWindowTitle(QStringLiteral("Open a game"));
  Session& session = c_.session;

  // The image list, with maroon as the see-through colour.
  for (const std::string& name : TreeImageNames()) {
    QImage image = session.resources ? LibraryImage(*session.resources, name) : QImage();
    if (!image.isNull()) {
      image = image.convertToFormat(QImage::Format_ARGB32);
      const QImage mask = image.createMaskFromColor(qRgb(128, 0, 0), Qt::MaskOutColor);
      image.setAlphaChannel(mask.convertToFormat(QImage::Format_Grayscale8));
    }
    images_.emplace_back(QPixmap::fromImage(image));
  }

  auto* layout = new QHBoxLayout(this);
  tree_ = new QTreeWidget(this);
  tree_->setObjectName(QStringLiteral("trvGames"));
  tree_->setHeaderHidden(true);
  tree_->setMinimumSize(280, 380);
  tree_->setContextMenuPolicy(Qt::CustomContextMenu);
  tree_->installEventFilter(this);
  layout->addWidget(tree_, 1);

  // The fixed skeleton; the family folders go under "Game Type".
  std::map<int, QTreeWidgetItem*> folders;
  for (const TreeFolder& folder : TreeSkeleton()) {
    QTreeWidgetItem* parentNode = folder.parent == 0 ? nullptr : folders[folder.parent];
    QString caption = QString::fromLatin1(folder.caption);
    if (folder.code == kNewGamesFolder) caption += QStringLiteral(" (vers.") + kVersion + ")";
    QTreeWidgetItem* node = AddNode(parentNode, caption, folder.code, folder.image, folder.selectedImage);
    folders[folder.code] = node;
    if (folder.onDemand) AddPlaceholder(node);
    if (folder.code == -2020) {
      for (const FamilyFolder& family : FamilyNodeTable())
        AddPlaceholder(AddNode(node, QString::fromLatin1(family.caption), family.code, 0, 1));
    }
  }

  auto* panel = new QWidget(this);
  auto* right = new QVBoxLayout(panel);
  right->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(panel);
  general_ = new QLabel(this);
  general_->setObjectName(QStringLiteral("imgGeneral"));
  general_->setAlignment(Qt::AlignCenter);
  general_->setText(QStringLiteral("Select a game in the list to see its description."));
  general_->setWordWrap(true);
  // The description and the general picture take turns in one place.
  auto* info = new QWidget(panel);
  infoStack_ = new QStackedLayout(info);
  infoStack_->addWidget(general_);
  description_ = new QWidget(this);
  description_->setObjectName(QStringLiteral("pnlDescription"));
  auto* grid = new QGridLayout(description_);
  auto* name = new QLabel(description_);
  name->setObjectName(QStringLiteral("lblGameName"));
  QFont bold = name->font();
  bold.setBold(true);
  name->setFont(bold);
  grid->addWidget(name, 0, 0, 1, 3);
  int row = 1;
  auto addRow = [&](const char* caption, const char* label, const char* picture) {
    grid->addWidget(new QLabel(QString::fromLatin1(caption), description_), row, 0);
    auto* value = new QLabel(description_);
    value->setObjectName(QString::fromLatin1(label));
    grid->addWidget(value, row, 1);
    if (picture) {
      auto* image = new QLabel(description_);
      image->setObjectName(QString::fromLatin1(picture));
      grid->addWidget(image, row, 2);
    }
    ++row;
  };
  addRow("Decks:", "lblDecks", nullptr);
  addRow("Game time:", "lblTime", "imgTime");
  addRow("Difficulty:", "lblDifficulty", "imgDifficulty");
  addRow("Skill or chance:", "lblSkill", "imgSkill");
  addRow("Chance of winning:", "lblChance", "imgChance");
  addRow("Redeals:", "lblRedeals", nullptr);
  // The longest chance text, with its ratio, keeps its room beside its
  // picture, and each picture the room of the widest meter; the panel is as
  // wide as they need, so no fact runs under its picture.
  description_->findChild<QLabel*>(QStringLiteral("lblChance"))
      ->setMinimumWidth(description_->fontMetrics().horizontalAdvance(QStringLiteral("Very high (about 999 in 1000)")));
  int meter = 0;
  if (c_.session.resources)
    for (const ResourceEntry& entry : c_.session.resources->Entries())
      if (entry.name.starts_with("PROG_"))
        meter = std::max(meter, LibraryImage(*c_.session.resources, entry.name).width());
  for (const char* picture : {"imgTime", "imgDifficulty", "imgSkill", "imgChance"})
    description_->findChild<QLabel*>(QString::fromLatin1(picture))->setFixedWidth(meter);
  grid->setColumnStretch(1, 1);
  infoStack_->addWidget(description_);
  right->addWidget(info);
  // A fixed width: the tree keeps its place whatever the panel shows.
  panel->setFixedWidth(std::max(kGamePreviewWidth + 90, description_->minimumSizeHint().width()));

  previewLabel_ = new QLabel(this);
  previewLabel_->setObjectName(QStringLiteral("imgPreview"));
  previewLabel_->setFixedSize(kGamePreviewWidth, kGamePreviewHeight);
  right->addWidget(previewLabel_);
  gradient_ = Gradient(previewLabel_->width(), previewLabel_->height());
  previewCheck_ = new QCheckBox(QStringLiteral("&Preview"), this);
  previewCheck_->setObjectName(QStringLiteral("chkPreview"));
  previewButton_ = previewCheck_;
  right->addWidget(previewCheck_);
  auto* playerRow = new QHBoxLayout;
  auto* playerLabel = new QLabel(QStringLiteral("P&layer:"), this);
  players_ = new QComboBox(this);
  players_->setObjectName(QStringLiteral("cboPlayers"));
  playerLabel->setBuddy(players_);
  playerRow->addWidget(playerLabel);
  playerRow->addWidget(players_, 1);
  right->addLayout(playerRow);
  right->addStretch();

  auto* buttons = new QVBoxLayout;
  layout->addLayout(buttons);
  auto button = [&](const char* objectName, const char* caption, void (TfrmOpenGame::*handler)()) {
    auto* b = new QPushButton(QString::fromLatin1(caption), this);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, handler);
    buttons->addWidget(b);
    return b;
  };
  auto* okButton = button("btnOK", "OK", &TfrmOpenGame::Ok);
  okButton->setDefault(true);
  ok_ = okButton;
  button("btnCancel", "Cancel", &TfrmOpenGame::reject);
  buttons->addSpacing(12);
  rules_ = button("btnRules", "Rules", &TfrmOpenGame::ShowRulesCommand);
  statistics_ = button("btnStatistics", "Statistics", &TfrmOpenGame::StatisticsCommand);
  button("btnSavedGame", "Open a sa&ved game...", &TfrmOpenGame::OpenSavedGameCommand);
  buttons->addStretch();
  button("btnHelp", "&?", &TfrmOpenGame::HelpCommand);

  // The context commands keep their keys while the dialog has the focus.
  auto shortcut = [&](const QKeySequence& key, void (TfrmOpenGame::*handler)()) {
    auto* action = new QAction(this);
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, handler);
    addAction(action);
  };
  shortcut(QKeySequence(Qt::Key_F4), &TfrmOpenGame::StatisticsCommand);
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_F), &TfrmOpenGame::FavouritesCommand);

  connect(tree_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
    WaitCursor wait(true);
    FillBranch(item, -1);
  });
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (!treeEnabled_ || !item) return;
    {
      WaitCursor wait(true);
      FillBranch(item, -1);
    }
    ShowGameInfo(true);
  });
  connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { OnDoubleClick(item); });
  connect(tree_, &QWidget::customContextMenuRequested, this, &TfrmOpenGame::ShowContextMenu);
  connect(previewCheck_, &QCheckBox::toggled, this, &TfrmOpenGame::SetPreviewChecked);

  // The folder to reopen and the preview switch come from the preferences.
  const int folder = session.settings.ReadInt(kPreferenceSection, "Game_TreeNum", kAllGamesFolder);
  rememberedFolder_ = folder < 0 ? folder : 0;
  previewCheck_->blockSignals(true);
  previewCheck_->setChecked(session.settings.ReadString(kPreferenceSection, "Open_Preview_Game", "Y") == "Y");
  previewCheck_->blockSignals(false);
  gameIndex_ = BuildGameIndexList(session);
  ClearPreview();
}

QTreeWidgetItem* TfrmOpenGame::AddNode(QTreeWidgetItem* parent, const QString& caption, int code, int image,
                                       int selectedImage) {
  auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
  node->setText(0, caption);
  node->setData(0, kCodeRole, code);
  if (image >= 0 && static_cast<std::size_t>(image) < images_.size()) {
    QIcon icon = images_[static_cast<std::size_t>(image)];
    if (selectedImage >= 0 && static_cast<std::size_t>(selectedImage) < images_.size() && selectedImage != image)
      icon.addPixmap(images_[static_cast<std::size_t>(selectedImage)].pixmap(16, 16), QIcon::Selected);
    node->setIcon(0, icon);
  }
  return node;
}

void TfrmOpenGame::AddPlaceholder(QTreeWidgetItem* folder) {
  AddNode(folder, CodeOf(folder) == kNewGamesFolder ? QStringLiteral("Nil") : QStringLiteral("nil"), kPlaceholderCode,
          -1, -1)
      ->setData(0, kPlaceholderRole, true);
}

QTreeWidgetItem* TfrmOpenGame::FindNode(int code) const {
  for (QTreeWidgetItemIterator it(tree_); *it; ++it)
    if (CodeOf(*it) == code && !(*it)->data(0, kPlaceholderRole).toBool()) return *it;
  return nullptr;
}

QTreeWidgetItem* TfrmOpenGame::Child(QTreeWidgetItem* parent, const QString& caption) {
  for (int i = 0; parent && i < parent->childCount(); ++i)
    if (parent->child(i)->text(0) == caption) return parent->child(i);
  return nullptr;
}

void TfrmOpenGame::AddGames(QTreeWidgetItem* folder, const std::vector<TreeGame>& games, int select) {
  for (const TreeGame& game : games) {
    QTreeWidgetItem* node =
        AddNode(folder, QString::fromStdString(NodeText(game)), game.number, game.image, game.image);
    if (game.ownDesign) {
      node->setData(0, kNameRole, QString::fromStdString(game.caption));
      node->setToolTip(0, QStringLiteral("A game of Cardoria's own design, with no published source"));
    }
    if (game.number == select) tree_->setCurrentItem(node);
  }
}

void TfrmOpenGame::FillBranch(QTreeWidgetItem* node, int select) {
  const int code = CodeOf(node);
  if (!node || code >= 0 || node->childCount() == 0 || !node->child(0)->data(0, kPlaceholderRole).toBool()) return;
  delete node->takeChild(0);
  const Session& session = c_.session;
  std::vector<TreeGame> games;
  switch (code) {
    case -2010: games = SectionGames(session, "[SectS]"); break;
    case -209010: games = SectionGames(session, "[SectO]"); break;
    case -209020: games = SectionGames(session, "[SectK]"); break;
    case kOwnGamesFolder: games = OwnGames(gameIndex_); break;
    case kAllGamesFolder: games = AllGames(gameIndex_); break;
    case kNewGamesFolder: games = NewGames(gameIndex_); break;
    case kCustomFolder: FillCustom(node); break;
    case kFavouritesFolder: FillFavourites(node); break;
    default:
      if (GroupOfFolder(code)) {
        games = GroupGames(session, gameIndex_, code);
      } else {
        for (const FamilyFolder& family : FamilyNodeTable())
          if (family.code == code) games = FamilyGames(gameIndex_, family.family);
      }
  }
  AddGames(node, games, select);
  // A favourite or customized game to select is among what the rule added.
  if (select >= 0 && (code == kCustomFolder || code == kFavouritesFolder)) {
    for (int i = 0; i < node->childCount(); ++i)
      if (CodeOf(node->child(i)) == select) tree_->setCurrentItem(node->child(i));
  }
}

void TfrmOpenGame::FillCustom(QTreeWidgetItem* folder) {
  if (folder->childCount() > 0 && CodeOf(folder->child(0)) == kNoCustomLeaf) delete folder->takeChild(0);
  customIndex_ = BuildCustomIndexList(c_.session);
  if (customIndex_.empty()) {
    AddNode(folder, QStringLiteral("(How to customize a game)"), kNoCustomLeaf, kLeafImage, kLeafImage);
    return;
  }
  AddGames(folder, CustomGames(customIndex_), -1);
}

void TfrmOpenGame::FillFavourites(QTreeWidgetItem* folder) {
  RefreshCustomBranch();
  if (folder->childCount() > 0 && CodeOf(folder->child(0)) == kNoFavouritesLeaf) delete folder->takeChild(0);
  AddGames(folder, FavouriteGames(c_.session), -1);
  if (ReadFavouriteNames(c_.session).empty())
    AddNode(folder, QStringLiteral("(Double click to customize)"), kNoFavouritesLeaf, kLeafImage, kLeafImage);
}

void TfrmOpenGame::RefreshFavouritesBranch() {
  QTreeWidgetItem* node = FindNode(kFavouritesFolder);
  if (!node) return c_.ports.messages.ShowInfo("Node not found", "");
  while (node->childCount() > 0) delete node->takeChild(node->childCount() - 1);
  FillFavourites(node);
}

void TfrmOpenGame::RefreshCustomBranch() {
  QTreeWidgetItem* node = FindNode(kCustomFolder);
  if (!node) return c_.ports.messages.ShowInfo("Node not found", "");
  while (node->childCount() > 0) delete node->takeChild(node->childCount() - 1);
  FillCustom(node);
}

int TfrmOpenGame::SelectedCode() const { return CodeOf(tree_->currentItem()); }

std::string TfrmOpenGame::SelectedCaption() const {
  const QTreeWidgetItem* item = tree_->currentItem();
  if (!item) return {};
  const QVariant name = item->data(0, kNameRole);
  return (name.isValid() ? name.toString() : item->text(0)).toStdString();
}

std::string TfrmOpenGame::ChosenPlayer() const {
  // A current player missing from the list stays the one who plays.
  if (players_->currentIndex() < 0) return c_.session.store.Get(pos::kPlayerName, 30);
  return players_->currentText().toStdString();
}

void TfrmOpenGame::ShowPicture(QLabel* label, const std::string& picture) {
  label->setProperty("resource", QString::fromStdString(picture));
  const QImage image =
      picture.empty() || !c_.session.resources ? QImage() : LibraryImage(*c_.session.resources, picture);
  label->setPixmap(QPixmap::fromImage(image));
}

void TfrmOpenGame::ShowGameInfo(bool busy) {
  if (!isVisible()) return;
  WaitCursor wait(busy);
  const int code = SelectedCode();
  const bool game = code >= 0;
  for (QWidget* w : {ok_, rules_, statistics_, previewButton_}) w->setEnabled(game);
  infoStack_->setCurrentWidget(game ? description_ : general_);
  // No picture of a game stays beside a folder.
  if (!game) return ClearPreview();
  const GameDescription d = DescribeGame(c_.session, code, customIndex_);
  auto set = [this](const char* name, const std::string& text) {
    findChild<QLabel*>(QString::fromLatin1(name))->setText(QString::fromStdString(text));
  };
  set("lblGameName", SelectedCaption());
  set("lblDecks", d.decks);
  set("lblTime", d.time);
  set("lblDifficulty", d.difficulty);
  set("lblChance", d.chance);
  set("lblSkill", d.skill);
  set("lblRedeals", d.redeals);
  ShowPicture(findChild<QLabel*>(QStringLiteral("imgTime")), d.timePicture);
  ShowPicture(findChild<QLabel*>(QStringLiteral("imgDifficulty")), d.difficultyPicture);
  ShowPicture(findChild<QLabel*>(QStringLiteral("imgChance")), d.chancePicture);
  ShowPicture(findChild<QLabel*>(QStringLiteral("imgSkill")), d.skillPicture);
  DrawPreview(d.base);
}

QString TfrmOpenGame::InfoText(const char* label) const {
  const QLabel* l = findChild<QLabel*>(QString::fromLatin1(label));
  return l ? l->text() : QString();
}

QString TfrmOpenGame::InfoPicture(const char* picture) const {
  const QLabel* l = findChild<QLabel*>(QString::fromLatin1(picture));
  return l ? l->property("resource").toString() : QString();
}

bool TfrmOpenGame::DescriptionShown() const { return description_->isVisible(); }

void TfrmOpenGame::ClearPreview() {
  // A display of 256 colours or fewer has no room for the gradient.
  if (screen_.Info().colorDepth <= 8) {
    preview_ = QImage(gradient_.size(), QImage::Format_RGB32);
    preview_.fill(QColor(0, 128, 0));
  } else {
    preview_ = gradient_;
  }
  previewLabel_->setPixmap(QPixmap::fromImage(preview_));
}

void TfrmOpenGame::DrawPreview(int number) {
  if (!previewCheck_->isChecked()) return;
  ClearPreview();
  QImage bitmap = c_.session.resources ? LibraryImage(*c_.session.resources, "GAME" + ZeroPad(number, 4)) : QImage();
  if (!bitmap.isNull()) {
    // The top-left pixel is the see-through colour.
    bitmap = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QImage mask = bitmap.createMaskFromColor(bitmap.pixel(0, 0), Qt::MaskOutColor);
    bitmap.setAlphaChannel(mask.convertToFormat(QImage::Format_Grayscale8));
    // A picture drawn for a box of another size is fitted to this one.
    if (bitmap.width() > preview_.width() || bitmap.height() > preview_.height())
      bitmap = bitmap.scaled(preview_.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&preview_);
    painter.drawImage((preview_.width() - bitmap.width()) / 2, (preview_.height() - bitmap.height()) / 2, bitmap);
  }
  previewLabel_->setPixmap(QPixmap::fromImage(preview_));
}

void TfrmOpenGame::SetPreviewChecked(bool checked) {
  if (previewCheck_->isChecked() != checked) {
    previewCheck_->setChecked(checked);  // comes back here through toggled
    return;
  }
  if (!checked) return ClearPreview();
  const int code = SelectedCode();
  if (code < 0) return;
  DrawPreview(DescribeGame(c_.session, code, customIndex_).base);
}

void TfrmOpenGame::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  WaitCursor wait(true);
  if (rememberedFolder_ < 0) {
    if (QTreeWidgetItem* node = FindNode(rememberedFolder_)) {
      FillBranch(node, c_.session.store.GetInt(pos::kGameNumber, 4));
      if (tree_->currentItem()) tree_->scrollToItem(tree_->currentItem());
    }
    rememberedFolder_ = 0;
  }
  treeEnabled_ = true;
  ShowGameInfo(false);
  tree_->setFocus();
  const std::string player = TrimRightSpaces(c_.session.store.Get(pos::kPlayerName, 30));
  players_->clear();
  for (const std::string& name : ReadPlayers(c_.session.settings)) players_->addItem(QString::fromStdString(name));
  players_->setCurrentIndex(players_->findText(QString::fromStdString(player)));
}

void TfrmOpenGame::done(int result) {
  QDialog::done(result);
  if (hooks_.repaintMain) hooks_.repaintMain();
}

void TfrmOpenGame::Ok() {
  const int code = SelectedCode();
  if (code < 0) {
    c_.ports.messages.ShowInfo("Open a game", "");
    tree_->setFocus();
    return;
  }
  if (!CheckScreenFor(c_.session, c_.ports.messages, screen_, code)) return;
  QTreeWidgetItem* parent = tree_->currentItem()->parent();
  c_.session.settings.WriteStrings(kPreferenceSection, {{"Game", std::to_string(code)},
                                                        {"Game_Name", SelectedCaption()},
                                                        {"Game_TreeNum", std::to_string(CodeOf(parent))},
                                                        {"Open_Preview_Game", previewCheck_->isChecked() ? "Y" : "N"}});
  accepted_ = true;
  accept();
}

void TfrmOpenGame::OnDoubleClick(QTreeWidgetItem* item) {
  const int code = CodeOf(item);
  if (code >= 0) return Ok();
  if (code == kCustomFolder || code == kNoCustomLeaf) {
    c_.ports.messages.ShowInfo(
        "To customize a game:\rselect the game you want to customize,\rthen choose the \"Customize rules\" option "
        "from the Tools menu (or press Ctrl+R).",
        "");
  } else if (code == kFavouritesFolder || code == kNoFavouritesLeaf) {
    FavouritesCommand();
  }
}

void TfrmOpenGame::ShowRulesCommand() {
  const int code = SelectedCode();
  if (code < 0) {
    c_.ports.messages.ShowInfo("Select a game", "");
  } else {
    ShowRules(this, c_.session, code, SelectedCaption());
  }
  tree_->setFocus();
}

void TfrmOpenGame::StatisticsCommand() {
  const int code = SelectedCode();
  if (code < 0) return;
  TfrmStatistics statistics(c_, this);
  const QString game = QString::fromStdString(GameNameOf(c_.session, code));
  if (const int i = statistics.Games()->findText(game); i >= 0) statistics.Games()->setCurrentIndex(i);
  if (const int i = statistics.Players()->findText(players_->currentText()); i >= 0)
    statistics.Players()->setCurrentIndex(i);
  statistics.Refresh();
  statistics.exec();
  tree_->setFocus();
}

void TfrmOpenGame::FavouritesCommand() {
  TfrmFavorite favourites(c_.session, this);
  if (favourites.exec() == QDialog::Accepted) {
    if (hooks_.favouritesChanged) {
      hooks_.favouritesChanged();
    } else {
      RefreshFavouritesBranch();
    }
  }
}

void TfrmOpenGame::DeleteCommand() {
  const int code = SelectedCode();
  if (code < kFirstCustomGame || !hooks_.deleteCustomGame) return;
  hooks_.deleteCustomGame(code, SelectedCaption());
}

void TfrmOpenGame::OpenSavedGameCommand() {
  savedGameRequested_ = true;
  reject();
}

void TfrmOpenGame::HelpCommand() { ShowHelpTopic(this, c_.session, 1000); }

void TfrmOpenGame::ShowContextMenu(const QPoint& at) {
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("popGames"));
  menu.addAction(QStringLiteral("&Rules"), this, &TfrmOpenGame::ShowRulesCommand);
  menu.addAction(QStringLiteral("Statistics..."), QKeySequence(Qt::Key_F4), this, &TfrmOpenGame::StatisticsCommand);
  menu.addAction(QStringLiteral("Favorite games..."), QKeySequence(Qt::CTRL | Qt::Key_F), this,
                 &TfrmOpenGame::FavouritesCommand);
  menu.addAction(QStringLiteral("Delete"), this, &TfrmOpenGame::DeleteCommand)
      ->setEnabled(SelectedCode() >= kFirstCustomGame);
  if (IsInteractivePlatform()) menu.exec(tree_->viewport()->mapToGlobal(at));
}

bool TfrmOpenGame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tree_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    DeleteCommand();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace cardoria
