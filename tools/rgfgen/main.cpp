// Builds the resource library "KRT.RGF" from pictures drawn in code, so the
// same sources always give the same bytes.

#include <QBuffer>
#include <QGuiApplication>
#include <cstdio>

#include "CursorArt.h"
#include "platform/AtomicFile.h"
#include "platform/ResourceLibrary.h"

using namespace cardoria;

namespace {

std::string PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes.toStdString();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: rgfgen OUTPUT.RGF\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  std::vector<ResourceEntry> entries;
  for (const CursorArt& cursor : DrawCursors()) {
    entries.push_back({cursor.name.toStdString(), ResourceKind::Cursor, cursor.hotSpot.x(), cursor.hotSpot.y(),
                       PngBytes(cursor.image)});
  }
  if (!WriteFileAtomic(argv[1], ResourceLibrary::Serialize(std::move(entries)))) {
    std::fprintf(stderr, "rgfgen: can not write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
