#pragma once
// The readable sources of the catalogue: one text file per game, read and
// checked line by line, and written back from a catalogue file.
//
//   # comment
//   Number = 1
//   Name = Freecell
//   Family = 4                  (the tree family, 2-18)
//   Needs800 = no               (yes: the game needs an 800-pixel screen)
//   New = no                    (yes: listed among the new games)
//   OwnDesign = no              (yes: a game of Cardoria's own design, with no
//                                published source; the tree of the "Open a
//                                game" dialog marks it, and its rules text
//                                begins with kOwnDesignLine)
//   Groups = Selected Original Children
//   TableauCount = 8            (any rule by its name)
//   GameFamily = gaps           (a family of play by its name, or its number)
//   TableauBuild = alternate-colours*7 (build rules by name too)
//   TableauDealCount = 7*4 6*4  (per-pile rules: a list; v*n repeats v n times)
//   Rules:
//   The plain-English rules, to the end of the file.

#include <string>
#include <vector>

#include "core/CatalogueFile.h"

namespace cardoria {

// The first line of the rules text of every game of our own design, and of
// no other game.
inline constexpr const char* kOwnDesignLine = "A game of Cardoria's own design, with no published source.";

struct GameSource {
  CatalogueEntry entry;
  bool selected = false, original = false, children = false;
  std::string rulesText;
};

struct SourceError {
  std::string message;  // "file:line: what is wrong"
};

// Parses one source; errors name the file and the line.
GameSource ParseGameSource(const std::string& fileName, const std::string& text, std::vector<SourceError>& errors);

// Checks what spans games (numbers and names used twice) and builds the file
// content, games in number order.
CatalogueFileContent BuildCatalogue(const std::vector<std::pair<std::string, GameSource>>& sources,
                                    std::vector<SourceError>& errors);

// The readable form of every game in a catalogue file.
std::vector<std::pair<std::string, std::string>> DumpCatalogue(const TextList& lines);
// The same, with what makes the file no catalogue to dump: no games, two games
// of one number (their sources would overwrite each other), a game line with
// no number, rule rows that are not whole. Messages begin with `fileName`.
std::vector<std::pair<std::string, std::string>> DumpCatalogue(const std::string& fileName, const TextList& lines,
                                                               std::vector<SourceError>& errors);

// The rules texts of all games, one "[Game NNNN]" section each.
std::string RulesTextFile(const std::vector<std::pair<std::string, GameSource>>& sources);

}  // namespace cardoria
