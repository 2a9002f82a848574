#include "app/SavedGameDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/HelpWindow.h"
#include "app/Preferences.h"
#include "core/HelpTopics.h"
#include "core/LanguageStrings.h"
#include "core/Session.h"
#include "platform/qt/QtPorts.h"

namespace cardoria {

TfrmHoldAndExit::TfrmHoldAndExit(Session& session, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmHoldAndExit"));
  setWindowTitle(QString::fromLatin1(kProductName));
  auto* layout = new QVBoxLayout(this);
  auto label = [&](const char* name, const QString& text, bool bold = false) {
    auto* l = new QLabel(text);
    l->setObjectName(QString::fromLatin1(name));
    if (bold) {
      QFont font = l->font();
      font.setBold(true);
      l->setFont(font);
    }
    layout->addWidget(l);
  };
  label("lblUnfinished", QStringLiteral("The current game is unfinished."));
  label("lblQuestion", QStringLiteral("Do you want to exit or \"hold\" this game to play later?"));
  label("lblNoteHeading", QStringLiteral("Note"), true);
  label("lblNote", QStringLiteral("If you \"hold\" this game, you can exit without affecting the statistics."));
  auto* buttons = new QHBoxLayout;
  layout->addLayout(buttons);
  auto button = [&](const char* name, const QString& caption, HoldAnswer answer) {
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    connect(b, &QPushButton::clicked, this, [this, answer] {
      answer_ = answer;
      answer == HoldAnswer::Cancel ? reject() : accept();
    });
    buttons->addWidget(b);
    return b;
  };
  QPushButton* exit = button("btnExit", QStringLiteral("&Exit and post a loss"), HoldAnswer::ExitAndPostLoss);
  exit->setDefault(true);
  button("btnHold", QStringLiteral(" &Hold and exit"), HoldAnswer::HoldAndExit);
  button("btnCancel", QStringLiteral("Cancel"), HoldAnswer::Cancel);
  auto* help = new QPushButton(QStringLiteral("&?"));
  help->setObjectName(QStringLiteral("btnHelp"));
  help->setAutoDefault(false);
  connect(help, &QPushButton::clicked, this, [this, &session] { ShowHelpTopic(this, session, kHelpHoldAndExit); });
  buttons->addWidget(help);
}

namespace {

class QtSaveDialogs final : public SaveDialogs {
 public:
  QtSaveDialogs(QWidget* parent, Session& session) : parent_(parent), session_(session) {}

  std::string ChooseSaveFile(const std::string& folder) override {
    if (!IsInteractivePlatform()) return {};
    QFileDialog dialog(parent_, Text(1601), QString::fromStdString(folder), QStringLiteral("Game (*.gam)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("gam"));
    // The program asks its own question, with a No that chooses again.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first().toStdString();
  }

  std::string ChooseOpenFile(const std::string& folder) override {
    if (!IsInteractivePlatform()) return {};
    QFileDialog dialog(parent_, Text(1602), QString::fromStdString(folder), QStringLiteral("Game (*.GAM *.gam)"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);  // a missing file gets the program's own message
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first().toStdString();
  }

  Replace AskReplace(const std::string& path) override {
    if (!IsInteractivePlatform()) return Replace::Cancel;
    const auto answer = QMessageBox::warning(
        parent_, QString::fromLatin1(kProductName), QString::fromStdString(path) + QStringLiteral("\n") + Text(31),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    return answer == QMessageBox::Yes ? Replace::Yes : answer == QMessageBox::No ? Replace::No : Replace::Cancel;
  }

  HoldAnswer AskHoldAndExit() override {
    if (!IsInteractivePlatform()) return HoldAnswer::ExitAndPostLoss;
    TfrmHoldAndExit dialog(session_, parent_);
    dialog.exec();
    return dialog.Answer();
  }

 private:
  QString Text(int n) const {
    const int language = TextToIntDef(session_.store.Get(pos::kLanguage, 6), kEnglishLanguage);
    return QString::fromStdString(LanguageString(language, n));
  }
  QWidget* parent_;
  Session& session_;
};

}  // namespace

std::unique_ptr<SaveDialogs> MakeQtSaveDialogs(QWidget* parent, Session& session) {
  return std::make_unique<QtSaveDialogs>(parent, session);
}

}  // namespace cardoria
