#include "app/CustomGameCommands.h"

#include "app/Favourites.h"
#include "core/CustomGames.h"
#include "core/Session.h"
#include "core/TextStore.h"
#include "deal/GameStart.h"
#include "persist/HiScores.h"
#include "persist/Statistics.h"
#include "persist/StatsPorts.h"

namespace cardoria {

std::string DeleteCustomGameQuestion(const Session& session, int number, int mode, const std::string& name) {
  const std::string shown = TrimRightSpaces(name);
  if (mode == 1 && number == session.store.GetInt(pos::kGameNumber, 4))
    return "You are now playing " + shown +
           ".\rAre you sure you want to delete this game?\r"
           "Note: the statistics for this game will also be deleted.";
  return "Are you sure you want to delete this customized game\r" + shown +
         "?\rNote: the statistics for this game will also be deleted.";
}

bool DeleteCustomGame(Session& session, StatsPorts& stats, CustomGameHost& host, int number, int mode,
                      const std::string& name) {
  if (number < kFirstCustomGame) return false;
  if (!stats.messages.AskYesNo(DeleteCustomGameQuestion(session, number, mode, name))) return false;
  if (number == session.store.GetInt(pos::kGameNumber, 4)) host.CloseCurrentGame();
  if (const auto problem = RemoveCustomGame(session, number)) {
    stats.messages.ShowInfo(*problem);
    return false;
  }
  RemoveFavourite(session, TrimRightSpaces(name));
  // Every player's records of the game go, so that a game that takes the
  // number later starts with none.
  ClearStatistics(session, stats, number, "");
  BlankHiScores(session, stats, number);
  ResetRunCounters(session);
  host.CustomGamesChanged();
  return true;
}

bool OfferCustomizedGame(Session& session, GameStartPorts& ports, int number, const std::string& name) {
  if (!session.values.Flag(kGameInProgress) || session.values.Flag(kGameWon)) return false;
  if (!ports.messages.AskYesNo("Do you want to start the new game\r" + name + "\rnow and quit the current game?"))
    return false;
  if (ports.engine.EndGame(session)) return false;
  ResetRunCounters(session);
  session.store.Set(pos::kGameNumber, 4, ZeroPad(number, 4));
  session.store.Set(pos::kGameName, 50, name);
  if (!PrepareTable(session, ports)) return false;
  return StartGame(session, ports, true, true, 2, false);
}

}  // namespace cardoria
