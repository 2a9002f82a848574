#include "table/PileJitter.h"

#include "core/ValueTables.h"
#include "platform/Random.h"

namespace cardoria {

void RefillPileJitter(ValueTables& values, Random& random) {
  for (int row = 1; row <= ValueTables::kJitterRows; ++row) {
    values.SetJitter(row, 0, 0);
    int prev = random.Next(4);
    int sum = 0;
    for (int entry = 1; entry <= 12; ++entry) {
      int draw = random.Next(4);
      if ((prev > 2 && draw > 2) || ((draw == 1 || draw == 2) && prev <= 2)) draw = 0;
      int step = draw <= 2 ? draw : -1;
      sum += step;
      if (sum >= 3) {
        step -= 2;
        sum -= 2;
      } else if (sum <= -3) {
        step += 2;
        sum += 2;
      }
      values.SetJitter(row, entry, step);
      prev = draw;
    }
  }
}

}  // namespace cardoria
