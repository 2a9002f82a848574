#pragma once
// Start-up: the stores, the resource library, the preferences and the
// housekeeping of the installation directory, in the order the main window's
// creation runs them. Everything here is plain computation over the session
// and the ports; the window applies the WindowSetup it returns.

#include <string>
#include <vector>

#include "app/Preferences.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Random.h"
#include "platform/Screen.h"

namespace cardoria {

struct Session;

struct StartupPorts {
  Messages& messages;
  const Screen& screen;
  Clock& clock;
  Random& random;
};

inline constexpr const char* kResourceLibraryFile = "KRT.RGF";
inline constexpr const char* kInstallationMarker = "KRTV0440.DAT";
inline constexpr const char* kInstallationMarkerText = "Cardoria version: 04.40";

// The names of the twelve cursors by their numbers (10-15 and 20-25).
struct CursorName {
  int number;
  const char* name;
};
extern const CursorName kCursorNames[12];

// Fresh stores for a run from `programDir`.
void InitializeSession(Session& session, const std::string& programDir);

// False when the program must stop (the fatal message has been shown).
bool MainFormCreate(Session& session, StartupPorts& ports, WindowSetup& setup);

// The one-time work of the first activation that needs no later subsystem.
void FirstActivation(Session& session);

void WriteInstallationMarker(Session& session);
// Relative names of files older installations left behind, as present now.
std::vector<std::string> OlderInstallationFiles(const Session& session);
void RemoveOlderInstallationFiles(const Session& session);

}  // namespace cardoria
