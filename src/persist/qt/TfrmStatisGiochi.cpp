#include "persist/qt/TfrmStatisGiochi.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <map>

#include "core/Session.h"
#include "persist/FileSystem.h"
#include "persist/SectionFile.h"
#include "platform/Messages.h"

namespace cardoria {

namespace {

// The player's record of every game, from one reading of the file.
std::optional<std::map<int, GameStatsRecord>> RecordsOf(StatsContext& c, const std::string& player) {
  const std::string path = c.session.PathOf(kStatFile);
  if (!c.ports.files.Exists(path)) c.ports.files.Replace(path, kStatVersionLines);
  const auto content = c.ports.files.ReadAll(path);
  if (!content) return std::nullopt;
  std::map<int, GameStatsRecord> records;
  const std::string key = TrimRightSpaces(player) + "=";
  int game = -1;
  for (const std::string& line : SplitLines(*content)) {
    if (const auto name = SectionNameOf(line)) {
      game = name->size() == 4 && IsAllDigits(*name) ? TextToInt(*name) : -1;
    } else if (game >= 0 && line.starts_with(key) && !records.contains(game)) {
      records[game] = ParseStatsRecord(std::string_view(line).substr(key.size()));
    }
  }
  return records;
}

}  // namespace

TfrmStatisGiochi::TfrmStatisGiochi(StatsContext context, const std::string& player, QWidget* parent)
    : QDialog(parent), c_(context) {
  PrepareDialog(this, "frmStatisGiochi", QStringLiteral("All games statistics"));
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  players_ = new QComboBox(this);
  players_->setObjectName(QStringLiteral("cboPlayer"));
  FillPlayers(players_, c_.session, player.empty() ? CurrentPlayer(c_.session) : player, false);
  auto* playerLabel = new QLabel(QStringLiteral("&Player:"));
  playerLabel->setBuddy(players_);
  top->addWidget(playerLabel);
  top->addWidget(players_, 1);
  layout->addLayout(top);
  auto* group = new QGroupBox(QStringLiteral("Statistics values: "), this);
  auto* radios = new QHBoxLayout(group);
  const char* captions[] = {"&Total", "&Current session", "&Series"};
  const char* names[] = {"rbTotal", "rbSession", "rbSeries"};
  for (int i = 0; i < 3; ++i) {
    values_[i] = new QRadioButton(QString::fromLatin1(captions[i]), group);
    values_[i]->setObjectName(QString::fromLatin1(names[i]));
    radios->addWidget(values_[i]);
    connect(values_[i], &QRadioButton::toggled, this, [this](bool on) {
      if (on) Refresh();
    });
  }
  layout->addWidget(group);
  grid_ = new SortableGrid({Text(c_.session, 1919), Text(c_.session, 1905), Text(c_.session, 1906), "% Won"}, this);
  grid_->setObjectName(QStringLiteral("grdGames"));
  layout->addWidget(grid_, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  connect(players_, &QComboBox::currentIndexChanged, this, &TfrmStatisGiochi::Refresh);
  resize(520, 560);
  values_[kTotal]->setChecked(true);
}

void TfrmStatisGiochi::ShowValues(Values values) { values_[values]->setChecked(true); }

void TfrmStatisGiochi::Refresh() {
  const std::string player = S(players_->currentData().toString());
  const auto records = RecordsOf(c_, player);
  if (!records) {
    grid_->SetRows({});
    c_.ports.messages.ShowInfo("Open error: " + c_.session.PathOf(kStatFile));
    return;
  }
  const bool session = values_[kSession]->isChecked(), series = values_[kSeries]->isChecked();
  const bool current = TrimRightSpaces(player) == CurrentPlayer(c_.session);
  std::vector<std::vector<SortableGrid::Cell>> rows;
  for (const GameChoice& game : GameChoices(c_.session)) {
    if (session && game.number != CurrentGame(c_.session)) continue;
    const auto it = records->find(game.number);
    const GameStatsRecord r = it != records->end() ? it->second : GameStatsRecord{};
    std::int64_t a = r.won, b = r.lost;
    if (series) {
      a = r.longestWinning;
      b = r.longestLosing;
    } else if (session) {
      a = current ? c_.session.store.GetInt(pos::kRunWins, 4) : 0;
      b = current ? c_.session.store.GetInt(pos::kRunLosses, 4) : 0;
    }
    const int percent = a == 0 ? 0 : WinPercent(a, b).value_or(0);
    rows.push_back({{Q(game.name), {}},
                    {QString::number(a), QVariant::fromValue<qlonglong>(a)},
                    {QString::number(b), QVariant::fromValue<qlonglong>(b)},
                    {QString::number(percent), percent}});
  }
  grid_->SetRows(rows);
}

}  // namespace cardoria
