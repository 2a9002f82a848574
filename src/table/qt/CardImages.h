#pragma once
// The pictures of the current card size, set and back, cut and loaded from
// the resource library and the Images folder.

#include <QImage>
#include <QMap>
#include <QString>
#include <array>
#include <string>

namespace cardoria {

struct Session;
class ResourceLibrary;

class CardImages {
 public:
  // Loads everything for the session's Card_Size, Card and Back_Card. On a
  // missing picture returns false and names it in `missing`.
  bool Load(const Session& session, const ResourceLibrary& library, QString& missing);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // The face of a card number (both decks share them); null for holes.
  const QImage& Face(int card) const;
  const QImage& BackImage() const { return back_; }
  // The empty-pile mark of a code ("010", "_WASTE", ...); null when none.
  QImage Mark(const QString& code) const { return marks_.value(code); }
  const QImage& Border(int which) const { return borders_[which == 1 ? 0 : 1]; }

 private:
  int width_ = 71, height_ = 96;
  std::array<QImage, 53> faces_;
  QImage back_;
  QMap<QString, QImage> marks_;
  std::array<QImage, 2> borders_;
  QImage none_;
};

// The picture of a library entry; null when missing or not a picture.
QImage LibraryImage(const ResourceLibrary& library, const std::string& name);

}  // namespace cardoria
