#pragma once
// The pen and brush work of the back pictures. Every picture is drawn on a
// canvas of kCanvasWidth x kCanvasHeight units that the caller maps onto the
// card's panel, so the shapes are written once and are sharp at any size.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <initializer_list>

namespace cardoria::pictures {

inline constexpr double kCanvasWidth = 60;
inline constexpr double kCanvasHeight = 84;
inline constexpr double kMiddle = kCanvasWidth / 2;

// The outline most figures get: thin and dark, so a shape reads against a
// background of a near colour.
inline constexpr double kOutline = 0.6;

// Fills `path`, with an outline of `line` when it is not transparent.
void Fill(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& line = Qt::transparent,
          double width = kOutline);
void Ellipse(QPainter& p, double cx, double cy, double rx, double ry, const QColor& fill,
             const QColor& line = Qt::transparent, double width = kOutline);
void Polygon(QPainter& p, std::initializer_list<QPointF> points, const QColor& fill,
             const QColor& line = Qt::transparent, double width = kOutline);
// An open line through `points`, round at its ends and joints.
void Stroke(QPainter& p, std::initializer_list<QPointF> points, const QColor& colour, double width);
// The canvas from `top` down to its foot, shading from `upper` at `top` to
// `lower` at `bottom` and `lower` below. Reaching the foot, a band leaves no
// seam of half-covered pixels where the next band begins.
void Band(QPainter& p, double top, double bottom, const QColor& upper, const QColor& lower);

QPainterPath EllipsePath(double cx, double cy, double rx, double ry);
QPainterPath PolygonPath(std::initializer_list<QPointF> points);
// `path` seen in a mirror standing upright at x = `axis`.
QPainterPath Mirrored(const QPainterPath& path, double axis = kMiddle);
// A star of `points` points, the first pointing up.
QPainterPath StarPath(double cx, double cy, double outer, double inner, int points = 5);
// A puffy cloud `width` units wide whose flat bottom is at `base`.
QPainterPath CloudPath(double cx, double base, double width);
// A ridge of peaks through `points` (left to right), closed down to `floor`.
QPainterPath RidgePath(std::initializer_list<QPointF> points, double floor = kCanvasHeight);
// Rolling ground from its first point, through the curves that each pair of
// points that follow makes (the pull of the curve, then where it ends),
// closed straight down to `floor` under its first and last points.
QPainterPath GroundPath(std::initializer_list<QPointF> points, double floor = kCanvasHeight);
// A pointed leaf from `stem` to `tip`, `width` across at its widest.
QPainterPath LeafPath(QPointF stem, QPointF tip, double width);
// A flying bird seen from afar: two arcs.
void Bird(QPainter& p, double cx, double cy, double span, const QColor& colour);

}  // namespace cardoria::pictures
