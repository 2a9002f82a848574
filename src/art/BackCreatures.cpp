// The backs that show a creature or a figure. Each stands in a setting of
// its own, so that the animal is the thing the eye falls on and the panel is
// filled to its edges.

#include <QTransform>

#include "art/BackPictures.h"
#include "art/PictureKit.h"

namespace cardoria::pictures {

namespace {

const QColor kWhite(250, 250, 250);

// An ellipse turned by `degrees` about its centre.
QPainterPath TurnedEllipse(double cx, double cy, double rx, double ry, double degrees) {
  QTransform turn;
  turn.translate(cx, cy);
  turn.rotate(degrees);
  return turn.map(EllipsePath(0, 0, rx, ry));
}

// An eye that looks at the viewer: white, pupil, a glint.
void Eye(QPainter& p, double cx, double cy, double r, const QColor& pupil) {
  Ellipse(p, cx, cy, r, r, kWhite, QColor(30, 30, 30), 0.4);
  Ellipse(p, cx - r * 0.25, cy + r * 0.1, r * 0.6, r * 0.6, pupil);
  Ellipse(p, cx - r * 0.45, cy - r * 0.2, r * 0.22, r * 0.22, kWhite);
}

// Snowflakes or stars: small dots at fixed places.
void Dots(QPainter& p, std::initializer_list<QPointF> places, double r, const QColor& colour) {
  for (const QPointF& at : places) Ellipse(p, at.x(), at.y(), r, r, colour);
}

// A dromedary walking left with a king on its hump, `s` times the size of a
// camel 20 units long whose feet are at (x, y + 16 s).
void CamelWithKing(QPainter& p, double x, double y, double s, const QColor& robe) {
  const QColor camel(48, 32, 40), gold(245, 200, 70);
  p.save();
  p.translate(x, y);
  p.scale(s, s);
  for (const auto& [top, foot] :
       {std::pair{QPointF(7.2, 10.5), QPointF(6.2, 16)}, std::pair{QPointF(9.2, 10.5), QPointF(10, 16)},
        std::pair{QPointF(15, 10.5), QPointF(14.2, 16)}, std::pair{QPointF(16.8, 10.5), QPointF(17.8, 16)}}) {
    const QPointF knee = (top + foot) / 2 + QPointF(0.4, 0);
    Stroke(p, {top, knee, foot}, camel, 1.1);
  }
  QPainterPath body;
  body.moveTo(5.5, 8);
  body.cubicTo(7, 5, 9.5, 2, 12, 2.5);
  body.cubicTo(15, 3, 16.5, 5.5, 17.5, 8);
  body.cubicTo(18.8, 9, 18.6, 11, 17, 11.6);
  body.lineTo(6.4, 11.6);
  body.cubicTo(5, 11.2, 4.6, 9.6, 5.5, 8);
  Fill(p, body, camel);
  // The neck dips forward from the shoulder and rises to the head.
  QPainterPath neck;
  neck.moveTo(6.6, 8.4);
  neck.cubicTo(4.2, 10.6, 1.8, 9.4, 1.8, 4.6);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(camel, 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(neck);
  Fill(p, TurnedEllipse(0.6, 4.2, 2.1, 1.1, 12), camel);
  Stroke(p, {{2.0, 3.4}, {2.5, 2.4}}, camel, 0.7);     // ear
  Stroke(p, {{18.1, 8.6}, {19.0, 12.0}}, camel, 0.6);  // tail
  // The king: a robe over the hump, a cloak behind, a crown.
  QPainterPath cloak;
  cloak.moveTo(12.4, -2.6);
  cloak.cubicTo(14.6, -1.0, 15.6, 1.2, 15.4, 4.6);
  cloak.lineTo(12.6, 4.0);
  cloak.closeSubpath();
  Fill(p, cloak, robe.darker(140));
  Polygon(p, {{10.2, 3.6}, {13.6, 3.6}, {13.0, -2.4}, {11.0, -2.4}}, robe);
  Ellipse(p, 11.9, -3.6, 1.3, 1.4, QColor(150, 100, 70));
  Polygon(p, {{10.6, -4.4}, {10.8, -6.4}, {11.4, -5.2}, {11.9, -6.8}, {12.4, -5.2}, {13.0, -6.4}, {13.2, -4.4}}, gold);
  p.restore();
}

}  // namespace

void Penguin(QPainter& p) {
  Band(p, 0, 62, QColor(110, 170, 225), QColor(205, 232, 248));
  Dots(p, {{6, 8}, {16, 4}, {47, 6}, {55, 15}, {9, 24}, {51, 30}, {4, 40}, {56, 42}, {13, 12}, {42, 14}}, 0.7,
       QColor(255, 255, 255, 220));
  const QColor iceLine(140, 185, 220);
  Polygon(p, {{-1, 62}, {5, 50}, {10, 53}, {16, 44}, {23, 56}, {26, 62}}, QColor(232, 244, 252), iceLine, 0.5);
  Polygon(p, {{36, 62}, {43, 49}, {49, 53}, {55, 45}, {61, 56}, {61, 62}}, QColor(222, 238, 250), iceLine, 0.5);
  Band(p, 61, 84, QColor(244, 250, 255), QColor(190, 220, 242));
  Ellipse(p, 31, 72.5, 15, 2.6, QColor(160, 192, 218));

  const QColor black(26, 30, 40), line(8, 10, 16), orange(248, 150, 28), orangeLine(170, 90, 10);
  QPainterPath flipper;
  flipper.moveTo(20, 36);
  flipper.cubicTo(13, 41, 9, 51, 10, 60);
  flipper.cubicTo(14, 56, 18.5, 50, 21.5, 46);
  flipper.closeSubpath();
  Fill(p, flipper, black, line);
  Fill(p, Mirrored(flipper), black, line);
  QPainterPath body;
  body.moveTo(30, 23);
  body.cubicTo(17, 25, 14, 50, 18, 66);
  body.quadTo(30, 73, 42, 66);
  body.cubicTo(46, 50, 43, 25, 30, 23);
  Fill(p, body, black, line);
  QPainterPath belly;
  belly.moveTo(30, 30);
  belly.cubicTo(21, 32, 19.5, 52, 22.5, 65);
  belly.quadTo(30, 69.5, 37.5, 65);
  belly.cubicTo(40.5, 52, 39, 32, 30, 30);
  Fill(p, belly, kWhite);
  Fill(p, TurnedEllipse(35.5, 52, 1.6, 8, -8), QColor(234, 238, 244));  // the belly's shade
  Ellipse(p, 30, 20.5, 9, 8.5, black, line);
  QPainterPath face;  // the white mask of the face, heart-shaped
  face.moveTo(30, 18);
  face.cubicTo(27, 14, 22, 15.5, 22.5, 20.5);
  face.cubicTo(23, 24.5, 27, 27, 30, 28.5);
  face.cubicTo(33, 27, 37, 24.5, 37.5, 20.5);
  face.cubicTo(38, 15.5, 33, 14, 30, 18);
  Fill(p, face, kWhite);
  Ellipse(p, 26.8, 20.2, 1.5, 1.9, black);
  Ellipse(p, 33.2, 20.2, 1.5, 1.9, black);
  Ellipse(p, 27.3, 19.5, 0.5, 0.5, kWhite);
  Ellipse(p, 33.7, 19.5, 0.5, 0.5, kWhite);
  Polygon(p, {{27.4, 22.6}, {32.6, 22.6}, {30, 27.2}}, orange, orangeLine, 0.4);
  Ellipse(p, 24.5, 70, 5, 2.2, orange, orangeLine, 0.4);
  Ellipse(p, 35.5, 70, 5, 2.2, orange, orangeLine, 0.4);
}

void Eagle(QPainter& p) {
  Band(p, 0, 84, QColor(55, 115, 190), QColor(178, 215, 245));
  Fill(p, CloudPath(12, 14, 16), QColor(255, 255, 255, 190));
  Fill(p, CloudPath(50, 56, 14), QColor(255, 255, 255, 170));
  Fill(p, RidgePath({{-1, 72}, {8, 62}, {14, 67}, {24, 57}, {33, 66}, {42, 59}, {52, 69}, {61, 63}}),
       QColor(110, 128, 160));
  Polygon(p, {{24, 57}, {27.5, 60.5}, {24.5, 60}, {21.5, 61}}, QColor(240, 245, 250));
  Polygon(p, {{42, 59}, {45, 62}, {42, 61.5}, {39.5, 62.5}}, QColor(240, 245, 250));
  Fill(p, RidgePath({{-1, 78}, {10, 71}, {22, 76}, {36, 70}, {48, 76}, {61, 72}}), QColor(70, 88, 112));

  const QColor brown(92, 56, 28), dark(45, 26, 10), white(250, 250, 244), yellow(246, 192, 32),
      yellowLine(150, 100, 10);
  QPainterPath wing;
  wing.moveTo(27.5, 35);
  wing.cubicTo(21, 27, 12, 24.5, 1, 26.5);
  wing.lineTo(5, 30.2);
  wing.lineTo(1.2, 32.4);
  wing.lineTo(6.8, 33.8);
  wing.lineTo(3.4, 36.6);
  wing.lineTo(9.4, 36.8);
  wing.lineTo(7.2, 40.0);
  wing.lineTo(13, 39.4);
  wing.quadTo(15, 42.6, 17.2, 40.4);
  wing.quadTo(19.2, 43.6, 21.2, 41.4);
  wing.quadTo(23.4, 44.6, 26.5, 43);
  wing.closeSubpath();
  for (const QPainterPath& side : {wing, Mirrored(wing)}) {
    Fill(p, side, brown, dark);
  }
  // The long feathers of the wings.
  for (double sign : {1.0, -1.0}) {
    auto at = [&](double x, double y) { return QPointF(sign > 0 ? x : 60 - x, y); };
    for (const auto& [from, to] : {std::pair{at(22, 35), at(6, 31)}, std::pair{at(22, 36.5), at(7.5, 35.8)},
                                   std::pair{at(23, 38), at(11, 38.6)}})
      Stroke(p, {from, to}, dark, 0.45);
  }
  QPainterPath tail;
  tail.moveTo(26.5, 51);
  tail.lineTo(33.5, 51);
  tail.lineTo(36.5, 61);
  tail.quadTo(30, 64, 23.5, 61);
  tail.closeSubpath();
  Fill(p, tail, white, QColor(140, 140, 130));
  for (double x : {27.5, 32.5}) {
    Polygon(p, {{x - 1.2, 52}, {x + 1.2, 52}, {x + 1.8, 55.5}, {x - 1.8, 55.5}}, yellow, yellowLine, 0.3);
    Stroke(p, {{x - 1.6, 55.4}, {x - 2.0, 56.6}}, dark, 0.5);
    Stroke(p, {{x + 1.6, 55.4}, {x + 2.0, 56.6}}, dark, 0.5);
  }
  Ellipse(p, 30, 43.5, 5.8, 10, brown, dark);
  Ellipse(p, 30, 36, 4.6, 3.6, white);
  Ellipse(p, 31, 31.5, 4.8, 5.2, white, QColor(150, 150, 140), 0.4);
  QPainterPath beak;  // hooked, the head turned to the right
  beak.moveTo(34.6, 30);
  beak.cubicTo(37.6, 29, 40.2, 30.4, 40, 33.4);
  beak.quadTo(39.2, 35.2, 38, 34.8);
  beak.quadTo(38.6, 33.2, 37.4, 32.6);
  beak.lineTo(34.8, 33.2);
  beak.closeSubpath();
  Fill(p, beak, yellow, yellowLine, 0.4);
  Ellipse(p, 33.2, 30.2, 1.0, 1.0, yellow);
  Ellipse(p, 33.3, 30.2, 0.55, 0.55, QColor(20, 15, 10));
  Stroke(p, {{31.6, 28.8}, {34.6, 29.2}}, QColor(120, 110, 100), 0.5);
}

void Horse(QPainter& p) {
  Band(p, 0, 60, QColor(120, 185, 235), QColor(208, 234, 250));
  Ellipse(p, 48, 11, 5, 5, QColor(255, 226, 110));
  Fill(p, CloudPath(16, 16, 18), QColor(255, 255, 255, 220));
  const QPainterPath far = GroundPath({{-1, 58}, {15, 46}, {34, 54}, {48, 47}, {61, 52}}, 84);
  Fill(p, far, QColor(130, 180, 95));
  Band(p, 60, 84, QColor(100, 165, 70), QColor(70, 130, 48));
  Ellipse(p, 31, 71.5, 20, 2.4, QColor(55, 105, 38));

  const QColor coat(152, 88, 44), farCoat(118, 66, 32), mane(48, 30, 18), line(60, 34, 16);
  auto leg = [&](QPointF top, QPointF knee, QPointF hoof, const QColor& colour) {
    Stroke(p, {top, knee, hoof}, colour, 3.4);
    Polygon(p,
            {hoof + QPointF(-1.7, -0.6), hoof + QPointF(1.7, -0.6), hoof + QPointF(2, 1.4), hoof + QPointF(-1.8, 1.4)},
            mane);
  };
  leg({23, 52}, {24.5, 61}, {23.2, 69.6}, farCoat);
  leg({42, 51}, {44.5, 60}, {42.6, 69.6}, farCoat);
  QPainterPath tail;
  tail.moveTo(48, 42.5);
  tail.cubicTo(54, 45, 55.5, 55, 52.5, 64);
  tail.cubicTo(51.5, 58, 50, 52, 47, 47);
  tail.closeSubpath();
  Fill(p, tail, mane);
  QPainterPath body;
  body.moveTo(14, 27);
  body.lineTo(15, 22.5);
  body.lineTo(17, 27);
  body.cubicTo(21, 30, 24, 36, 28, 39);
  body.cubicTo(34, 40.5, 40, 38.5, 46, 40);
  body.cubicTo(50.5, 41, 51.5, 47.5, 48.5, 51.5);
  body.lineTo(46.5, 54);
  body.cubicTo(38, 55.5, 28, 55.5, 22, 53.5);
  body.cubicTo(17, 52.5, 15.5, 47.5, 16, 43.5);
  body.cubicTo(15.5, 40.5, 13.5, 38.5, 11.5, 38.5);
  body.cubicTo(9.5, 40, 7, 42, 5, 41.5);
  body.cubicTo(3, 40.5, 3, 37.5, 4.5, 36.5);
  body.cubicTo(7.5, 33, 11, 28.5, 14, 27);
  leg({19, 51}, {19.5, 61}, {19, 69.6}, coat);
  leg({46.5, 49}, {48.6, 60}, {47, 69.6}, coat);
  Fill(p, body, coat, line);
  QPainterPath crest;
  crest.moveTo(14.5, 26.5);
  crest.cubicTo(19, 28.5, 23.5, 34, 28.5, 38.5);
  crest.cubicTo(25, 38.5, 21, 35.5, 18, 32);
  crest.cubicTo(16.5, 30.5, 15, 29, 14, 28);
  crest.closeSubpath();
  Fill(p, crest, mane);
  Polygon(p, {{14.2, 26.8}, {11.6, 30.4}, {15, 29.2}}, mane);  // forelock
  Ellipse(p, 10.8, 31.6, 0.95, 0.95, QColor(20, 12, 6));
  Ellipse(p, 10.5, 31.3, 0.3, 0.3, kWhite);
  Ellipse(p, 5.3, 38.6, 0.55, 0.55, QColor(60, 30, 14));
  Stroke(p, {{4.2, 40.6}, {6.6, 40.9}}, line, 0.4);
  Stroke(p, {{35, 53}, {40, 53.4}}, QColor(125, 70, 34), 0.6);  // the belly's shade
}

void TropicalFish(QPainter& p) {
  Band(p, 0, 84, QColor(40, 165, 205), QColor(12, 68, 128));
  for (double x : {8.0, 26.0, 44.0})  // light from above
    Polygon(p, {{x, -1}, {x + 7, -1}, {x + 16, 60}, {x + 10, 60}}, QColor(255, 255, 255, 28));
  const QPainterPath sand = GroundPath({{-1, 74}, {15, 69}, {30, 73}, {46, 77}, {61, 71}}, 85);
  Fill(p, sand, QColor(228, 204, 146));
  const QColor weed(40, 150, 80), coral(240, 110, 120);
  Stroke(p, {{6, 76}, {4, 68}, {7, 61}, {5, 53}, {7, 46}}, weed, 1.6);
  Stroke(p, {{10, 75}, {12, 67}, {9, 60}, {11, 54}}, weed.darker(120), 1.4);
  Stroke(p, {{50, 74}, {50, 66}, {46, 60}}, coral, 1.5);
  Stroke(p, {{50, 66}, {54, 59}, {53, 55}}, coral, 1.5);
  Stroke(p, {{50, 70}, {56, 65}}, coral, 1.3);
  p.setPen(QPen(QColor(230, 245, 255), 0.5));
  p.setBrush(Qt::NoBrush);
  for (const auto& [at, r] : {std::pair{QPointF(12, 26), 1.4}, std::pair{QPointF(10, 20), 1.0},
                              std::pair{QPointF(12.5, 14.5), 0.7}, std::pair{QPointF(47, 50), 1.1}})
    p.drawEllipse(at, r, r);

  // A small yellow fish far off and a blue one below.
  auto fish = [&](double cx, double cy, double length, bool left, const QColor& body, const QColor& tail) {
    QPainterPath shape;
    const double h = length * 0.32, s = left ? 1 : -1;
    shape.moveTo(cx - s * length / 2, cy);
    shape.cubicTo(cx - s * length / 4, cy - h, cx + s * length / 4, cy - h, cx + s * length * 0.38, cy);
    shape.cubicTo(cx + s * length / 4, cy + h, cx - s * length / 4, cy + h, cx - s * length / 2, cy);
    const double tx = cx + s * length * 0.36;
    Polygon(p, {{tx, cy}, {tx + s * length * 0.2, cy - h * 0.8}, {tx + s * length * 0.2, cy + h * 0.8}}, tail,
            QColor(20, 30, 50), 0.3);
    Fill(p, shape, body, QColor(20, 30, 50), 0.3);
    Ellipse(p, cx - s * length * 0.3, cy - h * 0.15, length * 0.05, length * 0.05, QColor(10, 10, 20));
  };
  fish(44, 14, 10, true, QColor(250, 220, 40), QColor(250, 200, 30));
  fish(20, 60, 16, false, QColor(40, 90, 210), QColor(250, 210, 40));
  Stroke(p, {{15.5, 58.2}, {20, 57.4}, {23.5, 59.6}}, QColor(15, 20, 40), 0.9);

  // The clownfish: orange with three white bands edged in black.
  const QColor orange(250, 120, 22), black(15, 15, 15);
  QPainterPath tailFin;
  tailFin.moveTo(44, 36);
  tailFin.cubicTo(48, 31, 52, 28, 54, 29);
  tailFin.cubicTo(52.5, 33, 52.5, 39, 54, 43);
  tailFin.cubicTo(52, 44, 48, 41, 44, 36);
  QPainterPath dorsal;
  dorsal.moveTo(19, 29.5);
  dorsal.cubicTo(22, 23, 27, 21, 31, 23);
  dorsal.cubicTo(34, 22, 38, 25, 40, 31);
  dorsal.closeSubpath();
  QPainterPath lower;
  lower.moveTo(31, 43);
  lower.cubicTo(33, 48, 37, 48.5, 39, 45.5);
  lower.lineTo(38, 41);
  lower.closeSubpath();
  for (const QPainterPath* fin : {&tailFin, &dorsal, &lower}) Fill(p, *fin, orange, black, 0.9);
  QPainterPath body;
  body.moveTo(10.5, 36);
  body.cubicTo(12.5, 27, 28, 25.5, 40, 31);
  body.cubicTo(44, 33, 45.5, 35, 45.5, 36);
  body.cubicTo(45.5, 37, 44, 39, 40, 41);
  body.cubicTo(28, 46.5, 12.5, 45, 10.5, 36);
  Fill(p, body, orange, black, 0.7);
  p.save();
  p.setClipPath(body, Qt::IntersectClip);
  for (const auto& [top, middle, bottom] : {std::tuple{QPointF(19, 26), QPointF(21, 36), QPointF(19, 46)},
                                            std::tuple{QPointF(29, 25), QPointF(32.5, 36), QPointF(29, 47)},
                                            std::tuple{QPointF(41, 29), QPointF(42, 36), QPointF(41, 43)}}) {
    QPainterPath band;
    band.moveTo(top);
    band.quadTo(middle, bottom);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(black, 5.2));
    p.drawPath(band);
    p.setPen(QPen(kWhite, 3.6));
    p.drawPath(band);
  }
  p.restore();
  Fill(p, TurnedEllipse(24, 38.5, 4, 2.2, 25), orange, black, 0.7);  // pectoral fin
  Eye(p, 15.5, 33.8, 2.2, black);
  Stroke(p, {{11, 37.2}, {12.6, 37.6}}, black, 0.5);
}

void Dragon(QPainter& p) {
  Band(p, 0, 84, QColor(160, 205, 240), QColor(232, 242, 250));
  Fill(p, CloudPath(46, 12, 16), QColor(255, 255, 255, 230));
  const QPainterPath hill = GroundPath({{-1, 70}, {30, 62}, {61, 69}}, 85);
  Fill(p, hill, QColor(120, 185, 85));

  const QColor green(72, 168, 76), dark(30, 96, 40), belly(248, 222, 120), bellyLine(200, 160, 60),
      wingSkin(238, 122, 62), spike(245, 160, 40);
  QPainterPath tail;
  tail.moveTo(42, 67);
  tail.cubicTo(52, 69, 57, 62, 54.5, 50);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(dark, 5.6, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(tail);
  p.setPen(QPen(green, 4.4, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(tail);
  Polygon(p, {{51.4, 51}, {54.6, 43.6}, {57.8, 50.6}, {54.6, 49.2}}, spike, dark, 0.5);
  QPainterPath wing;
  wing.moveTo(37.5, 44);
  wing.lineTo(47, 19);
  wing.quadTo(49, 26, 56.5, 28);
  wing.quadTo(53.5, 32, 56.5, 37.5);
  wing.quadTo(51.5, 37.5, 49, 42);
  wing.quadTo(45, 41.5, 43, 46);
  wing.closeSubpath();
  Fill(p, wing, wingSkin, dark, 0.6);
  for (const QPointF& tip : {QPointF(47, 19), QPointF(56.5, 28), QPointF(56.5, 37.5)})
    Stroke(p, {{39, 43.5}, tip}, dark, 0.8);
  QPainterPath body;
  body.moveTo(29, 41);
  body.cubicTo(22, 48, 22.5, 63, 28, 70);
  body.lineTo(44, 70);
  body.cubicTo(50, 64, 48, 47, 40, 40);
  body.cubicTo(36, 37.5, 31.5, 38.5, 29, 41);
  QPainterPath neck;
  neck.moveTo(29, 44);
  neck.cubicTo(25, 39, 22, 34, 21.5, 28);
  neck.lineTo(29.5, 26);
  neck.cubicTo(30.5, 32, 33.5, 36.5, 38.5, 40.5);
  neck.closeSubpath();
  QPainterPath head;
  head.moveTo(27, 19.5);
  head.cubicTo(23, 17, 17, 18, 14, 20.5);
  head.cubicTo(10, 21.5, 6.5, 22, 6, 24.8);
  head.cubicTo(6, 27.6, 9, 28.6, 12, 28.6);
  head.cubicTo(18, 30, 25, 31, 29, 28);
  head.cubicTo(31, 25.5, 30, 21.5, 27, 19.5);
  // Spikes down the back, behind the outline.
  for (const QPointF& at : {QPointF(28.5, 25), QPointF(31, 31), QPointF(34.5, 35.6), QPointF(39.5, 39.4),
                            QPointF(44.5, 45), QPointF(47.5, 52), QPointF(48.4, 59.5)}) {
    Polygon(p, {at + QPointF(-1.8, -0.6), at + QPointF(2.6, -2.6), at + QPointF(0.8, 1.8)}, spike, dark, 0.4);
  }
  Fill(p, body.united(neck).united(head), green, dark, 0.7);
  QPainterPath front;  // the belly and the throat, in plates
  front.moveTo(30.5, 44);
  front.cubicTo(25.5, 50, 25.5, 62, 29.5, 69.5);
  front.lineTo(37, 69.5);
  front.cubicTo(35, 60, 35, 50, 36.5, 43.5);
  front.closeSubpath();
  front.moveTo(23.5, 30.5);
  front.cubicTo(24.5, 36, 27, 40, 31, 44.5);
  front.lineTo(34.5, 42);
  front.cubicTo(30.5, 39, 28.5, 35, 28, 29.8);
  front.closeSubpath();
  Fill(p, front, belly, bellyLine, 0.4);
  for (double y : {49.0, 54.0, 59.0, 64.0}) Stroke(p, {{27.2, y}, {35.6, y - 0.4}}, bellyLine, 0.5);
  Fill(p, TurnedEllipse(42.5, 62.5, 6, 6.8, -10), green, dark, 0.6);  // the hind leg
  Ellipse(p, 39.5, 69.6, 5.6, 2.2, green, dark, 0.6);
  Stroke(p, {{31.5, 49}, {27.5, 54.5}}, dark, 3.4);  // the arm
  Stroke(p, {{31.5, 49}, {27.5, 54.5}}, green, 2.4);
  for (double x : {35.0, 37.6, 40.2}) Polygon(p, {{x, 71.6}, {x - 1.6, 71.6}, {x - 0.6, 73.2}}, kWhite);
  const QColor horn(245, 236, 205), hornLine(150, 130, 90);
  Polygon(p, {{25.6, 20.2}, {30, 12.6}, {28.4, 21}}, horn, hornLine, 0.4);
  Polygon(p, {{22.6, 19}, {24.6, 13.6}, {25.2, 19.6}}, horn, hornLine, 0.4);
  Eye(p, 20.8, 22.6, 2.3, QColor(20, 40, 20));
  Ellipse(p, 8.4, 23.8, 0.6, 0.5, dark);
  QPainterPath smile;
  smile.moveTo(7.4, 26.6);
  smile.quadTo(11, 28, 15.4, 26.8);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(dark, 0.5, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(smile);
  QPainterPath flame;  // a little fire from the nose
  flame.moveTo(6, 25.6);
  flame.cubicTo(3.5, 27.5, 1, 31, 2, 36);
  flame.cubicTo(3, 33.5, 4.6, 33.4, 4.8, 31.4);
  flame.cubicTo(6, 33.6, 7.8, 33, 8.4, 29.2);
  flame.closeSubpath();
  Fill(p, flame, QColor(250, 110, 30));
  Fill(p, TurnedEllipse(5, 30, 0.9, 2.4, 20), QColor(255, 220, 80));
}

void Snowman(QPainter& p) {
  Band(p, 0, 66, QColor(22, 36, 92), QColor(72, 98, 162));
  QPainterPath moon;
  moon.addEllipse(QPointF(48, 11), 5, 5);
  QPainterPath bite;
  bite.addEllipse(QPointF(50.5, 9.5), 4.4, 4.4);
  Fill(p, moon.subtracted(bite), QColor(250, 240, 190));
  Dots(p,
       {{6, 6},
        {14, 12},
        {24, 5},
        {36, 8},
        {5, 20},
        {17, 25},
        {44, 22},
        {54, 28},
        {8, 36},
        {50, 40},
        {4, 50},
        {55, 52},
        {14, 46},
        {46, 58},
        {10, 58},
        {30, 4}},
       0.8, QColor(255, 255, 255, 230));
  const QPainterPath ground = GroundPath({{-1, 66}, {15, 60}, {32, 64}, {48, 68}, {61, 62}}, 85);
  Fill(p, ground, QColor(236, 242, 252));

  const QColor snow(252, 253, 255), edge(150, 170, 205), shade(214, 226, 244), coal(25, 25, 30), stick(110, 70, 35),
      scarf(205, 32, 44);
  Stroke(p, {{22, 42}, {15, 37}, {10, 33}}, stick, 1.0);
  Stroke(p, {{15, 37}, {13, 40}}, stick, 0.8);
  Stroke(p, {{38, 42}, {45, 37}, {51, 32}}, stick, 1.0);
  Stroke(p, {{46, 36.4}, {47, 32.6}}, stick, 0.8);
  for (const auto& [cy, r] : {std::pair{63.0, 12.5}, std::pair{44.0, 9.5}, std::pair{29.0, 7.0}}) {
    Ellipse(p, 30, cy, r, r, snow, edge, 0.6);
    Fill(p, TurnedEllipse(30 + r * 0.35, cy + r * 0.4, r * 0.55, r * 0.3, -30), shade);
  }
  Polygon(p, {{21.5, 21.4}, {38.5, 21.4}, {38.5, 23.4}, {21.5, 23.4}}, coal);
  Polygon(p, {{24.5, 11.5}, {35.5, 11.5}, {35.5, 21.6}, {24.5, 21.6}}, coal);
  Polygon(p, {{24.5, 18.6}, {35.5, 18.6}, {35.5, 20.6}, {24.5, 20.6}}, scarf);
  Dots(p, {{27.4, 27.4}, {32.6, 27.4}}, 0.95, coal);
  Polygon(p, {{30, 29}, {37.5, 30.6}, {30, 31.4}}, QColor(245, 130, 30));
  Dots(p, {{26.8, 32.4}, {28.3, 33.4}, {30, 33.8}, {31.7, 33.4}, {33.2, 32.4}}, 0.45, coal);
  Polygon(p, {{22.8, 35}, {37.2, 35}, {37.6, 38.4}, {22.4, 38.4}}, scarf, QColor(120, 15, 25), 0.4);
  Polygon(p, {{32.6, 37}, {36.6, 37}, {38, 46.5}, {34, 46.5}}, scarf, QColor(120, 15, 25), 0.4);
  Stroke(p, {{34.4, 44.6}, {37.6, 44.6}}, kWhite, 0.6);
  Dots(p, {{30, 42}, {30, 46}, {30, 50}, {30, 58}, {30, 63}}, 0.9, coal);
}

void TeddyBear(QPainter& p) {
  Band(p, 0, 84, QColor(252, 228, 206), QColor(242, 198, 168));
  for (const QPointF& at : {QPointF(8, 10), QPointF(52, 12), QPointF(6, 44), QPointF(54, 46), QPointF(50, 76)}) {
    QPainterPath heart;
    heart.moveTo(at + QPointF(0, 1.6));
    heart.cubicTo(at + QPointF(-2.8, -0.4), at + QPointF(-1.6, -2.8), at + QPointF(0, -1.2));
    heart.cubicTo(at + QPointF(1.6, -2.8), at + QPointF(2.8, -0.4), at + QPointF(0, 1.6));
    Fill(p, heart, QColor(235, 120, 140));
  }
  Ellipse(p, 30, 78, 24, 3.5, QColor(220, 170, 140));

  const QColor fur(168, 110, 60), light(232, 188, 132), dark(60, 34, 16), line(96, 58, 26);
  Ellipse(p, 19.5, 17.5, 5.2, 5.2, fur, line);
  Ellipse(p, 40.5, 17.5, 5.2, 5.2, fur, line);
  Ellipse(p, 19.5, 17.8, 2.8, 2.8, light);
  Ellipse(p, 40.5, 17.8, 2.8, 2.8, light);
  Fill(p, TurnedEllipse(19, 69, 6.5, 7.5, 20), fur, line);
  Fill(p, TurnedEllipse(41, 69, 6.5, 7.5, -20), fur, line);
  Ellipse(p, 30, 54, 13, 14.5, fur, line);
  Ellipse(p, 30, 56, 7.6, 8.6, light);
  Fill(p, TurnedEllipse(16.5, 50, 4.4, 9, 35), fur, line);
  Fill(p, TurnedEllipse(43.5, 50, 4.4, 9, -35), fur, line);
  Ellipse(p, 17.5, 73, 4, 3.6, light, line, 0.4);
  Ellipse(p, 42.5, 73, 4, 3.6, light, line, 0.4);
  Ellipse(p, 30, 27.5, 11.5, 10.5, fur, line);
  Ellipse(p, 30, 32, 6, 4.6, light);
  Ellipse(p, 30, 29.8, 2.5, 1.7, dark);
  QPainterPath mouth;
  mouth.moveTo(30, 31.2);
  mouth.lineTo(30, 33);
  mouth.moveTo(27.6, 33.2);
  mouth.quadTo(30, 35.2, 32.4, 33.2);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(dark, 0.55, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(mouth);
  Ellipse(p, 25.5, 25, 1.4, 1.5, dark);
  Ellipse(p, 34.5, 25, 1.4, 1.5, dark);
  Ellipse(p, 25.1, 24.5, 0.45, 0.45, kWhite);
  Ellipse(p, 34.1, 24.5, 0.45, 0.45, kWhite);
  const QColor bow(200, 30, 50), bowLine(120, 15, 30);
  Polygon(p, {{30, 39.5}, {23.5, 36.2}, {23.5, 42.8}}, bow, bowLine, 0.4);
  Polygon(p, {{30, 39.5}, {36.5, 36.2}, {36.5, 42.8}}, bow, bowLine, 0.4);
  Ellipse(p, 30, 39.5, 1.6, 1.6, bow, bowLine, 0.4);
}

void JapaneseWoman(QPainter& p) {
  Band(p, 0, 84, QColor(246, 234, 204), QColor(232, 212, 172));
  Ellipse(p, 41, 21, 13, 13, QColor(205, 55, 45));
  // A branch of cherry blossom across the top corner.
  const QColor bark(90, 55, 40), blossom(246, 186, 204), blossomHeart(210, 80, 120);
  Stroke(p, {{-1, 4}, {8, 8}, {15, 7}, {22, 11}}, bark, 1.2);
  Stroke(p, {{8, 8}, {11, 14}, {10, 19}}, bark, 0.8);
  for (const QPointF& at : {QPointF(4, 6), QPointF(12, 6.5), QPointF(18, 9), QPointF(22.5, 12), QPointF(11, 15),
                            QPointF(9.5, 20), QPointF(15, 12)}) {
    for (int k = 0; k < 5; ++k) {
      QTransform turn;
      turn.translate(at.x(), at.y());
      turn.rotate(72 * k);
      Fill(p, turn.map(EllipsePath(0, -1.1, 0.9, 1.1)), blossom);
    }
    Ellipse(p, at.x(), at.y(), 0.5, 0.5, blossomHeart);
  }

  const QColor silk(188, 30, 46), silkDark(150, 20, 36), line(90, 14, 22), skin(252, 245, 238), skinLine(160, 125, 105),
      hair(22, 18, 26), gold(232, 186, 64);
  QPainterPath sleeve;  // the long hanging sleeves
  sleeve.moveTo(23, 33);
  sleeve.cubicTo(15, 37, 10.5, 48, 10.5, 63);
  sleeve.lineTo(19.5, 65);
  sleeve.cubicTo(20.5, 55, 21.5, 47, 24, 42);
  sleeve.closeSubpath();
  QPainterPath robe;
  robe.moveTo(23, 32);
  robe.lineTo(37, 32);
  robe.cubicTo(40, 50, 43, 68, 46, 85);
  robe.lineTo(14, 85);
  robe.cubicTo(17, 68, 20, 50, 23, 32);
  Fill(p, robe, silk, line);
  for (const QPainterPath& side : {sleeve, Mirrored(sleeve)}) Fill(p, side, silkDark, line);
  for (const QPointF& at : {QPointF(25, 58), QPointF(34, 64), QPointF(21, 74), QPointF(30, 78), QPointF(40, 75),
                            QPointF(14, 56), QPointF(46, 56)})
    Fill(p, StarPath(at.x(), at.y(), 1.6, 0.7), QColor(250, 210, 220));
  Stroke(p, {{30, 48}, {28.5, 85}}, line, 0.5);  // where the robe closes
  Polygon(p, {{25.2, 31.2}, {30, 40}, {34.8, 31.2}, {33, 31.2}, {30, 37}, {27, 31.2}}, kWhite);
  Polygon(p, {{21.6, 41}, {38.4, 41}, {39, 48.5}, {21, 48.5}}, gold, QColor(140, 100, 20), 0.5);
  Stroke(p, {{21.4, 44.8}, {38.6, 44.8}}, silk, 0.8);
  // A folding fan, open, in her hand.
  QPainterPath fan;
  fan.moveTo(37, 58);
  fan.arcTo(QRectF(27, 48, 20, 20), 15, 100);
  fan.closeSubpath();
  Fill(p, fan, QColor(250, 230, 150), QColor(140, 100, 20), 0.5);
  for (int k = 0; k <= 5; ++k) {
    QTransform turn;
    turn.translate(37, 58);
    turn.rotate(-(15 + 20 * k));
    Stroke(p, {turn.map(QPointF(0, 0)), turn.map(QPointF(10, 0))}, QColor(180, 60, 50), 0.4);
  }
  Ellipse(p, 37, 58.5, 2, 1.6, skin, skinLine, 0.4);
  // The head: the hair in a high knot, the face white, a hairpin.
  Polygon(p, {{28, 26}, {32, 26}, {32, 32.5}, {28, 32.5}}, skin);
  Ellipse(p, 30, 9.5, 6, 4.5, hair);
  Ellipse(p, 30, 15.5, 8, 6, hair);
  Ellipse(p, 24, 19, 4, 5.5, hair);
  Ellipse(p, 36, 19, 4, 5.5, hair);
  Ellipse(p, 30, 22.5, 5.4, 6.4, skin, skinLine, 0.4);
  QPainterPath fringe;
  fringe.moveTo(24.4, 20);
  fringe.cubicTo(25.5, 15, 34.5, 15, 35.6, 20);
  fringe.cubicTo(33, 17.8, 27, 17.8, 24.4, 20);
  Fill(p, fringe, hair);
  Stroke(p, {{34, 10}, {42, 5}}, gold, 0.7);
  Ellipse(p, 42.5, 4.6, 1.4, 1.4, QColor(220, 50, 70));
  Stroke(p, {{26, 9}, {19, 5.5}}, gold, 0.7);
  Stroke(p, {{26.4, 22.2}, {28.6, 22.6}}, hair, 0.6);
  Stroke(p, {{31.4, 22.6}, {33.6, 22.2}}, hair, 0.6);
  Stroke(p, {{26.2, 20.4}, {28.6, 20.2}}, QColor(80, 60, 60), 0.3);
  Stroke(p, {{31.4, 20.2}, {33.8, 20.4}}, QColor(80, 60, 60), 0.3);
  Ellipse(p, 30, 26.2, 1.1, 0.6, QColor(210, 30, 50));
  Ellipse(p, 26.2, 24.8, 1.3, 0.8, QColor(250, 200, 200));
  Ellipse(p, 33.8, 24.8, 1.3, 0.8, QColor(250, 200, 200));
}

void Magi(QPainter& p) {
  Band(p, 0, 64, QColor(10, 16, 52), QColor(60, 62, 122));
  Dots(p, {{5, 5}, {12, 18}, {22, 8}, {30, 22}, {55, 30}, {6, 34}, {18, 40}, {52, 46}, {28, 36}, {58, 8}}, 0.5,
       QColor(255, 255, 255, 210));
  // The star they follow.
  const QColor starlight(255, 246, 200);
  Ellipse(p, 44, 13, 7, 7, QColor(255, 240, 180, 50));
  Ellipse(p, 44, 13, 3.6, 3.6, QColor(255, 240, 180, 90));
  Fill(p, StarPath(44, 13, 9, 1.3, 4), starlight);
  QTransform turn;
  turn.translate(44, 13);
  turn.rotate(45);
  turn.translate(-44, -13);
  Fill(p, turn.map(StarPath(44, 13, 4.5, 1.0, 4)), starlight);
  const QPainterPath far = GroundPath({{-1, 64}, {14, 55}, {30, 60}, {46, 54}, {61, 58}}, 85);
  Fill(p, far, QColor(150, 110, 80));
  const QPainterPath near = GroundPath({{-1, 74}, {26, 66}, {61, 72}}, 85);
  Fill(p, near, QColor(196, 154, 100));
  CamelWithKing(p, 37, 47, 0.9, QColor(40, 120, 70));
  CamelWithKing(p, 21, 49, 1.15, QColor(110, 50, 150));
  CamelWithKing(p, 2, 52, 1.4, QColor(200, 40, 40));
}

}  // namespace cardoria::pictures
