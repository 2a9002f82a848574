#include "persist/qt/TfrmClearValues.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/Session.h"
#include "persist/HiScores.h"
#include "persist/qt/TfrmStatisCanc.h"
#include "platform/Messages.h"

namespace cardoria {

TfrmClearValues::TfrmClearValues(StatsContext context, QWidget* parent) : QDialog(parent), c_(context) {
  PrepareDialog(this, "frmClearValues", QStringLiteral("Clear values"));
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(QStringLiteral("Clear values "), this);
  auto* radios = new QVBoxLayout(group);
  const char* captions[] = {"&All values (Statistics and Hi-Scores)", "&Statistics values only",
                            "&Hi-Scores values only"};
  const char* names[] = {"rbAll", "rbStatistics", "rbHiScores"};
  for (int i = 0; i < 3; ++i) {
    choices_[i] = new QRadioButton(QString::fromLatin1(captions[i]), group);
    choices_[i]->setObjectName(QString::fromLatin1(names[i]));
    radios->addWidget(choices_[i]);
    connect(choices_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) description_->setCurrentIndex(i);
    });
  }
  layout->addWidget(group);
  auto* about = new QGroupBox(QStringLiteral("Description "), this);
  auto* aboutLayout = new QVBoxLayout(about);
  description_ = new QStackedWidget(about);
  description_->setObjectName(QStringLiteral("nbDescription"));
  const char* pages[] = {
      "This clear all values (Statistics and Hi-Scores) for all players and all games.\n\n"
      "Your Overall Scores will also be cleared.",
      "This clear Statistics values only.\n\nBy pressing OK you will select the Player(s) and the game(s) to delete.",
      "This clear Hi-Scores values only.\n\nYour Overall Score will be calculate again.\n\n"
      "By pressing OK you can select the Player(s) and the game(s) to delete."};
  for (const char* page : pages) {
    auto* text = new QLabel(QString::fromLatin1(page));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    description_->addWidget(text);
  }
  aboutLayout->addWidget(description_);
  layout->addWidget(about);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TfrmClearValues::Proceed);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  setMinimumWidth(420);
  Choose(kAll);
}

void TfrmClearValues::Choose(Choice choice) { choices_[choice]->setChecked(true); }

void TfrmClearValues::Proceed() {
  Messages& messages = c_.ports.messages;
  if (choices_[kAll]->isChecked()) {
    if (!messages.AskYesNo("Are you sure you want to clear the Statistics, the Hi-Scores and the Overall Score for "
                           "all players and all games?") ||
        !messages.AskYesNo("Please confirm to delete ALL your values \r(Statistics, Hi-Scores, Overall Score) \rfor "
                           "all players and all games."))
      return;
    c_.ports.view.ShowWaitCursor();
    const bool done = ClearStatistics(c_.session, c_.ports, kAllGames, "") &&
                      (ResetRunCounters(c_.session), ClearHiScores(c_.session, c_.ports, kAllGames, ""));
    c_.ports.view.RestoreCursor();
    if (!done) return;
    messages.ShowInfo("Statistics, Hi-Scores and Overall Score have been cleared.");
    accept();
    return;
  }
  TfrmStatisCanc clear(c_, choices_[kHiScores]->isChecked(), this);
  if (clear.exec() == QDialog::Accepted) accept();
}

}  // namespace cardoria
