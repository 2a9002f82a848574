#include "app/TfrmFavorite.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "app/Favourites.h"
#include "app/HelpWindow.h"
#include "core/Catalogue.h"
#include "core/Session.h"

namespace cardoria {

namespace {

// A list that takes entries dragged from the other one.
class FavouriteList final : public QListWidget {
 public:
  FavouriteList(const char* name, std::function<void()> dropped, QWidget* parent)
      : QListWidget(parent), dropped_(std::move(dropped)) {
    setObjectName(QString::fromLatin1(name));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
  }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override { Accept(event); }
  void dragMoveEvent(QDragMoveEvent* event) override { Accept(event); }
  void dropEvent(QDropEvent* event) override {
    // The entries move by the list's own command, never by the view's copy.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (qobject_cast<QListWidget*>(event->source()) && event->source() != this) dropped_();
  }

 private:
  void Accept(QDropEvent* event) {
    if (qobject_cast<QListWidget*>(event->source())) {
      event->acceptProposedAction();
    } else {
      event->ignore();
    }
  }
  std::function<void()> dropped_;
};

// Both lists keep the names in order without regard to case.
void Sort(QListWidget* list) {
  QStringList names;
  for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
  std::stable_sort(names.begin(), names.end(),
                   [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  list->clear();
  list->addItems(names);
}

}  // namespace

TfrmFavorite::TfrmFavorite(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName(QStringLiteral("frmFavorite"));
  setWindowTitle(QStringLiteral("Favorite games"));
  all_ = new FavouriteList(
      "lbAll", [this] { Remove(); }, this);
  selected_ = new FavouriteList(
      "lbSelected", [this] { Add(); }, this);
  connect(all_, &QListWidget::itemDoubleClicked, this, [this] { Add(); });
  connect(selected_, &QListWidget::itemDoubleClicked, this, [this] { Remove(); });

  for (const std::string& name : SortedGameNames(session_))
    all_->addItem(QString::fromStdString(TrimRightSpaces(name)));
  for (const auto& [name, number] : ReadFavourites(session_)) {
    const QString text = QString::fromStdString(TrimRightSpaces(name));
    selected_->addItem(text);
    const auto found = all_->findItems(text, Qt::MatchExactly);
    if (!found.isEmpty()) delete all_->takeItem(all_->row(found.first()));
  }
  Sort(selected_);

  auto* layout = new QVBoxLayout(this);
  auto* lists = new QGridLayout;
  layout->addLayout(lists);
  auto* allLabel = new QLabel(QStringLiteral("&Games list:"), this);
  allLabel->setBuddy(all_);
  auto* selectedLabel = new QLabel(QStringLiteral("&Favorite games:"), this);
  selectedLabel->setBuddy(selected_);
  lists->addWidget(allLabel, 0, 0);
  lists->addWidget(selectedLabel, 0, 2);
  lists->addWidget(all_, 1, 0);
  lists->addWidget(selected_, 1, 2);
  auto* moves = new QVBoxLayout;
  lists->addLayout(moves, 1, 1);
  auto button = [this](QBoxLayout* box, const char* name, const char* caption, void (TfrmFavorite::*handler)()) {
    auto* b = new QPushButton(QString::fromLatin1(caption), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, handler);
    box->addWidget(b);
    return b;
  };
  moves->addStretch();
  button(moves, "btnAdd", ">", &TfrmFavorite::Add);
  button(moves, "btnRemove", "<", &TfrmFavorite::Remove);
  button(moves, "btnRemoveAll", "<<", &TfrmFavorite::RemoveAll);
  moves->addStretch();
  auto* row = new QHBoxLayout;
  layout->addLayout(row);
  row->addStretch();
  button(row, "btnOK", "OK", &TfrmFavorite::Ok)->setDefault(true);
  button(row, "btnCancel", "Cancel", &TfrmFavorite::reject);
  button(row, "btnHelp", "&?", &TfrmFavorite::Help);
}

QStringList TfrmFavorite::Entries(const QListWidget* list) const {
  QStringList names;
  for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
  return names;
}

void TfrmFavorite::Move(QListWidget* from, QListWidget* to) {
  for (QListWidgetItem* item : from->selectedItems()) to->addItem(from->takeItem(from->row(item)));
  Sort(to);
}

void TfrmFavorite::Add() { Move(all_, selected_); }
void TfrmFavorite::Remove() { Move(selected_, all_); }
void TfrmFavorite::RemoveAll() {
  selected_->selectAll();
  Remove();
}

void TfrmFavorite::Ok() {
  std::vector<std::string> names;
  for (const QString& name : Entries(selected_)) names.push_back(name.toStdString());
  WriteFavourites(session_, names);
  accept();
}

void TfrmFavorite::Help() { ShowHelpTopic(this, session_, 1011); }

}  // namespace cardoria
