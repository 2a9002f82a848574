// Synthesises the sounds of the SOUNDS folder as 16-bit mono WAV files:
// card flicks and slides from filtered noise, chimes for the happy moments.
// Everything comes from arithmetic and a fixed-seed noise source, so the same
// sources always give the same bytes.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<double>;

// A small linear congruential generator: the same noise on every machine.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  double Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
  }

 private:
  std::uint32_t state_;
};

// A two-pole band-pass filter (constant peak gain).
class BandPass {
 public:
  void Tune(double centre, double q) {
    const double w = 2 * kPi * centre / kRate;
    const double alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    b0_ = alpha / a0;
    b2_ = -alpha / a0;
    a1_ = -2 * std::cos(w) / a0;
    a2_ = (1 - alpha) / a0;
  }
  double Step(double x) {
    const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  double b0_ = 0, b2_ = 0, a1_ = 0, a2_ = 0, x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

int Length(double seconds) { return static_cast<int>(seconds * kRate); }

void Mix(Samples& into, const Samples& sound, double at, double gain = 1.0) {
  const std::size_t start = static_cast<std::size_t>(Length(at));
  if (into.size() < start + sound.size()) into.resize(start + sound.size(), 0.0);
  for (std::size_t i = 0; i < sound.size(); ++i) into[start + i] += sound[i] * gain;
}

// A card touching cloth or card: a short burst of band-passed noise with a
// quick attack and an exponential tail. `from` and `to` sweep the band.
Samples Flick(std::uint32_t seed, double seconds, double from, double to, double q, double decay) {
  Noise noise(seed);
  BandPass filter;
  Samples out(static_cast<std::size_t>(Length(seconds)));
  const double attack = 0.004;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    filter.Tune(from + (to - from) * (t / seconds), q);
    const double envelope = std::min(1.0, t / attack) * std::exp(-t * decay);
    out[i] = filter.Step(noise.Next()) * envelope;
  }
  return out;
}

// A card sliding over others: longer noise swelling and fading.
Samples Slide(std::uint32_t seed, double seconds, double from, double to) {
  Noise noise(seed);
  BandPass filter;
  Samples out(static_cast<std::size_t>(Length(seconds)));
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double phase = t / seconds;
    filter.Tune(from + (to - from) * phase, 1.2);
    const double envelope = std::sin(kPi * phase) * std::sin(kPi * phase);
    out[i] = filter.Step(noise.Next()) * envelope;
  }
  return out;
}

// A soft bell: a few inharmonic partials, each fading at its own pace.
Samples Bell(double frequency, double seconds) {
  static const double kPartials[][3] = {{1.0, 1.0, 3.0}, {2.0, 0.35, 5.0}, {3.01, 0.15, 8.0}, {4.2, 0.06, 12.0}};
  Samples out(static_cast<std::size_t>(Length(seconds)));
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    double v = 0;
    for (const auto& p : kPartials) v += p[1] * std::sin(2 * kPi * frequency * p[0] * t) * std::exp(-t * p[2]);
    out[i] = v * std::min(1.0, t / 0.006);
  }
  return out;
}

Samples Chime(const std::vector<double>& notes, double spacing, double ring) {
  Samples out;
  for (std::size_t i = 0; i < notes.size(); ++i) Mix(out, Bell(notes[i], ring), spacing * static_cast<double>(i));
  return out;
}

// A riffle: many flicks in quick succession.
Samples Riffle(std::uint32_t seed, int flicks, double spacing) {
  Samples out;
  for (int i = 0; i < flicks; ++i) {
    const double centre = 2600 + 90.0 * (i % 5);
    Mix(out, Flick(seed + static_cast<std::uint32_t>(i), 0.05, centre, centre * 0.8, 1.5, 70), spacing * i,
        0.7 + 0.06 * (i % 4));
  }
  return out;
}

// Scales to a soft peak and ends with a short fade against clicks.
std::string Wav(Samples samples, double peak) {
  double top = 0;
  for (double v : samples) top = std::max(top, std::abs(v));
  const double gain = top > 0 ? peak / top : 0;
  const std::size_t fade = std::min<std::size_t>(samples.size(), static_cast<std::size_t>(Length(0.01)));
  for (std::size_t i = 0; i < fade; ++i)
    samples[samples.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(fade);
  std::string data;
  for (double v : samples) {
    const auto s = static_cast<std::int16_t>(std::lround(std::clamp(v * gain, -1.0, 1.0) * 32767));
    const auto u = static_cast<std::uint16_t>(s);
    data += static_cast<char>(u & 0xff);
    data += static_cast<char>(u >> 8);
  }
  auto u32 = [](std::uint32_t v) {
    std::string s;
    for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xff);
    return s;
  };
  auto u16 = [](std::uint16_t v) { return std::string{static_cast<char>(v & 0xff), static_cast<char>(v >> 8)}; };
  const auto size = static_cast<std::uint32_t>(data.size());
  return "RIFF" + u32(36 + size) + "WAVE" + "fmt " + u32(16) + u16(1) + u16(1) + u32(kRate) + u32(kRate * 2) + u16(2) +
         u16(16) + "data" + u32(size) + data;
}

struct SoundRecipe {
  const char* file;
  double peak;
  std::function<Samples()> make;
};

// Notes of a major scale around C5.
constexpr double C5 = 523.25, D5 = 587.33, E5 = 659.26, G5 = 783.99, A5 = 880.0, C6 = 1046.5, E6 = 1318.5, G4 = 392.0;

const std::vector<SoundRecipe>& Recipes() {
  static const std::vector<SoundRecipe> recipes = {
      {"Splash.wav", 0.35,
       [] {
         return Chime({G4, C5, E5, G5}, 0.12, 1.2);
       }},
      {"About.wav", 0.3,
       [] {
         return Chime({E5, G5}, 0.15, 0.9);
       }},
      {"New.wav", 0.4, [] { return Riffle(11, 10, 0.035); }},
      {"Restart.wav", 0.4,
       [] {
         Samples s = Slide(21, 0.25, 900, 2400);
         Mix(s, Flick(22, 0.08, 2200, 1800, 1.4, 60), 0.22);
         return s;
       }},
      {"Shuffle.wav", 0.35, [] { return Riffle(31, 14, 0.03); }},
      {"Stock.wav", 0.45, [] { return Flick(41, 0.09, 3000, 2200, 1.3, 45); }},
      {"Redeal.wav", 0.35, [] { return Slide(51, 0.45, 1200, 2800); }},
      {"Red_no_a.wav", 0.35,
       [] {
         Samples s = Slide(61, 0.3, 2600, 1100);
         Mix(s, Flick(62, 0.08, 1600, 1200, 1.2, 55), 0.26);
         return s;
       }},
      {"Tableau.wav", 0.45, [] { return Flick(71, 0.08, 2000, 1500, 1.2, 55); }},
      {"Foundation.wav", 0.4,
       [] {
         Samples s = Flick(81, 0.08, 2400, 1800, 1.3, 55);
         Mix(s, Bell(C6, 0.35), 0.02, 0.25);
         return s;
       }},
      {"Autoplay.wav", 0.35,
       [] {
         Samples s = Flick(91, 0.06, 2800, 2200, 1.3, 65);
         Mix(s, Bell(G5, 0.3), 0.015, 0.22);
         return s;
       }},
      {"Eddy.wav", 0.4, [] { return Slide(101, 0.2, 1800, 900); }},
      {"Reorder.wav", 0.35,
       [] {
         Samples s = Flick(111, 0.06, 2500, 2000, 1.4, 70);
         Mix(s, Flick(112, 0.06, 2200, 1800, 1.4, 70), 0.07);
         Mix(s, Flick(113, 0.06, 1900, 1600, 1.4, 70), 0.14);
         return s;
       }},
      {"Pairing.wav", 0.35,
       [] {
         Samples s = Slide(121, 0.18, 1500, 3000);
         Mix(s, Bell(A5, 0.4), 0.1, 0.3);
         return s;
       }},
      {"card_up.wav", 0.4, [] { return Flick(131, 0.07, 3200, 3800, 1.6, 60); }},
      {"card_down.wav", 0.45, [] { return Flick(141, 0.08, 1900, 1300, 1.2, 50); }},
      {"Face_up.wav", 0.4, [] { return Flick(151, 0.09, 2600, 3600, 1.5, 45); }},
      {"Undo.wav", 0.35, [] { return Slide(161, 0.2, 3000, 1200); }},
      {"Redo.wav", 0.35, [] { return Slide(171, 0.2, 1200, 3000); }},
      {"Won.wav", 0.35,
       [] {
         return Chime({C5, E5, G5, C6, E6}, 0.13, 1.4);
       }},
      {"Hi-Scor.wav", 0.3,
       [] {
         return Chime({G5, E5, C5}, 0.14, 1.0);
       }},
      {"Scores.wav", 0.35,
       [] {
         return Chime({C5, D5, E5, G5, A5, C6}, 0.09, 1.3);
       }},
  };
  return recipes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: soundgen SOUNDS-DIRECTORY\n");
    return 2;
  }
  std::string dir = argv[1];
  if (!dir.ends_with('/')) dir += '/';
  for (const SoundRecipe& recipe : Recipes()) {
    if (!cardoria::WriteFileAtomic(dir + recipe.file, Wav(recipe.make(), recipe.peak))) {
      std::fprintf(stderr, "soundgen: can not write %s%s\n", dir.c_str(), recipe.file);
      return 1;
    }
  }
  return 0;
}
