#pragma once
// The help pages the build writes beside the catalogue: a rules page per
// game (its rules text and a box of facts read from its rule values), the
// dialogs' topics, a contents page and a page on how to play.

#include <string>
#include <utility>
#include <vector>

#include "GameSource.h"
#include "core/GameRules.h"

namespace cardoria {

struct Session;

struct HelpGame {
  int number = 0;
  std::string name;
  std::string rulesText;
  GameRules rules;
};

struct HelpFact {
  std::string label;
  std::string text;
};

// What the values make of the game, in words: the same values the engine
// plays by, so the box can not say otherwise than the table does.
std::vector<HelpFact> RulesFacts(const GameRules& rules);

// Every page as (file name, HTML), the file names those of HelpPageFile.
std::vector<std::pair<std::string, std::string>> HelpPages(const std::vector<HelpGame>& games);

// The games of the sources with their rules as the program loads them from
// the compiled catalogue of `session` (whose catalogue is loaded). A game the
// loader refuses is reported and left out.
std::vector<HelpGame> LoadHelpGames(Session& session, const std::vector<std::pair<std::string, GameSource>>& sources,
                                    std::vector<SourceError>& errors);

}  // namespace cardoria
