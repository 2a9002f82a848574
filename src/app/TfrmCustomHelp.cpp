#include "app/TfrmCustomHelp.h"

namespace cardoria {

// Replaced by the customized-rules window; until then nothing opens.
void ShowCustomRules(QWidget*, const Session&, int, const std::string&) {}

}  // namespace cardoria
