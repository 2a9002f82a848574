#include "table/WinningAnimations.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/Random.h"

namespace cardoria {
namespace {

// Records every card painted; time advances by one millisecond per look at
// the tick, and waits pass it on.
class RecordingCanvas final : public AnimationCanvas {
 public:
  struct Drawn {
    int card, x, y;
  };
  void DrawCard(int card, int x, int y) override {
    drawn.push_back({card, x, y});
    if (stopAfter > 0 && static_cast<int>(drawn.size()) >= stopAfter) stopped = true;
  }
  void Pump() override { ++pumps; }
  void Wait(int ms) override { tick += ms; }
  std::int64_t TickMs() override { return ++tick; }
  bool Stopped() override { return stopped; }

  std::vector<Drawn> drawn;
  std::int64_t tick = 0;
  int pumps = 0, stopAfter = 0;
  bool stopped = false;
};

AnimationArea Area() {
  AnimationArea area;
  area.formWidth = area.clientWidth = 800;
  area.formHeight = area.clientHeight = 600;
  area.topY = 5;
  return area;
}

std::set<int> Cards(const RecordingCanvas& canvas) {
  std::set<int> cards;
  for (const auto& d : canvas.drawn) cards.insert(d.card);
  return cards;
}

TEST(WinningAnimations, TimeZeroEndsEachAfterItsFirstCard) {
  // The drawings of one card: a single card for the placing animations, a
  // bounce segment, a ring, or a fall for the moving ones.
  struct Case {
    const char* name;
    std::size_t mostDrawings;
  };
  const Case cases[] = {{"Open order", 1}, {"Left to right", 1},
                        {"Up to down", 1}, {"Lines", 600 / 4 + 1},
                        {"Circles", 299},  {"Festoons", 1 + 4 + 6 + 8 + 10 + 12 + 14 + 16 + 18 + 101}};
  for (const Case& c : cases) {
    Random random(7);
    RecordingCanvas canvas;
    RunWinningAnimation(WinningAnimationIndex(c.name, random), 0, 10, Area(), canvas, random);
    EXPECT_GE(canvas.drawn.size(), 1u) << c.name;
    EXPECT_LE(canvas.drawn.size(), c.mostDrawings) << c.name;
    EXPECT_EQ(Cards(canvas).size(), 1u) << c.name;
    for (const auto& d : canvas.drawn) {
      EXPECT_GE(d.card, 1) << c.name;
      EXPECT_LE(d.card, 51) << c.name;
    }
  }
}

TEST(WinningAnimations, RunUntilTheTimeIsUpOrTheyAreStopped) {
  for (const char* name : kWinningAnimationNames) {
    Random random(3);
    RecordingCanvas timed;
    RunWinningAnimation(WinningAnimationIndex(name, random), 2000, 10, Area(), timed, random);
    EXPECT_GT(Cards(timed).size(), 1u) << name;
    EXPECT_GE(timed.tick, 2000) << name;
    EXPECT_GT(timed.pumps, 0) << name;  // the window sees the cards and the player can stop them

    RecordingCanvas stopped;
    stopped.stopAfter = 3;
    RunWinningAnimation(WinningAnimationIndex(name, random), 1'000'000'000, 10, Area(), stopped, random);
    EXPECT_EQ(stopped.drawn.size(), 3u) << name;
  }
}

TEST(WinningAnimations, NamesChooseTheAnimation) {
  Random random(1);
  EXPECT_EQ(WinningAnimationIndex("Festoons", random), 0);
  EXPECT_EQ(WinningAnimationIndex("Up to down", random), 5);
  EXPECT_EQ(WinningAnimationIndex("(None)", random), -1);
  EXPECT_EQ(WinningAnimationIndex("Fireworks", random), -1);
  std::set<int> drawn;
  for (int i = 0; i < 200; ++i) drawn.insert(WinningAnimationIndex("(Random)", random));
  EXPECT_EQ(drawn, (std::set<int>{0, 1, 2, 3, 4, 5}));
  // "(None)" and unknown names draw nothing at all.
  RecordingCanvas canvas;
  RunWinningAnimation(-1, 1000, 10, Area(), canvas, random);
  EXPECT_TRUE(canvas.drawn.empty());
}

TEST(WinningAnimations, CirclesDrawOnlyCardsThatReachTheClientArea) {
  Random random(5);
  RecordingCanvas canvas;
  AnimationArea area = Area();
  area.clientWidth = area.formWidth = 200;  // rings stand far outside
  area.clientHeight = area.formHeight = 200;
  RunWinningAnimation(1, 3000, 0, area, canvas, random);
  ASSERT_FALSE(canvas.drawn.empty());
  for (const auto& d : canvas.drawn) {
    const bool across = (d.x >= 0 && d.x < 200) || (d.x + area.cardWidth >= 0 && d.x + area.cardWidth < 200);
    const bool down = (d.y >= 0 && d.y < 200) || (d.y + area.cardHeight >= 0 && d.y + area.cardHeight < 200);
    EXPECT_TRUE(across && down) << d.x << "," << d.y;
  }
}

}  // namespace
}  // namespace cardoria
