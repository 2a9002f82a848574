#pragma once
// TfrmCustomHelp: the rules of a customized game, side by side with the
// rules of the catalogue game it comes from.

#include <string>

class QWidget;

namespace cardoria {

struct Session;

// `name` may be empty: the current game's name is used then.
void ShowCustomRules(QWidget* parent, const Session& session, int number, const std::string& name);

}  // namespace cardoria
