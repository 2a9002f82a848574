#include "CounterArt.h"

#include <QPainter>

#include "art/CardArt.h"

namespace {

constexpr int kMarkWidth = 12, kMarkHeight = 16;
constexpr int kRowWidth = 198, kRowHeight = 17;

// Rank glyphs on a 3 x 5 grid, one text row per grid row ('#' is ink).
const char* const kGlyphs[13][5] = {
    {".#.", "#.#", "###", "#.#", "#.#"}, {"##.", "..#", ".#.", "#..", "###"}, {"##.", "..#", ".#.", "..#", "##."},
    {"#.#", "#.#", "###", "..#", "..#"}, {"###", "#..", "##.", "..#", "##."}, {".##", "#..", "###", "#.#", "###"},
    {"###", "..#", ".#.", ".#.", ".#."}, {"###", "#.#", "###", "#.#", "###"}, {"###", "#.#", "###", "..#", "##."},
    {"###", "#.#", "#.#", "#.#", "###"}, {"..#", "..#", "..#", "#.#", ".#."}, {".#.", "#.#", "#.#", "##.", ".##"},
    {"#.#", "##.", "#..", "##.", "#.#"}};

void DrawGlyph(QPainter& p, int rank, int left, int top, const QColor& ink) {
  for (int row = 0; row < 5; ++row)
    for (int col = 0; col < 3; ++col)
      if (kGlyphs[rank - 1][row][col] == '#') p.fillRect(left + col * 2, top + row * 2, 2, 2, ink);
}

// The rank in 2-pixel dots, centred; ten is a bar and a nought.
void DrawRank(QPainter& p, int rank, const QColor& ink) {
  const int top = (kMarkHeight - 10) / 2;
  if (rank == 10) {
    p.fillRect(1, top, 2, 10, ink);
    DrawGlyph(p, 10, 5, top, ink);
  } else {
    DrawGlyph(p, rank, (kMarkWidth - 6) / 2, top, ink);
  }
}

QImage Mark(int rank, bool up) {
  QImage image(kMarkWidth, kMarkHeight, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  if (up) {
    p.setPen(QColor(120, 120, 120));
    p.setBrush(QColor(255, 255, 250));
    p.drawRect(0, 0, kMarkWidth - 1, kMarkHeight - 1);
    DrawRank(p, rank, QColor(20, 20, 20));
  } else {
    p.setPen(QColor(20, 40, 110));
    p.setBrush(QColor(40, 80, 170));
    p.drawRect(0, 0, kMarkWidth - 1, kMarkHeight - 1);
    for (int y = 2; y < kMarkHeight - 2; y += 2)
      for (int x = 2 + (y / 2) % 2; x < kMarkWidth - 2; x += 2) p.fillRect(x, y, 1, 1, QColor(90, 130, 210));
    DrawRank(p, rank, QColor(240, 240, 255));
  }
  return image;
}

QImage NoMark() {
  QImage image(kMarkWidth, kMarkHeight, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setPen(QPen(QColor(170, 170, 170), 1, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(0, 0, kMarkWidth - 1, kMarkHeight - 1);
  return image;
}

// A faint band in the suit's colour with the suit at its left edge.
QImage Row(int suit) {
  QImage image(kRowWidth, kRowHeight, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const bool red = suit < 2;
  const QColor band = red ? QColor(250, 228, 228) : QColor(228, 232, 240);
  p.setPen(Qt::NoPen);
  p.setBrush(band);
  p.drawRoundedRect(QRectF(0.5, 0.5, kRowWidth - 1, kRowHeight - 1), 3, 3);
  QTransform t;
  t.translate(2, 3);
  t.scale(11, 11);
  p.setBrush(red ? QColor(200, 20, 30) : QColor(20, 20, 20));
  p.drawPath(t.map(cardoria::SuitPath(suit)));
  return image;
}

}  // namespace

std::vector<std::pair<QString, QImage>> CounterPictures() {
  std::vector<std::pair<QString, QImage>> pictures;
  static const char* const kRows[4] = {"card_hearts", "card_diamonds", "card_clubs", "card_spades"};
  for (int suit = 0; suit < 4; ++suit) pictures.emplace_back(kRows[suit], Row(suit));
  for (int rank = 1; rank <= 13; ++rank) {
    pictures.emplace_back(QString("Card_%1_Up").arg(rank), Mark(rank, true));
    pictures.emplace_back(QString("Card_%1_Down").arg(rank), Mark(rank, false));
  }
  pictures.emplace_back("Card_None", NoMark());
  return pictures;
}
