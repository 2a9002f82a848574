#pragma once
// TfrmMain: the one table window. Its creation runs start-up; closing writes
// the window state back.

#include <QMainWindow>
#include <QMap>

#include "app/Preferences.h"
#include "app/Startup.h"

class QAction;

namespace cardoria {

struct Session;

// The table: for now the empty cloth the games will be dealt on.
class TableWidget final : public QWidget {
 public:
  explicit TableWidget(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class TfrmMain final : public QMainWindow {
 public:
  TfrmMain(Session& session, StartupPorts& ports);

  // Runs start-up for the window; false when the program has to stop.
  bool Create();
  void ApplyWindowState(const WindowState& state);
  WindowState CurrentWindowState() const;
  // Runs the first-activation work now if it is still pending.
  void RunFirstActivation();

  const WindowSetup& Setup() const { return setup_; }
  const QMap<int, QCursor>& Cursors() const { return cursors_; }
  TableWidget* Table() const { return table_; }
  void UpdateTitle();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void BuildMenus();

  Session& session_;
  StartupPorts& ports_;
  WindowSetup setup_;
  QMap<int, QCursor> cursors_;
  TableWidget* table_ = nullptr;
  QAction* mnuEsci_ = nullptr;
};

}  // namespace cardoria
