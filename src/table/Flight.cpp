#include "table/Flight.h"

#include <algorithm>
#include <cstdlib>

#include "core/Session.h"
#include "table/Layout.h"

namespace cardoria {

std::vector<FlightPoint> FlightPath(int fromX, int fromY, int toX, int toY, bool fast) {
  std::vector<FlightPoint> path;
  const int dx = toX - fromX, dy = toY - fromY;
  const bool xMajor = std::abs(dx) >= std::abs(dy);
  const int distance = xMajor ? std::abs(dx) : std::abs(dy);
  if (distance == 0) {
    path.push_back({toX, toY});
    return path;
  }
  int step = static_cast<int>(distance / (0.0128 * distance + 4) + 0.5);
  if (fast) step = static_cast<int>(step * 0.3);
  step = std::clamp(step, 1, distance);
  for (int moved = step;; moved += step) {
    moved = std::min(moved, distance);
    const int percent = static_cast<int>(moved * 100.0 / distance + 0.5);
    const int major = (xMajor ? fromX : fromY) + (xMajor ? (dx > 0 ? moved : -moved) : (dy > 0 ? moved : -moved));
    const int minorStart = xMajor ? fromY : fromX, minorTarget = xMajor ? toY : toX;
    const int minor = minorStart + (minorTarget - minorStart) * percent / 100;
    path.push_back(xMajor ? FlightPoint{major, minor} : FlightPoint{minor, major});
    if (moved == distance) break;
  }
  path.back() = {toX, toY};
  return path;
}

PileRef DealOrigin(const Session& session) {
  const PileRef stock{PileGroup::Stock, kStockItem}, waste{PileGroup::Stock, kWasteItem};
  const bool stockShown = PileShown(session, stock), wasteShown = PileShown(session, waste);
  auto holds = [&](PileRef pile) { return PileCardCount(session.piles.Pile(pile.group, pile.index)) > 0; };
  if (stockShown || wasteShown) {
    if (stockShown && holds(stock)) return stock;
    if (wasteShown && holds(waste)) return waste;
    return stockShown ? stock : waste;
  }
  const PileRef reserve{PileGroup::Reserve, 0};
  if (PileShown(session, reserve) && PileCardCount(session.piles.Pile(PileGroup::Reserve, 0)) <= 1) return reserve;
  for (const PileRef pile : {PileRef{PileGroup::Stock, kSecondWasteItem}, PileRef{PileGroup::Foundation, 0}})
    if (PileShown(session, pile)) return pile;
  return {PileGroup::Tableau, 0};
}

}  // namespace cardoria
