// The card backs. Each number has a look of its own: a picture on a panel
// framed in the back's colour (the backs named after what they show), or a
// pattern over the whole back (the classics, the plaitings, the stars).

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "art/ArtKit.h"
#include "art/BackPictures.h"
#include "art/CardArt.h"
#include "art/PictureKit.h"

namespace cardoria {

namespace {

enum class Pattern { Picture, Classic, Plaiting, Basket, Stars };

struct BackLook {
  Pattern pattern;
  QColor field;
  void (*picture)(QPainter&);
};

// By back number, 1 to 27; the names are those of the options dialog.
const BackLook kLooks[27] = {
    {Pattern::Picture, QColor(26, 56, 108), pictures::Boat},               // 1 Boat
    {Pattern::Picture, QColor(38, 32, 84), pictures::Magi},                // 2 Magi
    {Pattern::Picture, QColor(38, 72, 146), pictures::Snowman},            // 3 Snowman
    {Pattern::Picture, QColor(96, 44, 120), pictures::Dragon},             // 4 Dragon
    {Pattern::Picture, QColor(196, 66, 120), pictures::ChildrensFlowers},  // 5 Flowers
    {Pattern::Basket, QColor(84, 52, 24), nullptr},                        // 6 Plaiting 2
    {Pattern::Classic, QColor(30, 62, 156), nullptr},                      // 7 Classic blue
    {Pattern::Classic, QColor(168, 26, 38), nullptr},                      // 8 Classic red
    {Pattern::Classic, QColor(222, 112, 18), nullptr},                     // 9 Classic orange
    {Pattern::Picture, QColor(28, 46, 110), pictures::Sun},                // 10 Sun
    {Pattern::Plaiting, QColor(22, 40, 86), nullptr},                      // 11 Plaiting 1
    {Pattern::Picture, QColor(150, 66, 24), pictures::Africa},             // 12 Africa
    {Pattern::Picture, QColor(170, 40, 54), pictures::TeddyBear},          // 13 Teddy bear
    {Pattern::Picture, QColor(118, 18, 34), pictures::Roses},              // 14 Roses
    {Pattern::Picture, QColor(112, 60, 146), pictures::Flower},            // 15 Flower
    {Pattern::Picture, QColor(40, 32, 38), pictures::JapaneseWoman},       // 16 Japanese woman
    {Pattern::Stars, QColor(22, 30, 84), nullptr},                         // 17 Stars
    {Pattern::Picture, QColor(104, 64, 30), pictures::Eagle},              // 18 Eagle
    {Pattern::Picture, QColor(12, 104, 124), pictures::TropicalFish},      // 19 Tropical fish
    {Pattern::Picture, QColor(32, 84, 124), pictures::Lake},               // 20 Lake
    {Pattern::Picture, QColor(52, 104, 176), pictures::Clouds},            // 21 Clouds
    {Pattern::Picture, QColor(18, 60, 112), pictures::Sea},                // 22 Sea
    {Pattern::Picture, QColor(64, 82, 112), pictures::Mountains},          // 23 Mountains 1
    {Pattern::Picture, QColor(30, 54, 104), pictures::Penguin},            // 24 Penguin
    {Pattern::Picture, QColor(84, 40, 84), pictures::MountainsAtDusk},     // 25 Mountains 2
    {Pattern::Picture, QColor(50, 112, 52), pictures::Hills},              // 26 Hills
    {Pattern::Picture, QColor(38, 88, 48), pictures::Horse},               // 27 Horse
};

const BackLook& LookOf(int number) { return kLooks[(std::clamp(number, 1, 27)) - 1]; }

// A fine lattice of lines along both diagonals, `step` apart.
void Lattice(QPainter& p, const QRectF& f, double step, const QPen& pen) {
  p.setPen(pen);
  const double h = f.height();
  for (double k = f.left() - h; k < f.right() + h; k += step) {
    p.drawLine(QPointF(k, f.top()), QPointF(k + h, f.bottom()));
    p.drawLine(QPointF(k + h, f.top()), QPointF(k, f.bottom()));
  }
}

// The traditional back: a lattice, a double frame and an oval medallion
// holding a rosette.
void Classic(QPainter& p, const QRectF& f, const QColor& base, double u) {
  const QColor light = base.lighter(170), pale = base.lighter(135);
  Lattice(p, f, 4.5 * u, QPen(pale, 0.6 * u));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(light, 1.0 * u));
  p.drawRect(f.adjusted(3.5 * u, 3.5 * u, -3.5 * u, -3.5 * u));
  p.setPen(QPen(light, 0.5 * u));
  p.drawRect(f.adjusted(5.5 * u, 5.5 * u, -5.5 * u, -5.5 * u));
  const QPointF c = f.center();
  const double rx = f.width() * 0.3, ry = f.height() * 0.26;
  p.setBrush(base.darker(115));
  p.setPen(QPen(light, 1.0 * u));
  p.drawEllipse(c, rx, ry);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(light, 0.6 * u));
  for (int k = 0; k < 8; ++k) {
    p.save();
    p.translate(c);
    p.rotate(k * 22.5);
    p.drawEllipse(QPointF(0, 0), rx * 0.82, ry * 0.24);
    p.restore();
  }
  p.setBrush(light);
  p.setPen(Qt::NoPen);
  p.drawEllipse(c, 1.6 * u, 1.6 * u);
  for (const QPointF& corner : {f.topLeft() + QPointF(3.5, 3.5) * u, f.topRight() + QPointF(-3.5, 3.5) * u,
                                f.bottomLeft() + QPointF(3.5, -3.5) * u, f.bottomRight() + QPointF(-3.5, -3.5) * u})
    p.drawPolygon(QPolygonF({corner + QPointF(0, -2.2) * u, corner + QPointF(2.2, 0) * u, corner + QPointF(0, 2.2) * u,
                             corner + QPointF(-2.2, 0) * u}));
}

// One strand's stretch across a cell, lit in its middle where it lies over
// the strand across it and dark at its ends where it dives under.
void StrandSegment(QPainter& p, const QRectF& segment, bool along, const QColor& colour) {
  QLinearGradient shade(segment.topLeft(), along ? segment.topRight() : segment.bottomLeft());
  shade.setColorAt(0, colour.darker(165));
  shade.setColorAt(0.5, colour.lighter(118));
  shade.setColorAt(1, colour.darker(165));
  p.setBrush(shade);
  p.drawRect(segment);
}

// Strands woven over and under in cells of `cell` units, turned by
// `degrees`; `strands` parallel strands in each cell.
void Weave(QPainter& p, const QRectF& f, double cell, int strands, double degrees, const QColor& across,
           const QColor& down, double u) {
  p.save();
  p.translate(f.center());
  p.rotate(degrees);
  p.setPen(Qt::NoPen);
  const int n = static_cast<int>(std::hypot(f.width(), f.height()) / cell / 2) + 2;
  const double gap = 0.7 * u, width = cell / strands;
  for (int i = -n; i <= n; ++i)
    for (int j = -n; j <= n; ++j) {
      const double x = i * cell, y = j * cell;
      // In a plait every cell crosses; in a basket a cell holds one bundle.
      const bool acrossOnTop = ((i + j) % 2 + 2) % 2 == 0;
      auto drawAcross = [&] {
        for (int s = 0; s < strands; ++s)
          StrandSegment(p, QRectF(x, y + s * width + gap / 2, cell, width - gap), true, across);
      };
      auto drawDown = [&] {
        for (int s = 0; s < strands; ++s)
          StrandSegment(p, QRectF(x + s * width + gap / 2, y, width - gap, cell), false, down);
      };
      if (strands > 1) {
        acrossOnTop ? drawAcross() : drawDown();
      } else if (acrossOnTop) {
        drawDown();
        drawAcross();
      } else {
        drawAcross();
        drawDown();
      }
    }
  p.restore();
}

// Gold stars in rows, every other row shifted, with small sparkles between.
void Stars(QPainter& p, const QRectF& f, double u) {
  const double step = 9 * u;
  int row = 0;
  for (double y = f.top() + step / 2; y < f.bottom() + step; y += step, ++row)
    for (double x = f.left() + (row % 2 ? step : step / 2); x < f.right() + step; x += step) {
      pictures::Fill(p, pictures::StarPath(x, y, 2.8 * u, 1.15 * u), QColor(246, 202, 72), QColor(170, 120, 30),
                     0.3 * u);
      pictures::Fill(p, pictures::StarPath(x + step / 2, y, 1.3 * u, 0.35 * u, 4), QColor(220, 226, 250));
    }
}

// A small repeat of diamonds in a lighter shade of the field, around the
// picture's panel.
void Diamonds(QPainter& p, const QRectF& f, const QColor& base, double u) {
  p.setPen(Qt::NoPen);
  p.setBrush(base.lighter(140));
  const double step = 3.5 * u;
  int row = 0;
  for (double y = f.top() + step / 2; y < f.bottom() + step; y += step, ++row)
    for (double x = f.left() + (row % 2 ? step / 2 : 0); x < f.right() + step; x += step)
      p.drawPolygon(QPolygonF(
          {QPointF(x, y - 0.9 * u), QPointF(x + 0.9 * u, y), QPointF(x, y + 0.9 * u), QPointF(x - 0.9 * u, y)}));
}

}  // namespace

bool IsPictureBack(int number) { return number >= 1 && number <= 27 && LookOf(number).picture; }

void DrawBackPicture(QPainter& p, int number, const QRectF& panel) {
  if (!IsPictureBack(number)) return;
  p.save();
  p.setClipRect(panel, Qt::IntersectClip);
  p.translate(panel.topLeft());
  p.scale(panel.width() / pictures::kCanvasWidth, panel.height() / pictures::kCanvasHeight);
  p.setRenderHint(QPainter::Antialiasing);
  LookOf(number).picture(p);
  p.restore();
}

QImage Back(int number, const CardSize& size, double scale) {
  const BackLook& look = LookOf(number);
  const int w = size.width, h = size.height;
  QImage image = art::Blank(w, h, scale);
  QPainter p(&image);
  art::DesignUnits(p, image, w, h);
  p.setRenderHint(QPainter::Antialiasing);
  const double radius = w > 40 ? 4.5 : w > 30 ? 3.5 : 2.5;
  // The little cards get every pattern at half its size.
  const double u = w > 30 ? 1.0 : 0.5;
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.setBrush(QColor(250, 250, 248));
  p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), radius, radius);
  // A narrow rim: face-down cards in a fanned column show only a few rows
  // of their top, and those must be the back's colour, not white.
  const int inset = w > 30 ? 2 : 1;
  const QRectF field(inset, inset, w - 2 * inset, h - 2 * inset);
  p.setPen(Qt::NoPen);
  p.setBrush(look.field);
  p.drawRoundedRect(field, radius - 1, radius - 1);
  p.save();
  p.setClipRect(field);
  switch (look.pattern) {
    case Pattern::Classic: Classic(p, field, look.field, u); break;
    case Pattern::Plaiting: Weave(p, field, 6 * u, 1, 45, QColor(86, 146, 214), QColor(226, 232, 244), u); break;
    case Pattern::Basket: Weave(p, field, 8 * u, 2, 0, QColor(222, 178, 104), QColor(204, 156, 84), u); break;
    case Pattern::Stars: Stars(p, field, u); break;
    case Pattern::Picture: {
      Diamonds(p, field, look.field, u);
      const double margin = 3 * u;
      const QRectF panel = field.adjusted(margin, margin, -margin, -margin);
      DrawBackPicture(p, number, panel);
      p.setRenderHint(QPainter::Antialiasing);
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(QColor(236, 206, 124), 1.0 * u));
      p.drawRect(panel.adjusted(-0.5 * u, -0.5 * u, 0.5 * u, 0.5 * u));
      break;
    }
  }
  p.restore();
  p.setPen(QPen(look.field.lighter(160), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(field.adjusted(0.5, 0.5, -0.5, -0.5), radius - 1, radius - 1);
  return image;
}

}  // namespace cardoria
