#pragma once
// The help window: pages generated at build time, one per context number
// (game rules at game number + 3000, the dialogs' topics, the contents).

class QWidget;

namespace cardoria {

struct Session;

// Opens (or raises) the help window at the topic with this context number.
void ShowHelpTopic(QWidget* parent, const Session& session, int context);

}  // namespace cardoria
