#pragma once
// The pictures of the current card size, set and back: cut and loaded from
// the resource library and the Images folder at the table's own scale, and
// drawn by the card art at any other scale.

#include <QImage>
#include <QMap>
#include <QString>
#include <array>
#include <memory>
#include <string>
#include <vector>

namespace cardoria {

struct Session;
class ResourceLibrary;

class CardImages {
 public:
  // Loads everything for the session's Card_Size, Card and Back_Card. A
  // card picture or back that can not be read is drawn by the art code
  // instead and named in the answer. The scale goes back to 1.
  std::vector<std::string> Load(const Session& session, const ResourceLibrary& library);

  // The pictures at `scale` (1: those loaded), drawn once per pixel size and
  // kept for the next time the window comes back to it.
  void SetScale(double scale);
  double Scale() const { return scale_; }

  // The card size in the layout's pixels; the pictures are Scale() times that.
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The face of a card number (both decks share them); null for holes.
  const QImage& Face(int card) const;
  const QImage& BackImage() const { return current_->back; }
  // The empty-pile mark of a code ("010", "_WASTE", ...); null when none.
  QImage Mark(const QString& code) const { return current_->marks.value(code); }
  const QImage& Border(int which) const { return current_->borders[which == 1 ? 0 : 1]; }

  // One whole set of pictures: the 52 faces and the joker, the back, the
  // marks and the 3-D border strips.
  struct Pictures {
    std::array<QImage, 53> faces;
    QImage back;
    QMap<QString, QImage> marks;
    std::array<QImage, 2> borders;
  };
  // Draws the pictures of a size letter, face set and back number at `scale`.
  static Pictures Draw(char size, int set, int back, double scale);

 private:
  int width_ = 71, height_ = 96;
  char size_ = 'B';
  int set_ = 1, back_ = 11;
  double scale_ = 1.0;
  std::shared_ptr<Pictures> loaded_ = std::make_shared<Pictures>();
  std::shared_ptr<Pictures> current_ = loaded_;
  // Scaled sets, the most recent last.
  std::vector<std::pair<double, std::shared_ptr<Pictures>>> drawn_;
  QImage none_;
};

// The picture of a library entry; null when missing or not a picture.
QImage LibraryImage(const ResourceLibrary& library, const std::string& name);

}  // namespace cardoria
