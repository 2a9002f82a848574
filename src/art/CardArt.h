#pragma once
// The card faces, backs, marks and strips, drawn in code. Every picture
// depends only on its parameters, so the same build gives the same bytes.
// The build-time tool draws them at the three fixed sizes into the resource
// library; the table draws them again at whatever size a scaled window needs.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>

namespace cardoria {

// Card sizes: B 71x96, M 59x80, L 25x32.
struct CardSize {
  char letter;
  int width;
  int height;
};
inline constexpr CardSize kCardSizes[3] = {{'B', 71, 96}, {'M', 59, 80}, {'L', 25, 32}};
// The size of a letter; the big one for anything else.
const CardSize& CardSizeOf(char letter);

// Pixels of `length` at `scale`, rounded to the nearest whole pixel.
int ScaledLength(int length, double scale);

// A suit symbol in a unit box (0..1), for filling at any size.
QPainterPath SuitPath(int suit);

// Every picture below keeps the design of its card size and is drawn, not
// stretched, at `scale`: ScaledLength of each side. At scale 1 the pixels are
// those of the resource library.

// The 13 cards of one suit in 3 rows of 5, for face design `set` (1-5).
QImage FaceStrip(int set, int suit, const CardSize& size);
// One face: rank 1-13, suit 0-3 (hearts, diamonds, clubs, spades).
QImage Face(int set, int rank, int suit, const CardSize& size, double scale = 1.0);
QImage Joker(const CardSize& size, double scale = 1.0);
// Back number 1-27 in any size: the picture or the pattern its name in the
// options dialog promises (Backs.cpp, BackPictures.h).
QImage Back(int number, const CardSize& size, double scale = 1.0);
// The empty-pile mark of a code ("010", "_WASTE", ...).
QImage Mark(const QString& code, const CardSize& size, double scale = 1.0);
// The 3-D border strips (16 pixels deep, pure blue transparent) and the
// shadow strips (white transparent).
QImage BorderStrip(int which, const CardSize& size, double scale = 1.0);
QImage ShadowStrip(int which, const CardSize& size, double scale = 1.0);
// Table backgrounds as tiles: number 101-324; the demo background with 0.
QImage Background(int number);
// The two pause pictures, green (0, 128, 0) where nothing is drawn.
QImage PausePicture(int which, double scale = 1.0);
QImage ToolbarGlyph(const QString& name, bool large);

}  // namespace cardoria
