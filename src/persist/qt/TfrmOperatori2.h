#pragma once
// The name prompt of the Players dialog; it stays open until the name is
// taken or the player cancels.

#include <functional>

#include "persist/qt/StatsWidgets.h"

class QLineEdit;

namespace cardoria {

class TfrmOperatori2 final : public QDialog {
 public:
  // `take` answers whether the typed name was taken (it tells the player
  // why not).
  TfrmOperatori2(const QString& caption, const QString& name, std::function<bool(const std::string&)> take,
                 QWidget* parent = nullptr);
  QLineEdit* Name() const { return name_; }
  void Confirm();

 private:
  QLineEdit* name_;
  std::function<bool(const std::string&)> take_;
};

}  // namespace cardoria
