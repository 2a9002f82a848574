#include "app/TfrmSelectGameNumber.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "app/HelpWindow.h"
#include "core/Catalogue.h"
#include "core/Session.h"
#include "persist/DealLists.h"
#include "persist/RecentDeals.h"
#include "persist/qt/TfrmStatisLog.h"
#include "platform/Messages.h"

namespace cardoria {

namespace {

const std::vector<int> kPreviousWidths = {83, 108, 28, 55, 86}, kLostWidths = {86, 31, 52, 103};

QTableWidget* Grid(const char* name, const QStringList& titles, const std::vector<int>& widths, QWidget* parent) {
  auto* grid = new QTableWidget(1, static_cast<int>(titles.size()), parent);
  grid->setObjectName(QString::fromLatin1(name));
  grid->setHorizontalHeaderLabels(titles);
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setWordWrap(false);
  for (std::size_t i = 0; i < widths.size(); ++i) grid->setColumnWidth(static_cast<int>(i), widths[i]);
  grid->horizontalHeader()->setStretchLastSection(true);
  return grid;
}

// Each row's cells in column order; one empty row when there are none, so
// that a row can always be chosen. Columns widen to show whole deal numbers
// and dates in the player's font.
void SetRows(QTableWidget* grid, const std::vector<QStringList>& rows, const std::vector<int>& widths) {
  grid->clearContents();
  grid->setRowCount(std::max<int>(1, static_cast<int>(rows.size())));
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (int c = 0; c < rows[r].size(); ++c) grid->setItem(static_cast<int>(r), c, new QTableWidgetItem(rows[r][c]));
  grid->resizeColumnsToContents();
  for (std::size_t c = 0; c < widths.size(); ++c) {
    const int column = static_cast<int>(c);
    grid->setColumnWidth(column, std::max(widths[c], grid->columnWidth(column)));
  }
  grid->selectRow(0);
}

QString Cell(const QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* item = row < 0 ? nullptr : grid->item(row, column);
  return item ? item->text().trimmed() : QString();
}

int ChosenRow(const QTableWidget* grid) {
  const QList<QTableWidgetItem*> items = grid->selectedItems();
  return items.isEmpty() ? grid->currentRow() : items.front()->row();
}

}  // namespace

TfrmSelectGameNumber::TfrmSelectGameNumber(StatsContext context, QWidget* parent) : QDialog(parent), c_(context) {
  PrepareDialog(this, "frmSelectGameNumber", QStringLiteral("Select a game number"));
  const Session& s = c_.session;
  const int current = CurrentGame(s);
  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("pgcSelect"));
  layout->addWidget(pages_, 1);

  auto* gamePage = new QWidget;
  gamePage->setObjectName(QStringLiteral("tabGame"));
  auto* gameGroup = new QGroupBox(QStringLiteral("Select a game and a game number to play:  "), gamePage);
  gameGroup->setObjectName(QStringLiteral("grpGame"));
  auto* form = new QFormLayout(gameGroup);
  number_ = new QComboBox(gameGroup);
  number_->setObjectName(QStringLiteral("cboGameNumber"));
  number_->setEditable(true);
  number_->setInsertPolicy(QComboBox::NoInsert);
  number_->lineEdit()->setMaxLength(13);
  for (const std::string& deal : RecentDeals(s.settings))
    if (!deal.empty()) number_->addItem(Q(deal));
  // Recent numbers that begin with what is typed are offered in a list, never
  // written into the box: the number dealt is the one the player typed.
  auto* suggestions = new QCompleter(number_->model(), number_);
  suggestions->setCompletionMode(QCompleter::PopupCompletion);
  number_->setCompleter(suggestions);
  suggestions->popup()->installEventFilter(this);
  number_->setEditText(Q(TrimRightSpaces(s.store.Get(pos::kDealNumber, 15))));
  game_ = new QComboBox(gameGroup);
  game_->setObjectName(QStringLiteral("cboGame"));
  FillGameCombo(game_, s, current);
  form->addRow(QStringLiteral("Ga&me number:"), number_);
  form->addRow(QStringLiteral("G&ame:"), game_);
  auto* gameLayout = new QVBoxLayout(gamePage);
  gameLayout->addWidget(gameGroup);
  gameLayout->addStretch(1);
  pages_->addTab(gamePage, QStringLiteral("Select a &game"));

  auto* previousPage = new QWidget;
  previousPage->setObjectName(QStringLiteral("tabPrevious"));
  auto* previousGroup = new QGroupBox(QStringLiteral("&Select a previous played game:  "), previousPage);
  previous_ = Grid("grdPrevious",
                   {QStringLiteral("Game number"), QStringLiteral("Game"), QStringLiteral("W/L"),
                    QStringLiteral("Date"), QStringLiteral("Player")},
                   kPreviousWidths, previousGroup);
  (new QVBoxLayout(previousGroup))->addWidget(previous_);
  (new QVBoxLayout(previousPage))->addWidget(previousGroup);
  pages_->addTab(previousPage, QStringLiteral("&Previous games"));

  auto* lostPage = new QWidget;
  lostPage->setObjectName(QStringLiteral("tabLost"));
  auto* lostGroup = new QGroupBox(QStringLiteral("&Select a previous lost game: "), lostPage);
  lostGame_ = new QComboBox(lostGroup);
  lostGame_->setObjectName(QStringLiteral("cboLostGame"));
  FillGameCombo(lostGame_, s, current);
  lost_ = Grid("grdLost",
               {QStringLiteral("Game number"), QStringLiteral("W/L"), QStringLiteral("Date"), QStringLiteral("Player")},
               kLostWidths, lostGroup);
  auto* lostLayout = new QVBoxLayout(lostGroup);
  lostLayout->addWidget(lostGame_);
  lostLayout->addWidget(lost_);
  (new QVBoxLayout(lostPage))->addWidget(lostGroup);
  pages_->addTab(lostPage, QStringLiteral("&Lost games"));

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto button = [&](const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromLatin1(caption), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    buttons->addWidget(b);
    return b;
  };
  QPushButton* ok = button("btnOK", "OK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TfrmSelectGameNumber::Ok);
  connect(button("btnLog", "&Log..."), &QPushButton::clicked, this, &TfrmSelectGameNumber::ShowLog);
  connect(button("btnCancel", "Cancel"), &QPushButton::clicked, this, &QDialog::reject);
  connect(button("btnHelp", "&?"), &QPushButton::clicked, this,
          [this] { ShowHelpTopic(this, c_.session, kHelpContext); });
  layout->addLayout(buttons);

  connect(pages_, &QTabWidget::currentChanged, this, &TfrmSelectGameNumber::PageShown);
  connect(lostGame_, &QComboBox::currentIndexChanged, this, &TfrmSelectGameNumber::FillLost);
  // A double click on a row plays it.
  for (QTableWidget* grid : {previous_, lost_})
    connect(grid, &QTableWidget::cellDoubleClicked, this, &TfrmSelectGameNumber::Ok);
  resize(560, 340);
}

bool TfrmSelectGameNumber::eventFilter(QObject* watched, QEvent* event) {
  // Enter with no suggestion chosen deals the number typed, as it does
  // while no list is shown.
  QAbstractItemView* list = number_->completer() ? number_->completer()->popup() : nullptr;
  if (watched == list && event->type() == QEvent::KeyPress && !list->currentIndex().isValid()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      list->hide();
      Ok();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TfrmSelectGameNumber::PageShown(int page) {
  if (page == kPreviousPage && Cell(previous_, 0, 0).isEmpty()) FillPrevious();
  if (page == kLostPage && Cell(lost_, 0, 0).isEmpty()) FillLost();
}

void TfrmSelectGameNumber::FillPrevious() {
  const Session& s = c_.session;
  std::vector<QStringList> rows;
  for (const DealRow& row : PreviousGames(ReadGameLogLines(s, c_.ports.files)))
    rows.push_back(
        {Q(row.dealNumber), Q(row.game), row.won ? Text(s, 2009) : Text(s, 2010), ShortDate(row.date), Q(row.player)});
  SetRows(previous_, rows, kPreviousWidths);
}

void TfrmSelectGameNumber::FillLost() {
  const Session& s = c_.session;
  std::vector<QStringList> rows;
  if (lostGame_->currentIndex() >= 0) {
    for (const DealRow& row : LostGames(ReadGameLogLines(s, c_.ports.files), S(lostGame_->currentText())))
      rows.push_back({Q(row.dealNumber), row.won ? Text(s, 2009) : Text(s, 2010), ShortDate(row.date), Q(row.player)});
  }
  SetRows(lost_, rows, kLostWidths);
}

bool TfrmSelectGameNumber::Choice(std::string& number, std::string& name) {
  switch (pages_->currentIndex()) {
    case kPreviousPage:
      number = S(Cell(previous_, ChosenRow(previous_), 0));
      name = S(Cell(previous_, ChosenRow(previous_), 1));
      break;
    case kLostPage:
      number = S(Cell(lost_, ChosenRow(lost_), 0));
      name = lostGame_->currentIndex() < 0 ? std::string() : S(lostGame_->currentText().trimmed());
      break;
    default:
      number = S(number_->currentText());
      name = game_->currentIndex() < 0 ? std::string() : S(game_->currentText().trimmed());
      return true;
  }
  if (!number.empty() && !name.empty()) return true;
  c_.ports.messages.ShowInfo(kSelectCorrectNumber);
  return false;
}

void TfrmSelectGameNumber::Ok() {
  std::string number, name;
  if (!Choice(number, name)) return;
  const DealNumberText read = ReadDealNumberText(number);
  if (read.kind == DealNumberText::Kind::NotDigits) {
    c_.ports.messages.ShowInfo(kNumbersOnly);
    return;
  }
  if (read.kind == DealNumberText::Kind::Nothing) return;
  // Without a game the number would deal nothing: the player is told and
  // can choose one.
  if (name.empty()) {
    c_.ports.messages.ShowInfo("Choose the game to play this number with.");
    game_->setFocus();
    return;
  }
  const int game = GameNumberOf(c_.session, name);
  if (game < 0) {
    c_.ports.messages.ShowInfo("There is no game \"" + name + "\" any more.\rChoose another game.");
    return;
  }
  WithDialogsHidden(this, [&] {
    c_.host.PlayGame(game, read.deal);
    return true;
  });
  done(c_.session.values.Flag(kGameInProgress) ? Accepted : Rejected);
}

void TfrmSelectGameNumber::ShowLog() {
  TfrmStatisLog log(c_, "", -1, this);
  if (log.exec() == TfrmStatisLog::kGameStarted) done(Accepted);
}

}  // namespace cardoria
