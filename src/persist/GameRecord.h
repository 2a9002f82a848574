#pragma once
// The records of a finished game: the game log line, the player's statistics,
// the hi-score table and the overall score, in that order. They are kept
// together: when one of the files can not be written, none changes.

#include "persist/StatsPorts.h"

namespace cardoria {

struct Session;
struct GameResult;

// False, after telling the player, when the result could not be recorded;
// every file is then as it was and the run counters are unchanged.
bool RecordGameResult(Session& session, const GameResult& result, StatsPorts& ports);

}  // namespace cardoria
