#include "core/Catalogue.h"

#include <algorithm>
#include <cctype>

#include "core/CatalogueFile.h"
#include "core/CustomGames.h"
#include "core/Session.h"
#include "platform/AtomicFile.h"
#include "platform/Messages.h"
#include "platform/Numbers.h"
#include "platform/Screen.h"

namespace cardoria {

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

const std::string* CatalogueLineOf(const Session& session, int number) {
  const int index = CatalogueIndexOf(session, number);
  return index < 0 ? nullptr : &session.catalogue[static_cast<std::size_t>(index)];
}

// The value of game k in a rule row: the restored, trimmed cell at column
// 17 + 11k; nothing when the row is too short or the cell is not a number.
std::optional<int> RowCell(std::string_view row, int k) {
  if (k < 0) return std::nullopt;
  const std::string cell = TrimRightSpaces(RestoreText(Columns(row, 17 + 11 * k, 10)));
  if (cell.empty()) return std::nullopt;
  const std::string_view digits =
      cell.starts_with('-') || cell.starts_with('+') ? std::string_view(cell).substr(1) : std::string_view(cell);
  if (digits.empty() || !IsAllDigits(digits)) return std::nullopt;
  const auto value = ParseLeadingInt(cell);
  if (!value || *value < -32768 || *value > 32767) return std::nullopt;
  return value;
}

}  // namespace

std::optional<TextList> ReadCatalogueFile(const Session& session) {
  const auto text = ReadWholeFile(session.PathOf(kCatalogueFile));
  if (!text) return std::nullopt;
  return SplitLines(*text);
}

bool LoadCatalogue(Session& session, Messages& messages) {
  const std::string path = session.PathOf(kCatalogueFile);
  const auto lines = ReadCatalogueFile(session);
  if (!lines) {
    messages.Fatal("Cannot find file:\r" + path + "\rCopy the file into the directory that above is specified\r" +
                       "or reinstall the program.",
                   "Error");
    return false;
  }
  session.catalogue.clear();
  for (const std::string& stored : SectionLines(*lines, "[Sect1]")) {
    const std::string line = RestoreText(stored);
    if (line.size() >= 8 && line[7] == '9') continue;
    if (line.size() < 11 || LineNumber(line) < 0) continue;  // damaged: the game can not be named
    session.catalogue.push_back(line);
  }
  if (session.catalogue.empty()) {
    messages.Fatal("The file " + path + " holds no games.\rReinstall the program.", "Error");
    return false;
  }
  const int current = session.store.GetInt(pos::kGameNumber, 4);
  if (current >= 0 && GameNameOf(session, current).empty()) {
    session.store.Set(pos::kGameNumber, 4, ZeroPad(-1, 4));
    session.store.Set(pos::kGameName, 50, "");
  }
  return true;
}

int CatalogueIndexOf(const Session& session, int number) {
  if (number < 0 || number >= kFirstCustomGame) return -1;
  const TextList& catalogue = session.catalogue;
  const auto probe = static_cast<std::size_t>(number);
  if (probe < catalogue.size() && LineNumber(catalogue[probe]) == number) return number;
  for (std::size_t i = 0; i < catalogue.size(); ++i) {
    if (LineNumber(catalogue[i]) == number) return static_cast<int>(i);
  }
  return -1;
}

std::string GameNameOf(const Session& session, int number) {
  if (number >= kFirstCustomGame) return CustomGameName(session, number);
  const std::string* line = CatalogueLineOf(session, number);
  return line ? LineName(*line) : std::string();
}

int GameNumberOf(const Session& session, std::string_view name) {
  const std::string wanted = Lower(TrimRightSpaces(name));
  for (const std::string& line : session.catalogue) {
    if (Lower(LineName(line)) == wanted) return LineNumber(line);
  }
  return CustomGameNumber(session, name);
}

int FamilyOf(const Session& session, int number) {
  if (number < 0) return -1;
  if (number >= kFirstCustomGame) return kCustomizedFamily;
  const std::string* line = CatalogueLineOf(session, number);
  return line ? LineFamily(*line) : -1;
}

bool IsOwnDesign(const Session& session, int number) {
  if (number < 0 || number >= kFirstCustomGame) return false;
  const std::string* line = CatalogueLineOf(session, number);
  return line && LineOwnDesign(*line);
}

TextList SortedGameNames(const Session& session) {
  TextList names;
  for (const std::string& line : session.catalogue) names.push_back(Columns(line, 11, 50));
  for (const auto& record : ReadCustomGames(session)) names.push_back(record.name);
  std::stable_sort(names.begin(), names.end(),
                   [](const std::string& a, const std::string& b) { return Lower(a) < Lower(b); });
  return names;
}

bool CheckScreenFor(const Session& session, Messages& messages, const Screen& screen, int number) {
  const int game = number >= kFirstCustomGame ? CustomGameInfo(session, number).base : number;
  const std::string* line = CatalogueLineOf(session, game);
  if (!line || screen.Info().width >= 650 || line->size() < 9 || (*line)[8] != '1') return true;
  messages.ShowInfo("Your video card's display is 640x480 pixels.\rYou can't play: " + GameNameOf(session, number) +
                    "\rPlease set your screen resolution to 800x600 pixels or higher.");
  return false;
}

std::vector<int> GameRuleValue(const Session& session, int number, const std::vector<int>& indexes) {
  std::vector<int> values(indexes.size(), -99);
  const auto lines = ReadCatalogueFile(session);
  if (!lines) return values;
  const TextList rows = SectionLines(*lines, "[Sect2]");
  const int k = CatalogueIndexOf(session, number);
  for (std::size_t i = 0; i < indexes.size(); ++i) {
    const int index = indexes[i];
    if (index < 1 || static_cast<std::size_t>(index) > rows.size()) continue;
    values[i] = RowCell(rows[static_cast<std::size_t>(index - 1)], k).value_or(-99);
  }
  return values;
}

TextList GameRulePairs(const Session& session, int indexA, int indexB) {
  TextList pairs;
  const auto lines = ReadCatalogueFile(session);
  const TextList rows = lines ? SectionLines(*lines, "[Sect2]") : TextList();
  auto value = [&](int index, int k) {
    if (index < 1 || static_cast<std::size_t>(index) > rows.size()) return 0;
    return RowCell(rows[static_cast<std::size_t>(index - 1)], k).value_or(0);
  };
  for (std::size_t k = 0; k < session.catalogue.size(); ++k) {
    pairs.push_back(ZeroPad(value(indexA, static_cast<int>(k)), 10) + ZeroPad(value(indexB, static_cast<int>(k)), 10));
  }
  return pairs;
}

}  // namespace cardoria
