#include "persist/qt/TfrmOperatori2.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "persist/Players.h"

namespace cardoria {

TfrmOperatori2::TfrmOperatori2(const QString& caption, const QString& name,
                               std::function<bool(const std::string&)> take, QWidget* parent)
    : QDialog(parent), take_(std::move(take)) {
  PrepareDialog(this, "frmOperatori2", caption);
  auto* layout = new QVBoxLayout(this);
  name_ = new QLineEdit(name, this);
  name_->setObjectName(QStringLiteral("edtName"));
  name_->setMaxLength(kPlayerNameLength);
  auto* label = new QLabel(QStringLiteral("&Player name: "), this);
  label->setBuddy(name_);
  layout->addWidget(label);
  layout->addWidget(name_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TfrmOperatori2::Confirm);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  setMinimumWidth(320);
  name_->selectAll();
}

void TfrmOperatori2::Confirm() {
  if (take_(S(name_->text()))) accept();
}

}  // namespace cardoria
