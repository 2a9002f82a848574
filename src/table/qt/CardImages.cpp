#include "table/qt/CardImages.h"

#include "core/Session.h"
#include "platform/ResourceLibrary.h"

namespace cardoria {

namespace {

const char* const kMarkCodes[] = {"004", "_WASTE", "022", "005", "008", "010", "012", "013",      "014", "015", "016",
                                  "017", "018",    "019", "020", "006", "003", "011", "_TABLEAU", "001", "009", "021"};

}  // namespace

QImage LibraryImage(const ResourceLibrary& library, const std::string& name) {
  QImage image;
  if (const ResourceEntry* entry = library.Find(name)) {
    image.loadFromData(reinterpret_cast<const uchar*>(entry->data.data()), static_cast<int>(entry->data.size()), "PNG");
  }
  return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

const QImage& CardImages::Face(int card) const {
  if (card >= 1 && card <= 52) return faces_[static_cast<std::size_t>(card - 1)];
  if (card >= 53 && card <= 104) return faces_[static_cast<std::size_t>(card - 53)];
  if (card >= 105 && card <= 108) return faces_[52];
  return none_;
}

bool CardImages::Load(const Session& session, const ResourceLibrary& library, QString& missing) {
  const std::string size = session.store.Get(pos::kCardSize, 1);
  const std::string x = size == "M" || size == "L" ? size : "B";
  width_ = session.layout.cardWidth;
  height_ = session.layout.cardHeight;
  const std::string set = session.store.Get(pos::kCard, 3).empty() ? "001" : session.store.Get(pos::kCard, 3);
  static const char kSuits[4] = {'H', 'D', 'C', 'S'};
  for (int suit = 0; suit < 4; ++suit) {
    const std::string name = "C" + x + set + kSuits[suit];
    const QImage strip = LibraryImage(library, name);
    if (strip.isNull() || strip.width() < 5 * width_ || strip.height() < 3 * height_) {
      missing = QString::fromStdString(name);
      return false;
    }
    for (int row = 0; row < 3; ++row)
      for (int column = 0; column < 5 && 5 * row + column < 13; ++column)
        faces_[static_cast<std::size_t>(13 * suit + 5 * row + column)] =
            strip.copy(column * width_, row * height_, width_, height_);
  }
  faces_[52] = LibraryImage(library, "JOKER_" + x);
  for (const char* code : kMarkCodes) marks_.insert(code, LibraryImage(library, "W" + x + code));
  borders_[0] = LibraryImage(library, "3D_BORDER_" + x + "1");
  borders_[1] = LibraryImage(library, "3D_BORDER_" + x + "2");
  // The back is a file: only the big size has a choice of backs.
  const std::string back =
      x == "B" ? "DB" + (session.store.Get(pos::kBackCard, 3).empty() ? std::string("011")
                                                                      : session.store.Get(pos::kBackCard, 3))
               : "D" + x + "011";
  const std::string path = session.PathOf("Images\\" + back + ".bmp");
  back_ = QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (back_.isNull() || back_.width() == 0) {
    missing = QString::fromStdString(path);
    return false;
  }
  return true;
}

}  // namespace cardoria
