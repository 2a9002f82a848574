#include "table/qt/CardImages.h"

#include <algorithm>

#include "art/CardArt.h"
#include "core/Session.h"
#include "platform/Numbers.h"
#include "platform/ResourceLibrary.h"

namespace cardoria {

namespace {

const char* const kMarkCodes[] = {"004", "_WASTE", "022", "005", "008", "010", "012", "013",      "014", "015", "016",
                                  "017", "018",    "019", "020", "006", "003", "011", "_TABLEAU", "001", "009", "021"};

// Scaled sets kept besides the loaded one: enough for a window moving
// between two screens and back.
constexpr std::size_t kKeptScales = 3;

QImage Premultiplied(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); }

}  // namespace

QImage LibraryImage(const ResourceLibrary& library, const std::string& name) {
  QImage image;
  if (const ResourceEntry* entry = library.Find(name)) {
    image.loadFromData(reinterpret_cast<const uchar*>(entry->data.data()), static_cast<int>(entry->data.size()), "PNG");
  }
  return image.isNull() ? image : Premultiplied(image);
}

const QImage& CardImages::Face(int card) const {
  if (card >= 1 && card <= 52) return current_->faces[static_cast<std::size_t>(card - 1)];
  if (card >= 53 && card <= 104) return current_->faces[static_cast<std::size_t>(card - 53)];
  if (card >= 105 && card <= 108) return current_->faces[52];
  return none_;
}

std::vector<std::string> CardImages::Load(const Session& session, const ResourceLibrary& library) {
  const std::string size = session.store.Get(pos::kCardSize, 1);
  const std::string x = size == "M" || size == "L" ? size : "B";
  width_ = session.layout.cardWidth;
  height_ = session.layout.cardHeight;
  const std::string set = session.store.Get(pos::kCard, 3).empty() ? "001" : session.store.Get(pos::kCard, 3);
  // A new size, set or back makes every scaled set stale.
  loaded_ = std::make_shared<Pictures>();
  current_ = loaded_;
  drawn_.clear();
  scale_ = 1.0;
  size_ = x[0];
  set_ = std::clamp(LenientInt(set, 1), 1, 5);
  std::vector<std::string> unreadable;
  Pictures& p = *loaded_;
  const CardSize& card = CardSizeOf(size_);
  static const char kSuits[4] = {'H', 'D', 'C', 'S'};
  for (int suit = 0; suit < 4; ++suit) {
    const std::string name = "C" + x + set + kSuits[suit];
    const QImage strip = LibraryImage(library, name);
    const bool whole = !strip.isNull() && strip.width() >= 5 * width_ && strip.height() >= 3 * height_;
    if (!whole) unreadable.push_back(name);
    for (int rank = 1; rank <= 13; ++rank) {
      const int row = (rank - 1) / 5, column = (rank - 1) % 5;
      // The art code draws any card the library can not give.
      p.faces[static_cast<std::size_t>(13 * suit + rank - 1)] =
          whole ? strip.copy(column * width_, row * height_, width_, height_)
                : Premultiplied(cardoria::Face(set_, rank, suit, card));
    }
  }
  p.faces[52] = LibraryImage(library, "JOKER_" + x);
  for (const char* code : kMarkCodes) p.marks.insert(code, LibraryImage(library, "W" + x + code));
  p.borders[0] = LibraryImage(library, "3D_BORDER_" + x + "1");
  p.borders[1] = LibraryImage(library, "3D_BORDER_" + x + "2");
  // The back is a file: only the big size has a choice of backs.
  const std::string backNumber =
      x == "B" && !session.store.Get(pos::kBackCard, 3).empty() ? session.store.Get(pos::kBackCard, 3) : "011";
  back_ = std::clamp(LenientInt(backNumber, 11), 1, 27);
  const std::string path = session.PathOf("Images\\D" + x + backNumber + ".bmp");
  p.back = Premultiplied(QImage(QString::fromStdString(path)));
  if (p.back.isNull() || p.back.width() == 0) {
    unreadable.push_back(path);
    p.back = Premultiplied(Back(back_, card));
  }
  return unreadable;
}

CardImages::Pictures CardImages::Draw(char size, int set, int back, double scale) {
  const CardSize& card = CardSizeOf(size);
  Pictures p;
  for (int suit = 0; suit < 4; ++suit)
    for (int rank = 1; rank <= 13; ++rank)
      p.faces[static_cast<std::size_t>(13 * suit + rank - 1)] =
          Premultiplied(cardoria::Face(set, rank, suit, card, scale));
  p.faces[52] = Premultiplied(Joker(card, scale));
  p.back = Premultiplied(Back(back, card, scale));
  for (const char* code : kMarkCodes) p.marks.insert(code, Premultiplied(cardoria::Mark(code, card, scale)));
  p.borders[0] = Premultiplied(BorderStrip(1, card, scale));
  p.borders[1] = Premultiplied(BorderStrip(2, card, scale));
  return p;
}

void CardImages::SetScale(double scale) {
  if (scale == scale_) return;
  scale_ = scale;
  if (scale == 1.0) {
    current_ = loaded_;
    return;
  }
  // Two scales that give cards of the same pixels share their pictures.
  auto samePixels = [&](double other) {
    return ScaledLength(width_, other) == ScaledLength(width_, scale) &&
           ScaledLength(height_, other) == ScaledLength(height_, scale);
  };
  for (auto it = drawn_.begin(); it != drawn_.end(); ++it) {
    if (!samePixels(it->first)) continue;
    auto kept = *it;
    drawn_.erase(it);
    drawn_.push_back(kept);
    current_ = kept.second;
    return;
  }
  current_ = std::make_shared<Pictures>(Draw(size_, set_, back_, scale));
  drawn_.emplace_back(scale, current_);
  if (drawn_.size() > kKeptScales) drawn_.erase(drawn_.begin());
}

}  // namespace cardoria
