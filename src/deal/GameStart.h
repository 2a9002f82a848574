#pragma once
// Starting a game: preparing the table for a game, drawing a deal number,
// dealing the piles as the rules say and starting the clock. The window, the
// play engine and the player are reached through the ports below, so all of
// it runs headless.

#include <string>

#include "core/TextHelpers.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Random.h"
#include "platform/Screen.h"

namespace cardoria {

struct Session;

// What starting a game asks of the main window.
class GameWindow {
 public:
  enum class Commands {
    Customize,       // the options command
    Autoplay,        // menu item and both buttons
    SaveAndUndo,     // Save, Snapshot position, Hold and exit, Undo, Redo
    PauseAndQuit,    // Pause and Quit game
    Snapshot,        // Snapshot position
    Game,            // the game commands, disabled while no game is open
    UndoRedo,        // Undo and Redo, always together
    UndoToSnapshot,  // Undo to snapshot
  };
  virtual ~GameWindow() = default;
  virtual void SetCommandsEnabled(Commands commands, bool enabled) = 0;
  virtual bool GameCommandsEnabled() const = 0;
  virtual void ShowWaitCursor() = 0;
  virtual void RestoreCursor() = 0;
  virtual void Repaint() = 0;
  virtual void UpdateTitle() = 0;
  virtual void SetTimeText(const std::string& text) = 0;
  virtual void SetScoreText(const std::string& text) = 0;
  virtual void ReloadCardImages() = 0;
  // Pile positions, fan steps and the scroll range for the current rules.
  virtual void LayOutTable() = 0;
  // Random looks when chosen, and the background into the table picture.
  virtual void PrepareBackground() = 0;
  virtual void DrawDeal(bool animate) = 0;
  virtual void PlaySound(const std::string& name, bool wait) = 0;
  // Ends the demo that plays on the table, if any, and brings the player's
  // own game back to it. A window without demos has nothing to do.
  virtual void LeaveDemo() {}
};

// What starting a game asks of the play engine.
class PlayEngine {
 public:
  virtual ~PlayEngine() = default;
  // Moves a card from wherever it lies onto a foundation when that is legal.
  virtual bool TryFoundation(Session& session, int card, int foundation) = 0;
  virtual void UpdateScore(Session& session) = 0;
  // Ends the game in progress; true when it was won.
  virtual bool EndGame(Session& session) = 0;
  // Autoplay after the deal, with the automatic refills between its runs.
  virtual void AutoplayAfterDeal(Session& session) = 0;
};

struct GameStartPorts {
  Messages& messages;
  const Screen& screen;
  Random& random;
  Clock& clock;
  GameWindow& window;
  PlayEngine& engine;
};

inline constexpr const char* kQuitThisGame = "Quit this game?";

bool ConfirmAbandonGame(Session& session, GameStartPorts& ports, const std::string& question = kQuitThisGame);
void NewDealNumber(Session& session, GameStartPorts& ports);
// Rules, card set, commands and layout for the game numbered in the store.
bool PrepareTable(Session& session, GameStartPorts& ports);
// dealMode 2 draws a new deal number, 1 deals the one already set.
bool StartGame(Session& session, GameStartPorts& ports, bool newDeal, bool animate, int dealMode, bool keepTable);
bool OpenGame(Session& session, GameStartPorts& ports, int number, const std::string& name, const std::string& player,
              int dealMode, bool remember);

// The menu commands.
void NewGameCommand(Session& session, GameStartPorts& ports);
void RandomGameCommand(Session& session, GameStartPorts& ports);

// Deals the piles from a fresh DealList; false when the shuffle refused.
bool DealPiles(Session& session, GameStartPorts& ports);
// Moves n cards (or the 1001-1499 and 1501-1599 forms) from the list to a pile.
void DealCards(Session& session, TextList& dealList, int n, int group, int index);

}  // namespace cardoria
