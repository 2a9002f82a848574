#include "persist/DealLists.h"

#include <algorithm>
#include <cctype>

#include "core/Session.h"
#include "persist/FileSystem.h"
#include "persist/StatsPorts.h"
#include "platform/TextLines.h"

namespace cardoria {

namespace {

// Log columns: date, time, game, player, result, deal number.
constexpr int kDate = 1, kTime = 10, kGame = 31, kPlayer = 82, kResult = 113, kDeal = 128;

bool IsWin(std::string_view line) { return Columns(line, kResult, 4) == "Won "; }

std::string Trimmed(std::string_view text) { return TrimRightSpaces(TrimLeftSpaces(text)); }

// The list order of the keys: letters compared without regard to case.
bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    return std::tolower(x) < std::tolower(y);
  });
}

// A key's fields, fixed width so that sorting the keys sorts by them in turn.
constexpr std::size_t kDealWidth = 13, kCodeWidth = 2, kPlayerWidth = 30, kStampWidth = 16;
constexpr std::size_t kCodeAt = kDealWidth, kPlayerAt = kCodeAt + kCodeWidth, kStampAt = kPlayerAt + kPlayerWidth;

}  // namespace

TextList ReadGameLogLines(const Session& session, const FileSystem& files) {
  const auto content = files.ReadAll(session.PathOf(kStatLogFile));
  return content ? SplitLines(*content) : TextList{};
}

std::vector<DealRow> PreviousGames(const TextList& log, std::size_t rows) {
  std::vector<DealRow> result;
  for (auto it = log.rbegin(); it != log.rend() && result.size() < rows; ++it) {
    const std::string& line = *it;
    if (Trimmed(line).empty()) continue;
    DealRow row;
    row.date = Columns(line, kDate, 8);
    row.time = Columns(line, kTime, 8);
    row.game = TrimRightSpaces(Columns(line, kGame, 50));
    row.player = TrimRightSpaces(Columns(line, kPlayer, 30));
    row.won = IsWin(line);
    // Columns 127-141: the field with the space before it.
    row.dealNumber = Trimmed(Columns(line, kDeal - 1, 15));
    result.push_back(std::move(row));
  }
  return result;
}

std::vector<DealRow> LostGames(const TextList& log, std::string_view game) {
  const std::string wanted = TrimRightSpaces(game);
  TextList keys;
  for (auto it = log.rbegin(); it != log.rend(); ++it) {
    const std::string& line = *it;
    if (TrimRightSpaces(Columns(line, kGame, 50)) != wanted) continue;
    keys.push_back(PadRight(Columns(line, kDeal, 13), kDealWidth) + (IsWin(line) ? "01" : "02") +
                   PadRight(Columns(line, kPlayer, 30), kPlayerWidth) + PadRight(Columns(line, kDate, 8), 8) +
                   PadRight(Columns(line, kTime, 8), 8));
  }
  std::stable_sort(keys.begin(), keys.end(), LessIgnoringCase);

  // A win sorts before every loss of its deal and takes them all out; of the
  // losses of a deal only the first stays.
  TextList kept;
  std::string remembered;
  bool haveRemembered = false;
  for (std::size_t i = 0; i < keys.size();) {
    const std::string deal = keys[i].substr(0, kDealWidth);
    if (keys[i].compare(kCodeAt, kCodeWidth, "01") == 0) {
      while (i < keys.size() && keys[i].compare(0, kDealWidth, deal) == 0) ++i;
      continue;
    }
    if (!haveRemembered || deal != remembered) {
      kept.push_back(keys[i].substr(kStampAt, kStampWidth) + keys[i].substr(0, kStampAt));
      remembered = deal;
      haveRemembered = true;
    }
    ++i;
  }
  std::stable_sort(kept.begin(), kept.end(), LessIgnoringCase);

  std::vector<DealRow> rows;
  for (auto it = kept.rbegin(); it != kept.rend(); ++it) {
    const std::string& key = *it;
    const std::string_view rest = std::string_view(key).substr(kStampWidth);
    DealRow row;
    row.date = key.substr(0, 8);
    row.time = key.substr(8, 8);
    row.dealNumber = std::string(rest.substr(0, kDealWidth));
    row.won = rest.substr(kCodeAt, kCodeWidth) == "01";
    row.player = TrimRightSpaces(rest.substr(kPlayerAt, kPlayerWidth));
    row.game = wanted;
    rows.push_back(std::move(row));
  }
  return rows;
}

DealNumberText ReadDealNumberText(std::string_view text) {
  const std::string number = Trimmed(text);
  if (!IsAllDigits(number)) return {DealNumberText::Kind::NotDigits, {}};
  if (number.empty()) return {};
  const std::string deal = RightStr("0000000000000" + number, 13);
  if (deal == std::string(13, '0')) return {};
  return {DealNumberText::Kind::Deal, deal};
}

}  // namespace cardoria
