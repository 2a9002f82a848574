#include "table/RandomLooks.h"

#include <gtest/gtest.h>

#include "core/Session.h"
#include "platform/Random.h"
#include "support/TestSupport.h"

namespace cardoria {
namespace {

TEST(RandomLooks, DrawOnlyFromInstalledPictures) {
  test::TempDir dir;
  for (const char* name : {"B101.bmp", "b300.bmp", "DB003.bmp", "db007.bmp", "backdrop.bmp", "B12.bmp", "Bxyz.bmp"})
    dir.Write(std::string("Images/") + name, "x");
  Session s;
  s.programDir = dir.Path();
  EXPECT_EQ(InstalledPictures(s, "b"), (std::vector<std::string>{"b101.bmp", "b300.bmp"}));
  EXPECT_EQ(InstalledPictures(s, "db"), (std::vector<std::string>{"db003.bmp", "db007.bmp"}));

  s.store.Set(pos::kCardSize, 1, "B");
  s.store.Set(pos::kRandomBackground, 1, "Y");
  s.store.Set(pos::kRandomDeck, 1, "Y");
  s.store.Set(pos::kFadeBackground, 1, "N");
  Random random(5);
  for (int k = 0; k < 40; ++k) {
    RandomizeLooks(s, random, true);
    EXPECT_EQ(s.store.Get(pos::kBackgroundBmp, 4), "300");  // the only picture past b256, no colours unfaded
    const std::string back = s.store.Get(pos::kBackCard, 3);
    EXPECT_TRUE(back == "003" || back == "007") << back;
  }
}

TEST(RandomLooks, NothingToDrawFromKeepsTheLook) {
  test::TempDir dir;
  Session s;
  s.programDir = dir.Path();
  s.store.Set(pos::kCardSize, 1, "B");
  s.store.Set(pos::kRandomBackground, 1, "Y");
  s.store.Set(pos::kRandomDeck, 1, "Y");
  s.store.Set(pos::kFadeBackground, 1, "N");
  s.store.Set(pos::kBackgroundBmp, 4, "101");
  s.store.Set(pos::kBackCard, 3, "011");
  Random random(1);
  const LooksChanged changed = RandomizeLooks(s, random, true);
  EXPECT_FALSE(changed.background);
  EXPECT_FALSE(changed.cards);
  EXPECT_EQ(s.store.Get(pos::kBackgroundBmp, 4), "101");
  EXPECT_EQ(s.store.Get(pos::kBackCard, 3), "011");
}

}  // namespace
}  // namespace cardoria
