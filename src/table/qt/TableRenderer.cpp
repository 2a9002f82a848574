#include "table/qt/TableRenderer.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>

#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/SelectionTests.h"
#include "table/FamilyDisplays.h"
#include "table/Layout.h"
#include "table/qt/CardImages.h"

namespace cardoria {

namespace {

QString RankMark(int code) {
  switch (code) {
    case 1:
    case 58:
    case rule::kQ:
    case rule::kU: return "010";
    case 2:
    case rule::kZ: return "012";
    case 11: return "006";
    case 12: return "003";
    case 13:
    case 64:
    case rule::kT: return "011";
    default:
      if (code >= 3 && code <= 10) return QString("%1").arg(code + 10, 3, 10, QChar('0'));
      return {};
  }
}

void Tile(QPainter& painter, const QImage& tile, const QSize& area) {
  // An empty picture would never advance.
  if (tile.isNull() || tile.width() <= 0 || tile.height() <= 0) return;
  for (int y = 0; y <= area.height(); y += tile.height())
    for (int x = 0; x <= area.width(); x += tile.width()) painter.drawImage(x, y, tile);
}

}  // namespace

QColor PreferenceColour(int value) {
  if (value < 0) {
    // System colours: the button face is the only one the preferences use.
    return QGuiApplication::palette().color(QPalette::Button);
  }
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

void PaintBackground(const Session& s, QImage& image, bool manyColours, double scale) {
  QPainter painter(&image);
  const QSize area = image.size();
  const QColor defaultColour = manyColours ? QColor(0, 96, 0) : QColor(0, 128, 0);
  if (s.values.Flag(kDemoMode)) {
    Tile(painter, QImage(QString::fromStdString(s.PathOf("Images\\Y001.bmp"))), area);
    return;
  }
  if (s.store.Get(pos::kBackgroundDef, 1) == "Y") {
    painter.fillRect(image.rect(), defaultColour);
    return;
  }
  if (s.store.Get(pos::kCustomizedBackground, 1) == "Y") {
    const QImage picture(QString::fromStdString(s.settings.ReadString("Preference", "Customized_Background", "")));
    if (!picture.isNull()) return Tile(painter, picture, area);
    painter.fillRect(image.rect(), defaultColour);
    return;
  }
  const int bitmap = s.store.GetInt(pos::kBackgroundBmp, 4);
  if (bitmap != 0) {
    const QImage picture(QString::fromStdString(s.PathOf("Images\\B" + ZeroPad(bitmap, 3) + ".bmp")));
    if (!picture.isNull()) {
      if (bitmap >= 500) {
        painter.fillRect(image.rect(), defaultColour);
        if (scale == 1.0) {
          painter.drawImage(0, 0, picture);
        } else {
          painter.setRenderHint(QPainter::SmoothPixmapTransform);
          painter.drawImage(QRect(0, 0, ToPixels(picture.width(), scale), ToPixels(picture.height(), scale)), picture);
        }
      } else {
        Tile(painter, picture, area);
      }
      return;
    }
  }
  const int fixed = s.store.GetInt(pos::kBackgroundFixedCol, 15);
  const QColor colour = PreferenceColour(fixed > 0 ? fixed : s.store.GetInt(pos::kBackgroundCol, 15));
  painter.end();
  PaintColourBackground(image, colour, s.store.Get(pos::kFadeBackground, 1) == "Y" && manyColours);
}

void PaintColourBackground(QImage& image, const QColor& colour, bool fade) {
  QPainter painter(&image);
  const QSize area = image.size();
  if (!fade) {
    painter.fillRect(image.rect(), colour);
    return;
  }
  // 256 bands from the colour at the top to black at the bottom.
  const int h = area.height();
  for (int n = 0; n < 256; ++n) {
    const int top = h - (n + 1) * h / 256, bottom = h - n * h / 256;
    const QColor band((colour.red() * n + 128) / 256, (colour.green() * n + 128) / 256,
                      (colour.blue() * n + 128) / 256);
    painter.fillRect(QRect(0, n == 255 ? 0 : top, area.width(), bottom - (n == 255 ? 0 : top)), band);
  }
}

void PaintTiledBackground(QImage& image, const QImage& tile) {
  QPainter painter(&image);
  Tile(painter, tile, image.size());
}

QString MarkCode(const Session& s, PileRef pile) {
  const GameRules& r = s.rules;
  // The pass under way counts as used: another pass is possible while it is below Redeals.
  const int passesUsed = s.positions[PositionTable::kPassCounter];
  const int redeals = r[rule::Redeals];
  switch (pile.group) {
    case PileGroup::Stock:
      if (pile.index == kStockItem) {
        if (IsFamily(r, PlayFamily::MonteCarlo)) return "021";
        if (r[rule::RedealKind] >= 1 && (redeals == -1 || passesUsed < redeals)) return "022";
        if (PileCardCount(s.piles.Pile(PileGroup::Stock, kWasteItem)) <= 1) return "008";
        return (passesUsed < redeals || redeals < 0) ? "022" : "008";
      }
      if (pile.index == kWasteItem) {
        if (r[rule::HasStock] == 1) return "_WASTE";
        if (redeals == 0) return "008";
        if (r[rule::RedealKind] < 1) return {};
        return (redeals != -1 && passesUsed >= redeals) ? "008" : "022";
      }
      return "_WASTE";
    case PileGroup::Foundation: {
      if (r[rule::FoundationBuild + pile.index] == 10) return "003";
      const int code = r[rule::FoundationBase + pile.index];
      if (code == 94) return {};
      const QString mark = RankMark(code);
      return mark.isEmpty() ? "004" : mark;
    }
    case PileGroup::Reserve: return r[rule::ReserveKind] == 9 ? "009" : r[rule::ReserveKind] == 8 ? "011" : "001";
    case PileGroup::Tableau: {
      const int code = r[rule::TableauSpace + pile.index];
      if (code == 94) return {};
      const QString mark = RankMark(code);
      if (!mark.isEmpty()) return mark;
      return r[rule::TableauSpace] != 0 ? "004" : "_TABLEAU";
    }
  }
  return {};
}

int ToPixels(int length, double scale) { return scale == 1.0 ? length : static_cast<int>(std::lround(length * scale)); }

int ToTable(int pixels, double scale) { return scale == 1.0 ? pixels : static_cast<int>(std::floor(pixels / scale)); }

QRect ToPixels(const Rect& r, double scale) {
  const int left = ToPixels(r.left, scale), top = ToPixels(r.top, scale);
  return QRect(left, top, ToPixels(r.right, scale) - left, ToPixels(r.bottom, scale) - top);
}

int TableRenderer::P(int length) const { return ToPixels(length, images_.Scale()); }

void TableRenderer::DrawCard(QPainter& painter, int card, int x, int y) const {
  if (card <= 0) return;
  painter.drawImage(P(x), P(y), session_.cards.IsFaceDown(card) ? images_.BackImage() : images_.Face(card));
}

void TableRenderer::DrawPile(QImage& table, PileRef pile, const std::set<int>& hidden) const {
  if (!PileShown(session_, pile)) return;
  QPainter painter(&table);
  const int scroll = ScrollOffset(session_);
  const std::string& text = session_.piles.Pile(pile.group, pile.index);
  const int x = PileX(session_, pile), y = PileY(session_, pile) + scroll;
  auto visible = [&](int i) { return !hidden.contains(CardAt(text, i)); };
  bool any = false;
  for (int i = 0; i < PileCardCount(text); ++i) any = any || (visible(i) && CardAt(text, i) > 0);
  if (!any) {
    const QString code = MarkCode(session_, pile);
    if (!code.isEmpty()) painter.drawImage(P(x), P(y), images_.Mark(code));
    if (text.empty() || pile.group != PileGroup::Tableau) return;
  }
  if (pile.group == PileGroup::Stock) {
    // The thickness of the stock group: the top card rises as the pile grows.
    const int n = PileCardCount(text);
    const int depth = n <= 1 ? 0 : n == 2 ? 1 : std::min(n / 7 + 1, 15);
    const QColor edgeLight(246, 246, 242), edgeDark(180, 180, 176);
    // The edges are lines: drawn at the table's scale, not stretched.
    painter.save();
    if (images_.Scale() != 1.0) {
      painter.setRenderHint(QPainter::Antialiasing);
      painter.scale(images_.Scale(), images_.Scale());
    }
    for (int k = depth; k > 0; --k) {
      painter.setPen(k % 2 ? edgeDark : edgeLight);
      painter.setBrush(edgeLight);
      painter.drawRoundedRect(
          QRectF(x - depth + k + 0.5, y - depth + k + 0.5, images_.Width() - 1, images_.Height() - 1), 4, 4);
    }
    painter.restore();
    int top = PileCardCount(text) - 1;
    while (top >= 0 && !visible(top)) --top;
    if (top < 0) return;
    const int card = CardAt(text, top);
    const bool faceDown =
        pile.index == kStockItem ? session_.rules[rule::StockFaceDown] != 0 : session_.cards.IsFaceDown(card);
    painter.drawImage(P(x - depth), P(y - depth), faceDown ? images_.BackImage() : images_.Face(card));
    return;
  }
  for (int i = 0; i < PileCardCount(text); ++i) {
    if (!visible(i)) continue;
    const Rect r = CardInPileRect(session_, pile, i);
    DrawCard(painter, CardAt(text, i), r.left, r.top + scroll);
  }
}

void TableRenderer::DrawTable(QImage& table, const QImage& background, const std::set<int>& hidden) const {
  {
    QPainter painter(&table);
    painter.drawImage(0, 0, background);
  }
  if (!session_.values.Flag(kGameInProgress) && session_.rules[rule::CardCount] == 0) return;
  for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Reserve, PileGroup::Tableau}) {
    const int count = static_cast<int>(session_.piles.Items(group).size());
    for (int i = 0; i < count; ++i) DrawPile(table, {group, i}, hidden);
  }
  std::vector<TableNote> notes = IntervalHints(session_);
  for (TableNote& note : BlockCounter(session_)) notes.push_back(note);
  DrawNotes(table, notes);
  if (IsFamily(session_.rules, PlayFamily::PokerSquares)) DrawPokerPanel(table);
  DrawSelection(table, hidden);
}

void TableRenderer::DrawSelection(QImage& table, const std::set<int>& hidden) const {
  if (!UsesSelection(session_)) return;
  QPainter painter(&table);
  // The same inversion as a selecting press makes, so that a later press
  // restores exactly these pixels.
  painter.setCompositionMode(QPainter::CompositionMode_Difference);
  for (int card : SelectedCards(session_)) {
    const Rect r = SelectedCardRect(session_, card);
    if (hidden.contains(card) || r.Empty()) continue;
    painter.fillRect(QRect(P(r.left), P(r.top + ScrollOffset(session_)), P(r.right - r.left), P(r.bottom - r.top)),
                     Qt::white);
  }
}

void TableRenderer::DrawNotes(QImage& table, const std::vector<TableNote>& notes) const {
  QPainter painter(&table);
  QFont font("MS Sans Serif");
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(std::max(P(11), 6));
  painter.setFont(font);
  painter.setPen(Qt::black);
  const int scroll = ScrollOffset(session_);
  for (const TableNote& note : notes) {
    // An empty box shows the background, which a full redraw has just laid.
    if (note.text.empty()) continue;
    const QRect box =
        ToPixels(Rect{note.box.left, note.box.top + scroll, note.box.right, note.box.bottom + scroll}, images_.Scale());
    painter.fillRect(box, Qt::white);
    painter.drawText(box, Qt::AlignCenter, QString::fromStdString(note.text));
  }
}

void TableRenderer::DrawPokerPanel(QImage& table) const {
  const Rect panel = PokerPanelRect(session_);
  if (panel.Empty()) return;
  const int left = panel.left, top = panel.top + ScrollOffset(session_);
  QPainter painter(&table);
  QImage picture = session_.resources ? LibraryImage(*session_.resources, "Panel_pk") : QImage();
  const QRect area(P(left), P(top), P(panel.Width()), P(panel.Height()));
  if (picture.isNull()) {
    painter.fillRect(area, Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
  } else {
    painter.drawImage(area, picture);
  }
  // Each line is cleared to 10 pixels short of the right edge, so that a
  // shorter text covers a longer one.
  QFont normal(QStringLiteral("Sans Serif"));
  normal.setPixelSize(std::max(P(11), 6));
  QFont bold = normal;
  bold.setBold(true);
  const int x = left + 7, clearRight = panel.right - 10;
  auto line = [&](int y, const QString& first, const QFont& firstFont, const QString& rest) {
    const QFontMetrics metrics(firstFont);
    const QRect clear(P(x), P(top + y), std::max(P(clearRight - x), 0), metrics.height());
    painter.fillRect(clear, Qt::white);
    painter.setPen(Qt::black);
    painter.setClipRect(clear);
    painter.setFont(firstFont);
    painter.drawText(clear, Qt::AlignLeft | Qt::AlignTop, first);
    if (!rest.isEmpty()) {
      painter.setFont(normal);
      painter.drawText(clear.adjusted(metrics.horizontalAdvance(first), 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, rest);
    }
    painter.setClipping(false);
  };
  const auto& lines = session_.pokerPanel;
  line(5, QString::fromStdString(lines[0]), bold, {});
  line(21, QString::fromStdString(lines[1]), normal, {});
  const QString total = QString::fromStdString(lines[2]);
  if (total.startsWith(QStringLiteral("Total")))
    line(41, QStringLiteral("Total"), bold, total.mid(5));
  else
    line(41, total, normal, {});
}

QImage TableRenderer::GroupPicture(int card, const Rect& rect) const {
  QImage picture(std::max(P(rect.Width()), 1), std::max(P(rect.Height()), 1), QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve}) {
    const TextList& items = session_.piles.Items(group);
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
      const std::string& text = items[static_cast<std::size_t>(i)];
      const std::size_t at = FindCode(text, card);
      if (at == std::string::npos) continue;
      const PileRef pile{group, i};
      const int first = static_cast<int>(at / 3);
      const int last = group == PileGroup::Tableau ? PileCardCount(text) - 1 : first;
      const Rect origin =
          group == PileGroup::Stock ? TopCardRect(session_, pile) : CardInPileRect(session_, pile, first);
      for (int k = first; k <= last; ++k) {
        const Rect r = group == PileGroup::Stock ? origin : CardInPileRect(session_, pile, k);
        DrawCard(painter, CardAt(text, k), r.left - origin.left, r.top - origin.top);
      }
      return picture;
    }
  }
  return picture;
}

}  // namespace cardoria
