#pragma once
// A game file checked against the game it names, before anything on the
// table changes: the game exists (for a customized game, its base too), the
// table and every undo step hold exactly the pack a deal of that game puts
// out, on the game's own piles, and the pass counter and the deal number are
// within their ranges.

#include <string>

namespace cardoria {

struct Session;
struct GameFile;

// What is wrong, in words for the player; empty when the file fits its game.
// Works on a scratch table: `session` gives the catalogue and settings and
// is left as it is.
std::string GameFileMismatch(const Session& session, const GameFile& file);

}  // namespace cardoria
