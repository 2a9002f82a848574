#include "persist/GameRecord.h"

#include "core/Session.h"
#include "engine/PlayPorts.h"
#include "persist/FileSystem.h"
#include "persist/HiScores.h"
#include "persist/Statistics.h"
#include "platform/Messages.h"

namespace cardoria {

bool RecordGameResult(Session& session, const GameResult& result, StatsPorts& ports) {
  const std::string runWins = session.store.Get(pos::kRunWins, 4), runLosses = session.store.Get(pos::kRunLosses, 4);
  ports.files.BeginChanges();
  std::optional<int> rank;
  if (RecordStatistics(session, ports.files, result)) {
    HiScoreOffer offer;
    offer.game = result.gameNumber;
    offer.player = result.player;
    offer.dateTime = result.endTime;
    offer.elapsedSeconds = result.elapsedSeconds;
    offer.score = TextToIntDef(result.score, 0);
    offer.won = result.won;
    offer.dealNumber = result.dealNumber;
    rank = EnterHiScore(session, ports, offer);
  }
  if (!rank) {
    ports.files.UndoChanges();
    session.store.Set(pos::kRunWins, 4, runWins);
    session.store.Set(pos::kRunLosses, 4, runLosses);
    ports.messages.ShowInfo(WriteErrorText(session.PathOf(kStatFile)) + "\rThe result of this game was not recorded.");
    return false;
  }
  ports.files.KeepChanges();
  AnnounceHiScore(session, ports, result.gameNumber, *rank);
  return true;
}

}  // namespace cardoria
