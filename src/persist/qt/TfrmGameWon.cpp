#include "persist/qt/TfrmGameWon.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/HelpTopics.h"
#include "core/Session.h"
#include "persist/qt/TfrmStatisLog.h"
#include "persist/qt/TfrmStatistics.h"

namespace cardoria {

TfrmGameWon::TfrmGameWon(StatsContext context, QWidget* parent) : QDialog(parent), c_(context) {
  PrepareDialog(this, "frmGameWon", QStringLiteral("Game won"));
  auto* layout = new QHBoxLayout(this);
  total_ = new CountsBox(c_.session, {}, this);
  total_->setObjectName(QStringLiteral("grpTotal"));
  total_->setMinimumWidth(260);
  layout->addWidget(total_, 1);
  auto* buttons = new QVBoxLayout;
  AddButton(this, buttons, "btnNewGame", "   New game...", &TfrmGameWon::NewGame)->setDefault(true);
  AddButton(this, buttons, "btnRestart", "Restart game...", &TfrmGameWon::RestartGame);
  AddButton(this, buttons, "btnStatistics", "  Statistics...     ", &TfrmGameWon::Statistics);
  AddButton(this, buttons, "btnOpenGame", " Open a game...", &TfrmGameWon::SelectGame);
  AddButton(this, buttons, "btnSelectGame", "Select game... ", &TfrmGameWon::SelectGameNumber);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(cancel);
  AddHelpButton(this, buttons, c_.session, kHelpGameWon);
  layout->addLayout(buttons);
  Refresh();
}

void TfrmGameWon::Refresh() {
  const int game = CurrentGame(c_.session);
  total_->setTitle("Total [" + Q(TrimRightSpaces(c_.session.store.Get(pos::kGameName, 50))) + "]");
  const StatsReading reading = ReadGameStats(c_.session, c_.ports, game, CurrentPlayer(c_.session));
  total_->Show(reading.record.won, reading.record.lost);
}

void TfrmGameWon::NewGame() {
  if (c_.host.NewGame()) accept();
}

void TfrmGameWon::RestartGame() {
  if (c_.host.RestartGame()) accept();
}

void TfrmGameWon::Statistics() {
  TfrmStatistics(c_, this).exec();
  // A game started from the statistics (its log or overall details) is
  // played at once.
  if (c_.session.values.Flag(kGameInProgress)) return accept();
  Refresh();
}

void TfrmGameWon::SelectGame() {
  if (WithDialogsHidden(this, [this] { return c_.host.SelectGame(); })) accept();
}

void TfrmGameWon::SelectGameNumber() {
  if (WithDialogsHidden(this, [this] { return c_.host.SelectGameNumber(); })) accept();
}

void TfrmGameWon::done(int result) {
  QDialog::done(result);
  if (!c_.session.values.Flag(kGameInProgress)) c_.host.ClearTable();
}

}  // namespace cardoria
