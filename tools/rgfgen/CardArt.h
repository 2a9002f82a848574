#pragma once
// The card faces, backs, marks and strips, drawn in code. Every picture
// depends only on its parameters, so the same build gives the same bytes.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>

// Card sizes: B 71x96, M 59x80, L 25x32.
struct CardSize {
  char letter;
  int width;
  int height;
};
inline constexpr CardSize kCardSizes[3] = {{'B', 71, 96}, {'M', 59, 80}, {'L', 25, 32}};

// A suit symbol in a unit box (0..1), for filling at any size.
QPainterPath SuitPath(int suit);

// The 13 cards of one suit in 3 rows of 5, for face design `set` (1-5).
QImage FaceStrip(int set, int suit, const CardSize& size);
QImage Joker(const CardSize& size);
// Back number 1-27 in any size.
QImage Back(int number, const CardSize& size);
// The empty-pile mark of a code ("010", "_WASTE", ...).
QImage Mark(const QString& code, const CardSize& size);
// The 3-D border strips (16 pixels deep, pure blue transparent) and the
// shadow strips (white transparent).
QImage BorderStrip(int which, const CardSize& size);
QImage ShadowStrip(int which, const CardSize& size);
// Table backgrounds as tiles: number 101-324; the demo background with 0.
QImage Background(int number);
QImage PausePicture(int which);
QImage ToolbarGlyph(const QString& name, bool large);
