#include "app/TfrmOptionsAdvanced.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/HelpWindow.h"

namespace cardoria {

namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

TfrmOptionsAdvanced::TfrmOptionsAdvanced(Session& session, const AdvancedValues& values, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frmOptionsAdvanced"));
  setWindowTitle(QStringLiteral("Advanced options"));
  auto* tabs = Named(new QTabWidget(this), "PageControl1");

  auto* dialogs = new QWidget;
  auto* dialogsLayout = new QVBoxLayout(dialogs);
  dialogsLayout->addWidget(new QLabel(QStringLiteral("Select the dialog box you want to display:")));
  auto* list = new QGroupBox(QStringLiteral("Dialog box list "));
  auto* listLayout = new QVBoxLayout(list);
  chkConfirmOnExit_ = Named(new QCheckBox(QStringLiteral("Confirm on e&xit")), "chkConfirmOnExit");
  chkConfirmQuitGame_ = Named(new QCheckBox(QStringLiteral("C&onfirm quit game")), "chkConfirmQuitGame");
  chkConfirmEnterHiScores_ = Named(new QCheckBox(QStringLiteral("Enter &Hi-Scores")), "chkConfirmEnterHiScores");
  for (QCheckBox* box : {chkConfirmOnExit_, chkConfirmQuitGame_, chkConfirmEnterHiScores_}) listLayout->addWidget(box);
  dialogsLayout->addWidget(list);
  chkShowTipsOfTheDay_ =
      Named(new QCheckBox(QStringLiteral("Sho&w Tip of the Day at program start")), "chkShowTipsOfTheDay");
  dialogsLayout->addWidget(chkShowTipsOfTheDay_);
  dialogsLayout->addStretch();
  tabs->addTab(dialogs, QStringLiteral("&Dialog box"));

  auto* undo = new QWidget;
  auto* undoLayout = new QVBoxLayout(undo);
  undoLayout->addWidget(new QLabel(QStringLiteral("Set the level of the Undo/Redo option:")));
  auto* group = Named(new QGroupBox(QStringLiteral("Undo/Redo options ")), "rgUndoOptions");
  auto* groupLayout = new QVBoxLayout(group);
  const char* levels[3] = {"U&nlimited levels", "Only one &undo/redo", "Di&sable"};
  for (int i = 0; i < 3; ++i) {
    undo_[i] = new QRadioButton(QString::fromLatin1(levels[i]));
    undo_[i]->setObjectName(QStringLiteral("rgUndoOptions%1").arg(i));
    groupLayout->addWidget(undo_[i]);
  }
  undoLayout->addWidget(group);
  undoLayout->addStretch();
  tabs->addTab(undo, QStringLiteral("&Undo and Redo"));

  auto* hold = new QWidget;
  auto* holdLayout = new QVBoxLayout(hold);
  auto* exitGroup = new QGroupBox(QStringLiteral("What would you like to do upon exiting? "));
  auto* exitLayout = new QVBoxLayout(exitGroup);
  rbSaveAndExitSignal_ =
      Named(new QRadioButton(QStringLiteral("&Display a message for any unfinished games")), "rbSaveAndExitSignal");
  rbSaveAndExitNone_ = Named(new QRadioButton(QStringLiteral("&Never display a message and:")), "rbSaveAndExitNone");
  cboSaveAndExitNone_ = Named(new QComboBox, "cboSaveAndExitNone");
  cboSaveAndExitNone_->addItems(
      {QStringLiteral("abandon the game (1 loss)"), QStringLiteral("finish the game later (no loss)")});
  exitLayout->addWidget(rbSaveAndExitSignal_);
  exitLayout->addWidget(rbSaveAndExitNone_);
  exitLayout->addWidget(cboSaveAndExitNone_);
  holdLayout->addWidget(exitGroup);
  holdLayout->addStretch();
  tabs->addTab(hold, QStringLiteral("&Hold and exit"));
  // The list says what happens without a message: it means nothing otherwise.
  connect(rbSaveAndExitNone_, &QRadioButton::toggled, cboSaveAndExitNone_, &QWidget::setEnabled);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* ok = Named(new QPushButton(QStringLiteral("OK")), "btnOK");
  ok->setDefault(true);
  auto* cancel = Named(new QPushButton(QStringLiteral("Cancel")), "btnCancel");
  auto* help = Named(new QPushButton(QStringLiteral("&?")), "btnHelp");
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(help);
  connect(ok, &QPushButton::clicked, this, [this] {
    confirmed_ = true;
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this, &session] { ShowHelpTopic(this, session, 1005); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  layout->addLayout(buttons);

  chkConfirmOnExit_->setChecked(values.confirmOnExit);
  chkConfirmQuitGame_->setChecked(values.confirmQuitGame);
  chkConfirmEnterHiScores_->setChecked(values.confirmEnterHiScores);
  chkShowTipsOfTheDay_->setChecked(values.tipsAtStart);
  undo_[std::clamp(values.undoLevel, 0, 2)]->setChecked(true);
  rbSaveAndExitSignal_->setChecked(values.holdAndExitMessage);
  rbSaveAndExitNone_->setChecked(!values.holdAndExitMessage);
  cboSaveAndExitNone_->setCurrentIndex(values.holdAndExitType == 1 ? 1 : 0);
  cboSaveAndExitNone_->setEnabled(!values.holdAndExitMessage);
}

AdvancedValues TfrmOptionsAdvanced::Values() const {
  AdvancedValues values;
  values.confirmOnExit = chkConfirmOnExit_->isChecked();
  values.confirmQuitGame = chkConfirmQuitGame_->isChecked();
  values.confirmEnterHiScores = chkConfirmEnterHiScores_->isChecked();
  values.tipsAtStart = chkShowTipsOfTheDay_->isChecked();
  values.undoLevel = undo_[2]->isChecked() ? 2 : undo_[1]->isChecked() ? 1 : 0;
  values.holdAndExitMessage = rbSaveAndExitSignal_->isChecked();
  values.holdAndExitType = cboSaveAndExitNone_->currentIndex() == 1 ? 1 : 0;
  return values;
}

}  // namespace cardoria
