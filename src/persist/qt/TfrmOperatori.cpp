#include "persist/qt/TfrmOperatori.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/HelpTopics.h"
#include "core/Session.h"
#include "persist/qt/TfrmOperatori2.h"
#include "platform/Messages.h"

namespace cardoria {

TfrmOperatori::TfrmOperatori(StatsContext context, QWidget* parent)
    : QDialog(parent), c_(context), players_(ReadPlayers(context.session.settings), CurrentPlayer(context.session)) {
  PrepareDialog(this, "frmOperatori", QStringLiteral("Players"));
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("lboOperatori"));
  auto* label = new QLabel(QStringLiteral("&Select a player:"), this);
  label->setBuddy(list_);
  left->addWidget(label);
  left->addWidget(list_, 1);
  layout->addLayout(left, 1);
  auto* buttons = new QVBoxLayout;
  select_ = AddButton(this, buttons, "btnSelect", "Select", &TfrmOperatori::SelectPlayer);
  select_->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(cancel);
  AddHelpButton(this, buttons, c_.session, kHelpPlayers);
  buttons->addSpacing(16);
  AddButton(this, buttons, "btnNew", " &New", &TfrmOperatori::AddPlayer);
  edit_ = AddButton(this, buttons, "btnEdit", "&Edit", &TfrmOperatori::EditPlayer);
  delete_ = AddButton(this, buttons, "btnDelete", "&Delete", &TfrmOperatori::DeletePlayer);
  buttons->addStretch(1);
  layout->addLayout(buttons);
  connect(list_, &QListWidget::currentRowChanged, this, &TfrmOperatori::Enable);
  connect(list_, &QListWidget::itemDoubleClicked, this, &TfrmOperatori::SelectPlayer);
  list_->installEventFilter(this);
  prompt = [](TfrmOperatori2& dialog) { dialog.exec(); };
  Fill(players_.Current());
  resize(380, 320);
}

void TfrmOperatori::Fill(const std::string& selected) {
  list_->clear();
  for (const std::string& name : players_.Names()) {
    list_->addItem(Q(name));
    if (name == selected) list_->setCurrentRow(list_->count() - 1);
  }
  Enable();
}

void TfrmOperatori::Enable() {
  const bool any = list_->currentRow() >= 0;
  select_->setEnabled(any);
  edit_->setEnabled(any);
  delete_->setEnabled(any);
}

std::string TfrmOperatori::Selected() const {
  const QListWidgetItem* item = list_->currentItem();
  return item ? S(item->text()) : std::string();
}

void TfrmOperatori::SelectName(const QString& name) {
  const auto found = list_->findItems(name, Qt::MatchExactly);
  if (!found.isEmpty()) list_->setCurrentItem(found.first());
}

void TfrmOperatori::AddPlayer() {
  std::string added;
  TfrmOperatori2 dialog(
      Text(c_.session, 1803), {},
      [&](const std::string& name) {
        if (TrimRightSpaces(name).empty()) {
          c_.ports.messages.ShowInfo("Please enter at least 1 character.");
          return false;
        }
        if (!players_.Add(c_.ports.messages, name)) return false;
        added = TrimRightSpaces(name);
        return true;
      },
      this);
  prompt(dialog);
  if (!added.empty()) Fill(added);
}

void TfrmOperatori::EditPlayer() {
  const std::string old = Selected();
  if (old.empty()) return;
  std::string renamed;
  TfrmOperatori2 dialog(
      Text(c_.session, 1804), Q(old),
      [&](const std::string& name) {
        if (TrimRightSpaces(name).empty()) {
          c_.ports.messages.ShowInfo("Please enter at least 1 character.");
          return false;
        }
        c_.ports.view.ShowWaitCursor();
        const bool done = players_.Edit(c_.session, c_.ports, old, name);
        c_.ports.view.RestoreCursor();
        if (done) renamed = TrimRightSpaces(name);
        return done;
      },
      this);
  prompt(dialog);
  if (!renamed.empty()) Fill(renamed);
}

void TfrmOperatori::DeletePlayer() {
  const std::string name = Selected();
  if (name.empty()) return;
  if (name == players_.Current()) {
    c_.ports.messages.ShowInfo("It is impossible to delete the selected player.");
    return;
  }
  if (!c_.ports.messages.Confirm(kDeletePlayerQuestion)) return;
  if (!players_.Delete(c_.session, c_.ports, name)) return;
  Fill(players_.Names().empty() ? std::string() : players_.Names().front());
}

void TfrmOperatori::SelectPlayer() {
  const std::string name = Selected();
  if (name.empty()) {
    c_.ports.messages.ShowInfo("Select a player.");
    return;
  }
  if (name != players_.Current()) {
    if (!c_.host.LeaveGame("Start a new game for player " + name + "?")) return;
    playerChanged_ = players_.Select(c_.session, name);
  }
  accept();
}

void TfrmOperatori::Save() {
  if (saved_) return;
  saved_ = true;
  c_.ports.view.ShowWaitCursor();
  players_.Save(c_.session, c_.session.settings);
  c_.ports.view.RestoreCursor();
  c_.host.PlayerShown();
}

void TfrmOperatori::done(int result) {
  Save();
  QDialog::done(result);
  if (playerChanged_) {
    c_.host.ClearTable();
    c_.host.SelectGame();
  }
}

bool TfrmOperatori::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Insert) {
      AddPlayer();
      return true;
    }
    if (key == Qt::Key_Delete) {
      DeletePlayer();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace cardoria
