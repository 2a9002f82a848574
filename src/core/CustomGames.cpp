#include "core/CustomGames.h"

#include <algorithm>
#include <cctype>

#include "core/Catalogue.h"
#include "core/CatalogueFile.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "platform/AtomicFile.h"
#include "platform/Paths.h"

namespace cardoria {

namespace {

std::string LowerTrimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  std::string lower = first == std::string_view::npos ? std::string() : TrimRightSpaces(text.substr(first));
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The file's lines, or nothing when there is no file or it can not be read.
std::optional<TextList> ReadLines(const Session& session) {
  const auto text = ReadWholeFile(session.PathOf(kCustomGamesFile));
  // A binary file is no list of games, and is never written over.
  if (!text || text->find('\0') != std::string::npos) return std::nullopt;
  return SplitLines(*text);
}

std::optional<std::string> WriteLines(const Session& session, const TextList& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  const std::string path = session.PathOf(kCustomGamesFile);
  const auto slash = path.find_last_of('/');
  if (slash != std::string::npos) CreateDirectory(path.substr(0, slash));
  if (WriteFileAtomic(path, text)) return std::nullopt;
  return "The customized games file " + path + " could not be written.";
}

int RecordNumber(const std::string& first) {
  const std::string numberText = Columns(first, 1, 4);
  return IsAllDigits(numberText) && !numberText.empty() ? TextToInt(numberText) : 0;
}

std::vector<CustomGameRecord> RecordsOf(const TextList& lines) {
  std::vector<CustomGameRecord> records;
  for (std::size_t at = 1; at < lines.size(); at += kCustomRecordLines) {
    const std::string& first = lines[at];
    CustomGameRecord record;
    record.number = RecordNumber(first);
    record.name = TrimRightSpaces(Columns(first, 5, 50));
    record.base = TextToIntDef(Columns(first, 55, 4), -1);
    record.overrides = at + 1 < lines.size() ? lines[at + 1] : std::string();
    records.push_back(std::move(record));
  }
  return records;
}

}  // namespace

std::vector<CustomGameRecord> ReadCustomGames(const Session& session) {
  const auto read = ReadLines(session);
  return read ? RecordsOf(*read) : std::vector<CustomGameRecord>{};
}

std::optional<std::string> CustomGamesFileProblem(const Session& session) {
  const std::string path = session.PathOf(kCustomGamesFile);
  if (!FileExists(path)) return std::nullopt;
  const auto text = ReadWholeFile(path);
  const bool binary = text && text->find('\0') != std::string::npos;
  if (text && !binary) return std::nullopt;
  return "The customized games file " + path + (binary ? " is not a text file" : " can not be read") +
         ". The customized games are left out of the game lists until it can be read; the file is left as it is.";
}

std::string CustomGameName(const Session& session, int number) {
  for (const auto& record : ReadCustomGames(session)) {
    if (record.number == number && number != 0) return record.name;
  }
  return {};
}

int CustomGameNumber(const Session& session, std::string_view name) {
  const std::string wanted = LowerTrimmed(name);
  int found = -1;
  for (const auto& record : ReadCustomGames(session)) {
    if (record.number != 0 && LowerTrimmed(record.name) == wanted) found = record.number;
  }
  return found;
}

CustomGameRecord CustomGameInfo(const Session& session, int number) {
  for (const auto& record : ReadCustomGames(session)) {
    if (record.number == number && number != 0) return record;
  }
  return {};
}

bool ListCustomGames(const Session& session, TextList& names, TextList& numbers, TextList& bases, TextList& overrides) {
  names.clear();
  numbers.clear();
  bases.clear();
  overrides.clear();
  const auto read = ReadLines(session);
  if (!read) return false;
  const TextList& lines = *read;
  struct Entry {
    std::string name, number, base, overrides;
  };
  std::vector<Entry> entries;
  for (std::size_t at = 1; at < lines.size(); at += kCustomRecordLines) {
    const std::string& first = lines[at];
    entries.push_back({PadRight(Columns(first, 5, 50), 50), Columns(first, 1, 4), Columns(first, 55, 4),
                       at + 1 < lines.size() ? Columns(lines[at + 1], 1, 7) : std::string()});
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [](const Entry& a, const Entry& b) { return Lower(a.name) < Lower(b.name); });
  for (Entry& entry : entries) {
    names.push_back(std::move(entry.name));
    numbers.push_back(std::move(entry.number));
    bases.push_back(std::move(entry.base));
    overrides.push_back(std::move(entry.overrides));
  }
  return true;
}

int FindFreeSlot(const std::vector<CustomGameRecord>& records) {
  std::vector<bool> used(kLastCustomGame - kFirstCustomGame + 1, false);
  for (const auto& record : records) {
    if (record.number >= kFirstCustomGame && record.number <= kLastCustomGame)
      used[static_cast<std::size_t>(record.number - kFirstCustomGame)] = true;
  }
  const auto free = std::find(used.begin(), used.end(), false);
  return kFirstCustomGame + static_cast<int>(free - used.begin());
}

int NewCustomNumber(const Session& session) { return FindFreeSlot(ReadCustomGames(session)); }

std::string CustomOverrideLine(int cardsPerDeal, int redeals, int emptyRule) {
  return ZeroPad(cardsPerDeal, 3) + ZeroPad(redeals, 3) + ZeroPad(emptyRule, 1);
}

CustomGameAdded AddCustomGame(const Session& session, std::string_view name, int base, int cardsPerDeal, int redeals,
                              int emptyRule) {
  CustomGameAdded added;
  // Read again under the lock: another window may have added a game.
  FolderLock::Hold hold(session.DataLock());
  const auto read = ReadLines(session);
  // A file that is there but can not be read is not replaced by a new one.
  if (!read && FileExists(session.PathOf(kCustomGamesFile))) {
    added.problem = "The customized games file " + session.PathOf(kCustomGamesFile) + " could not be read.";
    return added;
  }
  TextList lines = read.value_or(TextList{});
  if (lines.empty()) lines.push_back(kCustomGamesHeader);
  const int number = FindFreeSlot(RecordsOf(lines));
  if (number > kLastCustomGame) {
    added.problem = kNoFreeCustomNumber;
    return added;
  }
  // A last record cut short would leave the new one off the 30-line steps
  // that readers take, where no reader would ever find it.
  const std::size_t whole = (lines.size() - 1 + kCustomRecordLines - 1) / kCustomRecordLines;
  lines.resize(1 + whole * kCustomRecordLines);
  const std::size_t at = lines.size();
  lines.resize(at + kCustomRecordLines);
  lines[at] =
      ZeroPad(number, 4) + PadRight(name.substr(0, std::min<std::size_t>(name.size(), 50)), 50) + ZeroPad(base, 4);
  lines[at + 1] = CustomOverrideLine(cardsPerDeal, redeals, emptyRule);
  if (auto problem = WriteLines(session, lines)) {
    added.problem = *problem;
    return added;
  }
  added.number = number;
  return added;
}

std::optional<std::string> RemoveCustomGame(const Session& session, int number) {
  FolderLock::Hold hold(session.DataLock());
  auto read = ReadLines(session);
  if (!read || number < kFirstCustomGame) return std::nullopt;
  TextList& lines = *read;
  for (std::size_t at = 1; at < lines.size(); at += kCustomRecordLines) {
    if (RecordNumber(lines[at]) != number) continue;
    const auto from = lines.begin() + static_cast<std::ptrdiff_t>(at);
    lines.erase(from, from + static_cast<std::ptrdiff_t>(std::min<std::size_t>(kCustomRecordLines, lines.size() - at)));
    return WriteLines(session, lines);
  }
  return std::nullopt;
}

CustomizableRules CustomizableRulesFrom(const std::function<int(int index)>& rule) {
  using namespace rule;
  auto stockRule = [&](int permission) {
    if (permission == 1) return true;
    if (permission == 0) return false;
    return rule(HasStock) != 0 && (rule(StockDealsToWaste) != 0 || rule(SecondWasteCount) != 0) &&
           rule(StockGroupCount) != 0 && rule(TableauAddKind) == 0 && rule(TableauAddKind + 1) == 0;
  };
  CustomizableRules result;
  result.cardsPerDeal = stockRule(rule(CardsPerDealEditable));
  result.redeals = stockRule(rule(RedealsEditable));
  const int empty = rule(EmptyTableauEditable);
  result.emptyTableau = empty == 1 || (empty != 0 && rule(PairingSum) == 0 && rule(TableauBuild) != 4);
  return result;
}

CustomizableRules CustomizableRulesOf(const Session& session, int number) {
  const int game = number >= kFirstCustomGame ? CustomGameInfo(session, number).base : number;
  using namespace rule;
  const std::vector<int> indexes = {CardsPerDealEditable, RedealsEditable,  EmptyTableauEditable, HasStock,
                                    StockDealsToWaste,    SecondWasteCount, StockGroupCount,      TableauAddKind,
                                    TableauAddKind + 1,   PairingSum,       TableauBuild};
  if (game < 0 || CatalogueIndexOf(session, game) < 0) return {};
  const std::vector<int> values = GameRuleValue(session, game, indexes);
  return CustomizableRulesFrom([&](int index) {
    const auto at = std::find(indexes.begin(), indexes.end(), index);
    // A value the catalogue does not hold is 0, as in a loaded record.
    const int value = at == indexes.end() ? -99 : values[static_cast<std::size_t>(at - indexes.begin())];
    return value == -99 ? 0 : value;
  });
}

}  // namespace cardoria
