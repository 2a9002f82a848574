#include "Previews.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

#include "app/GameTree.h"
#include "art/CardArt.h"
#include "core/Catalogue.h"
#include "core/CatalogueFile.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "deal/GameStart.h"
#include "engine/Engine.h"
#include "platform/HeadlessPorts.h"
#include "table/HeadlessTable.h"
#include "table/Layout.h"
#include "table/qt/CardImages.h"
#include "table/qt/TableRenderer.h"

using namespace cardoria;

namespace {

// The part of `picture` where anything is drawn on `background`, with a
// little of the cloth around it.
QRect DrawnPart(const QImage& picture, const QImage& background) {
  int left = picture.width(), right = -1, top = picture.height(), bottom = -1;
  for (int y = 0; y < picture.height(); ++y) {
    const auto* drawn = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    const auto* cloth = reinterpret_cast<const QRgb*>(background.constScanLine(y));
    for (int x = 0; x < picture.width(); ++x) {
      if (drawn[x] == cloth[x]) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return {};
  constexpr int kCloth = 8;
  return QRect(QPoint(left, top), QPoint(right, bottom)).adjusted(-kCloth, -kCloth, kCloth, kCloth) & picture.rect();
}

}  // namespace

std::vector<std::pair<QString, QImage>> GamePreviews(const std::string& programDir, const ResourceLibrary& library) {
  std::vector<std::pair<QString, QImage>> previews;
  Session session;
  session.programDir = programDir;
  SilentMessages messages;
  if (!LoadCatalogue(session, messages)) return previews;
  // Dealt with the big cards on a large table, then cut to the piles and
  // made as large as the dialog's box allows: every game fills the box across
  // or down, whether its table is a wide row or a tall fan.
  constexpr int kWidth = 1280, kHeight = 960;
  for (const std::string& line : TextList(session.catalogue)) {
    Session s;
    s.programDir = programDir;
    s.catalogue = session.catalogue;
    s.store.Set(pos::kScoreScheme, 2, "01");
    s.store.Set(pos::kCardSize, 1, "B");
    s.store.Set(pos::kCard, 3, "001");
    s.store.Set(pos::kBackCard, 3, "011");
    s.store.Set(pos::kBackgroundFixedCol, 15, "24576");  // a green cloth
    s.store.Set(pos::kFadeBackground, 1, "N");
    s.store.Set(pos::kCardsShadowed, 1, "N");
    s.store.Set(179, 1, "N");
    s.store.Set(pos::kGameNumber, 4, ZeroPad(LineNumber(line), 4));
    s.store.Set(pos::kDealNumber, 15, "1");
    FixedScreen screen(ScreenInfo{kWidth, kHeight, 24});
    Random random(1);
    JumpClock clock;
    HeadlessTable table(s, TableGeometry{kWidth, kHeight, kHeight - 60, 5, 0, kWidth, kHeight});
    Engine engine(s, PlayPorts{messages, clock, table, table, table});
    GameStartPorts ports{messages, screen, random, clock, table, engine};
    if (!StartGame(s, ports, true, false, 1, true)) continue;
    // A row game deals its row one click at a time; its picture shows the row
    // some clicks in, not an empty table.
    if (s.rules[rule::TableauLayout] == 8 && s.rules[rule::PairingSum] != 0) {
      for (int click = 0; click < 14; ++click) {
        const Rect stock = TopCardRect(s, {PileGroup::Stock, kStockItem});
        engine.OnMouseDown(kLeftButton, false, stock.left + 1, stock.top + 1);
        engine.OnMouseUp(kLeftButton);
      }
    }
    CardImages images;
    images.Load(s, library);
    QImage picture(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    QImage background = picture;
    PaintBackground(s, background, true);
    TableRenderer(s, images).DrawTable(picture, background);
    const QRect drawn = DrawnPart(picture, background);
    if (drawn.isEmpty()) continue;
    previews.emplace_back(QString("GAME%1").arg(LineNumber(line), 4, 10, QChar('0')),
                          picture.copy(drawn).scaled(kGamePreviewWidth, kGamePreviewHeight, Qt::KeepAspectRatio,
                                                     Qt::SmoothTransformation));
  }
  return previews;
}

std::vector<std::pair<QString, QImage>> FamilyIcons() {
  static const std::pair<const char*, QColor> kFamilies[] = {
      {"TREE5_CANFIELD_TYPE", QColor(150, 40, 40)},     {"TREE5_FORTYTHIEVES_TYPE", QColor(120, 80, 30)},
      {"TREE5_FREECELL_TYPE", QColor(30, 90, 160)},     {"TREE5_KLONDIKE_TYPE", QColor(30, 120, 60)},
      {"TREE5_PAIRING_TYPE", QColor(160, 90, 20)},      {"TREE5_SIMPLEGAMES_TYPE", QColor(90, 150, 60)},
      {"TREE5_SPIDER_TYPE", QColor(60, 60, 70)},        {"TREE5_1DECK_TYPE", QColor(40, 110, 130)},
      {"TREE5_2DECK_TYPE", QColor(90, 50, 120)},        {"TREE5_FAN_TYPE", QColor(170, 120, 20)},
      {"TREE5_BAKERSDOZEN_TYPE", QColor(140, 90, 60)},  {"TREE5_ROW_TYPE", QColor(70, 100, 40)},
      {"TREE5_PUZZLE_TYPE", QColor(130, 40, 110)},      {"TREE5_ADDITION_TYPE", QColor(40, 130, 100)},
      {"TREE5_MEMORY_TYPE", QColor(100, 100, 150)},     {"TREE5_BELEAGUEREDCASTLE_TYPE", QColor(110, 110, 110)},
      {"TREE5_QUEENOFITALY_TYPE", QColor(160, 50, 90)}, {"TREE5_CUSTOMIZED_GAMES", QColor(200, 140, 30)},
  };
  std::vector<std::pair<QString, QImage>> icons;
  for (const auto& [name, colour] : kFamilies) {
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    // Two cards fanned, the front one marked in the family's colour.
    p.setPen(QPen(QColor(80, 80, 80), 0.8));
    p.setBrush(QColor(245, 245, 240));
    p.save();
    p.translate(7, 9);
    p.rotate(-15);
    p.drawRoundedRect(QRectF(-5, -6.5, 9, 12), 1.5, 1.5);
    p.restore();
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(5.5, 2.5, 9, 12), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(7, 4, 6, 9), 1, 1);
    icons.emplace_back(QString::fromLatin1(name), icon);
  }
  return icons;
}

namespace {

QImage MaroonIcon() {
  QImage icon(16, 16, QImage::Format_RGB32);
  icon.fill(QColor(128, 0, 0));  // maroon is the transparent colour of the trees
  return icon;
}

QImage Folder(bool open, QChar badge, const QColor& colour) {
  QImage icon = MaroonIcon();
  QPainter p(&icon);
  p.setPen(QColor(120, 90, 20));
  p.setBrush(QColor(240, 200, 90));
  p.drawRect(1, 4, 13, 10);
  p.drawRect(1, 2, 5, 2);
  if (open) {
    p.setBrush(QColor(250, 220, 120));
    p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(13, 14), QPoint(1, 14)}));
  }
  if (!badge.isNull()) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRect(8, 8, 7, 7));
    QFont font("DejaVu Sans");
    font.setPixelSize(6);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(8, 8, 7, 7), Qt::AlignCenter, badge);
  }
  return icon;
}

// A meter of `level` filled bars out of `bars`.
QImage Meter(int level, int bars, const QColor& colour) {
  QImage icon(40, 16, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  for (int k = 0; k < bars; ++k) {
    const int h = 4 + k * 10 / std::max(bars - 1, 1);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(k < level ? colour : QColor(225, 225, 225));
    p.drawRect(2 + k * 7, 15 - h, 5, h - 1);
  }
  return icon;
}

QImage LittleCards(bool shadow, bool irregular) {
  QImage picture(120, 90, QImage::Format_RGB32);
  picture.fill(QColor(0, 96, 0));
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  for (int k = 0; k < 4; ++k) {
    const int x = 25 + k * 16 + (irregular ? (k % 2 ? 3 : -2) : 0), y = 12 + k * 14;
    if (shadow) p.fillRect(QRect(x + 5, y + 5, 40, 56), QColor(0, 40, 0));
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(x + 0.5, y + 0.5, 40, 56), 3, 3);
    QTransform t;
    t.translate(x + 12, y + 18);
    t.scale(16, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(k % 2 ? QColor(20, 20, 24) : QColor(200, 16, 46));
    p.drawPath(t.map(SuitPath(k)));
  }
  return picture;
}

// A strip of frames of a card gliding (animated) or jumping (not), red transparent.
QImage MotionStrip(int frames, bool glide) {
  const int w = 80, h = 60;
  QImage strip(w * frames, h, QImage::Format_RGB32);
  strip.fill(QColor(255, 0, 0));
  QPainter p(&strip);
  for (int f = 0; f < frames; ++f) {
    const double t = glide ? f / static_cast<double>(frames - 1) : f;
    const int x = f * w + 6 + static_cast<int>(t * 40), y = 6 + static_cast<int>(t * 10);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::white);
    p.drawRect(x, y, 26, 36);
    QTransform m;
    m.translate(x + 7, y + 10);
    m.scale(12, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 16, 46));
    p.drawPath(m.map(SuitPath(0)));
    p.setPen(QColor(90, 90, 90));
  }
  return strip;
}

}  // namespace

std::vector<std::pair<QString, QImage>> DialogPictures() {
  std::vector<std::pair<QString, QImage>> pictures;
  pictures.emplace_back("TREE1", Folder(false, QChar(), {}));
  pictures.emplace_back("TREE2", Folder(true, QChar(), {}));
  pictures.emplace_back("N_TREE3", Folder(false, 'B', QColor(30, 60, 150)));
  pictures.emplace_back("N_TREE4", Folder(false, 'G', QColor(30, 120, 60)));
  pictures.emplace_back("N_TREE5", Folder(false, 'N', QColor(180, 40, 40)));
  const std::pair<const char*, QColor> kBadges[] = {{"F", QColor(200, 150, 0)},  {"S", QColor(30, 90, 160)},
                                                    {"D", QColor(160, 40, 40)},  {"C", QColor(200, 120, 20)},
                                                    {"T", QColor(40, 120, 120)}, {"I", QColor(90, 60, 140)}};
  for (const auto& [letter, colour] : kBadges) {
    pictures.emplace_back(QString("%1_TREE1").arg(letter), Folder(false, QChar(letter[0]), colour));
    pictures.emplace_back(QString("%1_TREE2").arg(letter), Folder(true, QChar(letter[0]), colour));
  }
  pictures.emplace_back("TREE5_ORIGINAL_TYPE", Folder(false, 'O', QColor(120, 40, 120)));
  const QColor time(40, 120, 160), difficulty(180, 60, 40), skill(60, 130, 60), chance(150, 110, 20);
  pictures.emplace_back("PROG_TIME_QUICK", Meter(1, 3, time));
  pictures.emplace_back("PROG_TIME_MEDIUM", Meter(2, 3, time));
  pictures.emplace_back("PROG_TIME_LONG", Meter(3, 3, time));
  pictures.emplace_back("PROG_DIFF_EASY", Meter(1, 3, difficulty));
  pictures.emplace_back("PROG_DIFF_MEDIUM", Meter(2, 3, difficulty));
  pictures.emplace_back("PROG_DIFF_HARD", Meter(3, 3, difficulty));
  const char* skills[] = {"PROG_SKILL_CHANCEONLY", "PROG_SKILL_MOSTLYCHANCE", "PROG_SKILL_MODERATE",
                          "PROG_SKILL_MOSTLYSKILL", "PROG_SKILL_DIFFICULT"};
  for (int k = 0; k < 5; ++k) pictures.emplace_back(skills[k], Meter(k + 1, 5, skill));
  const char* chances[] = {"PROG_CHAN_VERYLOW", "PROG_CHAN_LOW", "PROG_CHAN_MEDIUM", "PROG_CHAN_HIGH",
                           "PROG_CHAN_VERYHIGH"};
  for (int k = 0; k < 5; ++k) pictures.emplace_back(chances[k], Meter(k + 1, 5, chance));
  pictures.emplace_back("PROG_DISABLED", Meter(0, 5, QColor(200, 200, 200)));
  pictures.emplace_back("CARD_WITH_SHADOW", LittleCards(true, false));
  pictures.emplace_back("CARD_WITHOUT_SHADOW", LittleCards(false, false));
  pictures.emplace_back("CARD_IRR_PILES_YES", LittleCards(false, true));
  pictures.emplace_back("CARD_IRR_PILES_NO", LittleCards(false, false));
  pictures.emplace_back("Animated_Yes", MotionStrip(12, true));
  pictures.emplace_back("Animated_No", MotionStrip(2, false));
  return pictures;
}
