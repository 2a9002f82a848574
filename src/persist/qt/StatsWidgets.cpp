#include "persist/qt/StatsWidgets.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QSortFilterProxyModel>
#include <QStackedBarSeries>
#include <QStandardItemModel>
#include <QValueAxis>
#include <cmath>

#include "app/HelpWindow.h"
#include "core/Catalogue.h"
#include "core/LanguageStrings.h"
#include "core/Session.h"
#include "persist/Players.h"

namespace cardoria {

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return text.toStdString(); }

QString Text(const Session& session, int n) { return Q(LanguageString(session.store.GetInt(pos::kLanguage, 6), n)); }

std::vector<GameChoice> GameChoices(const Session& session) {
  std::vector<GameChoice> games;
  for (const std::string& name : SortedGameNames(session)) {
    const int number = GameNumberOf(session, name);
    if (number >= 0) games.push_back({TrimRightSpaces(name), number});
  }
  return games;
}

int CurrentGame(const Session& session) { return session.store.GetInt(pos::kGameNumber, 4); }
std::string CurrentPlayer(const Session& session) { return session.store.Get(pos::kPlayerName, kPlayerNameLength); }

QPushButton* AddHelpButton(QDialog* dialog, QBoxLayout* column, Session& session, int context) {
  auto* button = new QPushButton(QStringLiteral("&?"), dialog);
  button->setObjectName(QStringLiteral("btnHelp"));
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, dialog,
                   [dialog, &session, context] { ShowHelpTopic(dialog, session, context); });
  column->addWidget(button);
  return button;
}

void AddOkAndHelpButtons(QDialog* dialog, QBoxLayout* row, Session& session, int context) {
  auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  row->addWidget(ok);
  AddHelpButton(dialog, row, session, context);
}

QListWidget* GameListWidget(const Session& session, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QStringLiteral("lsbGames"));
  list->setMaximumWidth(220);
  for (const GameChoice& choice : GameChoices(session)) {
    auto* item = new QListWidgetItem(Q(choice.name), list);
    item->setData(Qt::UserRole, choice.number);
  }
  return list;
}

void FillGames(QComboBox* box, const Session& session, int selected, bool allFirst) {
  box->clear();
  if (allFirst) box->addItem(QString::fromLatin1(kAllGamesEntry), -1);
  for (const GameChoice& game : GameChoices(session)) {
    box->addItem(Q(game.name), game.number);
    if (game.number == selected) box->setCurrentIndex(box->count() - 1);
  }
}

void FillGameCombo(QComboBox* box, const Session& session, int number) {
  const TextList names = SortedGameNames(session);
  box->clear();
  for (const std::string& name : names) box->addItem(Q(TrimRightSpaces(name)));
  const std::string chosen = number >= 0 ? GameNameOf(session, number) : std::string();
  box->setCurrentIndex(chosen.empty() ? -1 : IndexOfTrimmed(names, chosen));
}

void FillPlayers(QComboBox* box, const Session& session, const std::string& selected, bool allFirst) {
  box->clear();
  if (allFirst) box->addItem(QString::fromLatin1(kAllPlayersEntry), QString());
  for (const std::string& player : ReadPlayers(session.settings)) {
    box->addItem(Q(player), Q(player));
    if (player == selected) box->setCurrentIndex(box->count() - 1);
  }
}

QString ShortDate(const std::string& yyyymmdd) {
  const QDate date = QDate::fromString(Q(yyyymmdd), QStringLiteral("yyyyMMdd"));
  return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : QString();
}

QImage PiePicture(const PieChoice& choice) {
  constexpr int kSize = 64;
  QImage image(kSize, kSize, QImage::Format_RGB32);
  image.fill(QColor(192, 192, 192));
  QPainter painter(&image);
  const QRect disc(4, 4, kSize - 8, kSize - 12);
  // A little depth under the disc, in the colour of its rim.
  painter.setPen(Qt::NoPen);
  if (choice.none) {
    painter.setBrush(QColor(128, 128, 128));
    painter.drawEllipse(disc.translated(0, 4));
    painter.setBrush(Qt::white);
    painter.drawEllipse(disc);
    return image;
  }
  const int lossSpan = choice.shareTenths * 5760 / 1000;
  painter.setBrush(QColor(128, 0, 0));
  painter.drawEllipse(disc.translated(0, 4));
  painter.setBrush(QColor(0, 255, 0));
  painter.drawEllipse(disc);
  painter.setBrush(QColor(255, 0, 0));
  painter.drawPie(disc, 90 * 16, -lossSpan);
  painter.end();
  if (choice.exchanged) {
    for (int y = 0; y < image.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        const QRgb c = line[x] & 0xffffff;
        if (c == 0xff0000)
          line[x] = qRgb(0, 255, 0);
        else if (c == 0x00ff00)
          line[x] = qRgb(255, 0, 0);
        else if (c == 0x800000)
          line[x] = qRgb(0, 128, 0);
      }
    }
  }
  return image;
}

CountsBox::CountsBox(const Session& session, const QString& title, QWidget* parent) : QGroupBox(title, parent) {
  auto* grid = new QGridLayout(this);
  auto label = [&](const char* name) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
  };
  grid->addWidget(new QLabel(Text(session, 1905) + ":"), 0, 0);
  grid->addWidget(new QLabel(Text(session, 1906) + ":"), 1, 0);
  grid->addWidget(new QLabel(Text(session, 1907) + ":"), 2, 0);
  won_ = label("won");
  lost_ = label("lost");
  total_ = label("total");
  wonPercent_ = label("wonPercent");
  lostPercent_ = label("lostPercent");
  grid->addWidget(won_, 0, 1);
  grid->addWidget(lost_, 1, 1);
  grid->addWidget(total_, 2, 1);
  grid->addWidget(wonPercent_, 0, 2);
  grid->addWidget(lostPercent_, 1, 2);
  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("pie"));
  grid->addWidget(picture_, 0, 3, 3, 1);
  grid->setColumnStretch(4, 1);
  Show(0, 0);
}

void CountsBox::Show(std::int64_t wins, std::int64_t losses) {
  won_->setText(QString::number(wins));
  lost_->setText(QString::number(losses));
  total_->setText(QString::number(wins + losses));
  const auto percent = WinPercent(wins, losses);
  wonPercent_->setText(Q(PercentText(percent)));
  lostPercent_->setText(percent ? Q(PercentText(100 - *percent)) : QString());
  pie_ = PiePicture(PieFor(wins, losses));
  picture_->setPixmap(QPixmap::fromImage(pie_));
}

QString CountsBox::ValueText(const char* which) const {
  const auto* l = findChild<QLabel*>(QString::fromLatin1(which));
  return l ? l->text() : QString();
}

SortableGrid::SortableGrid(const QStringList& titles, QWidget* parent) : QTableView(parent) {
  model_ = new QStandardItemModel(0, static_cast<int>(titles.size()), this);
  model_->setHorizontalHeaderLabels(titles);
  proxy_ = new QSortFilterProxyModel(this);
  proxy_->setSourceModel(model_);
  proxy_->setSortRole(Qt::UserRole);
  setModel(proxy_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setSectionsClickable(true);
  horizontalHeader()->setSortIndicatorShown(true);
  horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  horizontalHeader()->setStretchLastSection(true);
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
    // A second click on the same title turns the order round.
    QHeaderView* header = horizontalHeader();
    const Qt::SortOrder order =
        header->sortIndicatorSection() == column ? header->sortIndicatorOrder() : Qt::AscendingOrder;
    header->setSortIndicator(column, order);
    proxy_->sort(column, order);
  });
}

void SortableGrid::SetRows(const std::vector<std::vector<Cell>>& rows) {
  model_->setRowCount(0);
  for (const auto& row : rows) {
    QList<QStandardItem*> items;
    for (const Cell& cell : row) {
      auto* item = new QStandardItem(cell.text);
      item->setData(cell.key.isValid() ? cell.key : QVariant(cell.text), Qt::UserRole);
      // Numbers line up on the right.
      if (cell.key.isValid() && cell.key.typeId() != QMetaType::QString)
        item->setData(int(Qt::AlignRight | Qt::AlignVCenter), Qt::TextAlignmentRole);
      items.append(item);
    }
    model_->appendRow(items);
  }
  resizeColumnsToContents();
  horizontalHeader()->setStretchLastSection(true);
}

int SortableGrid::Rows() const { return proxy_->rowCount(); }

QString SortableGrid::At(int row, int column) const { return proxy_->index(row, column).data().toString(); }

int SortableGrid::SourceRow(int shownRow) const {
  if (shownRow < 0 || shownRow >= proxy_->rowCount()) return -1;
  return proxy_->mapToSource(proxy_->index(shownRow, 0)).row();
}

int SortableGrid::SelectedRow() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? SourceRow(current.row()) : -1;
}

void SortableGrid::SelectRow(int sourceRow) {
  const QModelIndex shown = proxy_->mapFromSource(model_->index(sourceRow, 0));
  if (!shown.isValid()) return;
  setCurrentIndex(shown);
  selectRow(shown.row());
  scrollTo(shown);
}

QChartView* BarChart(const QString& name, QWidget* parent) {
  auto* chart = new QChart;
  chart->legend()->hide();
  chart->setMargins(QMargins(2, 2, 2, 2));
  auto* view = new QChartView(chart, parent);
  view->setObjectName(name);
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(260, 180);
  return view;
}

void SetBars(QChartView* view, const std::vector<Bar>& bars) {
  QChart* chart = view->chart();
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) {
    chart->removeAxis(axis);
    delete axis;
  }
  // One set per bar so that each bar keeps its own colour; the sets stack on
  // one category each.
  auto* series = new QStackedBarSeries;
  QStringList categories;
  double top = 1;
  for (std::size_t i = 0; i < bars.size(); ++i) {
    auto* set = new QBarSet(bars[i].label);
    for (std::size_t j = 0; j < bars.size(); ++j) *set << (i == j ? bars[i].value : 0.0);
    set->setColor(bars[i].color);
    series->append(set);
    categories << bars[i].label;
    top = std::max(top, bars[i].value);
  }
  series->setBarWidth(0.6);
  chart->addSeries(series);
  auto* x = new QBarCategoryAxis;
  x->append(categories);
  chart->addAxis(x, Qt::AlignBottom);
  series->attachAxis(x);
  // Whole numbers on the axis: at most five steps of a whole size.
  const double step = std::ceil(top / 5);
  auto* y = new QValueAxis;
  y->setRange(0, step * std::ceil(top / step));
  y->setTickType(QValueAxis::TicksDynamic);
  y->setTickAnchor(0);
  y->setTickInterval(step);
  y->setLabelFormat(QStringLiteral("%d"));
  chart->addAxis(y, Qt::AlignLeft);
  series->attachAxis(y);
}

void PrepareDialog(QDialog* dialog, const char* objectName, const QString& caption) {
  dialog->setObjectName(QString::fromLatin1(objectName));
  dialog->setWindowTitle(caption);
  dialog->setModal(true);
  dialog->setAttribute(Qt::WA_DeleteOnClose, false);
}

}  // namespace cardoria
