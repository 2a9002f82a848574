// The backs that show a landscape, the sun or flowers.

#include <QTransform>
#include <cmath>

#include "art/BackPictures.h"
#include "art/PictureKit.h"

namespace cardoria::pictures {

namespace {

const QColor kWhite(250, 250, 250);

// The sun: a disc with a halo.
void SunDisc(QPainter& p, double cx, double cy, double r, const QColor& colour) {
  Ellipse(p, cx, cy, r * 1.6, r * 1.6, QColor(colour.red(), colour.green(), colour.blue(), 60));
  Ellipse(p, cx, cy, r, r, colour);
}

// A white cloud with a grey belly.
void Cloud(QPainter& p, double cx, double base, double width) {
  Fill(p, CloudPath(cx + width * 0.04, base + width * 0.05, width), QColor(190, 205, 228));
  Fill(p, CloudPath(cx, base, width), QColor(252, 252, 255));
}

// A fir tree whose foot is at (x, y).
void Fir(QPainter& p, double x, double y, double height, const QColor& colour) {
  const double w = height * 0.42;
  Polygon(p,
          {{x, y - height},
           {x + w * 0.55, y - height * 0.55},
           {x + w * 0.3, y - height * 0.55},
           {x + w, y - height * 0.12},
           {x - w, y - height * 0.12},
           {x - w * 0.3, y - height * 0.55},
           {x - w * 0.55, y - height * 0.55}},
          colour);
  Stroke(p, {{x, y - height * 0.14}, {x, y}}, QColor(80, 50, 30), height * 0.1);
}

// A ridge of mountains with snow on the peaks that rise above `snowLine`.
void SnowyRidge(QPainter& p, std::initializer_list<QPointF> points, const QColor& rock, double snowLine) {
  Fill(p, RidgePath(points), rock);
  const QPointF* previous = nullptr;
  for (auto at = points.begin(); at != points.end(); ++at) {
    const QPointF* next = at + 1 != points.end() ? at + 1 : nullptr;
    if (previous && next && at->y() < snowLine && at->y() < previous->y() && at->y() < next->y()) {
      // Down each side to the snow line, with a ragged lower edge.
      const double depth = (snowLine - at->y()) * 0.6;
      auto along = [&](const QPointF& to) {
        return *at + (to - *at) * std::min(1.0, depth / std::max(1.0, to.y() - at->y()));
      };
      const QPointF left = along(*previous), right = along(*next);
      Polygon(p,
              {*at, right, (right + *at) / 2 + QPointF(0, depth * 0.5), *at + QPointF(0, depth * 0.7),
               (left + *at) / 2 + QPointF(0, depth * 0.45), left},
              QColor(246, 248, 252));
    }
    previous = &*at;
  }
}

// A flower of `petals` round petals about (cx, cy).
void Blossom(QPainter& p, double cx, double cy, double r, int petals, const QColor& petal, const QColor& heart,
             double turn = 0) {
  const QColor line = petal.darker(150);
  for (int k = 0; k < petals; ++k) {
    QTransform t;
    t.translate(cx, cy);
    t.rotate(turn + 360.0 * k / petals);
    Fill(p, t.map(EllipsePath(0, -r * 0.55, r * 0.36, r * 0.55)), petal, line, 0.35);
  }
  Ellipse(p, cx, cy, r * 0.3, r * 0.3, heart, heart.darker(140), 0.35);
}

// A rose seen from above: rings of cupped petals round a curled heart.
void Rose(QPainter& p, double cx, double cy, double r) {
  const QColor red(206, 28, 48), dark(128, 8, 26), light(236, 76, 92);
  for (int k = 0; k < 5; ++k) {
    QTransform t;
    t.translate(cx, cy);
    t.rotate(72 * k + 20);
    Fill(p, t.map(EllipsePath(0, -r * 0.52, r * 0.56, r * 0.5)), red, dark, 0.45);
  }
  Ellipse(p, cx, cy, r * 0.66, r * 0.66, light, dark, 0.45);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(dark, r * 0.09, Qt::SolidLine, Qt::RoundCap));
  // A spiral of arcs, each a little smaller and turned on.
  for (int k = 0; k < 4; ++k) {
    const double rr = r * (0.55 - 0.12 * k);
    p.drawArc(QRectF(cx - rr, cy - rr, 2 * rr, 2 * rr), (40 + 95 * k) * 16, 200 * 16);
  }
  Ellipse(p, cx, cy, r * 0.1, r * 0.1, dark);
}

}  // namespace

void Boat(QPainter& p) {
  Band(p, 0, 50, QColor(90, 150, 215), QColor(196, 224, 246));
  SunDisc(p, 11, 11, 5, QColor(255, 226, 110));
  Cloud(p, 46, 12, 16);
  Bird(p, 42, 24, 4, QColor(50, 60, 80));
  Bird(p, 49, 28, 3, QColor(50, 60, 80));
  Band(p, 49.5, 84, QColor(40, 112, 178), QColor(14, 58, 118));
  const QColor foam(220, 236, 250, 200);
  for (const QPointF& at : {QPointF(6, 66), QPointF(20, 72), QPointF(42, 68), QPointF(52, 76), QPointF(10, 79),
                            QPointF(32, 80), QPointF(48, 58), QPointF(6, 56)}) {
    QPainterPath crest;
    crest.moveTo(at);
    crest.quadTo(at + QPointF(2.5, -2), at + QPointF(5, 0));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(foam, 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(crest);
  }
  // Its picture in the water, broken by the ripples.
  for (int k = 0; k < 5; ++k)
    Stroke(p, {{19.0 + k, 62.5 + k * 1.8}, {43.0 - k, 62.5 + k * 1.8}}, QColor(180, 50, 50, 110 - 18 * k), 0.9);
  QPainterPath main;
  main.moveTo(32, 14);
  main.quadTo(44, 30, 48, 49);
  main.lineTo(32, 49);
  main.closeSubpath();
  QPainterPath jib;
  jib.moveTo(30, 17);
  jib.quadTo(22, 33, 15, 49);
  jib.lineTo(30, 49);
  jib.closeSubpath();
  Fill(p, jib, QColor(248, 244, 230), QColor(120, 120, 120), 0.45);
  Fill(p, main, kWhite, QColor(120, 120, 120), 0.45);
  Stroke(p, {{36, 27}, {42, 40}}, QColor(200, 200, 200), 0.4);  // a seam of the sail
  Stroke(p, {{31, 51}, {31, 12}}, QColor(110, 70, 40), 1.2);
  Polygon(p, {{31, 12}, {36.5, 13.6}, {31, 15.2}}, QColor(220, 40, 40));
  QPainterPath hull;
  hull.moveTo(13, 51);
  hull.lineTo(50, 51);
  hull.cubicTo(47, 56.5, 44, 60, 40, 61);
  hull.lineTo(22, 61);
  hull.cubicTo(19, 59.5, 16, 56, 13, 51);
  Fill(p, hull, QColor(190, 40, 36), QColor(90, 20, 16), 0.5);
  Stroke(p, {{14.6, 53.4}, {48.6, 53.4}}, kWhite, 0.9);
}

void Africa(QPainter& p) {
  Band(p, 0, 62, QColor(236, 104, 40), QColor(252, 214, 120));
  SunDisc(p, 30, 50, 14, QColor(255, 236, 160));
  Bird(p, 14, 14, 4, QColor(70, 30, 20));
  Bird(p, 20, 10, 3, QColor(70, 30, 20));
  const QColor shadow(52, 28, 16);
  const QPainterPath ground = GroundPath({{-1, 62}, {30, 58}, {61, 62}}, 85);
  Fill(p, ground, QColor(150, 86, 36));
  Band(p, 68, 84, QColor(130, 72, 30), QColor(92, 50, 20));
  for (double x = 2; x < 60; x += 5.5)
    Stroke(p, {{x, 66 + std::fmod(x * 7, 9)}, {x + 1, 63.5 + std::fmod(x * 7, 9)}}, QColor(200, 150, 60), 0.6);
  // An acacia: a thin trunk forking into a flat crown.
  Stroke(p, {{45, 62}, {46, 50}, {42, 38}}, shadow, 1.4);
  Stroke(p, {{46, 50}, {51, 39}}, shadow, 1.1);
  Stroke(p, {{44, 44}, {37, 38}}, shadow, 0.9);
  QPainterPath crown;
  crown.setFillRule(Qt::WindingFill);
  for (const auto& [cx, cy, rx] : {std::tuple{44.0, 36.5, 13.0}, std::tuple{37.0, 35.5, 6.0},
                                   std::tuple{51.0, 35.0, 7.0}, std::tuple{44.0, 34.5, 8.0}})
    crown.addEllipse(QPointF(cx, cy), rx, 2.4);
  Fill(p, crown, shadow);
  // A giraffe, walking.
  QPainterPath giraffe;
  giraffe.setFillRule(Qt::WindingFill);
  giraffe.addEllipse(QPointF(15, 48), 6.5, 3.6);
  giraffe.moveTo(18.5, 47);
  giraffe.lineTo(24.5, 28.5);
  giraffe.lineTo(26.8, 29.5);
  giraffe.lineTo(21.5, 49);
  giraffe.closeSubpath();
  QTransform tilt;
  tilt.translate(27.2, 29);
  tilt.rotate(25);
  giraffe.addPath(tilt.map(EllipsePath(0, 0, 3.0, 1.3)));
  Fill(p, giraffe, shadow);
  Stroke(p, {{25, 27.6}, {24.8, 25.4}}, shadow, 0.6);
  Stroke(p, {{26.2, 27.6}, {26.4, 25.4}}, shadow, 0.6);
  for (const auto& [top, foot] :
       {std::pair{QPointF(10.5, 50), QPointF(9.5, 62)}, std::pair{QPointF(12.5, 50), QPointF(13.5, 62)},
        std::pair{QPointF(18, 50), QPointF(17, 62)}, std::pair{QPointF(20, 49.5), QPointF(21.5, 62)}})
    Stroke(p, {top, foot}, shadow, 1.1);
  Stroke(p, {{8.8, 47}, {7.4, 53}}, shadow, 0.5);
}

void Lake(QPainter& p) {
  Band(p, 0, 40, QColor(104, 166, 228), QColor(212, 232, 246));
  Cloud(p, 14, 10, 14);
  const QColor rock(118, 138, 172);
  auto mountains = [&] {
    SnowyRidge(p, {{-1, 40}, {10, 22}, {18, 30}, {28, 14}, {40, 32}, {48, 24}, {61, 40}}, rock, 28);
  };
  mountains();
  // The water mirrors the mountains, paler.
  Band(p, 40, 84, QColor(84, 144, 192), QColor(26, 76, 128));
  p.save();
  p.setClipRect(QRectF(-1, 40, kCanvasWidth + 2, 44), Qt::IntersectClip);
  p.setOpacity(0.35);
  p.translate(0, 80);
  p.scale(1, -1);
  mountains();
  p.restore();
  Fill(p, RidgePath({{-1, 41}, {6, 37}, {16, 39}, {26, 36.5}, {38, 39}, {50, 36}, {61, 38.5}}, 41.5),
       QColor(46, 100, 54));
  for (const auto& [x, h] : {std::pair{3.0, 9.0}, std::pair{7.0, 12.0}, std::pair{11.0, 8.0}, std::pair{47.0, 10.0},
                             std::pair{52.0, 13.0}, std::pair{57.0, 9.0}})
    Fir(p, x, 41, h, QColor(30, 76, 44));
  for (const QPointF& at : {QPointF(8, 48), QPointF(30, 52), QPointF(46, 56), QPointF(16, 62), QPointF(38, 68),
                            QPointF(10, 74), QPointF(48, 78), QPointF(26, 80)})
    Stroke(p, {at, at + QPointF(8, 0)}, QColor(220, 236, 250, 150), 0.6);
  const QColor reed(60, 100, 40);
  for (double x : {2.0, 4.0, 6.5, 55.0, 57.5}) Stroke(p, {{x, 85}, {x + 0.8, 74 + std::fmod(x * 3, 4)}}, reed, 0.7);
}

void Clouds(QPainter& p) {
  Band(p, 0, 84, QColor(58, 128, 210), QColor(176, 212, 246));
  SunDisc(p, 47, 14, 6, QColor(255, 232, 120));
  Cloud(p, 20, 20, 28);
  Cloud(p, 45, 38, 24);
  Cloud(p, 22, 56, 32);
  Cloud(p, 47, 72, 20);
  Cloud(p, 10, 80, 16);
  Bird(p, 38, 50, 3.5, QColor(40, 50, 70));
  Bird(p, 44, 53, 2.5, QColor(40, 50, 70));
}

void Sea(QPainter& p) {
  Band(p, 0, 34, QColor(118, 178, 230), QColor(222, 236, 246));
  Cloud(p, 40, 14, 18);
  Bird(p, 16, 12, 5, QColor(60, 64, 80));
  Band(p, 33.5, 84, QColor(36, 112, 170), QColor(18, 70, 130));
  // Rows of waves, smaller and paler towards the horizon; the nearest
  // curls over with foam at its crest.
  for (const auto& [base, height, colour] :
       {std::tuple{42.0, 3.0, QColor(46, 124, 180)}, std::tuple{52.0, 5.0, QColor(30, 100, 160)},
        std::tuple{64.0, 7.0, QColor(22, 84, 146)}}) {
    QPainterPath row;
    const double step = height * 3.2;
    row.moveTo(-2, base);
    for (double x = -2; x < 62; x += step) {
      row.cubicTo(x + step * 0.3, base - height, x + step * 0.7, base - height, x + step * 0.8, base - height * 0.6);
      row.quadTo(x + step * 0.9, base - height * 0.1, x + step, base);
    }
    row.lineTo(62, 85);
    row.lineTo(-2, 85);
    row.closeSubpath();
    Fill(p, row, colour);
    for (double x = -2; x < 62; x += step)
      Stroke(p, {{x + step * 0.3, base - height * 0.85}, {x + step * 0.6, base - height}}, QColor(235, 245, 255),
             height * 0.18);
  }
  QPainterPath wave;
  wave.moveTo(-1, 85);
  wave.lineTo(-1, 70);
  wave.cubicTo(10, 58, 28, 52, 40, 58);
  wave.cubicTo(46, 61, 45, 68, 39, 68);
  wave.cubicTo(35, 68, 34, 64, 37.5, 63.5);
  wave.cubicTo(30, 61, 22, 68, 20, 76);
  wave.cubicTo(34, 80, 50, 78, 61, 73);
  wave.lineTo(61, 85);
  wave.closeSubpath();
  Fill(p, wave, QColor(14, 62, 122), QColor(8, 40, 86), 0.5);
  QPainterPath foam;
  foam.moveTo(10, 62);
  foam.cubicTo(20, 54.5, 32, 53, 40, 57.4);
  foam.cubicTo(45.5, 60.6, 45.6, 67.6, 39.4, 68.2);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kWhite, 1.8, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(foam);
  for (const QPointF& at : {QPointF(44, 56), QPointF(47, 59), QPointF(46, 63.5), QPointF(41, 54)})
    Ellipse(p, at.x(), at.y(), 0.9, 0.9, kWhite);
}

void Mountains(QPainter& p) {
  Band(p, 0, 60, QColor(64, 136, 220), QColor(196, 228, 250));
  Cloud(p, 48, 12, 14);
  SnowyRidge(p, {{-1, 52}, {8, 36}, {14, 42}, {26, 13}, {36, 34}, {42, 27}, {52, 40}, {61, 31}}, QColor(112, 120, 150),
             34);
  // The shaded faces, away from the light.
  Polygon(p, {{26, 13}, {36, 34}, {30, 46}, {27, 30}}, QColor(80, 88, 120, 150));
  Polygon(p, {{42, 27}, {52, 40}, {46, 46}, {43, 36}}, QColor(80, 88, 120, 150));
  const QPainterPath valley = GroundPath({{-1, 60}, {20, 52}, {40, 58}, {52, 61}, {61, 56}}, 85);
  Fill(p, valley, QColor(104, 168, 78));
  Band(p, 70, 84, QColor(84, 148, 58), QColor(62, 124, 44));
  for (const auto& [x, y, h] : {std::tuple{6.0, 66.0, 12.0}, std::tuple{11.0, 70.0, 15.0}, std::tuple{47.0, 68.0, 13.0},
                                std::tuple{53.0, 72.0, 16.0}, std::tuple{30.0, 62.0, 8.0}, std::tuple{34.0, 63.0, 7.0}})
    Fir(p, x, y, h, QColor(28, 80, 44));
}

void MountainsAtDusk(QPainter& p) {
  Band(p, 0, 84, QColor(64, 36, 104), QColor(252, 156, 92));
  QPainterPath moon;
  moon.addEllipse(QPointF(12, 10), 4, 4);
  QPainterPath bite;
  bite.addEllipse(QPointF(14, 8.8), 3.6, 3.6);
  Fill(p, moon.subtracted(bite), QColor(250, 236, 200));
  SunDisc(p, 36, 44, 8, QColor(255, 204, 128));
  Fill(p, RidgePath({{-1, 44}, {8, 34}, {16, 40}, {24, 30}, {33, 40}, {44, 28}, {54, 38}, {61, 33}}),
       QColor(186, 112, 140));
  Fill(p, RidgePath({{-1, 54}, {10, 42}, {20, 50}, {30, 40}, {42, 52}, {52, 44}, {61, 50}}), QColor(136, 72, 122));
  Fill(p, RidgePath({{-1, 62}, {6, 56}, {18, 64}, {34, 52}, {46, 62}, {61, 56}}), QColor(86, 42, 92));
  Fill(p, RidgePath({{-1, 72}, {12, 66}, {28, 72}, {44, 64}, {61, 70}}), QColor(44, 24, 58));
  for (const auto& [x, y, h] : {std::tuple{8.0, 70.0, 10.0}, std::tuple{13.0, 71.0, 8.0}, std::tuple{46.0, 68.0, 11.0},
                                std::tuple{52.0, 70.0, 9.0}})
    Fir(p, x, y, h, QColor(30, 16, 40));
  Bird(p, 24, 22, 4, QColor(50, 24, 60));
  Bird(p, 30, 18, 3, QColor(50, 24, 60));
}

void Hills(QPainter& p) {
  Band(p, 0, 50, QColor(118, 188, 240), QColor(226, 242, 250));
  SunDisc(p, 47, 11, 5.5, QColor(255, 230, 110));
  Cloud(p, 16, 16, 18);
  auto hill = [&](double left, double peak, double right, double top, const QColor& colour) {
    QPainterPath path;
    path.moveTo(-1, left);
    path.quadTo(peak, top, 61, right);
    path.lineTo(61, 85);
    path.lineTo(-1, 85);
    path.closeSubpath();
    Fill(p, path, colour);
    return path;
  };
  hill(46, 40, 38, 28, QColor(150, 204, 110));
  // A white house with a red roof on the far hill.
  Polygon(p, {{42, 37.5}, {48, 37.5}, {48, 42}, {42, 42}}, kWhite, QColor(120, 120, 120), 0.3);
  Polygon(p, {{41, 37.8}, {45, 34.4}, {49, 37.8}}, QColor(200, 50, 40));
  Polygon(p, {{44.2, 39.4}, {45.6, 39.4}, {45.6, 42}, {44.2, 42}}, QColor(110, 70, 40));
  hill(54, 16, 58, 38, QColor(112, 178, 80));
  const QPainterPath nearest = hill(74, 44, 60, 50, QColor(82, 152, 58));
  // Furrows that follow the near hill, and a lane.
  p.save();
  p.setClipPath(nearest, Qt::IntersectClip);
  for (int k = 1; k <= 6; ++k) {
    QPainterPath furrow;
    furrow.moveTo(-1, 74 + 4 * k);
    furrow.quadTo(44, 50 + 5 * k, 61, 60 + 4 * k);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(62, 128, 42), 0.8));
    p.drawPath(furrow);
  }
  p.restore();
  QPainterPath lane;
  lane.moveTo(20, 85);
  lane.cubicTo(26, 74, 36, 70, 34, 62);
  lane.lineTo(35.5, 62);
  lane.cubicTo(39, 70, 32, 76, 30, 85);
  lane.closeSubpath();
  Fill(p, lane, QColor(224, 204, 150));
  // A lone tree on the middle hill.
  Stroke(p, {{16, 53}, {16, 45}}, QColor(100, 66, 36), 1.4);
  QPainterPath crown;
  crown.setFillRule(Qt::WindingFill);
  crown.addEllipse(QPointF(16, 41), 5, 4.4);
  crown.addEllipse(QPointF(13, 44), 3.4, 3);
  crown.addEllipse(QPointF(19, 44), 3.4, 3);
  Fill(p, crown, QColor(40, 110, 44), QColor(26, 80, 30), 0.4);
}

void Sun(QPainter& p) {
  QRadialGradient sky(QPointF(30, 42), 46);
  sky.setColorAt(0, QColor(250, 170, 60));
  sky.setColorAt(0.45, QColor(200, 80, 40));
  sky.setColorAt(1, QColor(120, 30, 40));
  p.setPen(Qt::NoPen);
  p.setBrush(sky);
  p.drawRect(QRectF(-1, -1, kCanvasWidth + 2, kCanvasHeight + 2));
  const QColor gold(250, 196, 40), pale(255, 224, 110), line(170, 90, 10);
  for (int k = 0; k < 16; ++k) {
    QTransform t;
    t.translate(30, 42);
    t.rotate(22.5 * k);
    if (k % 2) {
      Fill(p, t.map(PolygonPath({{-2.4, -14}, {0, -22}, {2.4, -14}})), pale, line, 0.4);
    } else {
      QPainterPath ray;  // a flame of a ray, waving
      ray.moveTo(-3.2, -14);
      ray.cubicTo(-4.5, -20, 1.5, -22, -0.5, -28);
      ray.cubicTo(4, -23, 3.5, -19, 3.2, -14);
      ray.closeSubpath();
      Fill(p, t.map(ray), gold, line, 0.4);
    }
  }
  Ellipse(p, 30, 42, 14.5, 14.5, gold, line, 0.6);
  Ellipse(p, 30, 42, 12, 12, pale);
  const QColor face(150, 80, 10);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(face, 0.8, Qt::SolidLine, Qt::RoundCap));
  QPainterPath features;
  features.moveTo(23.5, 38.5);  // eyes, shut and smiling
  features.quadTo(25.5, 36.5, 27.5, 38.5);
  features.moveTo(32.5, 38.5);
  features.quadTo(34.5, 36.5, 36.5, 38.5);
  features.moveTo(30, 39.5);  // nose
  features.quadTo(28.6, 43, 30.8, 43.4);
  features.moveTo(25, 46);  // mouth
  features.quadTo(30, 50.5, 35, 46);
  p.drawPath(features);
  Ellipse(p, 23.5, 44, 2, 1.3, QColor(250, 140, 90, 160));
  Ellipse(p, 36.5, 44, 2, 1.3, QColor(250, 140, 90, 160));
  for (const QPointF& at : {QPointF(6, 6), QPointF(54, 6), QPointF(6, 78), QPointF(54, 78)})
    Fill(p, StarPath(at.x(), at.y(), 3, 1.2), pale);
}

void ChildrensFlowers(QPainter& p) {
  Band(p, 0, 62, QColor(140, 206, 250), QColor(224, 243, 255));
  SunDisc(p, 8, 8, 5, QColor(255, 220, 60));
  const QPainterPath grass = GroundPath({{-1, 60}, {20, 54}, {36, 59}, {50, 63}, {61, 57}}, 85);
  Fill(p, grass, QColor(110, 196, 84));
  const QColor stem(46, 140, 50);
  struct Bloom {
    double x, top;
    QColor petal, heart;
    bool tulip;
  };
  for (const Bloom& b : {Bloom{11, 38, QColor(252, 252, 252), QColor(250, 200, 30), false},
                         Bloom{24, 30, QColor(232, 40, 50), QColor(232, 40, 50), true},
                         Bloom{37, 40, QColor(80, 120, 236), QColor(250, 220, 60), false},
                         Bloom{50, 32, QColor(250, 196, 30), QColor(250, 196, 30), true}}) {
    Stroke(p, {{b.x, b.top}, {b.x + 0.6, (b.top + 74) / 2}, {b.x, 74}}, stem, 1.3);
    Fill(p, LeafPath({b.x, 66}, {b.x + 7, 58}, 3), stem);
    Fill(p, LeafPath({b.x, 70}, {b.x - 6, 63}, 2.6), stem);
    if (b.tulip) {
      QPainterPath cup;
      cup.moveTo(b.x - 5, b.top - 7);
      cup.lineTo(b.x - 2.4, b.top - 4);
      cup.lineTo(b.x, b.top - 8);
      cup.lineTo(b.x + 2.4, b.top - 4);
      cup.lineTo(b.x + 5, b.top - 7);
      cup.cubicTo(b.x + 5, b.top - 1, b.x + 3, b.top + 1, b.x, b.top + 1);
      cup.cubicTo(b.x - 3, b.top + 1, b.x - 5, b.top - 1, b.x - 5, b.top - 7);
      Fill(p, cup, b.petal, b.petal.darker(150), 0.45);
    } else {
      Blossom(p, b.x, b.top - 3, 6.5, 8, b.petal, b.heart);
    }
  }
  // A butterfly.
  const QColor wing(236, 110, 200), wingLine(120, 40, 100);
  Ellipse(p, 40.5, 15, 3.2, 2.6, wing, wingLine, 0.4);
  Ellipse(p, 45.5, 15, 3.2, 2.6, wing, wingLine, 0.4);
  Ellipse(p, 41, 19, 2.2, 1.8, wing, wingLine, 0.4);
  Ellipse(p, 45, 19, 2.2, 1.8, wing, wingLine, 0.4);
  Stroke(p, {{43, 13}, {43, 21}}, QColor(50, 30, 40), 0.9);
  Stroke(p, {{43, 13}, {41.6, 10.6}}, QColor(50, 30, 40), 0.35);
  Stroke(p, {{43, 13}, {44.4, 10.6}}, QColor(50, 30, 40), 0.35);
}

void Flower(QPainter& p) {
  Band(p, 0, 84, QColor(236, 226, 246), QColor(196, 214, 228));
  const QColor stem(52, 132, 60), leafLine(30, 90, 40);
  QPainterPath stalk;
  stalk.moveTo(30, 40);
  stalk.cubicTo(28, 56, 33, 70, 31, 85);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(stem, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(stalk);
  for (const auto& [from, to, width] :
       {std::tuple{QPointF(30.5, 62), QPointF(47, 52), 8.0}, std::tuple{QPointF(31, 72), QPointF(13, 64), 7.0}}) {
    Fill(p, LeafPath(from, to, width), stem, leafLine, 0.5);
    Stroke(p, {from, from + (to - from) * 0.85}, leafLine, 0.45);
  }
  // A bud beside the flower.
  Stroke(p, {{30, 58}, {19, 52}, {12, 46}}, stem, 1.2);
  Fill(p, LeafPath({12, 47}, {9, 37}, 4.6), QColor(230, 100, 160), QColor(150, 40, 90), 0.4);
  Fill(p, LeafPath({12.2, 48}, {8.6, 42}, 2.4), stem);
  Fill(p, LeafPath({12.2, 48}, {14.2, 41.6}, 2.4), stem);
  const QColor petal(236, 92, 156), vein(186, 40, 104);
  for (int k = 0; k < 5; ++k) {
    QTransform t;
    t.translate(30, 28);
    t.rotate(72 * k);
    QPainterPath one;  // a heart-shaped petal, notched at its end
    one.moveTo(0, 0);
    one.cubicTo(-9, -4, -10, -16, -3.5, -18);
    one.quadTo(-1, -18.6, 0, -16);
    one.quadTo(1, -18.6, 3.5, -18);
    one.cubicTo(10, -16, 9, -4, 0, 0);
    Fill(p, t.map(one), petal, vein, 0.5);
    Stroke(p, {t.map(QPointF(0, -3)), t.map(QPointF(0, -13))}, vein, 0.5);
  }
  Ellipse(p, 30, 28, 4.2, 4.2, QColor(255, 214, 60), QColor(200, 140, 20), 0.5);
  for (int k = 0; k < 8; ++k) {
    const double a = M_PI * k / 4;
    Ellipse(p, 30 + 2.3 * std::cos(a), 28 + 2.3 * std::sin(a), 0.5, 0.5, QColor(190, 110, 20));
  }
}

void Roses(QPainter& p) {
  Band(p, 0, 84, QColor(36, 78, 46), QColor(18, 44, 26));
  const QColor leaf(58, 130, 60), leafLine(24, 70, 30);
  for (const auto& [from, to] :
       {std::pair{QPointF(26, 30), QPointF(8, 38)}, std::pair{QPointF(36, 34), QPointF(54, 24)},
        std::pair{QPointF(30, 48), QPointF(50, 58)}, std::pair{QPointF(22, 58), QPointF(6, 66)},
        std::pair{QPointF(24, 22), QPointF(14, 6)}, std::pair{QPointF(40, 46), QPointF(54, 42)},
        std::pair{QPointF(28, 62), QPointF(36, 78)}}) {
    Fill(p, LeafPath(from, to, 7), leaf, leafLine, 0.5);
    Stroke(p, {from, from + (to - from) * 0.85}, leafLine, 0.45);
  }
  Rose(p, 22, 26, 10);
  Rose(p, 40, 41, 11);
  Rose(p, 20, 54, 9);
  // A bud still closed.
  Stroke(p, {{44, 80}, {45, 70}}, leaf, 1.2);
  Fill(p, LeafPath({45, 70}, {45.4, 61}, 5.2), QColor(206, 28, 48), QColor(128, 8, 26), 0.45);
  Fill(p, LeafPath({45, 71}, {42.4, 64.6}, 2.6), leaf);
  Fill(p, LeafPath({45.2, 71}, {48, 64.8}, 2.6), leaf);
}

}  // namespace cardoria::pictures
