#pragma once
// The games the program can play: the catalogue list loaded from "GAMES.DAT"
// at start-up and the lookups on it, which fall back to the customized games
// for numbers from 8000 up.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/TextHelpers.h"

namespace cardoria {

struct Session;
class Messages;
class Screen;

inline constexpr int kCustomizedFamily = 800;

// Fills the catalogue from "GAMES.DAT". False, after the "Cannot find file"
// message or one naming the damaged file, when the program can not go on.
// Afterwards a current game that is not in the catalogue is closed.
bool LoadCatalogue(Session& session, Messages& messages);

// The lines of "GAMES.DAT" as stored, or nothing when it can not be read.
std::optional<TextList> ReadCatalogueFile(const Session& session);

int CatalogueIndexOf(const Session& session, int number);
std::string GameNameOf(const Session& session, int number);
int GameNumberOf(const Session& session, std::string_view name);
int FamilyOf(const Session& session, int number);
// A built-in game of our own design, with no published source (a customized
// game is a variant of its base game, not a design of ours).
bool IsOwnDesign(const Session& session, int number);
// Names of all catalogue and customized games, sorted without regard to case.
TextList SortedGameNames(const Session& session);
// False, after telling the player, when a game that needs 800 pixels meets a
// screen narrower than 650.
bool CheckScreenFor(const Session& session, Messages& messages, const Screen& screen, int number);

// Values of single rules of one game read straight from the file; -99 for
// each index passed as -1, and for any value the file does not hold.
std::vector<int> GameRuleValue(const Session& session, int number, const std::vector<int>& indexes);
// One line per catalogue game: rule a and rule b, each ZeroPad-ed to 10.
TextList GameRulePairs(const Session& session, int indexA, int indexB);

}  // namespace cardoria
