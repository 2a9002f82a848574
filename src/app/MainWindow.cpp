#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <chrono>
#include <cmath>
#include <thread>

#include "app/DemoBar.h"
#include "app/Favourites.h"
#include "app/GameTree.h"
#include "app/HelpWindow.h"
#include "app/ResourceImages.h"
#include "app/SavedGameDialogs.h"
#include "app/ShowRules.h"
#include "app/SolverTask.h"
#include "app/TfrmFavorite.h"
#include "app/TfrmMemoryEnd.h"
#include "app/TfrmOpenGame.h"
#include "app/TfrmSelectGameNumber.h"
#include "art/CardArt.h"
#include "core/Catalogue.h"
#include "core/HelpTopics.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/Legality.h"
#include "persist/DemoPlayback.h"
#include "persist/FileSystem.h"
#include "persist/GameRecord.h"
#include "persist/SavedGames.h"
#include "persist/Statistics.h"
#include "persist/qt/TfrmAboutGame.h"
#include "persist/qt/TfrmClearValues.h"
#include "persist/qt/TfrmGameWon.h"
#include "persist/qt/TfrmHiScore.h"
#include "persist/qt/TfrmOperatori.h"
#include "persist/qt/TfrmStatisGiochi.h"
#include "persist/qt/TfrmStatisLog.h"
#include "persist/qt/TfrmStatisOperat.h"
#include "persist/qt/TfrmStatisOverall.h"
#include "persist/qt/TfrmStatistics.h"
#include "platform/Paths.h"
#include "platform/qt/QtPorts.h"
#include "platform/qt/QtSound.h"
#include "table/Fit.h"
#include "table/Flight.h"
#include "table/RandomLooks.h"
#include "table/qt/TableRenderer.h"
#include "table/qt/TfrmCardCounter.h"
#include "table/qt/WinningAnimations.h"

namespace cardoria {

namespace {

int CommandKey(GameWindow::Commands c) { return static_cast<int>(c); }

// The glyph of a toolbar command from the library, if it has one.
QIcon Glyph(const Session& s, const char* name) {
  if (!s.resources) return {};
  const QImage image = LibraryImage(*s.resources, name);
  if (image.isNull()) return {};
  QIcon icon(QPixmap::fromImage(image));
  // A disabled command shows its own greyed glyph where the library has one.
  const QImage disabled = LibraryImage(*s.resources, std::string(name) + "_DIS");
  if (!disabled.isNull()) icon.addPixmap(QPixmap::fromImage(disabled), QIcon::Disabled);
  return icon;
}

}  // namespace

TableWidget::TableWidget(TfrmMain& window) : QWidget(&window), window_(window) {
  setObjectName(QStringLiteral("TableImage"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

void TableWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (window_.tableImage_.isNull()) {
    painter.fillRect(rect(), palette().button());
    return;
  }
  const double ratio = devicePixelRatioF();
  if (ratio != window_.scaleRatio_ && window_.fixedScale_ == 0.0) {
    // The window moved to a screen of another density: the table is drawn
    // again for it once this paint is over.
    window_.scaleRatio_ = ratio;
    QTimer::singleShot(0, &window_, [this] {
      window_.ChooseScale();
      window_.Relayout();
    });
  }
  // From here on the painter counts the pixels of the table picture.
  if (ratio != 1.0) painter.scale(1 / ratio, 1 / ratio);
  const QSize pixels(static_cast<int>(std::ceil(width() * ratio)), static_cast<int>(std::ceil(height() * ratio)));
  if (window_.paused_) {
    window_.PaintPause(painter, pixels);
    return;
  }
  const double s = window_.scale_;
  const int scroll = ToPixels(ScrollOffset(window_.session_), s);
  painter.drawImage(QPoint(0, 0), window_.tableImage_, QRect(QPoint(0, scroll), pixels));
  // A hint: the card to move shown inverted, where it goes outlined.
  for (std::size_t i = 0; i < window_.hintRects_.size(); ++i) {
    const QRect lit = ToPixels(window_.hintRects_[i], s);
    if (i == 0) {
      painter.save();
      painter.setCompositionMode(QPainter::CompositionMode_Difference);
      painter.fillRect(lit, Qt::white);
      painter.restore();
    } else {
      painter.save();
      painter.setPen(QPen(Qt::yellow, std::max(2, ToPixels(3, s))));
      painter.drawRect(lit.adjusted(1, 1, -2, -2));
      painter.restore();
    }
  }
  const Rect moving = window_.MovingCardsRect();
  if (moving.Empty()) return;
  const QRect r = ToPixels(moving, s);
  // A flight casts no shadow.
  if (!window_.flying_ && window_.session_.store.Get(pos::kCardsShadowed, 1) != "N") {
    const int offset = ToPixels(6, s), band = ToPixels(7, s);
    if (moving.Height() <= window_.images_.Height() + 1) {
      painter.fillRect(r.translated(offset, offset), QColor(0, 0, 0, 70));
    } else {
      // A group casts a dithered shadow: every other pixel along its right and bottom edges.
      const int right = r.left() + r.width(), bottom = r.top() + r.height();
      painter.setPen(Qt::black);
      for (int y = r.top() + band; y < bottom + band; ++y)
        for (int x = right; x < right + band; ++x)
          if ((x + y) % 2 == 0) painter.drawPoint(x, y);
      for (int y = bottom; y < bottom + band; ++y)
        for (int x = r.left() + band; x < right; ++x)
          if ((x + y) % 2 == 0) painter.drawPoint(x, y);
    }
  }
  painter.drawImage(r.topLeft(), window_.dragImage_);
}

QPoint TableWidget::ToTable(const QPointF& at) const {
  const double perPixel = devicePixelRatioF() / window_.scale_;
  return QPoint(static_cast<int>(std::floor(at.x() * perPixel)), static_cast<int>(std::floor(at.y() * perPixel)));
}

void TableWidget::mousePressEvent(QMouseEvent* event) {
  const int button = event->button() == Qt::RightButton    ? kRightButton
                     : event->button() == Qt::MiddleButton ? kMiddleButton
                                                           : kLeftButton;
  const QPoint at = ToTable(event->position());
  window_.engine_->OnMouseDown(button, event->modifiers() & Qt::ControlModifier, at.x(), at.y());
}

void TableWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = ToTable(event->position());
  if (at != QPoint(window_.session_.drag.hoverX, window_.session_.drag.hoverY)) window_.HidePileSizeHint();
  window_.engine_->OnMouseMove(at.x(), at.y());
}

void TableWidget::mouseReleaseEvent(QMouseEvent* event) {
  window_.engine_->OnMouseUp(event->button() == Qt::RightButton ? kRightButton : kLeftButton);
}

void TableWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  // The double click acts where the button went down; the second press of
  // a double click comes after the double click itself.
  const QPoint at = ToTable(event->position());
  window_.session_.drag.pressX = at.x();
  window_.session_.drag.pressY = at.y();
  window_.engine_->OnDoubleClick();
  mousePressEvent(event);
}

void TableWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  QScrollBar* bar = window_.scrollBar_;
  bar->setGeometry(width() - bar->sizeHint().width(), 0, bar->sizeHint().width(), height());
  if (window_.session_.values.Flag(kFirstActivationPending) || window_.paused_) return;
  window_.ChooseScale();
  window_.Relayout();
}

TfrmMain::TfrmMain(Session& session, StartupPorts& ports) : session_(session), ports_(ports) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QString::fromLatin1(kProductName));
  table_ = new TableWidget(*this);
  setCentralWidget(table_);
  engine_ = std::make_unique<Engine>(session_, PlayPorts{ports_.messages, ports_.clock, *this, *this, *this});
  statsPorts_ = std::make_unique<StatsPorts>(StatsPorts{files_, ports_.messages, ports_.clock, ports_.random, *this});
  scrollBar_ = new QScrollBar(Qt::Vertical, table_);
  scrollBar_->setObjectName(QStringLiteral("scrBarMain"));
  scrollBar_->hide();
  connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int value) {
    session_.layout.scrollPosition = value;
    session_.positions.Set(PositionTable::kScrollOffset, value);
    table_->update();
  });
  pauseTimer_ = new QTimer(this);
  pauseTimer_->setInterval(80);
  connect(pauseTimer_, &QTimer::timeout, this, [this] {
    // The big picture slides to and fro between the edges of the small one.
    pauseSlide_ += pauseStep_;
    if (std::abs(pauseSlide_) >= 30) pauseStep_ = -pauseStep_;
    table_->update();
  });
  clock_ = new QTimer(this);
  clock_->setInterval(1000);
  connect(clock_, &QTimer::timeout, this, &TfrmMain::OnClockTick);
  pileSize_ = new QLabel(table_);
  pileSize_->setObjectName(QStringLiteral("pnlPilesSize"));
  pileSize_->setStyleSheet(
      QStringLiteral("background: #ffffe1; color: black; border: 1px solid #808080; padding: 2px;"));
  pileSize_->hide();
}

TfrmMain::~TfrmMain() = default;

GameStartPorts TfrmMain::StartPorts() {
  return GameStartPorts{ports_.messages, ports_.screen, ports_.random, ports_.clock, *this, *engine_};
}

void TfrmMain::BuildMenus() {
  auto add = [&](QMenu* menu, const char* name, const QString& caption, const QKeySequence& key, auto handler,
                 std::initializer_list<Commands> groups = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) action->setShortcut(key);
    connect(action, &QAction::triggered, this, handler);
    for (Commands group : groups) commands_[CommandKey(group)].append(action);
    return action;
  };
  QMenu* game = menuBar()->addMenu(QStringLiteral("&Game"));
  game->setObjectName(QStringLiteral("mnuGame"));
  add(game, "mnuNew", "&New game", QKeySequence(Qt::Key_F2), [this] { NewGame(); }, {Commands::Game});
  add(game, "mnuOpen", "&Open a game", QKeySequence(Qt::CTRL | Qt::Key_F12), [this] { OpenGameCommand(); });
  add(game, "mnuOpenSavedGame", "Open a sa&ved game...", {}, [this] { OpenSavedGameCommand(); });
  add(game, "mnuRestartGame", "&Restart game", QKeySequence(Qt::CTRL | Qt::Key_F2), [this] { RestartCommand(); },
      {Commands::Game});
  add(game, "mnuSelect", "S&elect a game number...", QKeySequence(Qt::Key_F3), [this] { SelectGameNumber(); });
  add(game, "mnuRandomGame", "R&andom game", {}, [this] { RandomGame(); });
  add(game, "mnuSave", "&Save...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F12), [this] { SaveGameCommand(); },
      {Commands::SaveAndUndo});
  game->addSeparator();
  add(game, "mnuPlayers", "&Players...", QKeySequence(Qt::CTRL | Qt::Key_L),
      [this] { TfrmOperatori(Stats(), this).exec(); });
  game->addSeparator();
  add(game, "mnuPause", "P&ause", QKeySequence(Qt::CTRL | Qt::Key_P), [this] { TogglePause(); },
      {Commands::PauseAndQuit});
  add(game, "mnuQuitGame", "&Quit game", QKeySequence(Qt::CTRL | Qt::Key_Q),
      [this] {
        auto ports = StartPorts();
        if (ConfirmAbandonGame(session_, ports)) engine_->EndGame();
      },
      {Commands::PauseAndQuit});
  add(game, "mnuGameInformation", "Game &information...", {},
      [this] {
        TellStatsFileProblem();
        TfrmAboutGame(Stats(), this).exec();
      },
      {Commands::Game});
  add(game, "mnuCanBeWon", "Can this deal &be won?", {}, [this] { VerdictCommand(); }, {Commands::Game});
  game->addSeparator();
  add(game, "mnuHoldAndExit", "&Hold and exit...", {}, [this] { HoldAndExitCommand(); }, {Commands::SaveAndUndo});
  add(game, "mnuEsci", "E&xit", {}, [this] { close(); });
  game->addSeparator();
  demoAction_ = add(game, "mnuDemo", "&Demo", QKeySequence(Qt::CTRL | Qt::Key_D), [this] { ToggleDemoCommand(); },
                    {Commands::Game});
  demoAction_->setCheckable(true);

  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  add(edit, "mnuUndo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { engine_->Undo(); }, {Commands::UndoRedo});
  add(edit, "mnuRedo", "&Redo", QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { engine_->Redo(); }, {Commands::UndoRedo});
  edit->addSeparator();
  // No snapshot until a game starts and one is taken.
  add(edit, "mnuSnapshotPosition", "Snaps&hot position", QKeySequence(Qt::CTRL | Qt::Key_H),
      [this] { SnapshotCommand(); }, {Commands::Snapshot})
      ->setEnabled(false);
  add(edit, "mnuUndoToSnapshot", "Undo to s&napshot", QKeySequence(Qt::CTRL | Qt::Key_T),
      [this] { UndoToSnapshotCommand(); }, {Commands::UndoToSnapshot})
      ->setEnabled(false);
  edit->addSeparator();
  add(edit, "mnuHint", "H&int", QKeySequence(Qt::Key_H), [this] { HintCommand(); }, {Commands::Game});
  autoplayAction_ = add(edit, "mnuAutoPlay", "Au&toplay", QKeySequence(Qt::Key_F7),
                        [this] { engine_->ToggleAutoplay(); }, {Commands::Autoplay});
  autoplayAction_->setCheckable(true);
  autoplayAction_->setChecked(session_.autoplayChecked);

  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  view->setObjectName(QStringLiteral("mnuView"));
  QAction* fit =
      add(view, "mnuFitCards", "Fit cards to the window", {}, [this](bool checked) { SetFitCardsToWindow(checked); });
  fit->setCheckable(true);
  fit->setChecked(fitCards_);

  QMenu* statistics = menuBar()->addMenu(QStringLiteral("&Statistics"));
  statistics->setObjectName(QStringLiteral("mnuStatistics"));
  add(statistics, "mnuGameStatistics", "&Game statistics...", QKeySequence(Qt::Key_F4), [this] {
    TellStatsFileProblem();
    TfrmStatistics(Stats(), this).exec();
  });
  add(statistics, "mnuPlayersStatistics", "&Players statistics...", {}, [this] {
    TellStatsFileProblem();
    TfrmStatisOperat(Stats(), CurrentGame(session_), this).exec();
  });
  add(statistics, "mnuAllGamesStatistics", "&All games statistics...", {}, [this] {
    TellStatsFileProblem();
    TfrmStatisGiochi(Stats(), CurrentPlayer(session_), this).exec();
  });
  add(statistics, "mnuLogStatistics", "&Log statistics...", {},
      [this] { TfrmStatisLog(Stats(), "", -1, this).exec(); });
  statistics->addSeparator();
  add(statistics, "mnuHiScores", "&Hi-Scores...", QKeySequence(Qt::Key_F9), [this] {
    if (session_.store.Get(171, 1) == "Y") PlaySound("Hi-Scor");
    TfrmHiScore(Stats(), CurrentGame(session_), -1, {}, this).exec();
  });
  add(statistics, "mnuOverallScore", "O&verall score...", {}, [this] { TfrmStatisOverall(Stats(), this).exec(); });

  QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
  tools->setObjectName(QStringLiteral("mnuTools"));
  add(tools, "mnuCustomize", "C&ustomize...", QKeySequence(Qt::CTRL | Qt::Key_U), [this] { OpenOptionsDialog(0); });
  // The table's own menu opens the options on the page of the look it names.
  const std::pair<const char*, const char*> looks[] = {{"popChangeCardSet", "Change card set"},
                                                       {"popChangeDeck", "Change deck"},
                                                       {"popChangeBackground", "Change background"}};
  for (int page = 1; page <= 3; ++page) {
    auto* action = new QAction(QString::fromLatin1(looks[page - 1].second), this);
    action->setObjectName(QString::fromLatin1(looks[page - 1].first));
    connect(action, &QAction::triggered, this, [this, page] { OpenOptionsDialog(page); });
  }
  add(tools, "mnuCustomizeRules", "Customize &rules...", QKeySequence(Qt::CTRL | Qt::Key_R),
      [this] { CustomizeRulesCommand(); }, {Commands::Game});
  add(tools, "mnuFavoriteGames", "&Favorite games...", QKeySequence(Qt::CTRL | Qt::Key_F),
      [this] { FavouriteGamesCommand(); });
  counterAction_ =
      add(tools, "mnuCardCounter", "&Card counter...", QKeySequence(Qt::Key_F8), [this] { ToggleCardCounter(); });
  counterAction_->setCheckable(true);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  add(help, "mnuRules", "&Rules", QKeySequence(Qt::Key_F1), [this] { ShowRules(this, session_, -1, {}); });
  add(help, "Sommario1", "&Contents", {}, [this] { ShowHelpTopic(this, session_, kHelpContents); });
  add(help, "mnuHowToPlay", "&How to play", {}, [this] { ShowHelpTopic(this, session_, kHelpHowToPlay); });
  help->addSeparator();
  add(help, "mnuAbout", "A&bout Cardoria 2000...", {}, [this] { ShowAboutBox(this, session_); });
}

void TfrmMain::BuildToolbar() {
  toolbar_ = addToolBar(QStringLiteral("Toolbar"));
  toolbar_->setObjectName(setup_.toolbarLarge ? QStringLiteral("pnlTB") : QStringLiteral("pnlTB1"));
  toolbar_->setMovable(false);
  const int glyph = setup_.toolbarLarge ? 32 : 16;
  toolbar_->setIconSize(QSize(glyph, glyph));
  const char* prefix = setup_.toolbarLarge ? "LTB_" : "TB_";
  auto button = [&](const char* name, const char* hint, const char* glyphName, const char* menuAction) {
    QAction* menu = findChild<QAction*>(QString::fromLatin1(menuAction));
    QAction* action = toolbar_->addAction(Glyph(session_, (std::string(prefix) + glyphName).c_str()), hint);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(QString::fromLatin1(hint));
    connect(action, &QAction::triggered, this, [menu, this] {
      table_->repaint();
      menu->trigger();
    });
    for (auto it = commands_.begin(); it != commands_.end(); ++it)
      if (it.value().contains(menu)) it.value().append(action);
    return action;
  };
  button("tbNew1", "New", "NEW", "mnuNew");
  button("tbOpen1", "Open", "OPEN", "mnuOpen");
  button("tbRestart1", "Restart", "RESTART", "mnuRestartGame");
  button("tbSave1", "Save", "SAVE", "mnuSave");
  button("tbUndo1", "Undo", "UNDO", "mnuUndo");
  button("tbRedo1", "Redo", "REDO", "mnuRedo");
  QAction* autoplay = button("tbAutoPlay1", "Autoplay", "AUTOPLAY", "mnuAutoPlay");
  autoplay->setCheckable(true);
  autoplay->setChecked(session_.autoplayChecked);
  button("tbStat1", "Statistics", "STAT", "mnuGameStatistics");
  button("tbExit1", "Exit", "EXIT", "mnuEsci");
  QWidget* spacer = new QWidget;
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  toolbar_->addWidget(spacer);
  scoreLabel_ = new QLabel;
  scoreLabel_->setObjectName(QStringLiteral("lblScore"));
  timeLabel_ = new QLabel(QString::fromStdString(setup_.timeText));
  timeLabel_->setObjectName(QStringLiteral("lblTempo"));
  // Room for the longest score and clock from the start: they change while
  // a deal or an animation holds the toolbar's layout back, and a label cut
  // to its old width would show "-5" for "-52".
  scoreLabel_->setMinimumWidth(scoreLabel_->fontMetrics().horizontalAdvance(QStringLiteral("-000000")));
  timeLabel_->setMinimumWidth(timeLabel_->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")));
  auto panel = [&](const char* name, const char* caption, QLabel* label, bool shown) {
    QWidget* box = new QWidget;
    box->setObjectName(QString::fromLatin1(name));
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(5, 0, 15, 0);
    layout->addWidget(new QLabel(QString::fromLatin1(caption)));
    layout->addWidget(label);
    box->setVisible(shown);
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QWidget::customContextMenuRequested, this, [this, name, box](const QPoint& at) {
      QMenu menu(this);
      menu.setObjectName(std::string(name) == "pnlTempo" ? QStringLiteral("popTime") : QStringLiteral("popScore"));
      menu.addAction(QStringLiteral("&Hide"), this, [this, name] { ShowPanel(name, false); });
      if (IsInteractivePlatform()) menu.exec(box->mapToGlobal(at));
    });
    toolbar_->addWidget(box);
  };
  panel("pnlScore", "Score:", scoreLabel_, setup_.showScore);
  panel("pnlTempo", "Time:", timeLabel_, setup_.showTime);
  toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolbar_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(toolbar_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("popTB"));
    const bool large = setup_.toolbarLarge;
    menu.addAction(large ? QStringLiteral("Small icons") : QStringLiteral("Large icons"), this, [this] {
      setup_.toolbarLarge = !setup_.toolbarLarge;
      session_.settings.WriteString(kPreferenceSection, "ToolBar_Large", setup_.toolbarLarge ? "Y" : "N");
      SetToolbarSize();
    });
    menu.addAction(setup_.toolbarFlat ? QStringLiteral("No flat button") : QStringLiteral("Flat button"), this, [this] {
      setup_.toolbarFlat = !setup_.toolbarFlat;
      session_.settings.WriteString(kPreferenceSection, "ToolBar_Flat", setup_.toolbarFlat ? "Y" : "N");
      SetToolbarSize();
    });
    for (const char* name : {"pnlTempo", "pnlScore"}) {
      QWidget* panel = toolbar_->findChild<QWidget*>(QString::fromLatin1(name));
      QAction* show = menu.addAction(QString::fromLatin1(name) == "pnlTempo" ? "Show time" : "Show score", this,
                                     [this, name] { ShowPanel(name, true); });
      show->setEnabled(panel && !panel->isVisible());
    }
    if (IsInteractivePlatform()) menu.exec(toolbar_->mapToGlobal(at));
  });
  SetToolbarSize();
}

void TfrmMain::SetToolbarSize() {
  const int glyph = setup_.toolbarLarge ? 32 : 16;
  toolbar_->setIconSize(QSize(glyph, glyph));
  const char* prefix = setup_.toolbarLarge ? "LTB_" : "TB_";
  static const std::pair<const char*, const char*> kGlyphs[] = {
      {"tbNew1", "NEW"},           {"tbOpen1", "OPEN"}, {"tbRestart1", "RESTART"},
      {"tbSave1", "SAVE"},         {"tbUndo1", "UNDO"}, {"tbRedo1", "REDO"},
      {"tbAutoPlay1", "AUTOPLAY"}, {"tbStat1", "STAT"}, {"tbExit1", "EXIT"}};
  for (const auto& [name, glyphName] : kGlyphs) {
    if (QAction* action = toolbar_->findChild<QAction*>(QString::fromLatin1(name)))
      action->setIcon(Glyph(session_, (std::string(prefix) + glyphName).c_str()));
  }
  for (QToolButton* button : toolbar_->findChildren<QToolButton*>()) {
    button->setAutoRaise(setup_.toolbarFlat);
    button->installEventFilter(this);  // for the button hints
  }
}

void TfrmMain::SetPanelVisible(const char* name, bool shown) {
  QWidget* panel = toolbar_->findChild<QWidget*>(QString::fromLatin1(name));
  if (!panel) return;
  // The toolbar shows its widgets as their actions say whenever it lays them out.
  for (QAction* action : toolbar_->actions())
    if (toolbar_->widgetForAction(action) == panel) action->setVisible(shown);
  panel->setVisible(shown);
}

void TfrmMain::ShowPanel(const char* name, bool shown) {
  SetPanelVisible(name, shown);
  const bool time = std::string(name) == "pnlTempo";
  session_.store.Set(time ? pos::kShowTime : pos::kShowScore, 1, shown ? "Y" : "N");
  session_.settings.WriteString(kPreferenceSection, time ? "Show_Time" : "Show_Score", shown ? "Y" : "N");
}

bool TfrmMain::Create() {
  if (!MainFormCreate(session_, ports_, setup_)) return false;
  if (session_.store.Get(148, 1) == "Y") PlaySound("Splash");
  cursors_ = LoadCursors(*session_.resources);
  fitCards_ = session_.settings.ReadString(kPreferenceSection, "Fit_Cards_To_Window", "Y") != "N";
  table_->setCursor(cursors_.value(setup_.cursor, QCursor(Qt::ArrowCursor)));
  statusPlayer_ = new QLabel(this);
  statusPlayer_->setObjectName(QStringLiteral("pnlStatusBar"));
  statusBar()->addWidget(statusPlayer_, 1);
  statusBar()->setVisible(setup_.showStatusBar);
  counter_ = new TfrmCardCounter(session_, this);
  counter_->SetClosedHandler([this] { counterAction_->setChecked(false); });
  counter_->SetHelpHandler([this] { ShowHelpTopic(this, session_, kHelpCardCounter); });
  BuildMenus();
  BuildToolbar();
  BuildDemoBar();
  // Nothing can be played, saved or shown before a game is open.
  for (Commands c :
       {Commands::Game, Commands::PauseAndQuit, Commands::Autoplay, Commands::UndoRedo, Commands::SaveAndUndo})
    SetCommandsEnabled(c, false);
  SetCardSize(session_, session_.store.Get(pos::kCardSize, 1));
  TellUnreadablePictures(images_.Load(session_, *session_.resources));
  return true;
}

void TfrmMain::TellStatsFileProblem() {
  if (const auto problem = StatsFileProblem(session_, files_)) ports_.messages.ShowInfo(*problem);
}

void TfrmMain::TellUnreadablePictures(const std::vector<std::string>& names) {
  // Once a run: every change of look would load the same files again.
  if (names.empty() || unreadablePicturesTold_) return;
  unreadablePicturesTold_ = true;
  std::string list;
  for (const std::string& name : names) list += "\r" + name;
  ports_.messages.ShowInfo("These pictures can not be read:" + list +
                           "\rThe program draws the cards itself in their place. Reinstalling the program puts the "
                           "files back.");
}

void TfrmMain::ApplyWindowState(const WindowState& state) {
  move(state.left, state.top);
  resize(state.width, state.height);
  setWindowState(state.maximized ? Qt::WindowMaximized : Qt::WindowNoState);
}

WindowState TfrmMain::CurrentWindowState() const {
  WindowState state;
  state.maximized = isMaximized();
  state.left = x();
  state.top = y();
  state.width = width();
  state.height = height();
  return state;
}

void TfrmMain::RequestGame(int number, const std::string& deal) {
  requestedGame_ = number;
  // Deal numbers are kept with all 13 digits: the game log lists no other.
  requestedDeal_ = deal.empty() ? deal : RightStr("0000000000000" + deal, 13);
}

void TfrmMain::UpdateTitle() {
  const QString caption = QString::fromStdString(WindowCaption(session_));
  if (windowTitle() != caption) setWindowTitle(caption);
  if (statusPlayer_) statusPlayer_->setText(StatusText());
}

void TfrmMain::RunFirstActivation() {
  if (!session_.values.Flag(kFirstActivationPending)) return;
  FirstActivation(session_);
  UpdateTitle();
  counter_->LoadCounterSettings();
  if (session_.settings.ReadString(kPreferenceSection, "CardCounter_Visible", "N") == "Y") ToggleCardCounter();
  clock_->start();
  RebuildFavouritesMenu();
  if (ResumeAtStart()) {
    // A game taken up again is shown at the scale that fits it, as a deal is.
    ChooseScale();
    tableImage_ = QImage();
    RedrawTable();
  } else if (requestedGame_ >= 0 && !GameNameOf(session_, requestedGame_).empty()) {
    auto ports = StartPorts();
    if (!requestedDeal_.empty()) session_.store.Set(pos::kDealNumber, 15, requestedDeal_);
    OpenGame(session_, ports, requestedGame_, GameNameOf(session_, requestedGame_),
             session_.store.Get(pos::kPlayerName, 30), requestedDeal_.empty() ? 2 : 1, true);
  } else {
    // Nothing to resume and nothing asked for: the player chooses.
    OpenGameCommand();
  }
  update();
}

TfrmOpenGame& TfrmMain::OpenGameDialog() {
  if (!openGame_) {
    OpenGameHooks hooks{[this] { GameListsChanged(); },
                        [this](int code, const std::string& caption) {
                          return deleteCustomGame_ ? deleteCustomGame_(code, caption)
                                                   : DeleteCustomGame(session_, *statsPorts_, *this, code, 1, caption);
                        },
                        [this] { table_->repaint(); }};
    openGame_ = std::make_unique<TfrmOpenGame>(Stats(), ports_.screen, std::move(hooks), this);
  }
  return *openGame_;
}

void TfrmMain::SetOpenGameRunner(std::function<void(TfrmOpenGame&)> runner) { openGameRunner_ = std::move(runner); }

void TfrmMain::SetDeleteCustomGame(std::function<bool(int, const std::string&)> hook) {
  deleteCustomGame_ = std::move(hook);
}

void TfrmMain::OpenGameCommand() {
  TfrmOpenGame& dialog = OpenGameDialog();
  for (;;) {
    dialog.ClearMarks();
    if (openGameRunner_) {
      openGameRunner_(dialog);
    } else {
      dialog.exec();
    }
    if (!dialog.SavedGameRequested()) break;
    // The dialog steps aside for the saved game and comes back when none opened.
    table_->repaint();
    OpenSavedGameCommand();
    if (session_.values.Flag(kGameInProgress)) break;
  }
  if (dialog.Accepted()) {
    auto ports = StartPorts();
    OpenGame(session_, ports, dialog.SelectedCode(), dialog.SelectedCaption(), dialog.ChosenPlayer(), 2, false);
    dialog.ClearAccepted();
  }
  if (session_.store.GetInt(pos::kGameNumber, 4) < 0) SetCommandsEnabled(Commands::Game, false);
  RedrawTable();
}

void TfrmMain::FavouriteGamesCommand() {
  TfrmFavorite dialog(session_, this);
  if (dialog.exec() == QDialog::Accepted) GameListsChanged();
  table_->repaint();
}

void TfrmMain::GameListsChanged() {
  RebuildFavouritesMenu();
  if (!openGame_) return;
  openGame_->RefreshFavouritesBranch();
  openGame_->RefreshCustomBranch();
}

void TfrmMain::RebuildFavouritesMenu() {
  QMenu* game = findChild<QMenu*>(QStringLiteral("mnuGame"));
  if (!game) return;
  for (QAction* action : game->actions()) {
    const QVariant tag = action->data();
    if (tag.isValid() && tag.toInt() <= -1 && tag.toInt() >= -3) {
      game->removeAction(action);
      // Deleted later: the rebuild may run from one of the submenu's own items.
      if (QMenu* sub = action->menu()) {
        sub->setObjectName(QString());
        sub->deleteLater();
      }
      action->deleteLater();
    }
  }
  const std::vector<std::string> names = ReadFavouriteNames(session_);
  if (names.empty()) return;
  game->addSeparator()->setData(-1);
  auto* favourites = new QMenu(QStringLiteral("Favorite games"), game);
  favourites->setObjectName(QStringLiteral("mnuFavorites"));
  if (session_.resources) favourites->setIcon(QIcon(QPixmap::fromImage(LibraryImage(*session_.resources, "S_TREE2"))));
  favourites->menuAction()->setData(-2);
  game->addMenu(favourites);
  for (const auto& [name, number] : ReadFavourites(session_)) {
    const QString caption = QString::fromStdString(TrimRightSpaces(name));
    QAction* item = favourites->addAction(caption);
    item->setData(-3);
    const std::string icon = FamilyIconName(FamilyOf(session_, number));
    if (session_.resources && !icon.empty())
      item->setIcon(QIcon(QPixmap::fromImage(LibraryImage(*session_.resources, icon))));
    connect(item, &QAction::triggered, this, [this, caption] {
      const int n = GameNumberOf(session_, caption.toStdString());
      if (n < 0) return;
      auto ports = StartPorts();
      OpenGame(session_, ports, n, caption.toStdString(), session_.store.Get(pos::kPlayerName, 30), 2, true);
    });
  }
}

void TfrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (session_.values.Flag(kFirstActivationPending)) QTimer::singleShot(0, this, [this] { RunFirstActivation(); });
}

bool TfrmMain::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) QTimer::singleShot(0, this, [this] { RunFirstActivation(); });
  return QMainWindow::event(event);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  WriteWindowState(session_.settings, CurrentWindowState());
  if (session_.values.Flag(kAnimationRunning)) {
    // The animation stops first; the end of the game closes the window then.
    session_.values.SetFlag(kAnimationRunning, false);
    session_.positions.Set(67, 1);
    session_.values.SetFlag(kHoldAndExitRequested, false);
    event->ignore();
    return;
  }
  if (session_.settings.ReadString(kPreferenceSection, "ConfirmQuit", "N") != "N" &&
      !ports_.messages.Confirm(std::string("Exit ") + kProductName + "?")) {
    session_.values.SetFlag(kHoldAndExitRequested, false);
    event->ignore();
    return;
  }
  // The player's own game is the one held or ended, not the demo.
  LeaveDemo();
  if (!HoldOnClose()) {
    session_.values.SetFlag(kHoldAndExitRequested, false);
    event->ignore();
    return;
  }
  engine_->EndGame();
  counter_->SaveCounterSettings();
  hide();
  StopSound();
  clock_->stop();
  session_.settings.WriteString(kPreferenceSection, "AutoPlay", session_.autoplayChecked ? "Y" : "N");
  session_.resources.reset();
  event->accept();
}

double TfrmMain::DeviceRatio() const { return table_->devicePixelRatioF(); }

TableGeometry TfrmMain::Geometry() const { return GeometryAt(scale_); }

TableGeometry TfrmMain::GeometryAt(double scale) const {
  // Widget pixels in the layout's: through the screen's pixels, then the scale.
  const double perPixel = DeviceRatio() / scale;
  auto layout = [perPixel](int widgetPixels) { return static_cast<int>(widgetPixels * perPixel); };
  TableGeometry g;
  g.formWidth = layout(table_->width());
  g.scrollBarWidth = session_.layout.scrollBarShown ? layout(scrollBar_->sizeHint().width()) : 0;
  g.clientHeight = layout(table_->height());
  g.formHeight = g.clientHeight + 60;
  g.topY = 5;
  g.shiftX = centreShift_;
  const ScreenInfo screen = ports_.screen.Info();
  g.screenWidth = std::max(layout(screen.width), g.formWidth);
  g.screenHeight = std::max(layout(screen.height), g.clientHeight);
  return g;
}

void TfrmMain::ChooseScale() {
  const double ratio = DeviceRatio();
  scaleRatio_ = ratio;
  double scale = ratio;
  if (fixedScale_ > 0) {
    scale = fixedScale_;
  } else if (fitCards_ && session_.rules[rule::CardCount] != 0) {
    // Never smaller than half, nor larger than four times, the cards' own size.
    scale = FitScale(
        session_, [this](double s) { return GeometryAt(s); }, FitLimits{0.5 * ratio, 4.0 * ratio});
  }
  scale_ = scale;
  images_.SetScale(scale);
  // The fitted table stands in the middle of the window, not against its
  // left margin with the room to spare on the right.
  centreShift_ = 0;
  if (fitCards_ && fixedScale_ <= 0 && session_.rules[rule::CardCount] != 0)
    centreShift_ = CentringShift(session_, GeometryAt(scale));
}

void TfrmMain::SetFitCardsToWindow(bool on) {
  fitCards_ = on;
  session_.settings.WriteString(kPreferenceSection, "Fit_Cards_To_Window", on ? "Y" : "N");
  if (QAction* action = findChild<QAction*>(QStringLiteral("mnuFitCards"))) action->setChecked(on);
  if (session_.values.Flag(kFirstActivationPending)) return;
  ChooseScale();
  Relayout();
}

void TfrmMain::FixTableScale(double scale) {
  fixedScale_ = scale;
  ChooseScale();
  Relayout();
}

QPoint TfrmMain::ToWidget(int x, int y) const {
  const double perLayout = scale_ / DeviceRatio();
  return QPoint(static_cast<int>(std::lround(x * perLayout)), static_cast<int>(std::lround(y * perLayout)));
}

void TfrmMain::Relayout() {
  RefreshUndoCommands();
  if (session_.rules[rule::CardCount] == 0) return;
  for (int pass = 0; pass < 3; ++pass) {
    const TableGeometry g = Geometry();
    ComputeLayout(session_, g);
    // The pictures are as large as the screen (or the window) in the
    // layout's pixels, allocated in the scaled pixels.
    const int width = g.screenWidth + 30;
    const int height = std::max({session_.layout.imageHeight, g.screenHeight + 30, g.clientHeight + 30});
    const QSize pixels(ToPixels(width, scale_), ToPixels(height, scale_));
    if (tableImage_.size() != pixels || backgroundImage_.isNull()) {
      tableImage_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
      backgroundImage_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
      PaintBackgroundImage();
    }
    TableRenderer(session_, images_).DrawTable(tableImage_, backgroundImage_);
    if (!UpdateScrollBar(session_, g.clientHeight)) break;
  }
  const TableLayout& layout = session_.layout;
  scrollBar_->blockSignals(true);
  scrollBar_->setRange(0, std::max(layout.scrollMax - 100, 0));
  scrollBar_->setPageStep(Geometry().clientHeight);
  scrollBar_->setValue(layout.scrollPosition);
  scrollBar_->blockSignals(false);
  scrollBar_->setVisible(layout.scrollBarShown);
  table_->update();
  // A new deal, a loaded game or a restart: the counter starts again too.
  if (counter_ && counter_->isVisible()) counter_->RefreshCounter();
}

void TfrmMain::SetCommandsEnabled(Commands commands, bool enabled) {
  if (commands == Commands::SaveAndUndo || commands == Commands::UndoRedo) {
    undoAllowed_ = enabled;
    if (commands == Commands::SaveAndUndo) {
      for (QAction* action : commands_.value(CommandKey(commands))) action->setEnabled(enabled);
      if (!enabled)
        for (QAction* action : commands_.value(CommandKey(Commands::Snapshot))) action->setEnabled(false);
    }
  } else {
    for (QAction* action : commands_.value(CommandKey(commands))) action->setEnabled(enabled);
  }
  RefreshUndoCommands();
}

void TfrmMain::RefreshUndoCommands() {
  // Undo and Redo go together: enabled while the game allows them and the
  // history holds a step either way.
  const UndoHistory& history = session_.history;
  // In a demo the bar alone moves through the recording.
  const bool on = undoAllowed_ && session_.values.Flag(kGameInProgress) && !session_.values.Flag(kDemoMode) &&
                  session_.store.Get(pos::kUndoEnabled, 1) != "2" &&
                  (history.undo.Steps() > 0 || history.redo.Steps() > 0);
  for (QAction* action : commands_.value(CommandKey(Commands::UndoRedo))) action->setEnabled(on);
}

bool TfrmMain::GameCommandsEnabled() const {
  const auto actions = commands_.value(CommandKey(Commands::Game));
  return actions.isEmpty() || actions.first()->isEnabled();
}

void TfrmMain::ShowWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
void TfrmMain::RestoreCursor() {
  if (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}
void TfrmMain::Repaint() { table_->update(); }
void TfrmMain::SetTimeText(const std::string& text) {
  if (timeLabel_) timeLabel_->setText(QString::fromStdString(text));
}
void TfrmMain::SetScoreText(const std::string& text) {
  if (scoreLabel_) scoreLabel_->setText(QString::fromStdString(text));
}

void TfrmMain::ReloadCardImages() {
  SetCardSize(session_, session_.store.Get(pos::kCardSize, 1));
  if (session_.resources) TellUnreadablePictures(images_.Load(session_, *session_.resources));
  images_.SetScale(scale_);
}

void TfrmMain::PaintBackgroundImage() {
  TextStore& store = session_.store;
  if (!session_.values.Flag(kDemoMode) && store.Get(pos::kBackgroundDef, 1) != "Y") {
    if (store.Get(pos::kCustomizedBackground, 1) == "Y") {
      const std::string path = session_.settings.ReadString(kPreferenceSection, "Customized_Background", "");
      if (!FileExists(path)) {
        // The player's own picture is gone: back to the default colour for good.
        ports_.messages.ShowInfo("Customized background image not found: " + path);
        store.Set(pos::kCustomizedBackground, 1, "N");
        store.Set(pos::kBackgroundDef, 1, "Y");
        session_.settings.WriteStrings(kPreferenceSection, {{"Customized_Background", ""}, {"Background_Def", "Y"}});
      }
    } else if (const int number = store.GetInt(pos::kBackgroundBmp, 4); number >= 1 && number <= 499) {
      const std::string path = session_.PathOf("Images\\B" + ZeroPad(number, 3) + ".bmp");
      if (QImage(QString::fromStdString(path)).isNull()) {
        // For this run only: the file may come back with a reinstall.
        ports_.messages.ShowInfo("The background picture " + path +
                                 " can not be read. The table is shown in the default colour instead.");
        store.Set(pos::kBackgroundDef, 1, "Y");
      }
    }
  }
  PaintBackground(session_, backgroundImage_, ports_.screen.Info().colorDepth > 8, scale_);
}

void TfrmMain::LayOutTable() {
  SetCardSize(session_, session_.store.Get(pos::kCardSize, 1));
  ClearPilePositions(session_);
  SetFanSteps(session_);
  ComputeLayout(session_, Geometry());
}

void TfrmMain::PrepareBackground() {
  const LooksChanged changed = RandomizeLooks(session_, ports_.random, ports_.screen.Info().colorDepth > 8);
  if (changed.cards) ReloadCardImages();
  // The background is painted again, sized to the window, by the next full redraw.
  tableImage_ = QImage();
  backgroundImage_ = QImage();
}

void TfrmMain::DrawDeal(bool animate) {
  // Every deal starts at the top of the table, at the scale that fits it.
  session_.layout.scrollPosition = 0;
  session_.positions.Set(PositionTable::kScrollOffset, 0);
  ChooseScale();
  if (!animate || !isVisible() || !IsInteractivePlatform()) {
    Relayout();
    table_->repaint();
    return;
  }
  // The deal: the stock group and the foundations first, then every card of
  // the reserves and the tableau flies from the deal origin to its place.
  Relayout();
  const bool shuffling = session_.store.Get(149, 1) == "Y";
  if (shuffling) PlaySoundLoop("Shuffle");
  std::set<int> pending;
  for (auto group : {PileGroup::Reserve, PileGroup::Tableau})
    for (const std::string& pile : session_.piles.Items(group))
      for (int i = 0; i < PileCardCount(pile); ++i) pending.insert(CardAt(pile, i));
  pending.erase(0);
  TableRenderer renderer(session_, images_);
  const PileRef origin = DealOrigin(session_);
  const Rect from = TopCardRect(session_, origin);
  // The table without the cards still to come, and a back where they come from.
  auto drawRest = [&] {
    renderer.DrawTable(tableImage_, backgroundImage_, pending);
    QPainter painter(&tableImage_);
    painter.drawImage(ToPixels(from.left, scale_), ToPixels(from.top + ScrollOffset(session_), scale_),
                      images_.BackImage());
  };
  drawRest();
  table_->repaint();
  auto fly = [&](PileRef pile, int index) {
    const std::string& text = session_.piles.Pile(pile.group, pile.index);
    const int card = CardAt(text, index);
    if (card <= 0) return;
    const Rect to = CardInPileRect(session_, pile, index);
    dragImage_ = session_.cards.IsFaceDown(card) ? images_.BackImage() : images_.Face(card);
    flying_ = true;
    for (const FlightPoint& at : FlightPath(from.left, from.top, to.left, to.top, true)) {
      dragRect_ = {at.x, at.y, at.x + images_.Width(), at.y + images_.Height()};
      table_->repaint();
    }
    flying_ = false;
    pending.erase(card);
    drawRest();
  };
  // Reserve 1 as the origin shows its own card only when the deal is over.
  for (int r = origin == PileRef{PileGroup::Reserve, 0} ? 1 : 0; r < kReservePiles; ++r)
    for (int i = 0; i < PileCardCount(session_.piles.Pile(PileGroup::Reserve, r)); ++i) fly({PileGroup::Reserve, r}, i);
  const int longest = LongestTableau(session_.piles, session_.rules);
  if (session_.rules[rule::SweepByPile] != 0) {
    for (int t = 0; t < kTableauPiles; ++t)
      for (int i = 0; i < PileCardCount(session_.piles.Pile(PileGroup::Tableau, t)); ++i)
        fly({PileGroup::Tableau, t}, i);
  } else {
    for (int i = 0; i < longest; ++i)
      for (int t = 0; t < kTableauPiles; ++t)
        if (i < PileCardCount(session_.piles.Pile(PileGroup::Tableau, t))) fly({PileGroup::Tableau, t}, i);
  }
  if (shuffling) StopSound();
  Relayout();
}

void TfrmMain::SetSoundPort(std::unique_ptr<SoundPort> port) { sounds_ = std::move(port); }

void TfrmMain::PlaySound(const std::string& name, SoundMode mode) {
  // The master switch silences every sound, also those without a switch of their own.
  if (session_.store.Get(pos::kSoundsEnabled, 1) != "Y") return;
  if (!sounds_) sounds_ = std::make_unique<QtSoundPlayer>(session_.programDir);
  sounds_->Play(name, mode);
}

void TfrmMain::PlaySound(const std::string& name, bool wait) {
  PlaySound(name, wait ? SoundMode::Wait : SoundMode::Async);
}
void TfrmMain::Beep() { QApplication::beep(); }
void TfrmMain::PlaySound(const std::string& name) { PlaySound(name, SoundMode::Async); }
void TfrmMain::PlaySoundLoop(const std::string& name) { PlaySound(name, SoundMode::Loop); }
void TfrmMain::StopSound() {
  if (session_.store.Get(pos::kSoundsEnabled, 1) == "Y" && sounds_) sounds_->Stop();
}

void TfrmMain::RedrawTable() {
  // Whatever was lifted has landed (or gone back) once its piles are redrawn.
  lifted_ = false;
  if (counter_ && counter_->isVisible()) counter_->RefreshCounter();
  RefreshUndoCommands();
  if (tableImage_.isNull()) return Relayout();
  TableRenderer(session_, images_).DrawTable(tableImage_, backgroundImage_);
  table_->update();
}

void TfrmMain::RedrawPile(PileRef) { RedrawTable(); }

void TfrmMain::DrawStockPressed(bool pressed) {
  RedrawTable();
  if (!pressed) return;
  QPainter painter(&tableImage_);
  const Rect r = TopCardRect(session_, {PileGroup::Stock, kStockItem});
  painter.fillRect(ToPixels(CardRect(r.left, r.top + ScrollOffset(session_), r.Width(), r.Height()), scale_),
                   QColor(0, 0, 0, 60));
  table_->update();
}

void TfrmMain::LiftCards(int card, const Rect& rect) {
  TableRenderer renderer(session_, images_);
  dragImage_ = renderer.GroupPicture(card, rect);
  std::set<int> hidden;
  // A card of the game of gaps leaves its row alone; a stack of the row of
  // stacks takes its covered cards along.
  const int family = session_.rules[rule::GameFamily];
  const std::string group = family == 32 || family == 19 ? std::string() : GroupFrom(session_, card);
  for (int i = 0; i < PileCardCount(group); ++i) hidden.insert(CardAt(group, i));
  if (family == 19 && Tableaus(session_) > 0) {
    const std::string& row = session_.piles.Pile(PileGroup::Tableau, 0);
    const std::size_t at = FindCode(row, card);
    const int top = at == std::string::npos ? 0 : static_cast<int>(at / 3);
    for (int i = top - 1; i >= 0; --i) {
      if (CardAt(row, i) <= 0 || !session_.cards.IsFaceDown(CardAt(row, i))) break;
      hidden.insert(CardAt(row, i));
    }
  }
  hidden.insert(card);
  renderer.DrawTable(tableImage_, backgroundImage_, hidden);
  dragRect_ = rect;
  lifted_ = true;
  table_->update();
}

void TfrmMain::MoveDrag(const Rect& rect) {
  dragRect_ = rect;
  table_->update();
}

void TfrmMain::ReturnCards(int card, const Rect& to) {
  // The lifted picture glides back to where the cards still lie.
  if (lifted_ && !to.Empty()) FlyCard(card, dragRect_, to);
  lifted_ = false;
  RedrawTable();
}

void TfrmMain::FlyCard(int card, const Rect& from, const Rect& to) {
  if (session_.store.Get(pos::kCardsAnimate, 1) == "N" || !isVisible() || from.Empty() || to.Empty()) {
    lifted_ = false;
    return;
  }
  if (!lifted_) {
    dragImage_ = session_.cards.IsFaceDown(card) ? images_.BackImage() : images_.Face(card);
    dragRect_ = {from.left, from.top, from.left + images_.Width(), from.top + images_.Height()};
  }
  const int delay = std::clamp(session_.store.GetInt(pos::kSpeedMoveCard, 2), 0, 99);
  flying_ = true;
  const int height = dragRect_.Height();
  for (const FlightPoint& at : FlightPath(from.left, from.top, to.left, to.top, false)) {
    dragRect_ = {at.x, at.y, at.x + images_.Width(), at.y + height};
    table_->repaint();
    if (delay > 0) BusyWait(ports_.clock, delay);
  }
  flying_ = false;
  lifted_ = false;
}

Rect TfrmMain::MovingCardsRect() const {
  // Lifted cards are shown only while the engine still holds them: a drop
  // that lands makes them part of the table picture.
  if (flying_ || (lifted_ && session_.drag.draggedCard != 0)) return dragRect_;
  return {};
}

void TfrmMain::Peek(int card, const Rect& rect) {
  QPainter painter(&tableImage_);
  painter.drawImage(ToPixels(rect.left, scale_), ToPixels(rect.top + ScrollOffset(session_), scale_),
                    images_.Face(card));
  table_->update();
}

void TfrmMain::EndPeek() { RedrawTable(); }
void TfrmMain::ShowPopupMenu(int x, int y) {
  // The table's own menu holds the commands that exist so far.
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("popMain"));
  for (const char* name : {"mnuGameInformation", "mnuFavoriteGames", "", "popChangeCardSet", "popChangeDeck",
                           "popChangeBackground", "", "mnuPause", "mnuQuitGame"}) {
    if (!*name) {
      menu.addSeparator();
      continue;
    }
    QAction* action = findChild<QAction*>(QString::fromLatin1(name));
    if (action) menu.addAction(action);
  }
  QAction* counter = menu.addAction(QStringLiteral("Card counter"), this, [this] { ToggleCardCounter(); });
  counter->setObjectName(QStringLiteral("mnuPopCardCounter"));
  counter->setShortcut(QKeySequence(Qt::Key_F8));
  counter->setCheckable(true);
  counter->setChecked(counter_->isVisible());
  if (IsInteractivePlatform()) menu.exec(table_->mapToGlobal(ToWidget(x, y)));
}
void TfrmMain::SetDragCursor(bool dragging) {
  table_->setCursor(cursors_.value(setup_.cursor + (dragging ? 10 : 0), QCursor(Qt::ArrowCursor)));
}
void TfrmMain::Scroll(int pages) {
  if (scrollBar_->isVisible()) scrollBar_->setValue(scrollBar_->value() + pages * scrollBar_->pageStep());
}
void TfrmMain::CardMoved(int card, int fromKind, int toKind) { counter_->CardMoved(card, fromKind, toKind); }

void TfrmMain::ToggleCardCounter() {
  if (counter_->isVisible()) {
    counter_->hide();
  } else {
    // Without a place of its own the counter stands beside the window, or
    // inside its right edge when the screen ends there.
    if (session_.settings.ReadInt(kPreferenceSection, "CardCounter_Left", -1) <= 0 && !counterPlaced_) {
      const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect();
      const QPoint corner = table_->mapToGlobal(QPoint(table_->width(), 0));
      int left = frameGeometry().right() + 8;
      if (!screen.isEmpty() && left + counter_->frameGeometry().width() > screen.right())
        left = std::max(screen.left(), corner.x() - counter_->frameGeometry().width() - 8);
      counter_->move(left, corner.y());
    }
    counterPlaced_ = true;
    counter_->show();
    counter_->raise();
  }
  counterAction_->setChecked(counter_->isVisible());
}
void TfrmMain::ShowScore(const std::string& score) { SetScoreText(score); }
void TfrmMain::ShowTime(const std::string& time) { SetTimeText(time); }
void TfrmMain::HidePileSizeHint() { pileSize_->hide(); }

void TfrmMain::ShowPileSizeHint() {
  const int since = session_.values.Counter(kLastMouseMoveTick);
  if (session_.store.Get(pos::kShowPilesSize, 1) != "Y" || !session_.values.Flag(kGameInProgress) || since < 0 ||
      pileSize_->isVisible())
    return;
  const int now = static_cast<int>(ports_.clock.TickMs() & 0x7fffffff);
  if (now - since < 500) return;
  const HitResult hit = engine_->HitTest(session_.drag.hoverX, session_.drag.hoverY);
  const auto pile = ParsePileName(hit.pile);
  if (!pile) return;
  const int count = PileCardCount(session_.piles.Pile(pile->group, pile->index));
  if (count == 0) return;
  pileSize_->setText(QString("%1 %2\nin this pile").arg(count).arg(count == 1 ? "card" : "cards"));
  pileSize_->adjustSize();
  // The hint stands by the mouse, in the widget's own coordinates.
  const QPoint mouse = ToWidget(session_.drag.hoverX, session_.drag.hoverY);
  const int x = mouse.x(), y = mouse.y();
  int left = x, top = y - pileSize_->height() + 57;
  if (left + pileSize_->width() > table_->width() - 57) left = x - pileSize_->width() - 2;
  if (top + pileSize_->height() > table_->height() - 57) top = y - pileSize_->height() - 2;
  pileSize_->move(left, top);
  pileSize_->show();
}
void TfrmMain::SetAutoplayChecked(bool checked) {
  for (QAction* action : commands_.value(CommandKey(Commands::Autoplay))) action->setChecked(checked);
}

void TfrmMain::InvertCard(const Rect& rect) {
  if (tableImage_.isNull()) return;
  QPainter painter(&tableImage_);
  painter.setCompositionMode(QPainter::CompositionMode_Difference);
  const QRect pixels(ToPixels(rect.left, scale_), ToPixels(rect.top + ScrollOffset(session_), scale_),
                     ToPixels(rect.right - rect.left, scale_), ToPixels(rect.bottom - rect.top, scale_));
  painter.fillRect(pixels, Qt::white);
  painter.end();
  table_->update();
}

void TfrmMain::Pause(int milliseconds) {
  // The player sees what the pause is for before it starts.
  table_->repaint();
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void TfrmMain::SetInputBlocked(bool blocked) {
  if (blocked == inputBlocked_) return;
  inputBlocked_ = blocked;
  if (blocked) {
    qApp->installEventFilter(this);
  } else if (!animating_ && !paused_ && !swallowingClick_) {
    qApp->removeEventFilter(this);
  }
}

void TfrmMain::DrawPokerPanel() {
  if (tableImage_.isNull()) return;
  TableRenderer(session_, images_).DrawPokerPanel(tableImage_);
  table_->update();
}

void TfrmMain::ShowMemoryEnd(const MemoryEnd& end) {
  TfrmMemoryEnd(end, this).exec();
  if (session_.values.Flag(kGameInProgress)) return;
  update();
  if (counter_ && counter_->isVisible()) counter_->update();
  RedrawTable();
}

void TfrmMain::RecordGameResult(const GameResult& result) {
  cardoria::RecordGameResult(session_, result, *statsPorts_);
}
void TfrmMain::RunWinningAnimation() {
  const std::string name = session_.settings.ReadString(kPreferenceSection, "Winning_Animations", kRandomAnimation);
  const int seconds = session_.settings.ReadInt(kPreferenceSection, "Winning_Animations_Time", 30);
  animationDrawn_ = AnimateWin(WinningAnimationIndex(name, ports_.random), seconds);
}

bool TfrmMain::AnimateWin(int kind, int seconds) {
  ValueTables& values = session_.values;
  values.SetFlag(kAnimationRunning, true);
  animating_ = true;
  bool drawn = false;
  qApp->installEventFilter(this);
  activateWindow();
  table_->setFocus();
  if (kind >= 0 && !tableImage_.isNull() && isVisible()) {
    WinningAnimator animator(
        *table_, tableImage_, [this](int card) { return images_.Face(card); }, ports_.clock, ports_.random);
    animator.SetPictureTop(ScrollOffset(session_));
    animator.SetTopY(toolbar_ && toolbar_->isVisible() ? 0 : 5);
    animator.SetStopCheck([this] { return !session_.values.Flag(kAnimationRunning); });
    animator.Run(kind, std::max(seconds, 0) * std::int64_t{1000},
                 std::clamp(session_.store.GetInt(pos::kSpeedMoveCard, 2), 0, 99));
    drawn = true;
  }
  values.SetFlag(kAnimationRunning, false);
  animating_ = false;
  if (!swallowingClick_) qApp->removeEventFilter(this);
  return drawn;
}
void TfrmMain::ShowGameWon() {
  // The cards of a winning animation stay on the table under the dialog.
  if (!animationDrawn_) RedrawTable();
  animationDrawn_ = false;
  TfrmGameWon(Stats(), this).exec();
}

void TfrmMain::ShowHiScores(bool newEntry, int rank, const std::string& caption, int game) {
  if (session_.store.Get(newEntry ? 174 : 171, 1) == "Y") PlaySound(newEntry ? "Scores.wav" : "Hi-Scor");
  TfrmHiScore(Stats(), game, newEntry ? rank : -1, QString::fromStdString(caption), this).exec();
}

bool TfrmMain::PlayGame(int game, const std::string& deal) {
  if (GameNameOf(session_, game).empty()) return false;
  auto ports = StartPorts();
  if (!ConfirmAbandonGame(session_, ports)) return false;
  // The game left behind is recorded with its own deal number, before the
  // chosen one takes its place.
  engine_->EndGame();
  if (!deal.empty()) session_.store.Set(pos::kDealNumber, 15, deal);
  OpenGame(session_, ports, game, GameNameOf(session_, game), session_.store.Get(pos::kPlayerName, 30),
           deal.empty() ? 2 : 1, true);
  return session_.values.Flag(kGameInProgress);
}

// A demo is gone through with its bar; a restart or a snapshot in the
// middle of one would leave the bar counting positions the table lost.
void TfrmMain::RestartCommand() {
  if (session_.values.Flag(kDemoMode)) return Beep();
  RestartGame();
}

bool TfrmMain::RestartGame() {
  auto ports = StartPorts();
  cardoria::RestartGame(session_, ports);
  return session_.values.Flag(kGameInProgress);
}

bool TfrmMain::SelectGame() {
  OpenGameCommand();
  return session_.values.Flag(kGameInProgress);
}

bool TfrmMain::SelectGameNumber() {
  TfrmSelectGameNumber(Stats(), this).exec();
  return session_.values.Flag(kGameInProgress);
}

bool TfrmMain::LeaveGame(const std::string& question) {
  auto ports = StartPorts();
  if (!ConfirmAbandonGame(session_, ports, question)) return false;
  engine_->EndGame();
  return true;
}

void TfrmMain::RepaintTable() { RedrawTable(); }

void TfrmMain::ClearTable() {
  if (session_.values.Flag(kGameInProgress)) return;
  session_.piles.ClearAll();
  RedrawTable();
}

void TfrmMain::PlayerShown() { UpdateTitle(); }

void TfrmMain::CloseCurrentGame() {
  LeaveDemo();
  engine_->EndGame();
  session_.store.Set(pos::kGameNumber, 4, ZeroPad(-1, 4));
  session_.store.Set(pos::kGameName, 50, "");
  UpdateTitle();
  // As before the first game: nothing is left to play or to save.
  for (Commands c :
       {Commands::Game, Commands::PauseAndQuit, Commands::Autoplay, Commands::UndoRedo, Commands::SaveAndUndo})
    SetCommandsEnabled(c, false);
  ClearTable();
}

void TfrmMain::CustomizeRulesCommand() { CustomizeRulesDialog(Customizing(), this); }

QString TfrmMain::StatusText() const {
  return QStringLiteral("Player: ") + QString::fromStdString(TrimRightSpaces(session_.store.Get(pos::kPlayerName, 30)));
}
void TfrmMain::CloseMainWindow() { close(); }
void TfrmMain::DeleteSnapshotFile(const std::string& path) { std::remove(path.c_str()); }

void TfrmMain::OnClockTick() {
  if (paused_) return;
  engine_->TimerTick();
  ShowPileSizeHint();
}

void TfrmMain::TogglePause() {
  ValueTables& values = session_.values;
  if (!paused_) {
    if (!values.Flag(kGameInProgress)) return;
    paused_ = true;
    values.SetFlag(kClockRunning, false);
    values.SetTime(kPauseStart, ports_.clock.Now());
    pauseSlide_ = 0;
    pauseTimer_->start();
    HidePileSizeHint();
    qApp->installEventFilter(this);
  } else {
    paused_ = false;
    pauseTimer_->stop();
    // A game that began during the pause has a fresh clock of its own; only
    // the game that was paused is owed the time it spent waiting.
    if (values.Time(kClockStart) <= values.Time(kPauseStart))
      values.SetTime(kClockStart, ports_.clock.Now() - (values.Time(kPauseStart) - values.Time(kClockStart)));
    values.SetFlag(kClockRunning, values.Flag(kGameInProgress));
    if (!swallowingClick_) qApp->removeEventFilter(this);
    Relayout();
  }
  table_->update();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip && qobject_cast<QToolButton*>(watched) &&
      session_.store.Get(pos::kShowToolTips, 1) != "Y")
    return true;
  if (inputBlocked_) {
    switch (event->type()) {
      case QEvent::ShortcutOverride:
      case QEvent::KeyPress:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick: return true;
      default: break;
    }
  }
  const bool gating = paused_ || animating_;
  if (!gating && !swallowingClick_) return QMainWindow::eventFilter(watched, event);
  // Ends the pause or the winning animation, whichever the input interrupts.
  auto end = [this] {
    if (paused_) {
      TogglePause();
    } else {
      session_.values.SetFlag(kAnimationRunning, false);
    }
  };
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      if (!gating) break;
      // Taken here, no shortcut runs; the key press that follows ends the pause.
      event->accept();
      return true;
    case QEvent::KeyPress: {
      if (!gating) break;
      // A modifier alone waits for its key, so that a whole chord such as
      // Ctrl+Z is the input that ends the pause, and nothing else.
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key != Qt::Key_Control && key != Qt::Key_Shift && key != Qt::Key_Alt && key != Qt::Key_Meta &&
          key != Qt::Key_AltGr)
        end();
      return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick: {
      // The press reaches every widget under the mouse in turn: only the
      // first ends the pause. A later press, should the release have gone
      // astray, is the player's again.
      const auto stamp = static_cast<QInputEvent*>(event)->timestamp();
      if (!gating && stamp != endingClickTime_) {
        swallowingClick_ = false;
        qApp->removeEventFilter(this);
        break;
      }
      swallowingClick_ = true;
      endingClickTime_ = stamp;
      if (gating) end();
      event->accept();
      return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonRelease:
      if (swallowingClick_ && !paused_ && !animating_) {
        swallowingClick_ = false;
        qApp->removeEventFilter(this);
      }
      event->accept();
      return true;
    case QEvent::ContextMenu:
    case QEvent::Wheel: event->accept(); return true;
    default: break;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::PaintPause(QPainter& painter, const QSize& pixels) const {
  const QRect area(QPoint(0, 0), pixels);
  QLinearGradient fade(0, 0, 0, area.height());
  fade.setColorAt(0, QColor(0, 128, 0));
  fade.setColorAt(1, QColor(0, 0, 0));
  painter.fillRect(area, fade);
  if (!session_.resources) return;
  if (pauseScale_ != scale_) {
    // At the table's own scale the library's pictures; at any other, the
    // same pictures drawn at that scale.
    for (int which : {1, 2}) {
      QImage picture = scale_ == 1.0 ? LibraryImage(*session_.resources, "BMP_PAUSE_" + std::to_string(which))
                                     : PausePicture(which, scale_).convertToFormat(QImage::Format_ARGB32_Premultiplied);
      if (!picture.isNull())
        picture.setAlphaChannel(
            picture.createMaskFromColor(qRgb(0, 128, 0), Qt::MaskOutColor).convertToFormat(QImage::Format_Grayscale8));
      pausePictures_[static_cast<std::size_t>(which - 1)] = picture;
    }
    pauseScale_ = scale_;
  }
  // Placed in the layout's pixels, drawn in the picture's.
  const int height = static_cast<int>(area.height() / scale_);
  for (int which : {1, 2}) {
    const QImage& picture = pausePictures_[static_cast<std::size_t>(which - 1)];
    if (picture.isNull()) continue;
    const int y = std::max(100, (height - 80 - 30 - 45) / 2) + (which == 2 ? 95 : 0);
    painter.drawImage((area.width() - picture.width()) / 2 + (which == 1 ? ToPixels(pauseSlide_, scale_) : 0),
                      ToPixels(y, scale_), picture);
  }
}

void TfrmMain::ApplyLookToTable() {
  SetCardSize(session_, session_.store.Get(pos::kCardSize, 1));
  SetFanSteps(session_);
  ReloadCardImages();
  // A fresh background, painted by the layout at the table's size.
  backgroundImage_ = QImage();
  if (session_.rules[rule::CardCount] == 0) {
    tableImage_ = QImage();
  } else {
    Relayout();
  }
  RepaintWindows();
}

void TfrmMain::RepaintWindows() { table_->repaint(); }

void TfrmMain::ApplyWindowOptions(const WindowOptions& options) {
  // A new size lays the toolbar out again, which shows its panels anew: done first.
  if (setup_.toolbarLarge != options.largeToolbar || setup_.toolbarFlat != options.flatButtons) {
    setup_.toolbarLarge = options.largeToolbar;
    setup_.toolbarFlat = options.flatButtons;
    SetToolbarSize();
    QApplication::processEvents();
  }
  SetPanelVisible("pnlTempo", options.showTime);
  SetPanelVisible("pnlScore", options.showScore);
  setup_.cursor = options.cursor;
  table_->setCursor(cursors_.value(setup_.cursor, QCursor(Qt::ArrowCursor)));
  RefreshUndoCommands();
}

void TfrmMain::PlayTestSound(const std::string& name) { PlaySound(name); }
void TfrmMain::StopTestSound() { StopSound(); }
void TfrmMain::OpenClearValues(QWidget* parent) { TfrmClearValues(Stats(), parent).exec(); }

void TfrmMain::OpenOptionsDialog(int page) {
  ShowWaitCursor();
  TfrmCustomize dialog(CustomizeContext{session_, ports_.messages, ports_.screen, *this}, page, this);
  RestoreCursor();
  for (;;) {
    dialog.exec();
    if (!dialog.PreviewRequested()) break;
    PreviewWinningAnimation(dialog.WinningAnimationName(), dialog.WinningAnimationSeconds(), dialog.SliderSpeed());
    dialog.ClearPreviewRequest();
  }
}

void TfrmMain::PreviewWinningAnimation(const std::string& name, int seconds, int speed) {
  session_.values.SetFlag(kAnimationRunning, true);
  table_->repaint();
  // The speed is the slider's for this run only: put back before anything
  // could write the preferences.
  const std::string speedBefore = session_.store.Get(pos::kSpeedMoveCard, 2);
  session_.store.Set(pos::kSpeedMoveCard, 2, std::to_string(speed));
  if (winningAnimation) {
    winningAnimation(name, seconds);
  } else if (AnimateWin(WinningAnimationIndex(name, ports_.random), seconds)) {
    // The preview's cards leave the table with it.
    RedrawTable();
  }
  session_.store.Set(pos::kSpeedMoveCard, 2, speedBefore);
  session_.values.SetFlag(kAnimationRunning, false);
  table_->repaint();
}

QImage TfrmMain::Picture() const { return table_->grab().toImage(); }

namespace {

// A one-position move of the demo is an ordinary step to the player: its
// sound, the table redrawn and the score shown again.
class DemoStepView final : public UndoView {
 public:
  DemoStepView(TfrmMain& window, Engine& engine) : window_(window), engine_(engine) {}
  void Beep() override { window_.Beep(); }
  void PlaySound(const std::string& name) override { window_.PlaySound(name); }
  void ShowWaitCursor() override { window_.ShowWaitCursor(); }
  void RestoreCursor() override { window_.RestoreCursor(); }
  void TableRestored() override {
    window_.RedrawTable();
    engine_.UpdateScore();
  }

 private:
  TfrmMain& window_;
  Engine& engine_;
};

constexpr int kDemoPlayInterval = 700;

}  // namespace

void TfrmMain::BuildDemoBar() {
  demoBar_ = new DemoBar(this);
  addToolBarBreak();
  demoToolbar_ = addToolBar(QStringLiteral("Demo"));
  demoToolbar_->setObjectName(QStringLiteral("DemoToolbar"));
  demoToolbar_->setMovable(false);
  demoToolbar_->setFloatable(false);
  demoToolbar_->toggleViewAction()->setVisible(false);
  demoToolbar_->setContextMenuPolicy(Qt::PreventContextMenu);
  demoToolbar_->addWidget(demoBar_);
  demoToolbar_->hide();
  demoTimer_ = new QTimer(this);
  demoTimer_->setInterval(kDemoPlayInterval);
  connect(demoTimer_, &QTimer::timeout, this, &TfrmMain::DemoPlayTick);

  demoBar_->onButton = [this](DemoButton button) { MoveDemoTo(DemoTarget(button, demo_.position, demo_.count)); };
  demoBar_->onThumbDragged = [this] {
    demoTimer_->stop();
    demoBar_->ReleasePlayStop();
    DemoThumbDragged(demo_);
  };
  demoBar_->onScrolled = [this](int position) {
    demoTimer_->stop();
    demoBar_->ReleasePlayStop();
    DemoStepView view(*this, *engine_);
    DemoScrolled(session_, demo_, position, view, *this);
  };
  demoBar_->onPlay = [this] {
    if (!demoTimer_->isActive()) demoTimer_->start();
  };
  demoBar_->onStop = [this] { demoTimer_->stop(); };
  demoBar_->onClose = [this] { ToggleDemoCommand(); };
}

void TfrmMain::MoveDemoTo(int position) {
  demoTimer_->stop();
  demoBar_->ReleasePlayStop();
  DemoStepView view(*this, *engine_);
  MoveDemoPosition(session_, demo_, position, view, *this);
}

bool TfrmMain::DemoPlaying() const { return demoTimer_ && demoTimer_->isActive(); }

void TfrmMain::DemoPlayTick() {
  if (!session_.values.Flag(kDemoMode) || demo_.position >= demo_.count || paused_) {
    if (!paused_) {
      demoTimer_->stop();
      demoBar_->ReleasePlayStop();
    }
    return;
  }
  DemoStepView view(*this, *engine_);
  MoveDemoPosition(session_, demo_, demo_.position + 1, view, *this);
  if (demo_.position >= demo_.count) {
    demoTimer_->stop();
    demoBar_->ReleasePlayStop();
  }
}

void TfrmMain::ToggleDemoCommand() {
  // The check mark shows whether a demo plays, not the click that asked.
  demoAction_->setChecked(session_.values.Flag(kDemoMode));
  if (animating_) return;
  if (session_.values.Flag(kDemoMode)) return LeaveDemo();
  // Without a game there is nothing to show; one search runs at a time.
  if (paused_ || solverTask_ || !GameCommandsEnabled() || session_.store.GetInt(pos::kGameNumber, 4) < 0) return Beep();
  if (const std::optional<GameFile> recording = ReadDemoFile(session_)) {
    PlayDemo(*recording);
    return;
  }
  DemoSearchCommand();
}

bool TfrmMain::PlayDemo(const GameFile& recording) {
  if (animating_ || paused_ || session_.values.Flag(kDemoMode)) return false;
  demoTimer_->stop();
  demoBar_->ReleasePlayStop();
  HidePileSizeHint();
  hintRects_.clear();
  auto ports = StartPorts();
  const bool shown = StartDemo(session_, ports, *this, demo_, recording);
  demoAction_->setChecked(session_.values.Flag(kDemoMode));
  return shown;
}

void TfrmMain::LeaveDemo() {
  if (!demo_.playerGame) return;
  demoTimer_->stop();
  demoBar_->ReleasePlayStop();
  auto ports = StartPorts();
  EndDemo(session_, ports, *this, demo_);
  demoAction_->setChecked(session_.values.Flag(kDemoMode));
}

void TfrmMain::DemoModeChanged(bool on) {
  demoAction_->setChecked(on);
  demoToolbar_->setVisible(on);
  // The table starts below the bar: the pictures follow the new client area
  // and the background is painted again (tiled while the demo is on).
  tableImage_ = QImage();
  backgroundImage_ = QImage();
  if (session_.rules[rule::CardCount] != 0) Relayout();
  if (counter_ && counter_->isVisible()) counter_->RefreshCounter();
  demoBar_->update();
  update();
}

void TfrmMain::ShowDemoPosition(const DemoState& state) { demoBar_->Show(state); }

void TfrmMain::DrawTableAfresh() {
  if (session_.rules[rule::CardCount] == 0) return;
  RedrawTable();
  // A jump of the demo bar lands many steps away: the score shown is the
  // one of the table it lands on, as after a single step.
  engine_->UpdateScore();
}

}  // namespace cardoria
