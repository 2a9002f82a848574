#pragma once
// TfrmCustomHelp: the rules of a customized game, side by side with the
// rules of the catalogue game it comes from.

#include <QDialog>
#include <string>

class QWidget;

namespace cardoria {

struct Session;

class TfrmCustomHelp final : public QDialog {
 public:
  // `name` may be empty: the current game's name is used then.
  TfrmCustomHelp(Session& session, int number, const std::string& name, QWidget* parent);
};

void ShowCustomRules(QWidget* parent, Session& session, int number, const std::string& name);

}  // namespace cardoria
