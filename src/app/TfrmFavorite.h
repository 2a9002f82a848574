#pragma once
// TfrmFavorite: the "Favorite games" dialog, two sorted lists between which
// the player moves games with the buttons, a double click or a drag.

#include <QDialog>
#include <QListWidget>

namespace cardoria {

struct Session;

class TfrmFavorite final : public QDialog {
 public:
  TfrmFavorite(Session& session, QWidget* parent = nullptr);

  QListWidget* All() const { return all_; }
  QListWidget* Selected() const { return selected_; }
  QStringList Entries(const QListWidget* list) const;

  // ">": the selected games become favourites; "<": back; "<<": all back.
  void Add();
  void Remove();
  void RemoveAll();
  // Writes the favourites in list order; the caller refreshes what shows them.
  void Ok();
  void Help();

 private:
  void Move(QListWidget* from, QListWidget* to);

  Session& session_;
  QListWidget* all_;
  QListWidget* selected_;
};

}  // namespace cardoria
