#pragma once
// What the options dialog reads, changes and writes, without any window: the
// sound entries, the card speed steps, the look chosen on the look pages and
// how it reaches the text store, and the player's list of own backgrounds.

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace cardoria {

struct Session;
class IniProfile;
class TextStore;

inline constexpr const char* kCustomBackgroundsSection = "Customized backgrounds";

// One entry of the sound tree: its state, heading, caption, the sound played
// as its test, its preference key and the key's text store position.
struct SoundEntry {
  int state;
  const char* heading;
  const char* caption;
  const char* testSound;
  const char* key;
  int position;
};
extern const std::array<SoundEntry, 19> kSoundEntries;
// The headings in tree order, and the entries under each in tree order.
extern const std::array<const char*, 4> kSoundHeadings;
std::vector<const SoundEntry*> SoundEntriesUnder(const std::string& heading);

// "Card speed": slider positions 1 (slow) to 5 (fast) against milliseconds.
int SpeedOfSlider(int position);
// The position whose speed is nearest (the slower one on a tie).
int SliderOfSpeed(int speed);

// The eight names of the winning-animation list, "(Random)" first.
extern const std::array<const char*, 8> kWinningAnimations;

// The player's own pictures are listed by a caption: the file name, " (",
// the folder with its trailing separator, ")".
std::string CustomBackgroundCaption(const std::string& path);
// The caption taken apart at its first " (" (trailing spaces and the ")"
// dropped): folder followed by file name.
std::string CustomBackgroundPath(const std::string& caption);
// A file name or a folder may hold " (" itself: each split is tried in turn
// and the first that names an existing file wins; with none, the first split.
std::string FindCustomBackgroundPath(const std::string& caption, const std::function<bool(const std::string&)>& exists);

// The captions under "Background000", "Background001", ... up to the first
// missing or empty key, trailing spaces dropped.
std::vector<std::string> ReadCustomBackgrounds(const IniProfile& settings);
// Written under the first free key.
bool AddCustomBackground(IniProfile& settings, const std::string& caption);
// Every key holding this caption goes; the rest are written again from 000
// on, so the list has no gap and no key is left behind.
bool DeleteCustomBackground(IniProfile& settings, const std::string& caption);

// Kinds of background entries by their state.
inline constexpr int kPlayerPicture = -102;
inline constexpr int kCustomColourEntry = 1;
inline constexpr int kCustomisedHeading = -100;
inline constexpr int kCustomisePlaceholder = -101;
inline bool IsProgramPicture(int state) { return state >= 2 && state <= 1000; }
inline bool IsFixedColour(int state) { return state > 1000; }

// What the look pages have chosen.
struct LookChoice {
  std::string cardChoice = "001B";  // 3-digit set and size letter
  int backState = 0;                // the selected back entry, 0 for none or a heading
  int backgroundState = 0;          // the selected background entry
  std::string backgroundCaption;    // its caption (for a picture of the player's)
  int customColour = 0;
  bool fade = true;
  bool irregularPiles = false;
};

// The look preferences as the dialog found them.
struct LookSnapshot {
  std::array<std::string, 10> values;
};
LookSnapshot TakeLookSnapshot(const TextStore& store);
void RestoreLook(TextStore& store, const LookSnapshot& snapshot);

// The back the choice gives: 11 for any size but the big one, else the
// selected back, else the one stored now.
int ChosenBack(const TextStore& store, const LookChoice& choice);
// Puts the choice into the text store (only there) and returns what the
// settings file's "Customized_Background" must say for it.
std::string StoreLook(Session& session, const LookChoice& choice,
                      const std::function<bool(const std::string&)>& exists);

}  // namespace cardoria
