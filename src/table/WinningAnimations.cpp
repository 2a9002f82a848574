#include "table/WinningAnimations.h"

#include <cmath>
#include <vector>

#include "platform/Random.h"

namespace cardoria {

int WinningAnimationIndex(std::string_view name, Random& random) {
  if (name == kRandomAnimation) return random.Next(static_cast<int>(kWinningAnimationNames.size()));
  for (std::size_t i = 0; i < kWinningAnimationNames.size(); ++i)
    if (name == kWinningAnimationNames[i]) return static_cast<int>(i);
  return -1;
}

namespace {

// One run: the clock, the stop test and the counted drawings that pace the waits.
class Run {
 public:
  Run(std::int64_t ms, int speed, const AnimationArea& area, AnimationCanvas& canvas, Random& random)
      : a_(area),
        c_(canvas),
        r_(random),
        speed_(std::max(speed, 0)),
        end_(canvas.TickMs() + std::max<std::int64_t>(ms, 0)) {}

  void Festoons();
  void Circles();
  void Lines();
  void OpenOrder();
  void LeftToRight();
  void TopToBottom();

 private:
  int Card() { return r_.Next(51) + 1; }
  int Half() const { return speed_ / 2; }
  bool TimeUp() { return c_.Stopped() || c_.TickMs() >= end_; }
  // Draws and tells whether to go on.
  bool Draw(int card, int x, int y) {
    if (c_.Stopped()) return false;
    c_.DrawCard(card, x, y);
    return true;
  }
  // Pauses while the window keeps handling input.
  void PumpWait(int ms) {
    const std::int64_t until = c_.TickMs() + ms;
    do {
      c_.Pump();
      if (c_.Stopped()) return;
      c_.Wait(10);
    } while (c_.TickMs() < until);
  }

  const AnimationArea a_;
  AnimationCanvas& c_;
  Random& r_;
  const int speed_;
  const std::int64_t end_;
};

void Run::OpenOrder() {
  const int w = a_.cardWidth, h = a_.cardHeight;
  for (int n = 1;; ++n) {
    const int card = Card();
    const int x = r_.Next(a_.formWidth + w / 2) - w / 2;
    const int y = r_.Next(a_.formHeight + h / 2) - h / 2;
    if (!Draw(card, x, y)) return;
    if (n % 5 == 0) {
      c_.Wait(Half());
      c_.Pump();
    }
    if (TimeUp()) return;
  }
}

void Run::LeftToRight() {
  const int w = a_.cardWidth, h = a_.cardHeight;
  const int step = static_cast<int>(w / 5.8);
  int x = -20, y = a_.topY, row = 0, restartY = 0;
  auto restartX = [&] { return row % 2 == 1 ? -(w / 3) : -(w / 4); };
  for (int n = 1;; ++n) {
    if (!Draw(Card(), x, y)) return;
    x += step;
    if (n % 5 == 0) {
      c_.Wait(Half());
      c_.Pump();
    }
    if (x >= a_.formWidth) {
      ++row;
      x = restartX();
      PumpWait(700);
      y += 35;
    }
    if (y + h >= a_.formHeight) {
      x = restartX();
      restartY += 35;
      if (restartY > a_.formHeight) restartY = a_.topY + 35;
      y = restartY;
    }
    if (TimeUp()) return;
  }
}

void Run::TopToBottom() {
  const int w = a_.cardWidth, h = a_.cardHeight;
  const int step = static_cast<int>(h / 5.3);
  const int across = static_cast<int>(w / 1.5);
  int x = -10, y = a_.topY, column = 0, restartX = 0;
  auto restartY = [&] { return column % 2 == 1 ? -(h / 3) : -(h / 4); };
  for (int n = 1;; ++n) {
    if (!Draw(Card(), x, y)) return;
    y += step;
    if (n % 2 == 0) c_.Wait(Half());
    if (n % 5 == 0) c_.Pump();
    if (y >= a_.formHeight) {
      ++column;
      y = restartY();
      PumpWait(700);
      x += across;
    }
    if (x >= a_.formWidth) {
      y = restartY();
      restartX += 35;
      if (restartX > a_.formWidth) restartX = 35;
      x = restartX;
    }
    if (TimeUp()) return;
  }
}

void Run::Lines() {
  const int w = a_.cardWidth, h = a_.cardHeight;
  const int right = a_.clientWidth, bottom = a_.clientHeight, top = a_.topY;
  int x = r_.Next(a_.formWidth);
  if (x + w > right) x = right - w;
  int y = top;
  int across = 1, down = 1;
  while (true) {
    const int s = r_.Next(8) + 4;
    int dx = across * s, dy = down * s;
    const int card = Card();
    if (x + dx <= 0 || x + dx + w >= right) dx = -dx;
    if (y + dy <= top || y + dy + h >= bottom) dy = -dy;
    across = dx > 0 ? 1 : -1;
    down = dy > 0 ? 1 : -1;
    for (int n = 1;; ++n) {
      if (!Draw(card, x, y)) return;
      x += dx;
      y += dy;
      if (n % 2 == 0) c_.Wait(speed_);
      c_.Wait(5);
      if (n % 4 == 0) c_.Pump();
      if (x <= 0 || x + w >= right || y <= top || y + h >= bottom) break;
    }
    c_.Pump();
    if (TimeUp()) return;
  }
}

struct Point {
  int x, y;
};

// Every 4th pixel of the outline of a circle of radius 150 in a 300 x 300
// picture: down the right half, then up the left half.
const std::vector<Point>& RingPoints() {
  static const std::vector<Point> points = [] {
    constexpr int kSize = 300;
    constexpr double kRadius = 149.5, kCentre = 150.0;
    auto outline = [&](int col, int row) {
      const double d = std::hypot(col + 0.5 - kCentre, row + 0.5 - kCentre);
      return std::abs(d - kRadius) <= 0.75;
    };
    std::vector<Point> all;
    for (int row = 0; row < kSize; ++row)
      for (int col = 151; col < kSize; ++col)
        if (outline(col, row)) {
          all.push_back({col, row});
          break;
        }
    for (int row = kSize - 1; row >= 0; --row)
      for (int col = 149; col >= 0; --col)
        if (outline(col, row)) {
          all.push_back({col, row});
          break;
        }
    std::vector<Point> taken;
    for (std::size_t i = 0; i < all.size() && taken.size() < 299; i += 4) taken.push_back(all[i]);
    return taken;
  }();
  return points;
}

void Run::Circles() {
  const int w = a_.cardWidth, h = a_.cardHeight;
  const int cw = a_.clientWidth, ch = a_.clientHeight;
  auto inside = [](int a, int b, int limit) { return (a >= 0 && a < limit) || (b >= 0 && b < limit); };
  while (true) {
    int x = r_.Next(cw), y = r_.Next(ch);
    if (x > cw - 150) x = cw - 150 - x;
    if (y > ch - 150) y = ch - 150 - y;
    const int card = Card();
    int n = 0;
    for (const Point& p : RingPoints()) {
      const int px = x + p.x, py = y + p.y;
      if (inside(px, px + w, cw) && inside(py, py + h, ch) && !Draw(card, px, py)) return;
      if (++n % 4 == 0) {
        c_.Wait(Half());
        c_.Pump();
      }
    }
    if (TimeUp()) return;
  }
}

// The bounce of a festoon: the vertical step of each segment and, beside it,
// its number of drawings less one (N stands for 2 or 3, drawn per bounce).
constexpr int kN = 100;
constexpr int kBounceSteps[65] = {-19, -17, -15, -13, -11, -9,  -7,  -5,  -3, -1, 0,  0,  1,  3, 5, 7, 9,
                                  11,  13,  15,  17,  19,  -15, -13, -11, -9, -7, -5, -3, -1, 0, 0, 1, 3,
                                  5,   7,   9,   11,  13,  15,  -11, -9,  -7, -5, -3, -1, 0,  0, 1, 3, 5,
                                  7,   9,   11,  -7,  -5,  -3,  -1,  0,   0,  1,  3,  5,  7,  0};
constexpr int kBounceCounts[65] = {0,      0,      kN, kN + 1, kN + 2, kN + 3, kN + 2, kN + 1, kN, kN - 1, kN - 2,
                                   kN - 2, kN - 1, kN, kN + 1, kN + 2, kN + 3, kN + 2, kN + 1, kN, 0,      0,
                                   1,      3,      4,  5,      5,      4,      3,      1,      0,  0,      1,
                                   3,      4,      5,  4,      4,      3,      1,      0,      1,  3,      4,
                                   3,      1,      0,  0,      1,      3,      4,      3,      1,  0,      0,
                                   1,      3,      4,  3,      0,      1,      3,      4,      3,  1000};
constexpr int kFallSteps[10] = {0, 3, 5, 7, 9, 11, 13, 15, 17, 19};
constexpr int kFallCounts[10] = {1, 4, 6, 8, 10, 12, 14, 16, 18, 101};

void Run::Festoons() {
  const int w = a_.cardWidth, h = a_.cardHeight;
  int n = 0;
  // Paints the card and moves it; false when the animation is to end.
  auto draw = [&](int card, int& x, int& y, int dy, int dx) {
    if (!Draw(card, x, y)) return false;
    y += dy;
    x += dx;
    if (++n % 4 == 0) {
      c_.Wait(Half());
      c_.Pump();
    }
    return true;
  };
  while (true) {
    const int card = Card();
    int x = r_.Next(a_.formWidth);
    if (x + w > a_.clientWidth) x = a_.clientWidth - w;
    int y = a_.topY - 50 + r_.Next(40);
    int dx = r_.Next(5) + 2;
    if ((r_.Next(10) + 1) % 2 == 1) dx = -dx;
    bool landed = false;
    for (int s = 0; s < 10 && !landed; ++s)
      for (int i = 0; i < kFallCounts[s] && !landed; ++i) {
        if (!draw(card, x, y, kFallSteps[s], dx)) return;
        landed = y + h >= a_.clientHeight;
      }
    if (TimeUp()) return;
    const int base = (r_.Next(10) + 1) % 2 == 1 ? 2 : 3;
    bool gone = false;
    for (int s = 0; s < 65 && !gone; ++s) {
      const int count =
          kBounceCounts[s] >= kN - 2 && kBounceCounts[s] <= kN + 3 ? base + kBounceCounts[s] - kN : kBounceCounts[s];
      for (int i = 0; i <= count && !gone; ++i) {
        if (!draw(card, x, y, kBounceSteps[s], dx)) return;
        gone = x > a_.formWidth || x < -w;
      }
    }
    if (TimeUp()) return;
  }
}

}  // namespace

void RunWinningAnimation(int kind, std::int64_t ms, int speed, const AnimationArea& area, AnimationCanvas& canvas,
                         Random& random) {
  Run run(ms, speed, area, canvas, random);
  switch (kind) {
    case 0: run.Festoons(); break;
    case 1: run.Circles(); break;
    case 2: run.Lines(); break;
    case 3: run.OpenOrder(); break;
    case 4: run.LeftToRight(); break;
    case 5: run.TopToBottom(); break;
    default: return;
  }
  canvas.Pump();
}

}  // namespace cardoria
