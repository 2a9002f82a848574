#include "art/CardArt.h"

#include "art/ArtKit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>

namespace cardoria {

namespace {

constexpr const char* kRanks[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

struct Design {
  QColor red, black, blue, green;  // suit colours (blue and green for four colours)
  QColor paper, edge, frame;
  bool fourColours, largeIndex, serif, ornate, modern;
};

Design DesignOf(int set) {
  Design d{QColor(200, 16, 46),
           QColor(20, 20, 24),
           QColor(200, 16, 46),
           QColor(20, 20, 24),
           QColor(255, 255, 255),
           QColor(90, 90, 90),
           QColor(200, 16, 46),
           false,
           false,
           true,
           false,
           false};
  switch (set) {
    case 2:
      d.largeIndex = true;
      d.serif = false;
      break;
    case 3:
      d.fourColours = true;
      d.blue = QColor(28, 88, 186);
      d.green = QColor(26, 120, 52);
      break;
    case 4:
      d.modern = true;
      d.serif = false;
      d.red = QColor(224, 64, 58);
      d.black = QColor(43, 43, 48);
      d.paper = QColor(251, 250, 245);
      d.edge = QColor(120, 120, 120);
      break;
    case 5:
      d.ornate = true;
      d.red = QColor(164, 22, 26);
      d.black = QColor(26, 26, 26);
      d.paper = QColor(255, 248, 231);
      d.frame = QColor(184, 150, 46);
      d.edge = QColor(120, 96, 40);
      break;
    default: break;
  }
  return d;
}

QColor SuitColour(const Design& d, int suit) {
  if (d.fourColours) return suit == 0 ? d.red : suit == 1 ? d.blue : suit == 2 ? d.green : d.black;
  return suit < 2 ? d.red : d.black;
}

using art::Blank;
using art::DesignUnits;

void DrawSuit(QPainter& p, int suit, const QRectF& box, const QColor& colour) {
  QTransform t;
  t.translate(box.left(), box.top());
  t.scale(box.width(), box.height());
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(t.map(SuitPath(suit)));
  p.restore();
}

QFont IndexFont(const Design& d, int pixels) {
  QFont font(d.serif ? "DejaVu Serif" : "DejaVu Sans");
  font.setPixelSize(pixels);
  font.setBold(true);
  font.setStyleStrategy(QFont::NoAntialias);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

void CardOutline(QPainter& p, const Design& d, int w, int h) {
  const double radius = w > 40 ? 4.5 : w > 30 ? 3.5 : 2.5;
  p.setPen(QPen(d.edge, 1));
  p.setBrush(d.paper);
  p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), radius, radius);
  if (d.ornate && w > 30) {
    p.setPen(QPen(d.frame, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.5, 2.5, w - 5, h - 5), radius - 1, radius - 1);
  }
  if (d.modern && w > 30) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 232, 222));
    p.drawRect(QRectF(1, h - 5, w - 2, 3));
  }
}

// Where the parts of a face lie at the big and the medium size. A fanned
// column shows only a band at the top of each covered card (18 pixels of a
// big card, 14 of a medium one), so the index, rank and suit side by side,
// fits in that band, and the pips and the court picture start below it.
struct FaceMetrics {
  int band;           // rows the index may use
  int rankPixels;     // font size of the rank
  double rankColumn;  // width of the rank; "10" is narrowed towards it
  double suitSize;    // the suit beside the rank
  double pip, pipLeft;
  double ace, aceSpade;
  double courtSide;
  // Pips and pictures keep two clear rows below the band.
  double Below() const { return band + 2; }
};

FaceMetrics MetricsOf(const Design& d, int w) {
  if (w > 64) {
    return {18, d.largeIndex ? 16 : 14, d.largeIndex ? 12.0 : 11.0, d.largeIndex ? 12.0 : 11.0, 11, 17, 24, 30, 10};
  }
  return {14, d.largeIndex ? 13 : 12, d.largeIndex ? 10.0 : 9.0, d.largeIndex ? 10.5 : 9.5, 9, 14, 20, 24, 9};
}

// The index at the top-left; the caller rotates for the bottom-right one.
void Index(QPainter& p, const Design& d, const FaceMetrics& m, int rank, int suit) {
  const QColor colour = SuitColour(d, suit);
  const QFont font = IndexFont(d, m.rankPixels);
  const QFontMetricsF metrics(font);
  const QString text = kRanks[rank - 1];
  // Clear of the ornate set's inner frame.
  const double inset = d.ornate ? 3 : 2;
  const QRectF ink = metrics.tightBoundingRect(text);
  // The tails of J and Q stay inside the band too.
  const double cap = std::min(metrics.capHeight(), m.band - 0.5 - ink.bottom() - inset);
  const double squeeze = std::clamp(m.rankColumn / ink.width(), 0.7, 1.0);
  const double column = std::max(m.rankColumn, ink.width() * squeeze);
  p.save();
  p.setFont(font);
  p.setPen(colour);
  p.translate(inset + column / 2, inset + cap);
  p.scale(squeeze, 1);
  p.drawText(QPointF(-ink.center().x(), 0), text);
  p.restore();
  const double top = inset + std::max(0.0, (cap - m.suitSize) / 2);
  DrawSuit(p, suit, QRectF(inset + column + 1, top, m.suitSize, m.suitSize), colour);
}

void Pips(QPainter& p, const Design& d, const FaceMetrics& m, int rank, int suit, int w, int h) {
  static const std::array<std::vector<QPointF>, 11> layouts = {{
      {},
      {{0.5, 0.5}},
      {{0.5, 0}, {0.5, 1}},
      {{0.5, 0}, {0.5, 0.5}, {0.5, 1}},
      {{0, 0}, {1, 0}, {0, 1}, {1, 1}},
      {{0, 0}, {1, 0}, {0.5, 0.5}, {0, 1}, {1, 1}},
      {{0, 0}, {1, 0}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
      {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
      {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0.5, 0.75}, {0, 1}, {1, 1}},
      {{0, 0}, {1, 0}, {0, 1 / 3.0}, {1, 1 / 3.0}, {0.5, 0.5}, {0, 2 / 3.0}, {1, 2 / 3.0}, {0, 1}, {1, 1}},
      {{0, 0},
       {1, 0},
       {0.5, 1 / 6.0},
       {0, 1 / 3.0},
       {1, 1 / 3.0},
       {0, 2 / 3.0},
       {1, 2 / 3.0},
       {0.5, 5 / 6.0},
       {0, 1},
       {1, 1}},
  }};
  // The middle column stands clear of the outer ones, so 9 and 10 keep
  // their pips apart.
  const double pip = m.pip;
  const double left = m.pipLeft, right = w - left - pip;
  const double top = m.Below(), bottom = h - top - pip;
  const QColor colour = SuitColour(d, suit);
  if (rank == 1) {
    const double size = suit == 3 ? m.aceSpade : m.ace;
    DrawSuit(p, suit, QRectF((w - size) / 2.0, (h - size) / 2.0, size, size), colour);
    if (d.ornate) {
      p.setPen(QPen(d.frame, 1));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QRectF((w - size) / 2.0 - 4, (h - size) / 2.0 - 4, size + 8, size + 8));
    }
    return;
  }
  for (const QPointF& at : layouts[static_cast<std::size_t>(rank)]) {
    const double x = left + at.x() * (right - left), y = top + at.y() * (bottom - top);
    if (at.y() > 0.5) {
      p.save();
      p.translate(x + pip / 2, y + pip / 2);
      p.rotate(180);
      DrawSuit(p, suit, QRectF(-pip / 2, -pip / 2, pip, pip), colour);
      p.restore();
    } else {
      DrawSuit(p, suit, QRectF(x, y, pip, pip), colour);
    }
  }
}

// Half of a court figure in the box (the top half of the card); the other
// half is the same turned round, as on printed court cards.
void CourtHalf(QPainter& p, const Design& d, int rank, int suit, const QRectF& box) {
  const QColor colour = SuitColour(d, suit);
  const QColor robe = colour.lighter(suit < 2 ? 135 : 160);
  const QColor gold(212, 170, 50), skin(246, 214, 178), hair(rank == 12 ? QColor(196, 120, 40) : QColor(90, 60, 30));
  const double cx = box.center().x(), w = box.width(), h = box.height();
  // The figure keeps its proportions in a wide, low box.
  const double u = std::min(w, h * 1.15);
  p.setPen(QPen(QColor(40, 40, 40), 0.8));
  // Shoulders and robe.
  QPainterPath body;
  body.moveTo(cx - u * 0.46, box.bottom());
  body.cubicTo(cx - u * 0.44, box.top() + h * 0.62, cx - u * 0.2, box.top() + h * 0.58, cx, box.top() + h * 0.6);
  body.cubicTo(cx + u * 0.2, box.top() + h * 0.58, cx + u * 0.44, box.top() + h * 0.62, cx + u * 0.46, box.bottom());
  body.closeSubpath();
  p.setBrush(robe);
  p.drawPath(body);
  // A band across the robe in the suit colour, and the collar.
  p.setBrush(colour);
  p.drawRect(QRectF(cx - u * 0.06, box.top() + h * 0.62, u * 0.12, h * 0.38));
  p.setBrush(gold);
  p.drawEllipse(QPointF(cx, box.top() + h * 0.63), u * 0.16, h * 0.06);
  // Hair and face.
  p.setBrush(hair);
  p.drawEllipse(QPointF(cx, box.top() + h * 0.4), u * 0.2, h * 0.2);
  p.setBrush(skin);
  p.drawEllipse(QPointF(cx, box.top() + h * 0.42), u * 0.14, h * 0.16);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 40, 40));
  p.drawEllipse(QPointF(cx - u * 0.055, box.top() + h * 0.4), 0.9, 0.9);
  p.drawEllipse(QPointF(cx + u * 0.055, box.top() + h * 0.4), 0.9, 0.9);
  p.setPen(QPen(QColor(170, 60, 60), 0.8));
  p.drawLine(QPointF(cx - u * 0.04, box.top() + h * 0.5), QPointF(cx + u * 0.04, box.top() + h * 0.5));
  if (rank == 13) {  // a beard
    p.setPen(QPen(QColor(40, 40, 40), 0.6));
    p.setBrush(hair);
    QPainterPath beard;
    beard.moveTo(cx - u * 0.12, box.top() + h * 0.47);
    beard.quadTo(cx, box.top() + h * 0.68, cx + u * 0.12, box.top() + h * 0.47);
    beard.quadTo(cx, box.top() + h * 0.56, cx - u * 0.12, box.top() + h * 0.47);
    p.drawPath(beard);
  }
  // Headwear: a crown for the King, a coronet for the Queen, a cap for the Jack.
  p.setPen(QPen(QColor(60, 40, 0), 0.7));
  p.setBrush(rank == 11 ? colour : gold);
  QPainterPath hat;
  const double base = box.top() + h * 0.27, brimW = u * 0.17;
  if (rank == 13) {
    hat.moveTo(cx - brimW, base);
    hat.lineTo(cx - brimW, base - h * 0.14);
    hat.lineTo(cx - brimW / 2, base - h * 0.06);
    hat.lineTo(cx, base - h * 0.18);
    hat.lineTo(cx + brimW / 2, base - h * 0.06);
    hat.lineTo(cx + brimW, base - h * 0.14);
    hat.lineTo(cx + brimW, base);
    hat.closeSubpath();
  } else if (rank == 12) {
    hat.moveTo(cx - brimW * 0.9, base);
    hat.quadTo(cx - brimW * 0.7, base - h * 0.1, cx - brimW * 0.35, base - h * 0.04);
    hat.quadTo(cx, base - h * 0.16, cx + brimW * 0.35, base - h * 0.04);
    hat.quadTo(cx + brimW * 0.7, base - h * 0.1, cx + brimW * 0.9, base);
    hat.closeSubpath();
  } else {
    hat.moveTo(cx - brimW * 1.1, base + h * 0.02);
    hat.quadTo(cx - brimW, base - h * 0.12, cx + brimW * 0.2, base - h * 0.12);
    hat.quadTo(cx + brimW * 1.4, base - h * 0.1, cx + brimW * 1.1, base + h * 0.02);
    hat.closeSubpath();
  }
  p.drawPath(hat);
  // The suit held beside the figure.
  const double pip = std::max(5.0, u * 0.2);
  DrawSuit(p, suit, QRectF(box.left() + w * 0.02, box.top() + h * 0.55, pip, pip), colour);
}

void Court(QPainter& p, const Design& d, const FaceMetrics& m, int rank, int suit, int w, int h) {
  const QRectF frame(m.courtSide + 0.5, m.Below() + 0.5, w - 2 * m.courtSide - 1, h - 2 * m.Below() - 1);
  p.setPen(QPen(d.ornate ? d.frame : SuitColour(d, suit), 1));
  p.setBrush(d.modern ? QColor(244, 240, 228) : QColor(250, 244, 220));
  p.drawRect(frame);
  const QRectF half(frame.left(), frame.top(), frame.width(), frame.height() / 2);
  p.save();
  p.setClipRect(half);
  CourtHalf(p, d, rank, suit, half);
  p.restore();
  p.save();
  p.translate(w, h);
  p.rotate(180);
  p.setClipRect(half);
  CourtHalf(p, d, rank, suit, half);
  p.restore();
  p.setPen(QPen(SuitColour(d, suit).darker(120), 0.8));
  p.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
}

// Simple deterministic noise.
struct Noise {
  explicit Noise(unsigned seed) : state(seed * 2654435761u + 1) {}
  int Next(int n) {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 16) % static_cast<unsigned>(n));
  }
  unsigned state;
};

}  // namespace

namespace art {

QImage Blank(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

QImage Blank(int w, int h, double scale) {
  if (scale == 1.0) return Blank(w, h);
  QImage image(ScaledLength(w, scale), ScaledLength(h, scale), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

void DesignUnits(QPainter& p, const QImage& image, int w, int h) {
  if (image.width() != w || image.height() != h)
    p.scale(static_cast<double>(image.width()) / w, static_cast<double>(image.height()) / h);
}

}  // namespace art

const CardSize& CardSizeOf(char letter) {
  for (const CardSize& size : kCardSizes)
    if (size.letter == letter) return size;
  return kCardSizes[0];
}

int ScaledLength(int length, double scale) {
  return scale == 1.0 ? length : std::max(1, static_cast<int>(std::lround(length * scale)));
}

QImage Face(int set, int rank, int suit, const CardSize& size, double scale) {
  const Design d = DesignOf(set);
  const int w = size.width, h = size.height;
  QImage image = Blank(w, h, scale);
  QPainter p(&image);
  DesignUnits(p, image, w, h);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  CardOutline(p, d, w, h);
  if (w < 30) {
    // Little cards: the rank large and clear, the suit under it.
    p.setFont(IndexFont(d, rank == 10 ? 11 : 13));
    p.setPen(SuitColour(d, suit));
    p.drawText(QRectF(0, 1, w, 14), Qt::AlignHCenter | Qt::AlignTop, kRanks[rank - 1]);
    DrawSuit(p, suit, QRectF(w / 2.0 - 6, 16, 12, 12), SuitColour(d, suit));
    return image;
  }
  const FaceMetrics m = MetricsOf(d, w);
  if (rank >= 11) {
    Court(p, d, m, rank, suit, w, h);
  } else {
    Pips(p, d, m, rank, suit, w, h);
  }
  Index(p, d, m, rank, suit);
  p.translate(w, h);
  p.rotate(180);
  Index(p, d, m, rank, suit);
  return image;
}

QPainterPath SuitPath(int suit) {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  switch (suit) {
    case 0:  // heart
      path.moveTo(0.5, 1.0);
      path.cubicTo(0.1, 0.72, -0.04, 0.4, 0.12, 0.18);
      path.cubicTo(0.26, 0.0, 0.48, 0.04, 0.5, 0.24);
      path.cubicTo(0.52, 0.04, 0.74, 0.0, 0.88, 0.18);
      path.cubicTo(1.04, 0.4, 0.9, 0.72, 0.5, 1.0);
      break;
    case 1:  // diamond
      path.moveTo(0.5, 0.0);
      path.quadTo(0.68, 0.28, 0.9, 0.5);
      path.quadTo(0.68, 0.72, 0.5, 1.0);
      path.quadTo(0.32, 0.72, 0.1, 0.5);
      path.quadTo(0.32, 0.28, 0.5, 0.0);
      break;
    case 2:  // club
      path.addEllipse(QPointF(0.5, 0.26), 0.22, 0.22);
      path.addEllipse(QPointF(0.25, 0.56), 0.22, 0.22);
      path.addEllipse(QPointF(0.75, 0.56), 0.22, 0.22);
      path.moveTo(0.46, 0.5);
      path.quadTo(0.46, 0.85, 0.3, 1.0);
      path.lineTo(0.7, 1.0);
      path.quadTo(0.54, 0.85, 0.54, 0.5);
      path.closeSubpath();
      break;
    default:  // spade
      path.moveTo(0.5, 0.0);
      path.cubicTo(0.78, 0.3, 1.04, 0.48, 0.9, 0.7);
      path.cubicTo(0.78, 0.86, 0.58, 0.8, 0.53, 0.68);
      path.quadTo(0.55, 0.88, 0.7, 1.0);
      path.lineTo(0.3, 1.0);
      path.quadTo(0.45, 0.88, 0.47, 0.68);
      path.cubicTo(0.42, 0.8, 0.22, 0.86, 0.1, 0.7);
      path.cubicTo(-0.04, 0.48, 0.22, 0.3, 0.5, 0.0);
      break;
  }
  return path;
}

QImage FaceStrip(int set, int suit, const CardSize& size) {
  QImage strip = Blank(5 * size.width, 3 * size.height);
  QPainter p(&strip);
  for (int rank = 1; rank <= 13; ++rank) {
    const int row = (rank - 1) / 5, column = (rank - 1) % 5;
    p.drawImage(column * size.width, row * size.height, Face(set, rank, suit, size));
  }
  return strip;
}

QImage Joker(const CardSize& size, double scale) {
  const Design d = DesignOf(1);
  const int w = size.width, h = size.height;
  QImage image = Blank(w, h, scale);
  QPainter p(&image);
  DesignUnits(p, image, w, h);
  p.setRenderHint(QPainter::Antialiasing);
  CardOutline(p, d, w, h);
  p.setFont(IndexFont(d, w > 30 ? 10 : 8));
  p.setPen(QColor(110, 40, 150));
  if (w > 30) {
    p.drawText(QRectF(0, 4, w, 14), Qt::AlignHCenter, "JOKER");
    const QRectF hat(w * 0.2, h * 0.3, w * 0.6, h * 0.45);
    QPainterPath cap;
    cap.moveTo(hat.left(), hat.bottom());
    cap.lineTo(hat.left() + hat.width() * 0.1, hat.top());
    cap.lineTo(hat.center().x(), hat.bottom() - hat.height() * 0.35);
    cap.lineTo(hat.right() - hat.width() * 0.1, hat.top());
    cap.lineTo(hat.right(), hat.bottom());
    cap.closeSubpath();
    p.setBrush(QColor(140, 60, 180));
    p.drawPath(cap);
    p.setBrush(QColor(230, 190, 40));
    for (const QPointF& bell :
         {QPointF(hat.left() + hat.width() * 0.1, hat.top()), QPointF(hat.right() - hat.width() * 0.1, hat.top())})
      p.drawEllipse(bell, 3, 3);
  } else {
    p.drawText(QRectF(0, 2, w, h), Qt::AlignHCenter, "J\nO\nK");
  }
  return image;
}

QImage Mark(const QString& code, const CardSize& size, double scale) {
  const int w = size.width, h = size.height;
  QImage image = Blank(w, h, scale);
  QPainter p(&image);
  DesignUnits(p, image, w, h);
  p.setRenderHint(QPainter::Antialiasing);
  const double radius = w > 40 ? 4.5 : w > 30 ? 3.5 : 2.5;
  const QColor line(255, 255, 255, 150), fill(255, 255, 255, 28);
  p.setPen(QPen(line, w > 30 ? 1.5 : 1.0));
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), radius, radius);
  static const std::array<std::pair<const char*, const char*>, 13> ranks = {{
      {"010", "A"},
      {"012", "2"},
      {"013", "3"},
      {"014", "4"},
      {"015", "5"},
      {"016", "6"},
      {"017", "7"},
      {"018", "8"},
      {"019", "9"},
      {"020", "10"},
      {"006", "J"},
      {"003", "Q"},
      {"011", "K"},
  }};
  QString text;
  for (const auto& [mark, rank] : ranks)
    if (code == mark) text = rank;
  if (code == "009") text = "JQK";
  if (code == "021") text = "M";
  QFont font("DejaVu Sans");
  font.setBold(true);
  font.setPixelSize(w > 40 ? (text.size() > 2 ? 14 : 26) : w > 30 ? (text.size() > 2 ? 12 : 22) : 11);
  p.setFont(font);
  p.setPen(QColor(255, 255, 255, 170));
  const QRectF inner(4, 4, w - 8, h - 8);
  if (!text.isEmpty()) {
    p.drawText(QRectF(0, 0, w, h), Qt::AlignCenter, text);
  } else if (code == "022") {  // another pass: a circular arrow
    p.setPen(QPen(QColor(255, 255, 255, 170), w > 30 ? 3 : 1.5));
    const double r = std::min(w, h) * 0.25;
    const QPointF c(w / 2.0, h / 2.0);
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 60 * 16, 290 * 16);
    p.setBrush(QColor(255, 255, 255, 170));
    p.setPen(Qt::NoPen);
    const QPointF tip(c.x() + r * std::cos(M_PI / 3), c.y() - r * std::sin(M_PI / 3));
    p.drawPolygon(QPolygonF(
        {tip + QPointF(-r * 0.5, -r * 0.1), tip + QPointF(r * 0.35, -r * 0.45), tip + QPointF(r * 0.25, r * 0.4)}));
  } else if (code == "008" || code == "_TABLEAU") {  // no more passes / nothing may go here
    p.setPen(QPen(QColor(255, 255, 255, 150), w > 30 ? 3 : 1.5));
    p.setBrush(Qt::NoBrush);
    const double r = std::min(w, h) * 0.27;
    const QPointF c(w / 2.0, h / 2.0);
    p.drawEllipse(c, r, r);
    p.drawLine(c + QPointF(-r * 0.7, r * 0.7), c + QPointF(r * 0.7, -r * 0.7));
  } else if (code == "001") {
    p.setBrush(QColor(255, 255, 255, 120));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(w / 2.0, h / 2.0), w * 0.12, w * 0.12);
  } else if (code == "_WASTE") {
    p.setPen(QPen(QColor(255, 255, 255, 110), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner, radius, radius);
  }
  return image;
}

QImage BorderStrip(int which, const CardSize& size, double scale) {
  // Right edge (1): 16 wide; bottom edge (2): 16 high. Cards' edges in grey
  // and white lines; pure blue where nothing is drawn.
  const int w = which == 1 ? 16 : size.width + 16, h = which == 1 ? size.height + 16 : 16;
  QImage image(ScaledLength(w, scale), ScaledLength(h, scale), QImage::Format_RGB32);
  image.fill(QColor(0, 0, 255));
  const int depth = ScaledLength(16, scale), length = which == 1 ? image.height() : image.width();
  for (int k = 0; k < depth; ++k) {
    const QColor edge = static_cast<int>(k / scale) % 2 ? QColor(200, 200, 196) : QColor(246, 246, 242);
    for (int t = 0; t < length; ++t) {
      if (which == 1) {
        image.setPixelColor(k, t, edge);
      } else {
        image.setPixelColor(t, k, edge);
      }
    }
  }
  return image;
}

QImage ShadowStrip(int which, const CardSize& size, double scale) {
  const int w = which == 1 ? 9 : size.width + 9, h = which == 1 ? size.height + 9 : 9;
  QImage image(ScaledLength(w, scale), ScaledLength(h, scale), QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      // The shade of the design pixel this one falls in.
      const int depth = static_cast<int>((which == 1 ? x : y) / scale);
      const int shade = 80 + depth * 18;
      image.setPixelColor(x, y, QColor(shade, shade, shade));
    }
  return image;
}

QImage Background(int number) {
  const int size = 128;
  QImage image(size, size, QImage::Format_RGB32);
  Noise noise(static_cast<unsigned>(number));
  static const QColor cloths[8] = {QColor(20, 96, 44), QColor(16, 78, 60), QColor(24, 60, 110),  QColor(110, 28, 36),
                                   QColor(60, 40, 90), QColor(70, 72, 76), QColor(30, 110, 100), QColor(90, 70, 30)};
  // The demo background (number -1) is a cloth of its own.
  const QColor base = number < 0 ? QColor(40, 70, 120) : cloths[number % 8];
  const int kind = number < 0 ? 4 : (number / 8) % 5;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      int shade = 0;
      switch (kind) {
        case 0: shade = noise.Next(15) - 7; break;  // felt
        case 1:
          shade = static_cast<int>(8 * std::sin((y + 3 * std::sin(x / 9.0)) / 3.0)) + noise.Next(7) - 3;
          break;                                                                                           // wood
        case 2: shade = ((x / 16 + y / 16) % 2 ? 6 : -6) + noise.Next(5) - 2; break;                       // checks
        case 3: shade = ((x + y) % 16 < 2 || (x - y + 128) % 16 < 2 ? 10 : 0) + noise.Next(5) - 2; break;  // lattice
        default: shade = ((x * 7 + y * 3) % 23 < 2 ? 8 : 0) + noise.Next(7) - 3; break;                    // weave
      }
      image.setPixelColor(x, y,
                          QColor(std::clamp(base.red() + shade, 0, 255), std::clamp(base.green() + shade, 0, 255),
                                 std::clamp(base.blue() + shade, 0, 255)));
    }
  return image;
}

QImage PausePicture(int which, double scale) {
  const int w = which == 1 ? 240 : 300, h = which == 1 ? 80 : 30;
  QImage image(ScaledLength(w, scale), ScaledLength(h, scale), QImage::Format_RGB32);
  image.fill(QColor(0, 128, 0));
  QPainter p(&image);
  DesignUnits(p, image, w, h);
  p.setRenderHint(QPainter::Antialiasing);
  QFont font("DejaVu Sans");
  font.setBold(true);
  font.setPixelSize(which == 1 ? 48 : 16);
  p.setFont(font);
  p.setPen(which == 1 ? QColor(250, 240, 200) : QColor(230, 230, 230));
  p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, which == 1 ? "Pause" : "Click or press a key to continue");
  return image;
}

QImage ToolbarGlyph(const QString& name, bool large) {
  const int s = large ? 32 : 16;
  QImage image = Blank(s, s);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const bool disabled = name.endsWith("_DIS");
  const QColor ink = disabled ? QColor(150, 150, 150) : QColor(30, 60, 120);
  const QColor accent = disabled ? QColor(190, 190, 190) : QColor(200, 40, 40);
  p.scale(s / 16.0, s / 16.0);
  p.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  const QString stem = QString(name).remove("_DIS");
  auto arrow = [&](bool left) {
    QPainterPath path;
    path.moveTo(left ? 13 : 3, 12);
    path.cubicTo(left ? 13 : 3, 5, left ? 8 : 8, 4, left ? 4 : 12, 6);
    p.drawPath(path);
    p.setBrush(ink);
    p.drawPolygon(QPolygonF({QPointF(left ? 2 : 14, 6), QPointF(left ? 6 : 10, 3), QPointF(left ? 6 : 10, 9)}));
  };
  if (stem == "TB_UNDO") {
    arrow(true);
  } else if (stem == "TB_REDO") {
    arrow(false);
  } else if (stem == "TB_AUTOPLAY") {
    p.setBrush(disabled ? QColor(230, 230, 230) : QColor(255, 255, 255));
    p.drawRoundedRect(QRectF(2, 4, 8, 11), 1, 1);
    p.setBrush(accent);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(12, 1), QPointF(15.5, 6), QPointF(8.5, 6)}));
    p.drawRect(QRectF(11, 6, 2, 5));
  } else if (stem == "TB_NEW") {
    p.setBrush(QColor(255, 255, 255));
    p.drawRoundedRect(QRectF(3, 2, 9, 12), 1, 1);
    DrawSuit(p, 0, QRectF(5, 5, 5, 5), accent);
  } else if (stem == "TB_EXIT") {
    p.drawRect(QRectF(3, 2, 7, 12));
    p.drawLine(QPointF(8, 8), QPointF(14, 8));
    p.drawLine(QPointF(12, 6), QPointF(14, 8));
    p.drawLine(QPointF(12, 10), QPointF(14, 8));
  } else if (stem == "TB_OPEN") {
    // A folder, open.
    p.setBrush(QColor(240, 200, 90));
    p.drawPolygon(
        QPolygonF({QPointF(2, 4), QPointF(6, 4), QPointF(7, 5.5), QPointF(13, 5.5), QPointF(13, 13), QPointF(2, 13)}));
    p.setBrush(QColor(250, 225, 130));
    p.drawPolygon(QPolygonF({QPointF(4, 8), QPointF(15, 8), QPointF(13, 13), QPointF(2, 13)}));
  } else if (stem == "TB_SAVE") {
    // A diskette.
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 1, 1);
    p.setBrush(QColor(255, 255, 255));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(5, 3.5, 6, 4));
    p.drawRect(QRectF(4.5, 9.5, 7, 3.5));
  } else if (stem == "TB_RESTART") {
    // Round and back to the start.
    p.drawArc(QRectF(3, 3, 10, 10), 60 * 16, 300 * 16);
    p.setBrush(accent);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(11, 1), QPointF(14.5, 4.5), QPointF(9.5, 6)}));
  } else if (stem == "TB_STAT") {
    p.drawLine(QPointF(2, 14), QPointF(14, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawRect(QRectF(3, 8, 3, 6));
    p.setBrush(ink);
    p.drawRect(QRectF(7, 3, 3, 11));
    p.setBrush(QColor(40, 150, 60));
    p.drawRect(QRectF(11, 6, 3, 8));
  } else if (stem == "TB_PAUSE") {
    p.setBrush(ink);
    p.drawRect(QRectF(4, 3, 2.5, 10));
    p.drawRect(QRectF(9.5, 3, 2.5, 10));
  } else {
    p.drawEllipse(QRectF(3, 3, 10, 10));
  }
  return image;
}

}  // namespace cardoria
