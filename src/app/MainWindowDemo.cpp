// The demo in the window: its bar, its timer and the player's game kept aside
// while it plays.

#include "app/MainWindow.h"

#include <QAction>
#include <QTimer>
#include <QToolBar>

#include "app/DemoBar.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "persist/DemoPlayback.h"
#include "persist/UndoLog.h"
#include "table/qt/TfrmCardCounter.h"

namespace cardoria {

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
