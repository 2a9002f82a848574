#pragma once
// The preferences file and what start-up takes from it.

#include <string>

#include "platform/IniProfile.h"
#include "platform/Messages.h"
#include "platform/Screen.h"

namespace cardoria {

struct Session;

inline constexpr const char* kSettingsFile = "DATA\\CFG.DAT";
inline constexpr const char* kPreferenceSection = "Preference";
inline constexpr const char* kUsersSection = "Users";
inline constexpr const char* kShowMessagesSection = "Show_Messages";
inline constexpr const char* kProductName = "Cardoria 2000";

// What the main window takes from the preferences when it is created.
struct WindowSetup {
  bool toolbarLarge = false;
  bool toolbarFlat = true;
  bool showTime = true;
  bool showScore = true;
  bool showStatusBar = false;
  bool undoRedoEnabled = true;
  bool autoplay = true;
  int cursor = 10;
  int shadowSize = 9;
  std::string timeText = "0:00:00";
};

// Copies the "Preference" keys into the text store, each value checked and
// replaced by its default when it can not be used.
WindowSetup ReadPreferences(Session& session, const Screen& screen);

// An empty "UserDefault" becomes "Player 1"; the three default players are
// written only into an empty player list. A name that can not be used (one
// that would break the statistics files) becomes "Player 1", and the player
// is told.
void EnsureDefaultPlayer(Session& session, Messages& messages);

struct WindowState {
  int left = 50;
  int top = 50;
  int width = 0;
  int height = 0;
  bool maximized = true;
  bool operator==(const WindowState&) const = default;
};

WindowState ReadWindowState(const IniProfile& settings, const ScreenInfo& screen);
void WriteWindowState(IniProfile& settings, const WindowState& state);

// From now on the player is told, once in the run, when the preferences file
// can not be read or a write to it fails; the file is left as it is.
void TellPreferenceProblems(Session& session, Messages& messages);

// A notice the player can silence for good with its check box.
void ShowMessageOnce(Session& session, Messages& messages, const std::string& text, const std::string& key);

// The window caption for the current game, player and deal.
std::string WindowCaption(const Session& session);

}  // namespace cardoria
