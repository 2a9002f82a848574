#pragma once
// TfrmMain: the one table window. Its creation runs start-up; it draws the
// table, hands the mouse to the engine, carries the menus, the toolbar, the
// time and score panels, and writes the window state back when it closes.

#include <QImage>
#include <QMainWindow>
#include <QMap>
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "app/CustomGameCommands.h"
#include "app/Preferences.h"
#include "app/SolverPlay.h"
#include "app/Startup.h"
#include "app/TfrmCustomize.h"
#include "app/TfrmCustomizeRules.h"
#include "deal/GameStart.h"
#include "engine/Engine.h"
#include "persist/DemoPlayback.h"
#include "persist/FileSystem.h"
#include "persist/qt/StatsWidgets.h"
#include "platform/Sound.h"
#include "table/Layout.h"
#include "table/qt/CardImages.h"

class QAction;
class QProgressDialog;
class QScrollBar;
class QLabel;
class QTimer;
class QToolBar;

namespace cardoria {

struct Session;
class TfrmMain;
class TfrmOpenGame;
class SaveDialogs;
class TfrmCardCounter;
class DemoBar;

// The table: shows the table picture and the lifted cards, and passes the
// mouse on in the order the engine expects.
class TableWidget final : public QWidget {
 public:
  explicit TableWidget(TfrmMain& window);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // A mouse position in the layout's pixels.
  QPoint ToTable(const QPointF& at) const;
  TfrmMain& window_;
};

class TfrmMain final : public QMainWindow,
                       public GameWindow,
                       public PlayView,
                       public GameEndPort,
                       public StatsView,
                       public StatsHost,
                       public CustomGameHost,
                       public CustomizeHost,
                       public DemoWindow {
 public:
  TfrmMain(Session& session, StartupPorts& ports);
  ~TfrmMain() override;

  // Runs start-up for the window; false when the program has to stop.
  bool Create();
  void ApplyWindowState(const WindowState& state);
  WindowState CurrentWindowState() const;
  // Runs the first-activation work now if it is still pending.
  void RunFirstActivation();
  // The game and deal asked for on the command line, for the first activation.
  void RequestGame(int number, const std::string& deal);
  // A saved game to open at the first activation instead.
  void RequestOpenFile(const std::string& path);
  // The file dialogs and questions of the saved-game commands (tests answer them).
  void SetSaveDialogs(std::unique_ptr<SaveDialogs> dialogs);
  // Where the sounds go (tests record them); Qt Multimedia unless set.
  void SetSoundPort(std::unique_ptr<SoundPort> port);
  // Plays a sound when Sounds_Enabled is "Y"; the caller has asked its own switch.
  void PlaySound(const std::string& name, SoundMode mode);

  // The game selection dialog, then the chosen game for the chosen player.
  void OpenGameCommand();
  // The favourites or the customized games changed: the Game menu's
  // submenu and the dialog's folders follow.
  void GameListsChanged();
  void RebuildFavouritesMenu();
  void FavouriteGamesCommand();
  // The one game selection dialog, created at its first use.
  TfrmOpenGame& OpenGameDialog();
  // How the dialog is shown: modally unless replaced (tests answer it, a
  // screenshot shows it without waiting).
  void SetOpenGameRunner(std::function<void(TfrmOpenGame&)> runner);
  // Stands in for the deletion of a customized game from the dialog (tests);
  // unset, the game and its statistics are deleted after the question.
  void SetDeleteCustomGame(std::function<bool(int code, const std::string& caption)> hook);

  // The saved-game commands.
  void SaveGameCommand();
  void OpenSavedGameCommand();
  void RestartCommand();
  void SnapshotCommand();
  void UndoToSnapshotCommand();
  void HoldAndExitCommand();

  const WindowSetup& Setup() const { return setup_; }
  const QMap<int, QCursor>& Cursors() const { return cursors_; }
  TableWidget* Table() const { return table_; }
  Engine& PlayEngine() { return *engine_; }
  const QImage& TableImage() const { return tableImage_; }
  // The window picture as the player sees it: table and lifted cards.
  QImage Picture() const;
  void UpdateTitle() override;

  // GameWindow
  void SetCommandsEnabled(Commands commands, bool enabled) override;
  bool GameCommandsEnabled() const override;
  void ShowWaitCursor() override;
  void RestoreCursor() override;
  void Repaint() override;
  void SetTimeText(const std::string& text) override;
  void SetScoreText(const std::string& text) override;
  void ReloadCardImages() override;
  void LayOutTable() override;
  void PrepareBackground() override;
  void DrawDeal(bool animate) override;
  void PlaySound(const std::string& name, bool wait) override;

  // PlayView
  void Beep() override;
  void PlaySound(const std::string& name) override;
  void PlaySoundLoop(const std::string& name) override;
  void StopSound() override;
  void RedrawTable() override;
  void RedrawPile(PileRef pile) override;
  void DrawStockPressed(bool pressed) override;
  void LiftCards(int card, const Rect& rect) override;
  void MoveDrag(const Rect& rect) override;
  void ReturnCards(int card, const Rect& to) override;
  void FlyCard(int card, const Rect& from, const Rect& to) override;
  void Peek(int card, const Rect& rect) override;
  void EndPeek() override;
  void ShowPopupMenu(int x, int y) override;
  void SetDragCursor(bool dragging) override;
  void Scroll(int pages) override;
  void CardMoved(int card, int fromKind, int toKind) override;
  void ShowScore(const std::string& score) override;
  void ShowTime(const std::string& time) override;
  void HidePileSizeHint() override;
  void SetAutoplayChecked(bool checked) override;
  void InvertCard(const Rect& rect) override;
  void Pause(int milliseconds) override;
  void SetInputBlocked(bool blocked) override;
  void DrawPokerPanel() override;

  // GameEndPort
  void RecordGameResult(const GameResult& result) override;
  void RunWinningAnimation() override;
  // Plays animation `kind` (-1: none) on the table under the key-and-click
  // filter, at the card speed of the text store; true when it drew.
  bool AnimateWin(int kind, int seconds);
  void ShowGameWon() override;
  void CloseMainWindow() override;
  void DeleteSnapshotFile(const std::string& path) override;
  void ShowMemoryEnd(const MemoryEnd& end) override;

  // StatsView
  void ShowHiScores(bool newEntry, int rank, const std::string& caption, int game) override;

  // StatsHost
  bool PlayGame(int game, const std::string& deal) override;
  bool NewGame() override;
  bool RestartGame() override;
  bool SelectGame() override;
  bool SelectGameNumber() override;
  bool LeaveGame(const std::string& question) override;
  void RepaintTable() override;
  void ClearTable() override;
  void PlayerShown() override;

  // CustomGameHost
  void CloseCurrentGame() override;
  void CustomGamesChanged() override { GameListsChanged(); }
  void OpenGameSelection() override { OpenGameCommand(); }
  // The command "Customize rules...".
  void CustomizeRulesCommand();

  // What the customize-rules dialog is opened with.
  CustomizeRulesContext Customizing() { return {session_, StartPorts(), *statsPorts_, *this}; }
  // CustomizeHost
  void ApplyLookToTable() override;
  void RepaintWindows() override;
  void ApplyWindowOptions(const WindowOptions& options) override;
  QMap<int, QCursor> PointerCursors() const override { return cursors_; }
  void PlayTestSound(const std::string& name) override;
  void StopTestSound() override;
  void OpenClearValues(QWidget* parent) override;

  // The options dialog on a page (0 general, 1 card set, 2 back, 3 background);
  // a winning-animation preview hides it and shows it again.
  void OpenOptionsDialog(int page);
  // Stands in for the preview's animation when set (tests watch the preview
  // through it); unset, the animation itself runs on the table.
  std::function<void(const std::string& name, int seconds)> winningAnimation;
  // The preview: the animation at the given card speed, which the
  // preferences never see.
  void PreviewWinningAnimation(const std::string& name, int seconds, int speed);

  // What the statistics dialogs are opened with.
  StatsContext Stats() { return {session_, *statsPorts_, *this}; }
  // The text of the status bar.
  QString StatusText() const;

  // The demo player: Ctrl+D and the bar's Close turn it on and off. The
  // game's demo file is played when there is one; otherwise the solver
  // looks for a win of the deal on the table in the background and plays
  // that. The player's game waits aside and comes back when the demo ends.
  void ToggleDemoCommand();
  // Plays a recording as the demo; false when it could not be shown.
  bool PlayDemo(const GameFile& recording);
  // GameWindow: another game is wanted while the demo plays.
  void LeaveDemo() override;
  DemoBar* DemoPanel() const { return demoBar_; }
  const DemoState& Demo() const { return demo_; }
  // Auto-play of the demo: one recorded move per tick until the last
  // position, Stop or any navigation.
  bool DemoPlaying() const;
  void DemoPlayTick();
  // DemoWindow
  void DemoModeChanged(bool on) override;
  void ShowDemoPosition(const DemoState& state) override;
  void DrawTableAfresh() override;

  // Paused: the table is covered and the clock stands still.
  bool Paused() const { return paused_; }
  void TogglePause();
  // Shows or hides the card counter; the menu's check mark follows.
  void ToggleCardCounter();
  TfrmCardCounter* CardCounter() const { return counter_; }
  // The one-second timer: the game clock and the pile-size hint.
  void OnClockTick();
  // Where the lifted or flying cards are drawn; empty when none are.
  Rect MovingCardsRect() const;

  // The table scale: picture pixels per layout pixel, the screen's device
  // pixel ratio included. "Fit cards to the window" chooses it at every deal
  // and resize; off, it is the device pixel ratio alone.
  double TableScale() const { return scale_; }
  bool FitsCardsToWindow() const { return fitCards_; }
  void SetFitCardsToWindow(bool on);
  // Fixes the scale whatever the fit would choose (0 lets it choose again).
  void FixTableScale(double scale);
  // A point of the layout in the table widget's coordinates.
  QPoint ToWidget(int x, int y) const;

  // Edit menu "Hint": lights the card to move and where it goes for a
  // moment; "No moves left" when nothing moves.
  void HintCommand();
  // Game menu "Can this deal be won?": searched on a copy in the background
  // while the table stays the player's; the answer comes in words.
  void VerdictCommand();
  // New game and Random game, through the search for a winnable deal when
  // the preferences ask for one.
  void RandomGame();
  // How far the solver may search for each command (tests make them small).
  struct SolverBudgets {
    std::int64_t hintPositions = 1000;
    std::int64_t verdictPositions = 2000000;
    std::int64_t dealPositions = 5000;
    int dealsTried = 10;
    std::chrono::milliseconds dealTime{15000};
    std::int64_t demoPositions = 2000000;
  };
  SolverBudgets solverBudgets;
  // The rectangles a hint lights now (the card, then where it goes); empty
  // when no hint is shown.
  std::vector<Rect> HintRects() const { return hintRects_; }
  // The progress dialog of a search running in the background, if any.
  QProgressDialog* SolverProgress() const { return solverProgress_; }
  bool SolverRunning() const;

  // While paused or during a winning animation, the first key press or click
  // anywhere ends it and is swallowed, with the release of that click.
  bool eventFilter(QObject* watched, QEvent* event) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  friend class TableWidget;
  struct SolverTask;
  // The key of a group of commands in `commands_`.
  static int CommandKey(Commands c) { return static_cast<int>(c); }
  void BuildMenus();
  void BuildToolbar();
  void SetToolbarSize();
  void ShowPileSizeHint();
  void ShowPanel(const char* name, bool shown);
  void SetPanelVisible(const char* name, bool shown);
  TableGeometry Geometry() const;
  // The window as the layout sees it at a scale.
  TableGeometry GeometryAt(double scale) const;
  double DeviceRatio() const;
  // Chooses the scale for the table as it lies now and draws the cards for it.
  void ChooseScale();
  void Relayout();
  // The pause picture over `pixels` of the table picture's pixels.
  void PaintPause(QPainter& painter, const QSize& pixels) const;
  void RefreshUndoCommands();
  void PaintBackgroundImage();
  // Before a statistics view: what it can not show of "STAT.DAT".
  void TellStatsFileProblem();
  // The pictures that had to be drawn in place of files that can not be read.
  void TellUnreadablePictures(const std::vector<std::string>& names);
  GameStartPorts StartPorts();
  SaveDialogs& Dialogs();
  // At closing: holds the game or asks as the preferences say; false when the
  // closing is cancelled (or the hold failed).
  bool HoldOnClose();
  // The saved game of the command line, else a held game; false when none opened.
  bool ResumeAtStart();
  // Hints and searches wait while a winning animation or a demo plays: a beep.
  bool SolverRefused();
  // The winnable-deal search for game `game`: the deal to play, and in
  // `notice` what the player is told once it is dealt (when none was proved).
  std::string WinnableDealFor(int game, std::string& notice);
  // Runs `search` on a thread of its own while a progress dialog counts the
  // positions searched and offers Cancel; `answer` gets the task on the
  // window's thread once it is done, unless the player cancelled.
  void StartSearch(const QString& question, std::function<void(SolverTask&)> search,
                   std::function<void(SolverTask&)> answer);
  void FinishSearch();
  // Ctrl+D for a game without a demo file: the solver's win of the deal.
  void DemoSearchCommand();
  bool DealWinnable() const;

  Session& session_;
  StartupPorts& ports_;
  WindowSetup setup_;
  QMap<int, QCursor> cursors_;
  TableWidget* table_ = nullptr;
  std::unique_ptr<Engine> engine_;
  CardImages images_;
  QImage tableImage_, backgroundImage_, dragImage_;
  Rect dragRect_;
  // Cards lifted by the player: drawn while the engine holds them.
  bool lifted_ = false;
  // A flight runs: the picture moves without a shadow.
  bool flying_ = false;
  bool paused_ = false;
  // A winning animation runs: a key or click ends it and is swallowed.
  bool animating_ = false;
  // Set while play removes cards one by one: input waits until it is done.
  bool inputBlocked_ = false;
  // The last winning animation painted cards that are still on the table.
  bool animationDrawn_ = false;
  // The click that ended the pause: its release and context menu are swallowed too.
  bool swallowingClick_ = false;
  quint64 endingClickTime_ = 0;
  // The game lets Undo and Redo work; the history decides whether they are enabled.
  bool undoAllowed_ = false;
  bool relayoutPending_ = false;
  double scale_ = 1.0, fixedScale_ = 0.0;
  bool unreadablePicturesTold_ = false;
  // How far right the fitted table is moved to stand in the middle.
  int centreShift_ = 0;
  // The device pixel ratio the scale was chosen for.
  double scaleRatio_ = 1.0;
  bool fitCards_ = true;
  // The pause pictures drawn at the table's scale, and that scale.
  mutable std::array<QImage, 2> pausePictures_;
  mutable double pauseScale_ = 0.0;
  int requestedGame_ = -1;
  std::string requestedDeal_;
  std::string requestedFile_;
  std::unique_ptr<SaveDialogs> saveDialogs_;
  std::unique_ptr<SoundPort> sounds_;
  std::unique_ptr<TfrmOpenGame> openGame_;
  std::function<void(TfrmOpenGame&)> openGameRunner_;
  std::function<bool(int, const std::string&)> deleteCustomGame_;
  QTimer* clock_ = nullptr;
  QScrollBar* scrollBar_ = nullptr;
  QLabel* pileSize_ = nullptr;
  QTimer* pauseTimer_ = nullptr;
  int pauseSlide_ = 0, pauseStep_ = 3;
  QLabel* timeLabel_ = nullptr;
  QLabel* scoreLabel_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  QMap<int, QList<QAction*>> commands_;
  QAction* autoplayAction_ = nullptr;
  TfrmCardCounter* counter_ = nullptr;
  QAction* counterAction_ = nullptr;
  bool counterPlaced_ = false;
  QLabel* statusPlayer_ = nullptr;
  FileSystem files_;
  DemoState demo_;
  DemoBar* demoBar_ = nullptr;
  QToolBar* demoToolbar_ = nullptr;
  QAction* demoAction_ = nullptr;
  QTimer* demoTimer_ = nullptr;
  void BuildDemoBar();
  void MoveDemoTo(int position);
  std::unique_ptr<StatsPorts> statsPorts_;
  HintBook hints_;
  std::vector<Rect> hintRects_;
  QTimer* hintTimer_ = nullptr;
  std::unique_ptr<SolverTask> solverTask_;
  QProgressDialog* solverProgress_ = nullptr;
  QTimer* solverPoll_ = nullptr;
  std::function<void(SolverTask&)> searchAnswer_;
};

}  // namespace cardoria
