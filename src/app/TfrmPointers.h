#pragma once
// "Pointers": the six mouse pointers the table can show. It only changes the
// options dialog's working cursor number.

#include <QCursor>
#include <QDialog>
#include <QMap>

class QListWidget;

namespace cardoria {

struct Session;

class TfrmPointers final : public QDialog {
 public:
  // `cursors`: the pictures by cursor number (10-15 are shown).
  TfrmPointers(Session& session, int cursor, const QMap<int, QCursor>& cursors, QWidget* parent = nullptr);
  // The selected entry's number, 0 when none is selected.
  int Cursor() const;
  bool Confirmed() const { return confirmed_; }
  QListWidget* List() const { return lvCursors_; }

 private:
  QListWidget* lvCursors_;
  bool confirmed_ = false;
};

}  // namespace cardoria
