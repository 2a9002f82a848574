#pragma once
// What happens around a customized game beyond its file: starting the game
// just made, and deleting one together with its statistics, its hi-scores and
// its place among the favourites.

#include <string>

namespace cardoria {

struct Session;
struct StatsPorts;
struct GameStartPorts;

// What the two operations ask of the main window.
class CustomGameHost {
 public:
  virtual ~CustomGameHost() = default;
  // Ends the game in progress and leaves no game open: no number, no name,
  // the title updated, the game commands disabled and the table cleared.
  virtual void CloseCurrentGame() = 0;
  // The favourites menu and the game selection dialog's lists are built again.
  virtual void CustomGamesChanged() = 0;
  // The game selection dialog.
  virtual void OpenGameSelection() = 0;
};

// Mode 1 comes from the game selection dialog, mode 2 from the rules dialog.
std::string DeleteCustomGameQuestion(const Session& session, int number, int mode, const std::string& name);
// Asks first; false when the player says No or nothing could be deleted.
bool DeleteCustomGame(Session& session, StatsPorts& stats, CustomGameHost& host, int number, int mode,
                      const std::string& name);

// Offers to leave the game in progress for the new customized game and
// starts it when the player agrees; true when it was started.
bool OfferCustomizedGame(Session& session, GameStartPorts& ports, int number, const std::string& name);

}  // namespace cardoria
