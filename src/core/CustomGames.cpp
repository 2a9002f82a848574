#include "core/CustomGames.h"

#include <algorithm>
#include <cctype>

#include "core/CatalogueFile.h"
#include "core/Session.h"
#include "platform/AtomicFile.h"

namespace cardoria {

namespace {

std::string LowerTrimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  std::string lower = first == std::string_view::npos ? std::string() : TrimRightSpaces(text.substr(first));
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

}  // namespace

std::vector<CustomGameRecord> ReadCustomGames(const Session& session) {
  std::vector<CustomGameRecord> records;
  const auto text = ReadWholeFile(session.PathOf(kCustomGamesFile));
  if (!text) return records;
  const TextList lines = SplitLines(*text);
  for (std::size_t at = 1; at < lines.size(); at += kCustomRecordLines) {
    const std::string& first = lines[at];
    CustomGameRecord record;
    const std::string numberText = Columns(first, 1, 4);
    record.number = IsAllDigits(numberText) && !numberText.empty() ? TextToInt(numberText) : 0;
    record.name = TrimRightSpaces(Columns(first, 5, 50));
    record.base = TextToIntDef(Columns(first, 55, 4), -1);
    record.overrides = at + 1 < lines.size() ? lines[at + 1] : std::string();
    records.push_back(std::move(record));
  }
  return records;
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

}  // namespace cardoria
