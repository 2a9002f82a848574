#include "persist/qt/TfrmStatisOverallInternet1.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "persist/qt/TfrmStatisOverall.h"

namespace cardoria {

TfrmStatisOverallInternet1::TfrmStatisOverallInternet1(const OverallRank& player, QWidget* parent) : QDialog(parent) {
  PrepareDialog(this, "frmStatisOverallInternet1", QStringLiteral("Publishing your Overall score on the Internet"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel(QStringLiteral("On the Web page, fill in the \"Score\" field with the following encrypted score.")));
  score_ = new QLineEdit(Q(player.published), this);
  score_->setObjectName(QStringLiteral("edtScore"));
  score_->setReadOnly(true);
  score_->selectAll();
  layout->addWidget(score_);
  layout->addWidget(new QLabel(QStringLiteral("(Ctrl+C and Ctr+V to copy and paste)")));
  AddPageLink(this, layout, kScoreSubmissionPage, "lblSubmitLink");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  setMinimumWidth(520);
  score_->setFocus();
}

}  // namespace cardoria
