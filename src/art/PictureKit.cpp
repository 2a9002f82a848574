#include "art/PictureKit.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QTransform>
#include <cmath>

namespace cardoria::pictures {

void Fill(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& line, double width) {
  p.setPen(line.alpha() == 0 ? QPen(Qt::NoPen) : QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(fill);
  p.drawPath(path);
}

void Ellipse(QPainter& p, double cx, double cy, double rx, double ry, const QColor& fill, const QColor& line,
             double width) {
  Fill(p, EllipsePath(cx, cy, rx, ry), fill, line, width);
}

void Polygon(QPainter& p, std::initializer_list<QPointF> points, const QColor& fill, const QColor& line, double width) {
  Fill(p, PolygonPath(points), fill, line, width);
}

void Stroke(QPainter& p, std::initializer_list<QPointF> points, const QColor& colour, double width) {
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF(QList<QPointF>(points)));
}

void Band(QPainter& p, double top, double bottom, const QColor& upper, const QColor& lower) {
  QLinearGradient shade(0, top, 0, bottom);
  shade.setColorAt(0, upper);
  shade.setColorAt(1, lower);
  p.setPen(Qt::NoPen);
  p.setBrush(shade);
  // A little larger than the canvas: no seam where the panel's clip cuts.
  const double from = top <= 0 ? -1 : top;
  p.drawRect(QRectF(-1, from, kCanvasWidth + 2, kCanvasHeight + 1 - from));
}

QPainterPath EllipsePath(double cx, double cy, double rx, double ry) {
  QPainterPath path;
  path.addEllipse(QPointF(cx, cy), rx, ry);
  return path;
}

QPainterPath PolygonPath(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  return path;
}

QPainterPath Mirrored(const QPainterPath& path, double axis) {
  QTransform mirror;
  mirror.translate(2 * axis, 0);
  mirror.scale(-1, 1);
  return mirror.map(path);
}

QPainterPath StarPath(double cx, double cy, double outer, double inner, int points) {
  QPainterPath path;
  for (int k = 0; k < 2 * points; ++k) {
    const double angle = M_PI * k / points - M_PI / 2;
    const double r = k % 2 ? inner : outer;
    const QPointF at(cx + r * std::cos(angle), cy + r * std::sin(angle));
    k == 0 ? path.moveTo(at) : path.lineTo(at);
  }
  path.closeSubpath();
  return path;
}

QPainterPath CloudPath(double cx, double base, double width) {
  const double u = width / 10;
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  path.addEllipse(QPointF(cx - 3 * u, base - 1.6 * u), 2 * u, 1.6 * u);
  path.addEllipse(QPointF(cx - 0.6 * u, base - 2.6 * u), 2.8 * u, 2.6 * u);
  path.addEllipse(QPointF(cx + 2.4 * u, base - 2.0 * u), 2.4 * u, 2.0 * u);
  path.addRoundedRect(QRectF(cx - 5 * u, base - 1.6 * u, 10 * u, 1.6 * u), 0.8 * u, 0.8 * u);
  return path.simplified();
}

QPainterPath RidgePath(std::initializer_list<QPointF> points, double floor) {
  QPainterPath path;
  const QPointF first = *points.begin();
  path.moveTo(first.x(), floor);
  for (const QPointF& at : points) path.lineTo(at);
  path.lineTo((points.end() - 1)->x(), floor);
  path.closeSubpath();
  return path;
}

QPainterPath GroundPath(std::initializer_list<QPointF> points, double floor) {
  QPainterPath path;
  const QPointF* at = points.begin();
  path.moveTo(*at++);
  for (; at + 1 < points.end(); at += 2) path.quadTo(at[0], at[1]);
  path.lineTo(path.currentPosition().x(), floor);
  path.lineTo(points.begin()->x(), floor);
  path.closeSubpath();
  return path;
}

QPainterPath LeafPath(QPointF stem, QPointF tip, double width) {
  const QPointF along = tip - stem;
  const double length = std::hypot(along.x(), along.y());
  const QPointF across = length > 0 ? QPointF(-along.y(), along.x()) * (width / 2 / length) : QPointF();
  const QPointF middle = stem + along * 0.45;
  QPainterPath path;
  path.moveTo(stem);
  path.quadTo(middle + across * 2, tip);
  path.quadTo(middle - across * 2, stem);
  return path;
}

void Bird(QPainter& p, double cx, double cy, double span, const QColor& colour) {
  const double h = span / 2;
  QPainterPath path;
  path.moveTo(cx - h, cy - h * 0.3);
  path.quadTo(cx - h * 0.5, cy - h * 0.6, cx, cy);
  path.quadTo(cx + h * 0.5, cy - h * 0.6, cx + h, cy - h * 0.3);
  p.setPen(QPen(colour, span / 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
}

}  // namespace cardoria::pictures
