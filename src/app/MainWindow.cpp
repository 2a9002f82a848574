#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
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
#include "persist/qt/TfrmClearValues.h"
#include "persist/qt/TfrmGameWon.h"
#include "persist/qt/TfrmHiScore.h"
#include "persist/qt/TfrmStatistics.h"
#include "platform/Paths.h"
#include "platform/qt/QtPorts.h"
#include "table/qt/TableRenderer.h"
#include "table/qt/TfrmCardCounter.h"
#include "table/qt/WinningAnimations.h"

namespace cardoria {

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

void TfrmMain::SetAutoplayChecked(bool checked) {
  for (QAction* action : commands_.value(CommandKey(Commands::Autoplay))) action->setChecked(checked);
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

}  // namespace cardoria
