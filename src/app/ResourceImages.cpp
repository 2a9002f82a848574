#include "app/ResourceImages.h"

#include "app/Startup.h"

namespace cardoria {

QPixmap LibraryPixmap(const ResourceLibrary& library, std::string_view name) {
  QPixmap pixmap;
  if (const ResourceEntry* entry = library.Find(name)) {
    pixmap.loadFromData(reinterpret_cast<const uchar*>(entry->data.data()), static_cast<uint>(entry->data.size()),
                        "PNG");
  }
  return pixmap;
}

QMap<int, QCursor> LoadCursors(const ResourceLibrary& library) {
  QMap<int, QCursor> cursors;
  for (const CursorName& cursor : kCursorNames) {
    const ResourceEntry* entry = library.Find(cursor.name);
    const QPixmap pixmap = LibraryPixmap(library, cursor.name);
    if (entry && !pixmap.isNull()) {
      cursors.insert(cursor.number, QCursor(pixmap, entry->hotX, entry->hotY));
    } else {
      cursors.insert(cursor.number, QCursor(Qt::ArrowCursor));
    }
  }
  return cursors;
}

}  // namespace cardoria
