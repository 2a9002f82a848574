#pragma once
// The six animations of a won game: cards drawn at random places and along
// paths across the table until the time is up or the player stops them. The
// movements are plain arithmetic; where the cards are painted, how time passes
// and how the window keeps up are the host's (AnimationCanvas).

#include <array>
#include <cstdint>
#include <string_view>

namespace cardoria {

class Random;

inline constexpr std::array<const char*, 6> kWinningAnimationNames = {"Festoons",   "Circles",       "Lines",
                                                                      "Open order", "Left to right", "Up to down"};
inline constexpr const char* kRandomAnimation = "(Random)";
inline constexpr const char* kNoAnimation = "(None)";

// The index into kWinningAnimationNames of a name; "(Random)" draws one of
// the six with equal chances; "(None)" and unknown names give -1.
int WinningAnimationIndex(std::string_view name, Random& random);

// The space the cards fill, in the canvas's coordinates.
struct AnimationArea {
  int formWidth = 0, formHeight = 0;
  int clientWidth = 0, clientHeight = 0;
  // The first row below the toolbar.
  int topY = 5;
  int cardWidth = 71, cardHeight = 96;
};

class AnimationCanvas {
 public:
  virtual ~AnimationCanvas() = default;
  // Paints card `card` (1..51) with its top-left corner at (x, y).
  virtual void DrawCard(int card, int x, int y) = 0;
  // Shows what was painted and handles pending input.
  virtual void Pump() = 0;
  // Waits `ms` milliseconds without handling input.
  virtual void Wait(int ms) = 0;
  virtual std::int64_t TickMs() = 0;
  // True once the animation is to end (the player pressed a key, the host stopped it).
  virtual bool Stopped() = 0;
};

// Runs animation `kind` (an index into kWinningAnimationNames) until `ms`
// milliseconds have passed since its start or the canvas says stop. `speed`
// is Speed_Move_Card, the pace of the waits. With `ms` 0 each animation ends
// after its first card (or its first segment, ring or fall).
void RunWinningAnimation(int kind, std::int64_t ms, int speed, const AnimationArea& area, AnimationCanvas& canvas,
                         Random& random);

}  // namespace cardoria
