#pragma once
// "Advanced options": which questions the program asks, the undo level and
// what happens to an unfinished game at exit. It only changes the options
// dialog's working values; they reach the preferences at the options' OK.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QRadioButton;
class QTabWidget;

namespace cardoria {

struct Session;

struct AdvancedValues {
  bool confirmOnExit = false;
  bool confirmQuitGame = true;
  bool confirmEnterHiScores = true;
  bool tipsAtStart = false;
  int undoLevel = 0;  // 0 unlimited, 1 one step, 2 disabled
  bool holdAndExitMessage = false;
  int holdAndExitType = 0;  // 0 abandon (a loss), 1 finish later
  bool operator==(const AdvancedValues&) const = default;
};

class TfrmOptionsAdvanced final : public QDialog {
 public:
  TfrmOptionsAdvanced(Session& session, const AdvancedValues& values, QWidget* parent = nullptr);
  AdvancedValues Values() const;
  // "OK": the values are to be taken.
  bool Confirmed() const { return confirmed_; }

 private:
  QCheckBox *chkConfirmOnExit_, *chkConfirmQuitGame_, *chkConfirmEnterHiScores_, *chkShowTipsOfTheDay_;
  QRadioButton* undo_[3];
  QRadioButton *rbSaveAndExitSignal_, *rbSaveAndExitNone_;
  QComboBox* cboSaveAndExitNone_;
  bool confirmed_ = false;
};

}  // namespace cardoria
