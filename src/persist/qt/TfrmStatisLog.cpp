#include "persist/qt/TfrmStatisLog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Catalogue.h"
#include "core/Session.h"
#include "persist/FileSystem.h"
#include "persist/SectionFile.h"

namespace cardoria {

bool WithDialogsHidden(QWidget* dialog, const std::function<bool()>& action) {
  std::vector<QWidget*> hidden;
  for (QWidget* w = dialog; w && qobject_cast<QDialog*>(w); w = w->parentWidget()) {
    if (!w->isVisible()) continue;
    // Past QDialog's own hiding, which would end a running exec().
    w->QWidget::setVisible(false);
    hidden.push_back(w);
  }
  const bool done = action();
  for (auto it = hidden.rbegin(); it != hidden.rend(); ++it) {
    if (!done) {
      (*it)->show();
    } else {
      // They close next; a dialog closes its exec() only when it counts as
      // shown, so it is told it is, without appearing.
      (*it)->setAttribute(Qt::WA_WState_Hidden, false);
    }
  }
  return done;
}

TfrmStatisLog::TfrmStatisLog(StatsContext context, const std::string& player, int game, QWidget* parent)
    : QDialog(parent), c_(context) {
  PrepareDialog(this, "frmStatisLog", QStringLiteral("Log statistics"));
  auto* layout = new QVBoxLayout(this);
  auto* choose = new QGridLayout;
  players_ = new QComboBox(this);
  players_->setObjectName(QStringLiteral("cboPlayer"));
  FillPlayers(players_, c_.session, player, true);
  if (player.empty()) players_->setCurrentIndex(0);
  games_ = new QComboBox(this);
  games_->setObjectName(QStringLiteral("cboGame"));
  FillGames(games_, c_.session, game, true);
  if (game < 0) games_->setCurrentIndex(0);
  auto* playerLabel = new QLabel(QStringLiteral("&Player:"));
  playerLabel->setBuddy(players_);
  auto* gameLabel = new QLabel(QStringLiteral("&Game:"));
  gameLabel->setBuddy(games_);
  choose->addWidget(playerLabel, 0, 0);
  choose->addWidget(players_, 0, 1);
  choose->addWidget(gameLabel, 0, 2);
  choose->addWidget(games_, 0, 3);
  choose->setColumnStretch(1, 1);
  choose->setColumnStretch(3, 1);
  layout->addLayout(choose);
  const Session& s = c_.session;
  grid_ = new SortableGrid({Text(s, 2001), Text(s, 2002), Text(s, 2003), Text(s, 2004), Text(s, 2005), Text(s, 2007),
                            Text(s, 2008), QStringLiteral("Game number")},
                           this);
  grid_->setObjectName(QStringLiteral("grdLog"));
  layout->addWidget(grid_, 1);
  auto* bottom = new QHBoxLayout;
  records_ = new QLabel(this);
  records_->setObjectName(QStringLiteral("lblRecords"));
  bottom->addWidget(records_, 1);
  play_ = new QPushButton(QStringLiteral("Play t&his game"), this);
  play_->setObjectName(QStringLiteral("btnPlay"));
  play_->setAutoDefault(false);
  connect(play_, &QPushButton::clicked, this, &TfrmStatisLog::PlaySelected);
  bottom->addWidget(play_);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  bottom->addWidget(ok);
  layout->addLayout(bottom);
  connect(players_, &QComboBox::currentIndexChanged, this, &TfrmStatisLog::Refresh);
  connect(games_, &QComboBox::currentIndexChanged, this, &TfrmStatisLog::Refresh);
  connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
    const int row = grid_->SelectedRow();
    play_->setEnabled(row >= 0 && !rows_[static_cast<std::size_t>(row)].gameName.empty());
  });
  resize(900, 520);
  Refresh();
}

void TfrmStatisLog::Refresh() {
  const auto content = c_.ports.files.ReadAll(c_.session.PathOf(kStatLogFile));
  const std::string player = S(players_->currentData().toString());
  const std::string game = games_->currentIndex() <= 0 ? std::string() : S(games_->currentText());
  rows_ = LogRows(content ? SplitLines(*content) : TextList{}, player, game);
  std::vector<std::vector<SortableGrid::Cell>> cells;
  const Session& s = c_.session;
  for (const GameLogEntry& e : rows_) {
    const bool won = e.result.starts_with("Won");
    const std::string score = [&] {
      std::string t;
      for (char ch : e.score)
        if (ch != ' ') t += ch;
      return t;
    }();
    cells.push_back({{ShortDate(e.date), Q(e.date)},
                     {Q(e.time.substr(0, 5)), {}},
                     {Q(FormatHMS(e.elapsedSeconds, 1)), e.elapsedSeconds},
                     {Q(e.gameName), {}},
                     {won ? Text(s, 2009) : Text(s, 2010), {}},
                     {Q(score), TextToIntDef(score, 0)},
                     {Q(e.player), {}},
                     {Q(e.dealNumber), {}}});
  }
  grid_->SetRows(cells);
  records_->setText(rows_.size() == 1 ? QStringLiteral("1 record") : QString::number(rows_.size()) + " records");
  play_->setEnabled(false);
}

QString TfrmStatisLog::RecordsText() const { return records_->text(); }

void TfrmStatisLog::PlaySelected() {
  const int row = grid_->SelectedRow();
  if (row < 0) return;
  const GameLogEntry entry = rows_[static_cast<std::size_t>(row)];
  const int game = entry.gameNumber >= 0 ? entry.gameNumber : GameNumberOf(c_.session, entry.gameName);
  if (game < 0 || GameNameOf(c_.session, game).empty()) return;
  if (WithDialogsHidden(this, [&] { return c_.host.PlayGame(game, entry.dealNumber); })) done(kGameStarted);
}

}  // namespace cardoria
