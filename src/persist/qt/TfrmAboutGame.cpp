#include "persist/qt/TfrmAboutGame.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/Catalogue.h"
#include "core/Session.h"
#include "persist/HiScores.h"

namespace cardoria {

TfrmAboutGame::TfrmAboutGame(StatsContext c, QWidget* parent) : QDialog(parent) {
  const int game = CurrentGame(c.session);
  PrepareDialog(this, "frmAboutGame", Q(TrimRightSpaces(GameNameOf(c.session, game))));
  auto* layout = new QVBoxLayout(this);
  auto value = [this](const char* name, const QString& text) {
    auto* l = new QLabel(text, this);
    l->setObjectName(QString::fromLatin1(name));
    return l;
  };
  auto* chance = new QFormLayout;
  const int a = c.session.rules[368], b = c.session.rules[369];
  chance->addRow(QStringLiteral("Chance of winning:"),
                 value("lblChance", a != 0 && b != 0 ? QStringLiteral("about %1 in %2").arg(a).arg(b) : QString()));
  layout->addLayout(chance);
  const StatsReading stats = ReadGameStats(c.session, c.ports, game, CurrentPlayer(c.session));
  auto* totals = new QGroupBox(QStringLiteral("Totals for active player "), this);
  auto* totalsForm = new QFormLayout(totals);
  totalsForm->addRow(QStringLiteral("Games won:"), value("lblWon", QString::number(stats.record.won)));
  totalsForm->addRow(QStringLiteral("Game losses:"), value("lblLost", QString::number(stats.record.lost)));
  totalsForm->addRow(QStringLiteral("Total played:"),
                     value("lblTotal", QString::number(stats.record.won + stats.record.lost)));
  layout->addWidget(totals);
  auto* best = new QGroupBox(QStringLiteral("Hi-Score  "), this);
  auto* bestForm = new QFormLayout(best);
  const TextList table = ReadHiScores(c.session, c.ports, game);
  HiScoreRow first;
  if (!table.empty()) first = ParseHiScoreEntry(table.front());
  const bool shown = !first.blank;
  bestForm->addRow(QStringLiteral("Points:"),
                   value("lblPoints", shown ? QString::number(TextToIntDef(first.score, 0)) : QString()));
  bestForm->addRow(QStringLiteral("Time:"),
                   value("lblTime", shown ? Q(FormatHMS(TextToIntDef(TrimLeftSpaces(first.time), 0), 1)) : QString()));
  bestForm->addRow(QStringLiteral("Date:"), value("lblDate", shown ? ShortDate(first.date) : QString()));
  bestForm->addRow(QStringLiteral("Player:"), value("lblPlayer", shown ? Q(TrimRightSpaces(first.player)) : QString()));
  layout->addWidget(best);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  setMinimumWidth(320);
}

QString TfrmAboutGame::ValueText(const char* name) const {
  const auto* l = findChild<QLabel*>(QString::fromLatin1(name));
  return l ? l->text() : QString();
}

}  // namespace cardoria
