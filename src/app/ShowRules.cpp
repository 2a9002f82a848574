#include "app/ShowRules.h"

#include "app/HelpWindow.h"
#include "app/TfrmCustomHelp.h"
#include "core/CustomGames.h"
#include "core/Session.h"
#include "core/TextStore.h"

namespace cardoria {

void ShowRules(QWidget* parent, Session& session, int number, const std::string& name) {
  if (number == -1) number = session.store.GetInt(pos::kGameNumber, 4);
  if (number < 0) return;
  if (number >= kFirstCustomGame) {
    ShowCustomRules(parent, session, number, name);
    return;
  }
  ShowHelpTopic(parent, session, number + 3000);
}

}  // namespace cardoria
