#pragma once
// Pictures and cursors of the resource library as the window system uses them.

#include <QCursor>
#include <QMap>
#include <QPixmap>

#include "platform/ResourceLibrary.h"

namespace cardoria {

// A bitmap of the library by name; a null pixmap when missing or undecodable.
QPixmap LibraryPixmap(const ResourceLibrary& library, std::string_view name);

// The twelve cursors by number (10-15, 20-25); a cursor missing from the
// library is the arrow, so a damaged library never leaves the table without one.
QMap<int, QCursor> LoadCursors(const ResourceLibrary& library);

}  // namespace cardoria
