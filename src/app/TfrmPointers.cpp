#include "app/TfrmPointers.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/HelpWindow.h"

namespace cardoria {

namespace {
const char* const kPointerNames[6] = {"Arrow small",  "Arrow large", "Right-hand 1",
                                      "Right-hand 2", "Left-hand 1", "Left-hand 2"};
}

TfrmPointers::TfrmPointers(Session& session, int cursor, const QMap<int, QCursor>& cursors, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frmPointers"));
  setWindowTitle(QStringLiteral("Pointers"));
  lvCursors_ = new QListWidget;
  lvCursors_->setObjectName(QStringLiteral("lvCursors"));
  lvCursors_->setViewMode(QListView::IconMode);
  lvCursors_->setIconSize(QSize(35, 35));
  lvCursors_->setMovement(QListView::Static);
  lvCursors_->setGridSize(QSize(90, 70));
  lvCursors_->setMinimumSize(300, 170);
  for (int i = 0; i < 6; ++i) {
    QPixmap picture(35, 35);
    picture.fill(Qt::white);
    const QPixmap pointer = cursors.value(10 + i).pixmap();
    if (!pointer.isNull()) {
      QPainter painter(&picture);
      painter.drawPixmap((35 - pointer.width()) / 2, (35 - pointer.height()) / 2, pointer);
    }
    auto* item = new QListWidgetItem(QIcon(picture), QString::fromLatin1(kPointerNames[i]), lvCursors_);
    item->setData(Qt::UserRole, 10 + i);
  }
  // A number that is none of the six (0 after an OK with nothing selected) shows the large arrow.
  const int row = cursor >= 10 && cursor <= 15 ? cursor - 10 : 1;
  lvCursors_->setCurrentRow(row);

  auto* ok = new QPushButton(QStringLiteral("OK"));
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"));
  cancel->setObjectName(QStringLiteral("btnCancel"));
  auto* help = new QPushButton(QStringLiteral("&?"));
  help->setObjectName(QStringLiteral("btnHelp"));
  connect(ok, &QPushButton::clicked, this, [this] {
    confirmed_ = true;
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this, &session] { ShowHelpTopic(this, session, 1006); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(help);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Select the mouse pointer you prefer:")));
  layout->addWidget(lvCursors_);
  layout->addLayout(buttons);
}

int TfrmPointers::Cursor() const {
  const QList<QListWidgetItem*> selected = lvCursors_->selectedItems();
  return selected.isEmpty() ? 0 : selected.first()->data(Qt::UserRole).toInt();
}

}  // namespace cardoria
