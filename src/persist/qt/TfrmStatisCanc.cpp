#include "persist/qt/TfrmStatisCanc.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Session.h"
#include "persist/HiScores.h"
#include "platform/Messages.h"

namespace cardoria {

TfrmStatisCanc::TfrmStatisCanc(StatsContext context, bool hiScores, QWidget* parent)
    : QDialog(parent), c_(context), hiScores_(hiScores) {
  const QString what = hiScores ? QStringLiteral(" Hi-Scores") : QStringLiteral(" statistics");
  PrepareDialog(this, "frmStatisCanc",
                hiScores ? QStringLiteral("Clear Hi-Scores") : QStringLiteral("Clear statistics"));
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(QStringLiteral("Clear") + what, this);
  group->setObjectName(QStringLiteral("grpClear"));
  auto* inner = new QVBoxLayout(group);
  players_ = new QComboBox(group);
  players_->setObjectName(QStringLiteral("cboPlayer"));
  FillPlayers(players_, c_.session, CurrentPlayer(c_.session), true);
  games_ = new QComboBox(group);
  games_->setObjectName(QStringLiteral("cboGame"));
  FillGames(games_, c_.session, CurrentGame(c_.session), true);
  inner->addWidget(new QLabel(QStringLiteral("For player:")));
  inner->addWidget(players_);
  inner->addWidget(new QLabel(QStringLiteral("For game:")));
  inner->addWidget(games_);
  auto* note = new QLabel(QStringLiteral("Select (All players) and (All games) to delete all") + what + ".", group);
  note->setObjectName(QStringLiteral("lblNote"));
  inner->addWidget(note);
  layout->addWidget(group);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &TfrmStatisCanc::Clear);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void TfrmStatisCanc::Clear() {
  const std::string player = S(players_->currentData().toString());
  const int game = games_->currentData().toInt();
  const std::string question = std::string(hiScores_ ? "Are you sure you want to clear the Hi-Scores"
                                                     : "Are you sure you want to clear the statistics") +
                               " for player: " + S(players_->currentText()) +
                               "\rfor game: " + S(games_->currentText()) + "?";
  if (!c_.ports.messages.AskYesNo(question)) return;
  c_.ports.view.ShowWaitCursor();
  const bool done = hiScores_ ? ClearHiScores(c_.session, c_.ports, game, player)
                              : ClearStatistics(c_.session, c_.ports, game, player);
  c_.ports.view.RestoreCursor();
  if (!done) return;
  if (game == kAllGames || game == CurrentGame(c_.session) || player.empty()) ResetRunCounters(c_.session);
  c_.ports.messages.ShowInfo(hiScores_ ? "Hi-Scores have been cleared." : "Statistics have been cleared.");
  accept();
}

}  // namespace cardoria
