#include "CursorArt.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kSize = 32;

QImage Blank() {
  QImage image(kSize, kSize, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

QPainterPath ArrowPath() {
  QPainterPath path;
  path.moveTo(1, 1);
  path.lineTo(1, 22);
  path.lineTo(6, 17);
  path.lineTo(10, 26);
  path.lineTo(13.5, 24.5);
  path.lineTo(9.5, 16);
  path.lineTo(16, 16);
  path.closeSubpath();
  return path;
}

// A hand pointing up with the index finger, thumb on the left: the right hand.
QPainterPath PointingHandPath() {
  QPainterPath hand;
  hand.setFillRule(Qt::WindingFill);
  hand.addRoundedRect(QRectF(9, 1, 5, 16), 2.5, 2.5);       // index finger
  hand.addRoundedRect(QRectF(13.5, 9, 4.5, 10), 2.2, 2.2);  // middle finger
  hand.addRoundedRect(QRectF(17.5, 10, 4.5, 9), 2.2, 2.2);  // ring finger
  hand.addRoundedRect(QRectF(21.5, 11.5, 4, 8), 2, 2);      // little finger
  hand.addRoundedRect(QRectF(9, 14, 16.5, 12), 4, 4);       // palm
  QPainterPath thumb;
  thumb.moveTo(10, 18);
  thumb.lineTo(4.5, 13.5);
  thumb.quadTo(2, 12.5, 2.5, 15.5);
  thumb.lineTo(9, 24);
  thumb.closeSubpath();
  hand.addPath(thumb);
  hand.addRect(QRectF(11, 25, 13, 5));  // wrist
  return hand.simplified();
}

// A little card held by the cursor while cards are dragged.
void DrawCarriedCard(QPainter& painter) {
  const QRectF card(19, 17, 11, 14);
  painter.setPen(QPen(QColor(40, 40, 40), 1));
  painter.setBrush(QColor(250, 250, 246));
  painter.drawRoundedRect(card, 2, 2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(190, 20, 30));
  QPainterPath heart;
  heart.moveTo(24.5, 28);
  heart.cubicTo(19.5, 24, 21, 19.5, 24.5, 22);
  heart.cubicTo(28, 19.5, 29.5, 24, 24.5, 28);
  painter.drawPath(heart);
}

QImage Render(const QPainterPath& path, const QColor& fill, const QColor& outline, bool mirrored, bool carrying) {
  QImage image = Blank();
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  if (mirrored) {
    painter.translate(kSize, 0);
    painter.scale(-1, 1);
  }
  painter.setPen(QPen(outline, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(fill);
  painter.drawPath(path);
  if (mirrored) painter.resetTransform();
  if (carrying) DrawCarriedCard(painter);
  return image;
}

}  // namespace

std::vector<CursorArt> DrawCursors() {
  const QColor white(255, 255, 255), black(0, 0, 0), skin(255, 224, 189), brown(90, 50, 20);
  struct Kind {
    const char* stem;
    QPainterPath path;
    QColor fill, outline;
    bool mirrored;
    QPoint hotSpot;
  };
  const Kind kinds[] = {
      {"CUR_ARROW1", ArrowPath(), white, black, false, {1, 1}},
      {"CUR_ARROW2", ArrowPath(), black, white, false, {1, 1}},
      {"CUR_RIGHT_HAND1", PointingHandPath(), white, black, false, {11, 1}},
      {"CUR_RIGHT_HAND2", PointingHandPath(), skin, brown, false, {11, 1}},
      {"CUR_LEFT_HAND1", PointingHandPath(), white, black, true, {20, 1}},
      {"CUR_LEFT_HAND2", PointingHandPath(), skin, brown, true, {20, 1}},
  };
  std::vector<CursorArt> cursors;
  for (bool carrying : {false, true}) {
    for (const Kind& kind : kinds) {
      const QString name = QString::fromLatin1(kind.stem) + (carrying ? "B" : "A");
      cursors.push_back({name, Render(kind.path, kind.fill, kind.outline, kind.mirrored, carrying), kind.hotSpot});
    }
  }
  return cursors;
}
