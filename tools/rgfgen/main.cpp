// Builds the resource library "KRT.RGF" from pictures drawn in code, so the
// same sources always give the same bytes.

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

#include "CounterArt.h"
#include "CursorArt.h"
#include "Previews.h"
#include "art/CardArt.h"
#include "platform/AtomicFile.h"
#include "platform/ResourceLibrary.h"
#include "table/Layout.h"

using namespace cardoria;

namespace {

std::string PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes.toStdString();
}

bool SaveBmp(const QImage& image, const QString& path) {
  // Backs and backgrounds are plain pictures: no transparency in a BMP.
  QImage flat(image.size(), QImage::Format_RGB32);
  flat.fill(QColor(0, 96, 0));
  QPainter(&flat).drawImage(0, 0, image);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  return flat.save(&buffer, "BMP") && WriteFileAtomic(path.toStdString(), bytes.toStdString());
}

// The poker-hand panel: a white card with a sunken frame, written into by play.
QImage PokerPanel() {
  QImage image(kPokerPanelWidth, kPokerPanelHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  const int w = image.width() - 1, h = image.height() - 1;
  painter.setPen(QColor(128, 128, 128));
  painter.drawLine(0, 0, w, 0);
  painter.drawLine(0, 0, 0, h);
  painter.setPen(QColor(64, 64, 64));
  painter.drawLine(1, 1, w - 1, 1);
  painter.drawLine(1, 1, 1, h - 1);
  painter.setPen(QColor(212, 208, 200));
  painter.drawLine(1, h - 1, w - 1, h - 1);
  painter.drawLine(w - 1, 1, w - 1, h - 1);
  painter.setPen(Qt::white);
  painter.drawLine(0, h, w, h);
  painter.drawLine(w, 0, w, h);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: rgfgen OUTPUT.RGF IMAGES-DIRECTORY [PROGRAM-DIRECTORY]\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  std::vector<ResourceEntry> entries;
  for (const CursorArt& cursor : DrawCursors()) {
    entries.push_back({cursor.name.toStdString(), ResourceKind::Cursor, cursor.hotSpot.x(), cursor.hotSpot.y(),
                       PngBytes(cursor.image)});
  }
  auto bitmap = [&](const QString& name, const QImage& image) {
    entries.push_back({name.toStdString(), ResourceKind::Bitmap, 0, 0, PngBytes(image)});
  };
  static const char kSuitLetters[4] = {'H', 'D', 'C', 'S'};
  static const char* const kMarks[] = {"004", "_WASTE", "022",      "005", "008", "010", "012", "013",
                                       "014", "015",    "016",      "017", "018", "019", "020", "006",
                                       "003", "011",    "_TABLEAU", "001", "009", "021"};
  for (const CardSize& size : kCardSizes) {
    const QString x(QChar(size.letter));
    for (int set = 1; set <= 5; ++set)
      for (int suit = 0; suit < 4; ++suit)
        bitmap(QString("C%1%2%3").arg(x).arg(set, 3, 10, QChar('0')).arg(QChar(kSuitLetters[suit])),
               FaceStrip(set, suit, size));
    bitmap("JOKER_" + x, Joker(size));
    for (const char* code : kMarks) bitmap("W" + x + code, Mark(code, size));
    for (int which : {1, 2}) {
      bitmap(QString("SHADOW_%1%2").arg(x).arg(which), ShadowStrip(which, size));
      bitmap(QString("3D_BORDER_%1%2").arg(x).arg(which), BorderStrip(which, size));
    }
  }
  for (int which : {1, 2}) bitmap(QString("BMP_PAUSE_%1").arg(which), PausePicture(which));
  for (const char* glyph : {"TB_NEW", "TB_OPEN", "TB_RESTART", "TB_SAVE", "TB_UNDO", "TB_UNDO_DIS", "TB_REDO",
                            "TB_REDO_DIS", "TB_AUTOPLAY", "TB_AUTOPLAY_DIS", "TB_PAUSE", "TB_STAT", "TB_EXIT"}) {
    bitmap(glyph, ToolbarGlyph(glyph, false));
    bitmap(QString("L") + glyph, ToolbarGlyph(glyph, true));
  }

  const QString images = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(images);
  bool saved = true;
  for (int number = 1; number <= 27; ++number)
    saved = saved && SaveBmp(Back(number, kCardSizes[0]), images + QString("/DB%1.bmp").arg(number, 3, 10, QChar('0')));
  saved = saved && SaveBmp(Back(11, kCardSizes[1]), images + "/DM011.bmp");
  saved = saved && SaveBmp(Back(11, kCardSizes[2]), images + "/DL011.bmp");
  std::vector<int> backgrounds = {101, 102, 103, 104, 105};
  for (int n = 257; n <= 324; ++n)
    if (n != 280 && n != 294 && n != 298 && n != 300 && n != 323) backgrounds.push_back(n);
  for (int number : backgrounds) saved = saved && SaveBmp(Background(number), images + QString("/B%1.bmp").arg(number));
  saved = saved && SaveBmp(Background(-1), images + "/Y001.bmp");
  if (!saved) {
    std::fprintf(stderr, "rgfgen: can not write the pictures into %s\n", argv[2]);
    return 1;
  }

  for (const auto& [name, icon] : FamilyIcons()) bitmap(name, icon);
  for (const auto& [name, picture] : CounterPictures()) bitmap(name, picture);
  for (const auto& [name, picture] : DialogPictures()) bitmap(name, picture);
  bitmap("Panel_pk", PokerPanel());
  if (argc == 4) {
    // The previews are dealt from the catalogue and drawn with the cards above.
    const auto library = ResourceLibrary::Parse(ResourceLibrary::Serialize(entries));
    std::string programDir = argv[3];
    if (!programDir.ends_with('/')) programDir += '/';
    if (library)
      for (const auto& [name, preview] : GamePreviews(programDir, *library)) bitmap(name, preview);
  }

  if (!WriteFileAtomic(argv[1], ResourceLibrary::Serialize(std::move(entries)))) {
    std::fprintf(stderr, "rgfgen: can not write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
