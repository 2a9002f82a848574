#include "table/Flight.h"

#include <algorithm>
#include <cstdlib>

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

}  // namespace cardoria
