#pragma once
// The rules of a game: a help page for a catalogue game, the customized-rules
// window for a customized one.

#include <string>

class QWidget;

namespace cardoria {

struct Session;

// `number` -1 means the current game; `name` may be empty.
void ShowRules(QWidget* parent, Session& session, int number, const std::string& name);

}  // namespace cardoria
