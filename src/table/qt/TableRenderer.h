#pragma once
// Paints the table: the background, every pile with its cards, the marks of
// empty piles and the thickness of the stock, into an off-screen picture.

#include <QImage>
#include <QString>
#include <set>

#include "core/Piles.h"
#include "core/PlayState.h"

namespace cardoria {

struct Session;
class CardImages;

// The background as the preferences choose it, over the whole picture.
void PaintBackground(const Session& session, QImage& image, bool manyColours);
// A colour over the whole picture, fading to black downwards when `fade`.
void PaintColourBackground(QImage& image, const QColor& colour, bool fade);
// A picture repeated from the top-left corner over the whole picture.
void PaintTiledBackground(QImage& image, const QImage& tile);
// A colour preference: 0x00BBGGRR, or a negative system colour.
QColor PreferenceColour(int value);

// The mark an empty pile shows, or the empty text for none.
QString MarkCode(const Session& session, PileRef pile);

class TableRenderer {
 public:
  TableRenderer(const Session& session, const CardImages& images) : session_(session), images_(images) {}

  // Background and every pile; the cards in `hidden` (a lifted group) are left out.
  void DrawTable(QImage& table, const QImage& background, const std::set<int>& hidden = {}) const;
  void DrawPile(QImage& table, PileRef pile, const std::set<int>& hidden = {}) const;
  // The picture of a card and every card above it in its pile, as lifted.
  QImage GroupPicture(int card, const Rect& rect) const;

 private:
  void DrawCard(QPainter& painter, int card, int x, int y) const;
  const Session& session_;
  const CardImages& images_;
};

}  // namespace cardoria
