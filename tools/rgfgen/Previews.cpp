#include "Previews.h"

#include <QPainter>

#include "CardArt.h"
#include "core/Catalogue.h"
#include "core/CatalogueFile.h"
#include "core/Session.h"
#include "deal/GameStart.h"
#include "engine/Engine.h"
#include "table/HeadlessTable.h"
#include "table/qt/CardImages.h"
#include "table/qt/TableRenderer.h"

using namespace cardoria;

namespace {

class Silent final : public Messages {
 public:
  void ShowInfo(const std::string&, const std::string&) override {}
  bool Confirm(const std::string&) override { return true; }
  bool AskYesNo(const std::string&) override { return true; }
  bool ShowInfoOnce(const std::string&) override { return false; }
  void Fatal(const std::string&, const std::string&) override {}
};

class SmallScreen final : public Screen {
 public:
  ScreenInfo Info() const override { return {640, 480, 24}; }
};

class StillClock final : public Clock {
 public:
  std::int64_t TickMs() override { return tick_ += 1000; }
  double Now() override { return 46000.0; }

 private:
  std::int64_t tick_ = 0;
};

}  // namespace

std::vector<std::pair<QString, QImage>> GamePreviews(const std::string& programDir, const ResourceLibrary& library) {
  std::vector<std::pair<QString, QImage>> previews;
  Session session;
  session.programDir = programDir;
  Silent messages;
  if (!LoadCatalogue(session, messages)) return previews;
  for (const std::string& line : TextList(session.catalogue)) {
    Session s;
    s.programDir = programDir;
    s.catalogue = session.catalogue;
    s.store.Set(pos::kScoreScheme, 2, "01");
    s.store.Set(pos::kCardSize, 1, "L");
    s.store.Set(pos::kCard, 3, "001");
    s.store.Set(pos::kBackCard, 3, "011");
    s.store.Set(pos::kBackgroundFixedCol, 15, "24576");  // a green cloth
    s.store.Set(pos::kFadeBackground, 1, "N");
    s.store.Set(pos::kCardsShadowed, 1, "N");
    s.store.Set(179, 1, "N");
    s.store.Set(pos::kGameNumber, 4, ZeroPad(LineNumber(line), 4));
    s.store.Set(pos::kDealNumber, 15, "1");
    SmallScreen screen;
    Random random(1);
    StillClock clock;
    HeadlessTable table(s, TableGeometry{560, 420, 420, 5, 0, 640, 480});
    Engine engine(s, PlayPorts{messages, clock, table, table, table});
    GameStartPorts ports{messages, screen, random, clock, table, engine};
    if (!StartGame(s, ports, true, false, 1, true)) continue;
    CardImages images;
    QString missing;
    if (!images.Load(s, library, missing)) continue;
    QImage picture(560, 420, QImage::Format_ARGB32_Premultiplied);
    QImage background = picture;
    PaintBackground(s, background, true);
    TableRenderer(s, images).DrawTable(picture, background);
    previews.emplace_back(QString("GAME%1").arg(LineNumber(line), 4, 10, QChar('0')),
                          picture.scaled(200, 150, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
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
