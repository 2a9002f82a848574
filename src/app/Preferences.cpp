#include "app/Preferences.h"

#include <algorithm>
#include <cctype>

#include "core/Session.h"
#include "core/TextHelpers.h"
#include "persist/Players.h"
#include "table/RandomLooks.h"

namespace cardoria {

namespace {

// A switch keeps its first character in upper case ("yes" reads as "Y"); an
// empty value takes the default.
std::string SwitchValue(std::string_view raw, std::string_view fallback) {
  if (raw.empty()) return std::string(fallback);
  return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(raw.front()))));
}

struct SwitchKey {
  const char* key;
  const char* fallback;
  int position;
};

// The "Y"/"N" keys in the order they are read, after "Cards_Shadowed".
constexpr SwitchKey kLaterSwitches[] = {
    {"Piles_TT", "N", 179},
    {"Automatic_FaceUp", "Y", 239},
    {"Deal_Animation", "Y", 241},
    {"Redeal_Animation", "Y", 242},
};

constexpr SwitchKey kSoundAndPlaySwitches[] = {
    {"ConfirmQuitGame", "Y", 185},
    {"ConfirmEnterHiScores", "Y", 186},
    {"Sounds_Enabled", "Y", 141},
    {"Sounds_About", "Y", 142},
    {"Sounds_Autoplay", "Y", 143},
    {"Sounds_CardDown", "Y", 181},
    {"Sounds_CardUp", "Y", 182},
    {"Sounds_NewHiScores", "Y", 174},
    {"Sounds_FaceUp", "Y", 180},
    {"Sounds_GameWon", "Y", 144},
    {"Sounds_HiScores", "Y", 171},
    {"Sounds_NewGame", "Y", 145},
    {"Sounds_Pairing", "Y", 175},
    {"Sounds_Redeal", "Y", 183},
    {"Sounds_Redeal_Without_Animation", "Y", 252},
    {"Sounds_Redo", "Y", 146},
    {"Sounds_Restart", "Y", 147},
    {"Sounds_Shuffle", "Y", 149},
    {"Sounds_Splash", "Y", 148},
    {"Sounds_Stock", "Y", 176},
    {"Sounds_Foundation", "Y", 184},
    {"Sounds_Tableau", "Y", 177},
    {"Sounds_Undo", "Y", 151},
    {"Random_Background", "N", 152},
    {"Random_Card", "N", 187},
    {"Random_Deck", "N", 188},
    {"VertScrollBar", "Y", 243},
    {"ShowPilesSize", "N", 245},
    {"Show_Main_Popup_Menu", "Y", 253},
    {"RightClick_To_Foundations", "Y", 247},
    {"RightClick_To_Tableaus", "Y", 248},
    {"DoubleClick_To_Foundations", "Y", 249},
    {"DoubleClick_To_Tableaus", "N", 251},
};

constexpr int kDefaultBackgroundCol = -2147483633;  // the system button-face colour

class PreferenceReader {
 public:
  PreferenceReader(Session& session) : settings_(session.settings), store_(session.store) {}

  std::string Raw(const char* key, std::string_view fallback = {}) const {
    return settings_.ReadString(kPreferenceSection, key, fallback);
  }
  std::string Switch(const char* key, std::string_view fallback) const { return SwitchValue(Raw(key), fallback); }
  void StoreSwitch(const SwitchKey& entry) { store_.Set(entry.position, 1, Switch(entry.key, entry.fallback)); }
  // An integer inside [low, high], else the default.
  int Int(const char* key, int fallback, int low, int high) const {
    const int value = settings_.ReadInt(kPreferenceSection, key, fallback);
    return value >= low && value <= high ? value : fallback;
  }

 private:
  const IniProfile& settings_;
  TextStore& store_;
};

}  // namespace

WindowSetup ReadPreferences(Session& session, const Screen& screen) {
  PreferenceReader read(session);
  TextStore& store = session.store;
  WindowSetup setup;

  store.Set(pos::kShowToolTips, 1, read.Switch("Show_ToolTips", "Y"));
  setup.toolbarLarge = read.Switch("ToolBar_Large", "N") == "Y";
  setup.toolbarFlat = read.Switch("ToolBar_Flat", "Y") == "Y";

  int backCard = read.Int("Back_Card", 11, 0, 999);
  const int cardSetDefault = screen.Shows256ColorsOrFewer() ? 3 : 1;
  const int cardSet = read.Int("Card", cardSetDefault, 1, 5);
  std::string cardSize = read.Switch("Card_Size", "B");
  if (cardSize != "B" && cardSize != "M" && cardSize != "L") cardSize = "B";
  // The other sizes have only one back.
  if (cardSize != "B") backCard = 11;
  if (backCard == 0) backCard = 1;
  // Only a back the Images folder holds can be chosen.
  const std::vector<std::string> backs = InstalledPictures(session, "db");
  if (std::find(backs.begin(), backs.end(), "db" + ZeroPad(backCard, 3) + ".bmp") == backs.end()) backCard = 11;
  store.Set(pos::kBackCard, 3, ZeroPad(backCard, 3));
  store.Set(pos::kCard, 3, ZeroPad(cardSet, 3));
  store.Set(pos::kCardSize, 1, cardSize);

  // A picture number of up to 4 digits; anything else shows a colour.
  std::string backgroundBmp = read.Raw("Background_bmp");
  if (backgroundBmp.empty() || backgroundBmp.size() > 4 || !IsAllDigits(backgroundBmp)) backgroundBmp = "0";
  store.Set(pos::kBackgroundBmp, 4, backgroundBmp);
  store.Set(pos::kBackgroundFixedCol, 15,
            std::to_string(read.Int("Background_Fixed_Col", 32768, INT32_MIN, INT32_MAX)));
  int backgroundCol = read.Int("Background_Col", kDefaultBackgroundCol, INT32_MIN, INT32_MAX);
  if (backgroundCol == 0) backgroundCol = kDefaultBackgroundCol;
  store.Set(pos::kBackgroundCol, 15, std::to_string(backgroundCol));
  store.Set(pos::kBackgroundDef, 1, read.Switch("Background_def", "N"));
  store.Set(pos::kFadeBackground, 1, read.Switch("Fade_Background", "Y"));
  store.Set(pos::kCustomizedBackground, 1, read.Raw("Customized_Background").empty() ? "N" : "Y");

  // A number that names no game (0, a negative one, one the catalogue does
  // not hold) opens none; the catalogue check turns the rest into -1.
  const int game = session.settings.ReadInt(kPreferenceSection, "Game", 1);
  store.Set(pos::kGameNumber, 4, ZeroPad(game >= 0 && game <= 9999 ? game : -1, 4));
  store.Set(pos::kGameName, 50, read.Raw("Game_name", "Freecell"));
  if (store.Get(pos::kGameName, 50).empty()) store.Set(pos::kGameName, 50, "Freecell");

  store.Set(pos::kShowTime, 1, read.Switch("Show_Time", "Y"));
  store.Set(pos::kShowScore, 1, read.Switch("Show_Score", "Y"));
  const std::string animate = read.Switch("Cards_Animate", "Y");
  store.Set(pos::kCardsAnimate, 1, animate);
  store.Set(pos::kCardsShadowed, 1, read.Switch("Cards_Shadowed", animate));
  for (const auto& entry : kLaterSwitches) read.StoreSwitch(entry);

  store.Set(pos::kLanguage, 6, std::to_string(read.Int("Language", 20000, 1, 999999)));
  store.Set(pos::kSpeedMoveCard, 2, std::to_string(read.Int("Speed_Move_Card", 10, 0, 99)));
  store.Set(pos::kStatusBar, 1, read.Switch("StatusBar", "N"));
  store.Set(pos::kPlayerName, 30, read.Raw("UserDefault"));
  std::string undo = read.Raw("Undo_Enabled", "0");
  if (undo != "0" && undo != "1" && undo != "2") undo = "0";
  store.Set(pos::kUndoEnabled, 1, undo);
  for (const auto& entry : kSoundAndPlaySwitches) read.StoreSwitch(entry);
  store.Set(pos::kCursor, 2, std::to_string(read.Int("Cursor", 10, 10, 15)));
  setup.autoplay = read.Switch("AutoPlay", "Y") == "Y";

  store.Set(pos::kScoreScheme, 2, "01");
  setup.showTime = store.IsY(pos::kShowTime);
  setup.showScore = store.IsY(pos::kShowScore);
  setup.showStatusBar = !(store.Get(pos::kStatusBar, 1) == "N");
  setup.cursor = store.GetInt(pos::kCursor, 2);
  setup.shadowSize = store.Get(pos::kCardsShadowed, 1) == "N" ? 0 : 9;
  setup.undoRedoEnabled = undo != "2";
  return setup;
}

void EnsureDefaultPlayer(Session& session, Messages& messages) {
  const std::string stored = session.settings.ReadString(kPreferenceSection, "UserDefault", "");
  if (!stored.empty()) {
    std::string notice;
    const std::string name = PlayerNameFromFile(stored, kDefaultPlayer, session.settings.Path(), notice);
    session.store.Set(pos::kPlayerName, 30, name);
    if (notice.empty()) return;
    session.settings.WriteString(kPreferenceSection, "UserDefault", name);
    messages.ShowInfo(notice);
    return;
  }
  session.store.Set(pos::kPlayerName, 30, kDefaultPlayer);
  session.settings.WriteString(kPreferenceSection, "UserDefault", kDefaultPlayer);
  if (!session.settings.Entries(kUsersSection).empty()) return;
  session.settings.WriteString(kUsersSection, "User001", "Player 1");
  session.settings.WriteString(kUsersSection, "User002", "Player 2");
  session.settings.WriteString(kUsersSection, "User003", "Player 3");
}

WindowState ReadWindowState(const IniProfile& settings, const ScreenInfo& screen) {
  WindowState state;
  const int defaultWidth = std::max(320, screen.width - 150);
  const int defaultHeight = std::max(240, screen.height - 150);
  auto read = [&](const char* key, int fallback) { return settings.ReadInt(kPreferenceSection, key, fallback); };
  state.width = read("MainWindowState_Width", defaultWidth);
  state.height = read("MainWindowState_Height", defaultHeight);
  // A size no window can have, or a place from which no part of the window
  // would be on the screen, falls back to the default.
  if (state.width < 200 || state.width > 16384) state.width = defaultWidth;
  if (state.height < 150 || state.height > 16384) state.height = defaultHeight;
  state.left = read("MainWindowState_Left", 50);
  state.top = read("MainWindowState_Top", 50);
  if (state.left > screen.width - 50 || state.left + state.width < 50) state.left = 50;
  if (state.top > screen.height - 50 || state.top < -50) state.top = 50;
  state.maximized = settings.ReadString(kPreferenceSection, "MainWindowState_Maximized", "Y") == "Y";
  return state;
}

void WriteWindowState(IniProfile& settings, const WindowState& state) {
  if (state.maximized) {
    settings.WriteString(kPreferenceSection, "MainWindowState_Maximized", "Y");
    return;
  }
  settings.WriteString(kPreferenceSection, "MainWindowState_Maximized", "N");
  settings.WriteInt(kPreferenceSection, "MainWindowState_Left", state.left);
  settings.WriteInt(kPreferenceSection, "MainWindowState_Top", state.top);
  settings.WriteInt(kPreferenceSection, "MainWindowState_Width", state.width);
  settings.WriteInt(kPreferenceSection, "MainWindowState_Height", state.height);
}

void TellPreferenceProblems(Session& session, Messages& messages) {
  session.settings.OnProblem([&session, &messages](IniProfile::Problem problem) {
    if (session.settingsProblemTold) return;
    session.settingsProblemTold = true;
    const std::string& path = session.settings.Path();
    if (problem == IniProfile::Problem::Unreadable) {
      messages.ShowInfo("The preferences file could not be read:\r" + path +
                        "\rThe program uses the default settings and leaves the file as it is; settings changed in "
                        "this run will not be kept.");
    } else {
      messages.ShowInfo("The preferences file could not be saved:\r" + path +
                        "\rCheck that its folder can be written and the disk is not full. Settings changed in this "
                        "run may be lost.");
    }
  });
}

void ShowMessageOnce(Session& session, Messages& messages, const std::string& text, const std::string& key) {
  if (session.settings.ReadString(kShowMessagesSection, key, "Y") == "N") return;
  if (messages.ShowInfoOnce(text)) session.settings.WriteString(kShowMessagesSection, key, "N");
}

std::string WindowCaption(const Session& session) {
  std::string caption = std::string(kProductName) + " [" + session.store.Get(pos::kGameName, 50) + "]" + "  [" +
                        session.store.Get(pos::kPlayerName, 30) + "]";
  const std::string deal = session.store.Get(pos::kDealNumber, 15);
  if (!deal.empty()) caption += "  [" + deal + "]";
  return caption;
}

}  // namespace cardoria
