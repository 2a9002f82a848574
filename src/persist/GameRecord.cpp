#include "persist/GameRecord.h"

#include "core/Session.h"
#include "engine/PlayPorts.h"
#include "persist/DataChange.h"
#include "persist/FileSystem.h"
#include "persist/HiScores.h"
#include "persist/Statistics.h"
#include "platform/Messages.h"

namespace cardoria {

bool RecordGameResult(Session& session, const GameResult& result, StatsPorts& ports) {
  const std::string runWins = session.store.Get(pos::kRunWins, 4), runLosses = session.store.Get(pos::kRunLosses, 4);
  std::optional<int> rank;
  std::string failed;
  {
    DataChange change(session, ports.files);
    if (change.Ready() && RecordStatistics(session, ports.files, result)) {
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
    // The log line goes last: once it is written the game is recorded, and a
    // crash before it takes back everything else.
    if (rank && !AppendGameLogLine(session, ports.files, result)) rank.reset();
    if (rank && !change.Commit()) rank.reset();
    if (!rank) {
      failed = change.Ready() ? ports.files.FailedPath() : session.PathOf(kChangeJournalFile);
      change.Abandon();
    }
  }
  if (!rank) {
    session.store.Set(pos::kRunWins, 4, runWins);
    session.store.Set(pos::kRunLosses, 4, runLosses);
    ports.messages.ShowInfo(WriteErrorText(failed.empty() ? session.PathOf(kStatFile) : failed) +
                            "\rThe result of this game was not recorded.");
    return false;
  }
  AnnounceHiScore(session, ports, result.gameNumber, *rank);
  return true;
}

}  // namespace cardoria
