// The backs as a player meets them: each shows what its name says, the
// pictures apart from each other and from the patterns, all card-shaped
// and drawn within their bounds at every size.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

#include "art/BackPictures.h"
#include "art/CardArt.h"

namespace cardoria {
namespace {

// Back numbers and the names the options dialog gives them. The patterns
// are the classics, the plaitings and the stars; every other name promises
// a picture.
const std::map<int, std::string> kBackNames = {
    {1, "Boat"},           {2, "Magi"},       {3, "Snowman"},        {4, "Dragon"},
    {5, "Flowers"},        {6, "Plaiting 2"}, {7, "Classic blue"},   {8, "Classic red"},
    {9, "Classic orange"}, {10, "Sun"},       {11, "Plaiting 1"},    {12, "Africa"},
    {13, "Teddy bear"},    {14, "Roses"},     {15, "Flower"},        {16, "Japanese woman"},
    {17, "Stars"},         {18, "Eagle"},     {19, "Tropical fish"}, {20, "Lake"},
    {21, "Clouds"},        {22, "Sea"},       {23, "Mountains 1"},   {24, "Penguin"},
    {25, "Mountains 2"},   {26, "Hills"},     {27, "Horse"}};
const int kPatterns[] = {6, 7, 8, 9, 11, 17};

bool IsPattern(int number) {
  return std::find(std::begin(kPatterns), std::end(kPatterns), number) != std::end(kPatterns);
}

std::string Named(int number) { return std::to_string(number) + " " + kBackNames.at(number); }

// The share of pixels, in percent, whose colour differs clearly.
int DifferingPercent(const QImage& a, const QImage& b) {
  int differing = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
      differing +=
          std::max({std::abs(p.red() - q.red()), std::abs(p.green() - q.green()), std::abs(p.blue() - q.blue())}) > 48;
    }
  return differing * 100 / (a.width() * a.height());
}

TEST(CardBacks, EveryNameThatPromisesAPictureHasOne) {
  for (const auto& [number, name] : kBackNames) EXPECT_EQ(IsPictureBack(number), !IsPattern(number)) << Named(number);
  EXPECT_FALSE(IsPictureBack(0));
  EXPECT_FALSE(IsPictureBack(28));
}

TEST(CardBacks, EachBackLooksUnlikeEveryOther) {
  // The big cards as the options dialog shows them, and the little ones,
  // where a picture is a few pixels. The closest pairs, the Lake and the
  // Sea (blue water) and the Hills and the Horse (a green field under a
  // blue sky), differ in about a fifth of their pixels; a back drawn like
  // another, or a picture lost under its frame, in far fewer.
  for (const CardSize& size : {CardSizeOf('B'), CardSizeOf('L')}) {
    SCOPED_TRACE(std::string("size ") + size.letter);
    std::map<int, QImage> backs;
    for (const auto& [number, name] : kBackNames) backs[number] = Back(number, size);
    for (const auto& [a, first] : backs)
      for (const auto& [b, second] : backs) {
        if (b <= a) continue;
        EXPECT_GE(DifferingPercent(first, second), 15) << Named(a) << " and " << Named(b);
      }
  }
}

// The three classics are one design in the colour their names say.
TEST(CardBacks, TheClassicsComeInTheirColours) {
  struct Average {
    double red = 0, green = 0, blue = 0;
  };
  auto average = [](int number) {
    const QImage back = Back(number, CardSizeOf('B'));
    Average a;
    int n = 0;
    for (int y = 10; y < back.height() - 10; ++y)
      for (int x = 10; x < back.width() - 10; ++x, ++n) {
        const QColor c = back.pixelColor(x, y);
        a.red += c.red();
        a.green += c.green();
        a.blue += c.blue();
      }
    a.red /= n;
    a.green /= n;
    a.blue /= n;
    return a;
  };
  const Average blue = average(7), red = average(8), orange = average(9);
  EXPECT_GT(blue.blue, 1.5 * std::max(blue.red, blue.green));
  EXPECT_GT(red.red, 2 * std::max(red.green, red.blue));
  EXPECT_GT(orange.red, orange.green);
  EXPECT_GT(orange.green, 1.5 * orange.blue);
  EXPECT_GT(orange.green, 0.4 * orange.red);  // orange, not red
}

TEST(CardBacks, APictureFillsItsPanelAndNothingOutside) {
  // Panels of a little card, of the big one, and of a big one on a dense
  // screen, each in the middle of a larger transparent picture.
  for (const QSizeF& panel : {QSizeF(17, 24), QSizeF(59, 86), QSizeF(236.5, 344)})
    for (const auto& [number, name] : kBackNames) {
      if (IsPattern(number)) continue;
      SCOPED_TRACE(Named(number) + " on a panel " + std::to_string(panel.width()) + " wide");
      const int margin = 12;
      QImage image(static_cast<int>(panel.width()) + 2 * margin + 1, static_cast<int>(panel.height()) + 2 * margin + 1,
                   QImage::Format_ARGB32_Premultiplied);
      image.fill(Qt::transparent);
      const QRectF where(QPointF(margin, margin), panel);
      {
        QPainter p(&image);
        DrawBackPicture(p, number, where);
      }
      int outside = 0, inside = 0, filled = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
          const bool painted = qAlpha(image.pixel(x, y)) > 0;
          // Pixels the panel's edge cuts through are neither.
          if (x + 1 <= where.left() || x >= where.right() || y + 1 <= where.top() || y >= where.bottom()) {
            outside += painted;
          } else if (x >= where.left() && x + 1 <= where.right() && y >= where.top() && y + 1 <= where.bottom()) {
            ++inside;
            filled += qAlpha(image.pixel(x, y)) == 255;
          }
        }
      EXPECT_EQ(outside, 0);
      EXPECT_EQ(filled, inside);
    }
}

TEST(CardBacks, EveryBackIsCardShapedAtEverySize) {
  for (const auto& [size, scale] :
       {std::pair{CardSizeOf('B'), 1.0}, std::pair{CardSizeOf('B'), 0.45}, std::pair{CardSizeOf('B'), 3.2},
        std::pair{CardSizeOf('M'), 1.0}, std::pair{CardSizeOf('L'), 1.0}})
    for (const auto& [number, name] : kBackNames) {
      SCOPED_TRACE(Named(number) + " at " + size.letter + " x" + std::to_string(scale));
      const QImage back = Back(number, size, scale);
      ASSERT_EQ(back.width(), ScaledLength(size.width, scale));
      ASSERT_EQ(back.height(), ScaledLength(size.height, scale));
      const int w = back.width(), h = back.height();
      // The rounded corners are clear (a small card's corner pixel is cut
      // by the curve), everything inside the outline is covered.
      for (const QPoint& corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        EXPECT_LT(qAlpha(back.pixel(corner)), 100) << corner.x() << "," << corner.y();
      int open = 0;
      for (int y = h / 8; y < h - h / 8; ++y)
        for (int x = w / 8; x < w - w / 8; ++x) open += qAlpha(back.pixel(x, y)) < 255;
      EXPECT_EQ(open, 0);
    }
}

}  // namespace
}  // namespace cardoria
