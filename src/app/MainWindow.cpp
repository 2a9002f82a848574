#include "app/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>

#include "app/ResourceImages.h"
#include "core/Session.h"

namespace cardoria {

TableWidget::TableWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TableImage"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TableWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().button());
}

TfrmMain::TfrmMain(Session& session, StartupPorts& ports) : session_(session), ports_(ports) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QString::fromLatin1(kProductName));
  table_ = new TableWidget(this);
  setCentralWidget(table_);
  BuildMenus();
}

void TfrmMain::BuildMenus() {
  QMenu* game = menuBar()->addMenu(QStringLiteral("&Game"));
  game->setObjectName(QStringLiteral("mnuGame"));
  mnuEsci_ = game->addAction(QStringLiteral("E&xit"));
  mnuEsci_->setObjectName(QStringLiteral("mnuEsci"));
  connect(mnuEsci_, &QAction::triggered, this, &QWidget::close);
}

bool TfrmMain::Create() {
  if (!MainFormCreate(session_, ports_, setup_)) return false;
  cursors_ = LoadCursors(*session_.resources);
  table_->setCursor(cursors_.value(setup_.cursor, QCursor(Qt::ArrowCursor)));
  if (setup_.showStatusBar) statusBar()->show();
  return true;
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

void TfrmMain::UpdateTitle() {
  const QString caption = QString::fromStdString(WindowCaption(session_));
  if (windowTitle() != caption) setWindowTitle(caption);
}

void TfrmMain::RunFirstActivation() {
  if (!session_.values.Flag(kFirstActivationPending)) return;
  FirstActivation(session_);
  UpdateTitle();
  update();
}

void TfrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (session_.values.Flag(kFirstActivationPending)) QTimer::singleShot(0, this, [this] { RunFirstActivation(); });
}

bool TfrmMain::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) RunFirstActivation();
  return QMainWindow::event(event);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  WriteWindowState(session_.settings, CurrentWindowState());
  if (session_.settings.ReadString(kPreferenceSection, "ConfirmQuit", "N") != "N" &&
      !ports_.messages.Confirm(std::string("Exit ") + kProductName + "?")) {
    session_.values.SetFlag(kHoldAndExitRequested, false);
    event->ignore();
    return;
  }
  hide();
  session_.settings.WriteString(kPreferenceSection, "AutoPlay", setup_.autoplay ? "Y" : "N");
  session_.resources.reset();
  event->accept();
}

}  // namespace cardoria
