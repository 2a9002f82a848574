#include "app/CustomizeValues.h"

#include <algorithm>
#include <cstdlib>

#include "core/Session.h"
#include "core/TextHelpers.h"
#include "platform/IniProfile.h"

namespace cardoria {

const std::array<SoundEntry, 19> kSoundEntries = {{
    {1, "Actions", "New game", "New", "Sounds_NewGame", 145},
    {2, "Actions", "Redo", "Redo", "Sounds_Redo", 146},
    {3, "Actions", "Restart game", "Restart", "Sounds_Restart", 147},
    {4, "Actions", "Undo", "Undo", "Sounds_Undo", 151},
    {5, "Cards", "Automatic deal", "Shuffle", "Sounds_Shuffle", 149},
    {6, "Cards", "Autoplay move", "Autoplay", "Sounds_Autoplay", 143},
    {7, "Cards", "Card down", "Card_down", "Sounds_CardDown", 181},
    {8, "Cards", "Card up", "Card_up", "Sounds_CardUp", 182},
    {9, "Cards", "Deal a card from the stock", "Stock", "Sounds_Stock", 176},
    {10, "Cards", "Turn a card face up", "Face_up", "Sounds_FaceUp", 180},
    {11, "Cards", "Pairing cards", "Pairing", "Sounds_Pairing", 175},
    {12, "Cards", "Play a card to a foundation", "Foundation", "Sounds_Foundation", 184},
    {13, "Cards", "Play a card to the tableau", "Tableau", "Sounds_Tableau", 177},
    {14, "Cards", "Redeal with animation", "Redeal", "Sounds_Redeal", 183},
    {15, "Dialog box", "About", "About", "Sounds_About", 142},
    {16, "Dialog box", "Hi-Scores", "Hi-Scor", "Sounds_HiScores", 171},
    {17, "System", "Enter Hi-Scores", "Scores", "Sounds_NewHiScores", 174},
    {18, "System", "Game won (applause)", "Won", "Sounds_GameWon", 144},
    {19, "Cards", "Redeal without animation", "red_no_a", "Sounds_Redeal_Without_Animation", 252},
}};

const std::array<const char*, 4> kSoundHeadings = {"Actions", "Cards", "Dialog box", "System"};

std::vector<const SoundEntry*> SoundEntriesUnder(const std::string& heading) {
  // The tree lists the entries of a heading by caption.
  static const int kCardsOrder[] = {5, 6, 7, 8, 9, 11, 12, 13, 14, 19, 10};
  std::vector<const SoundEntry*> entries;
  if (heading == "Cards") {
    for (int state : kCardsOrder) entries.push_back(&kSoundEntries[static_cast<std::size_t>(state - 1)]);
    return entries;
  }
  for (const SoundEntry& entry : kSoundEntries)
    if (heading == entry.heading) entries.push_back(&entry);
  return entries;
}

namespace {
constexpr int kSpeeds[5] = {50, 25, 10, 3, 0};
}

int SpeedOfSlider(int position) { return kSpeeds[std::clamp(position, 1, 5) - 1]; }

int SliderOfSpeed(int speed) {
  int best = 1;
  for (int position = 2; position <= 5; ++position)
    if (std::abs(kSpeeds[position - 1] - speed) < std::abs(kSpeeds[best - 1] - speed)) best = position;
  return best;
}

const std::array<const char*, 8> kWinningAnimations = {"(Random)",   "Festoons",      "Circles",    "Lines",
                                                       "Open order", "Left to right", "Up to down", "(None)"};

std::string CustomBackgroundCaption(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  if (slash == std::string::npos) return path + " ()";
  return path.substr(slash + 1) + " (" + path.substr(0, slash + 1) + ")";
}

namespace {

// The caption without its trailing spaces and its closing bracket.
std::string CaptionBody(const std::string& caption) {
  std::string body = TrimRightSpaces(caption);
  if (!body.empty()) body.pop_back();
  return body;
}

}  // namespace

std::string CustomBackgroundPath(const std::string& caption) {
  const std::string body = CaptionBody(caption);
  const std::size_t split = body.find(" (");
  if (split == std::string::npos) return body;
  return body.substr(split + 2) + body.substr(0, split);
}

std::string FindCustomBackgroundPath(const std::string& caption,
                                     const std::function<bool(const std::string&)>& exists) {
  const std::string body = CaptionBody(caption);
  for (std::size_t split = body.find(" ("); split != std::string::npos; split = body.find(" (", split + 1)) {
    const std::string path = body.substr(split + 2) + body.substr(0, split);
    if (exists(path)) return path;
  }
  return CustomBackgroundPath(caption);
}

namespace {

std::string BackgroundKey(std::size_t index) { return "Background" + ZeroPad(static_cast<long long>(index), 3); }

}  // namespace

std::vector<std::string> ReadCustomBackgrounds(const IniProfile& settings) {
  std::vector<std::string> captions;
  for (std::size_t index = 0; index < 1000; ++index) {
    std::string caption = TrimRightSpaces(settings.ReadString(kCustomBackgroundsSection, BackgroundKey(index), ""));
    if (caption.empty()) break;
    captions.push_back(std::move(caption));
  }
  return captions;
}

bool AddCustomBackground(IniProfile& settings, const std::string& caption) {
  return settings.WriteString(kCustomBackgroundsSection, BackgroundKey(ReadCustomBackgrounds(settings).size()),
                              caption);
}

bool DeleteCustomBackground(IniProfile& settings, const std::string& caption) {
  std::vector<std::pair<std::string, std::string>> kept;
  for (const std::string& entry : ReadCustomBackgrounds(settings))
    if (entry != caption) kept.emplace_back(BackgroundKey(kept.size()), entry);
  return settings.ReplaceSection(kCustomBackgroundsSection, kept);
}

namespace {

struct LookField {
  int position;
  int width;
};
constexpr LookField kLookFields[10] = {
    {pos::kCardSize, 1},
    {pos::kCard, 3},
    {pos::kFadeBackground, 1},
    {pos::kBackCard, 3},
    {pos::kBackgroundBmp, 4},
    {pos::kBackgroundCol, 15},
    {pos::kBackgroundFixedCol, 15},
    {pos::kBackgroundDef, 1},
    {pos::kCustomizedBackground, 1},
    {179, 1},  // Piles_TT
};

}  // namespace

LookSnapshot TakeLookSnapshot(const TextStore& store) {
  LookSnapshot snapshot;
  for (std::size_t i = 0; i < snapshot.values.size(); ++i)
    snapshot.values[i] = store.Get(kLookFields[i].position, kLookFields[i].width);
  return snapshot;
}

void RestoreLook(TextStore& store, const LookSnapshot& snapshot) {
  for (std::size_t i = 0; i < snapshot.values.size(); ++i)
    store.Set(kLookFields[i].position, kLookFields[i].width, snapshot.values[i]);
}

int ChosenBack(const TextStore& store, const LookChoice& choice) {
  if (choice.cardChoice.size() < 4 || choice.cardChoice[3] != 'B') return 11;
  if (choice.backState > 0) return choice.backState;
  const int stored = store.GetInt(pos::kBackCard, 3);
  return stored > 0 ? stored : 11;
}

std::string StoreLook(Session& session, const LookChoice& choice,
                      const std::function<bool(const std::string&)>& exists) {
  TextStore& store = session.store;
  if (choice.cardChoice.size() >= 4) {
    store.Set(pos::kCard, 3, choice.cardChoice.substr(0, 3));
    store.Set(pos::kCardSize, 1, choice.cardChoice.substr(3, 1));
  }
  store.Set(pos::kFadeBackground, 1, choice.fade ? "Y" : "N");
  store.Set(pos::kBackCard, 3, ZeroPad(ChosenBack(store, choice), 3));
  const int state = choice.backgroundState;
  const bool player = state == kPlayerPicture;
  const bool isDefault = state <= 0 && !player;
  store.Set(pos::kBackgroundDef, 1, isDefault ? "Y" : "N");
  store.Set(pos::kCustomizedBackground, 1, player ? "Y" : "N");
  store.Set(pos::kBackgroundBmp, 4, IsProgramPicture(state) ? std::to_string(state) : "0");
  store.Set(pos::kBackgroundFixedCol, 15, IsFixedColour(state) ? std::to_string(state) : "0");
  store.Set(pos::kBackgroundCol, 15, std::to_string(choice.customColour));
  store.Set(179, 1, choice.irregularPiles ? "Y" : "N");
  return player ? FindCustomBackgroundPath(choice.backgroundCaption, exists) : std::string();
}

}  // namespace cardoria
