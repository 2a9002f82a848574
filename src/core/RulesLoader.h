#pragma once
// Filling the rules record of the current game from the catalogue, with the
// overrides of a customized game, and keeping the entries a deal rewrites.

#include <functional>
#include <optional>
#include <string>

namespace cardoria {

struct Session;
class Messages;

// Loads the rules of the game numbered by the text store's game number into
// the (cleared) record. False, after a message naming the file, when the
// catalogue can not give them; the record is then left cleared.
bool LoadGameRules(Session& session, Messages& messages);

// Copies TableauSpace (109-136) and FoundationBase (45-60) aside, or back.
void SaveDealBase(Session& session);
void RestoreDealBase(Session& session);

// What makes a game's rules impossible to deal, in words that follow "game
// N": no pack, or cards dealt to a column, reserve or foundation the game does
// not have.
// Nothing when they can be dealt. `value` gives a rule by its index.
std::optional<std::string> DealProblem(const std::function<int(int index)>& value);

// Applies a customized game's override text to the loaded rules.
void ApplyCustomOverrides(Session& session, const std::string& overrides);

}  // namespace cardoria
