#include "app/TfrmMemoryEnd.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

namespace cardoria {
namespace {

TEST(MemoryEnd, ShowsTheFamilysPageWithTheScoreTakenApart) {
  struct Case {
    MemoryEnd end;
    const char* caption;
    const char* page;
    QStringList figures;
    const char* picture;
    QRgb colourMask;  // the channel that dominates the picture
  } cases[] = {
      {{true, 0, 12, 3, 10, "-2", 120, -6, "-52", "62", 40, "Grid: 6 x 4"},
       "Game Won",
       "Pairs",
       {"12", "10", "120", "3", "-2", "-6", "-52", "62"},
       "imgGreen",
       0x00ff00},
      {{false, 3, 20, 40, 7, "-1", 140, -40, "-52", "48", 100, ""},
       "Game Lost",
       "Concentration",
       {"20", "7", "140", "40", "-1", "-40", "-52", "48"},
       "imgRed",
       0xff0000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    TfrmMemoryEnd dialog(c.end);
    EXPECT_EQ(dialog.windowTitle(), c.caption);
    EXPECT_EQ(dialog.Notebook1()->count(), 4);
    EXPECT_EQ(dialog.Notebook1()->currentWidget()->objectName(), c.page);
    EXPECT_EQ(dialog.Figures(), c.figures);
    ASSERT_EQ(dialog.GrbGrid() != nullptr, c.end.page == 0);
    if (dialog.GrbGrid()) {
      EXPECT_EQ(dialog.GrbGrid()->title(), "Grid: 6 x 4");
    }
    bool target = false;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
      target = target || label->text() == QString("(Score to win: %1)").arg(c.end.winScore);
    EXPECT_TRUE(target);
    const auto* picture = dialog.findChild<QLabel*>(c.picture);
    ASSERT_NE(picture, nullptr);
    const QImage image = picture->pixmap().toImage();
    const QRgb middle = image.pixel(image.width() / 2, image.height() / 4);
    const int strongest = std::max({qRed(middle), qGreen(middle), qBlue(middle)});
    EXPECT_EQ((c.colourMask == 0x00ff00 ? qGreen(middle) : qRed(middle)), strongest);
    ASSERT_NE(dialog.BtnOK(), nullptr);
    dialog.show();
    dialog.BtnOK()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  }
}

}  // namespace
}  // namespace cardoria
