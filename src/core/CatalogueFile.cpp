#include "core/CatalogueFile.h"

#include "core/RuleNames.h"

namespace cardoria {

std::string RestoreText(std::string_view stored) {
  std::string plain(stored);
  for (char& c : plain) {
    const int x = static_cast<unsigned char>(c);
    c = static_cast<char>(x >= 80 ? x - 48 : x + 48);
  }
  return plain;
}

std::string ScrambleText(std::string_view plain) {
  std::string stored(plain);
  for (char& c : stored) c = static_cast<char>(static_cast<unsigned char>(c) + 48);
  return stored;
}

std::string CatalogueLine(const CatalogueEntry& entry) {
  std::string line =
      PadRight(std::to_string(entry.family), 3) + (entry.ownDesign ? "1" : " ") + ZeroPad(entry.number, 3);
  line += entry.hidden ? '9' : '0';
  line += entry.needs800 ? '1' : '0';
  line += entry.marked ? '1' : '0';
  line += PadRight(entry.name, 50);
  return line;
}

int LineFamily(std::string_view line) { return TextToInt(TrimRightSpaces(Columns(line, 1, 3))); }

int LineNumber(std::string_view line) { return line.size() < 7 ? -1 : TextToIntDef(Columns(line, 5, 3), -1); }

bool LineOwnDesign(std::string_view line) { return Columns(line, 4, 1) == "1"; }

std::string LineName(std::string_view line) { return TrimRightSpaces(Columns(line, 11, 50)); }

std::optional<std::string> RuleRowsProblem(const TextList& rows, std::size_t games) {
  if (rows.empty()) return "it has no rule rows.";
  // Columns 1-16, then 11 characters a game of which the last needs its 10.
  const std::size_t width = games == 0 ? 4 : 16 + 11 * (games - 1) + 10;
  for (const std::string& row : rows) {
    if (row.size() < width) return "rule row " + std::to_string(TextToIntDef(Columns(row, 1, 4), 0)) + " is cut short.";
  }
  const int last = TextToIntDef(Columns(rows.back(), 1, 4), -1);
  if (last < kCatalogueLastRule)
    return "the rule rows end at rule " + std::to_string(last) + ", before rule " + std::to_string(kCatalogueLastRule) +
           ".";
  return std::nullopt;
}

std::string WriteCatalogueFile(const CatalogueFileContent& content) {
  std::string file = "[Sect1]\r\n";
  for (const auto& game : content.games) file += ScrambleText(CatalogueLine(game)) + "\r\n";
  file += "[Sect2]\r\n";
  for (int index = 1; index <= kCatalogueLastRule; ++index) {
    // Columns 1-4 the index, column 5 plain, 6-16 a label no logic reads.
    std::string row = ZeroPad(index, 4) + " " + ScrambleText(PadRight(RuleIndexName(index), 11));
    for (const auto& game : content.games) {
      // Readers skip hidden lines when they count columns.
      if (game.hidden) continue;
      const auto it = game.rules.find(index);
      row += ScrambleText(PadRight(std::to_string(it == game.rules.end() ? 0 : it->second), 10) + " ");
    }
    file += row + "\r\n";
  }
  auto numberList = [&](const char* header, const std::vector<int>& numbers) {
    file += std::string(header) + "\r\n";
    for (int number : numbers) file += ScrambleText(std::to_string(number)) + "\r\n";
  };
  numberList("[SectS]", content.selected);
  numberList("[SectO]", content.original);
  numberList("[SectK]", content.children);
  return file;
}

}  // namespace cardoria
