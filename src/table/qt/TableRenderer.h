#pragma once
// Paints the table: the background, every pile with its cards, the marks of
// empty piles and the thickness of the stock, into an off-screen picture.

#include <QImage>
#include <QString>
#include <set>
#include <vector>

#include "core/Piles.h"
#include "core/PlayState.h"

namespace cardoria {

struct Session;
struct TableNote;
class CardImages;

// The background as the preferences choose it, over the whole picture. Tiles
// keep their pixels; a picture laid once is drawn `scale` times its size.
void PaintBackground(const Session& session, QImage& image, bool manyColours, double scale = 1.0);
// A colour over the whole picture, fading to black downwards when `fade`.
void PaintColourBackground(QImage& image, const QColor& colour, bool fade);
// A picture repeated from the top-left corner over the whole picture.
void PaintTiledBackground(QImage& image, const QImage& tile);
// A colour preference: 0x00BBGGRR, or a negative system colour.
QColor PreferenceColour(int value);

// Lengths of the layout's pixels in the table picture's pixels at `scale`,
// rounded to the nearest; and back, for the mouse: the layout pixel a picture
// pixel falls in.
int ToPixels(int length, double scale);
int ToTable(int pixels, double scale);
QRect ToPixels(const Rect& rect, double scale);

// The mark an empty pile shows, or the empty text for none.
QString MarkCode(const Session& session, PileRef pile);

// Draws at the scale of the card pictures: the layout's coordinates are
// multiplied by it, the pictures are already drawn at it.
class TableRenderer {
 public:
  TableRenderer(const Session& session, const CardImages& images) : session_(session), images_(images) {}

  // Background and every pile; the cards in `hidden` (a lifted group) are left out.
  void DrawTable(QImage& table, const QImage& background, const std::set<int>& hidden = {}) const;
  void DrawPile(QImage& table, PileRef pile, const std::set<int>& hidden = {}) const;
  // The picture of a card and every card above it in its pile, as lifted;
  // `rect` in the layout's pixels.
  QImage GroupPicture(int card, const Rect& rect) const;
  // Every selected card of a selection game is shown inverted.
  void DrawSelection(QImage& table, const std::set<int>& hidden = {}) const;
  // The poker-hand panel of poker squares with the session's three lines.
  void DrawPokerPanel(QImage& table) const;

 private:
  void DrawCard(QPainter& painter, int card, int x, int y) const;
  void DrawNotes(QImage& table, const std::vector<TableNote>& notes) const;
  int P(int length) const;
  const Session& session_;
  const CardImages& images_;
};

}  // namespace cardoria
