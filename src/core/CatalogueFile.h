#pragma once
// The catalogue file "GAMES.DAT": sections "[Sect1]" (one line per game),
// "[Sect2]" (one row per rule index with a cell per game) and the game-number
// lists "[SectS]", "[SectO]", "[SectK]". Data text is stored shifted by 48
// character codes; section headers and the first five characters of the rule
// rows are plain.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/TextHelpers.h"
#include "platform/TextLines.h"

namespace cardoria {

inline constexpr const char* kCatalogueFile = "GAMES.DAT";
inline constexpr int kCatalogueLastRule = 369;

// Stored character x becomes x - 48 when x >= 80, otherwise x + 48.
std::string RestoreText(std::string_view stored);
// The stored form of plain printable text (the inverse of RestoreText).
std::string ScrambleText(std::string_view plain);

// One game as the catalogue file lists it.
struct CatalogueEntry {
  int family = 0;
  int number = 0;
  bool hidden = false;    // "9" in column 8: the line is not loaded
  bool needs800 = false;  // "1" in column 9
  bool marked = false;    // "1" in column 10: listed among the new games
  std::string name;
  std::map<int, int> rules;  // rule index -> value; absent indexes are 0
  bool ownDesign = false;    // "1" in column 4: a game of Cardoria's own design, with no published source
};

// The restored text of a "[Sect1]" line.
std::string CatalogueLine(const CatalogueEntry& entry);

// Fields of a restored "[Sect1]" line (columns 1-3, 4, 5-7, 11-60).
int LineFamily(std::string_view line);
int LineNumber(std::string_view line);
bool LineOwnDesign(std::string_view line);    // column 4
std::string LineName(std::string_view line);  // trailing spaces removed

struct CatalogueFileContent {
  std::vector<CatalogueEntry> games;              // in catalogue order
  std::vector<int> selected, original, children;  // "[SectS]", "[SectO]", "[SectK]"
};

// Why the rule rows can not serve a catalogue of `games` loaded games, or
// nothing when they are whole: every row holds a cell for every game, and the
// rows run to the last rule index (a file cut short loses them from the end).
// Rows may leave out indexes in between; those rules are 0.
std::optional<std::string> RuleRowsProblem(const TextList& rows, std::size_t games);

// The whole file; the same content always gives the same bytes. Hidden games
// take no column in the rule rows, so their rules are not stored.
std::string WriteCatalogueFile(const CatalogueFileContent& content);

}  // namespace cardoria
