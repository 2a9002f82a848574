#include "table/HeadlessTable.h"

#include "core/Session.h"

namespace cardoria {

void HeadlessTable::ReloadCardImages() { SetCardSize(session_, session_.store.Get(pos::kCardSize, 1)); }

void HeadlessTable::LayOutTable() {
  SetCardSize(session_, session_.store.Get(pos::kCardSize, 1));
  ClearPilePositions(session_);
  SetFanSteps(session_);
  ComputeLayout(session_, geometry_);
}

void HeadlessTable::DrawPokerPanel() { pokerPanels.push_back(session_.pokerPanel); }

}  // namespace cardoria
