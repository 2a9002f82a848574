#include "core/TextStore.h"

#include <gtest/gtest.h>

#include "core/ValueTables.h"

namespace cardoria {
namespace {

TEST(TextStore, StoresTrimmedAndCutValues) {
  TextStore store;
  EXPECT_EQ(store.Get(62, 4), "");  // never written
  store.Set(62, 4, "12");
  EXPECT_EQ(store.Get(62, 4), "12");
  store.Set(62, 4, "  7");
  EXPECT_EQ(store.Get(62, 4), "7");
  store.Set(189, 50, std::string(60, 'x'));
  EXPECT_EQ(store.Get(189, 50), std::string(50, 'x'));
  store.Set(62, 4, "");
  EXPECT_EQ(store.Get(62, 4), "");
  EXPECT_EQ(store.Get(66, 1), "");  // the neighbour was never touched
}

TEST(TextStore, GrowsPastTheInitialBuffer) {
  TextStore store;
  const std::string path = "/home/player/.local/share/cardoria/DATA/snap.dat";
  EXPECT_EQ(store.Get(701, 200), "");
  store.Set(701, 200, path);
  EXPECT_EQ(store.Get(701, 200), path);
  store.Set(701, 200, "");
  EXPECT_EQ(store.Get(701, 200), "");
}

TEST(TextStore, BuffersAreIndependentAndBoundsAreSafe) {
  TextStore store;
  store.Set(249, 1, "A");
  store.Set(251, 1, "B");
  EXPECT_EQ(store.Get(249, 1), "A");
  EXPECT_EQ(store.Get(251, 1), "B");
  store.Set(1000, 5, "zzz");
  EXPECT_EQ(store.Get(1000, 5), "");
  store.Set(0, 5, "zzz");
  EXPECT_EQ(store.Get(0, 5), "");
  store.Set(240, 20, "0123456789abcdefghij");  // runs past position 249 in its own buffer only
  EXPECT_EQ(store.Get(251, 1), "B");
}

TEST(ValueTables, IndexesOutsideTheTablesAreIgnored) {
  ValueTables values;
  values.SetFlag(kGameWon, true);
  values.SetFlag(12, true);
  EXPECT_TRUE(values.Flag(kGameWon));
  EXPECT_FALSE(values.Flag(12));
  values.SetCounter(kLastMouseMoveTick, -1);
  EXPECT_EQ(values.Counter(kLastMouseMoveTick), -1);
  values.SetJitter(7, 12, -3);
  values.SetJitter(0, 0, 5);
  values.SetJitter(8, 0, 5);
  EXPECT_EQ(values.Jitter(7, 12), -3);
  EXPECT_EQ(values.Jitter(0, 0), 0);
  values.SetTime(kPauseStart, 45000.5);
  EXPECT_DOUBLE_EQ(values.Time(kPauseStart), 45000.5);
}

}  // namespace
}  // namespace cardoria
