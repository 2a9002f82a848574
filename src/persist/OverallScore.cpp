#include "persist/OverallScore.h"

#include <algorithm>
#include <map>

#include "core/Catalogue.h"
#include "core/CatalogueFile.h"
#include "core/Session.h"
#include "core/TextHelpers.h"
#include "persist/FileSystem.h"
#include "persist/SectionFile.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Random.h"

namespace cardoria {

namespace {

constexpr std::string_view kKey = "58203";
constexpr std::string_view kVersionTag = "0440";
constexpr std::int64_t kLargestTotal = 999999999999;

char RandomDigit(Random& random) { return static_cast<char>('0' + random.Next(9)); }

std::string Digits(std::int64_t value, int width, std::int64_t largest) {
  return ZeroPad(std::clamp<std::int64_t>(value, 0, largest), width);
}

// The characters at the given 1-based positions, when all are digits.
std::optional<std::int64_t> DigitsAt(std::string_view text, std::initializer_list<int> positions) {
  std::int64_t value = 0;
  for (int p : positions) {
    if (p < 1 || static_cast<std::size_t>(p) > text.size()) return std::nullopt;
    const char c = text[static_cast<std::size_t>(p - 1)];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string DefaultPlain(std::string_view key) {
  return key == "T03" ? std::string(kVersionTag) + std::string(30, '0') : std::string(30, '0');
}

std::string GameKey(std::string_view prefix, int game) { return std::string(prefix) + ZeroPad(game, 4); }

// The key-value lines of one player's section, first of each key.
std::map<std::string, std::string> PairsOf(const TextList& lines) {
  std::map<std::string, std::string> pairs;
  for (const std::string& line : lines) {
    const auto eq = line.find('=');
    if (eq != std::string::npos) pairs.emplace(line.substr(0, eq), line.substr(eq + 1));
  }
  return pairs;
}

std::string PlainOf(const std::map<std::string, std::string>& pairs, const std::string& key) {
  const auto it = pairs.find(key);
  return it == pairs.end() ? DefaultPlain(key) : Unscramble(it->second);
}

std::string StoredOf(const std::map<std::string, std::string>& pairs, const std::string& key) {
  const auto it = pairs.find(key);
  return it == pairs.end() ? Scramble(DefaultPlain(key)) : it->second;
}

struct Totals {
  std::int64_t score = 0, time = 0;
};

// The player's totals when T01, T02 and T03 agree.
std::optional<Totals> CheckedTotals(const std::map<std::string, std::string>& pairs) {
  const std::string t01 = PlainOf(pairs, "T01"), t02 = PlainOf(pairs, "T02"), t03 = PlainOf(pairs, "T03");
  const auto score = TotalScoreOf(t01), time = TotalTimeOf(t02);
  const auto sum = DigitsAt(t03, {5, 6, 7, 8, 9, 10, 11, 12});
  if (!score || !time || !sum) return std::nullopt;
  if ((*sum != 0 || *score != 0 || *time != 0) &&
      OverallCheckSum(t03.substr(0, 4) + t01 + t02) != static_cast<std::int32_t>(*sum))
    return std::nullopt;
  return Totals{*score, *time};
}

bool Consistent(const CheckedNumber& n) { return (n.value == 0 && n.storedSum == 0) || n.storedSum == n.computedSum; }

struct PlayerSection {
  std::string name;
  TextList lines;
};

std::vector<PlayerSection> SectionsOf(std::string_view content) {
  std::vector<PlayerSection> sections;
  for (std::string& line : SplitLines(content)) {
    if (line.starts_with('[')) {
      sections.push_back({SectionNameOf(line).value_or(std::string()), {}});
    } else if (!sections.empty() && !line.empty()) {
      sections.back().lines.push_back(std::move(line));
    }
  }
  return sections;
}

}  // namespace

std::string Scramble(std::string_view plain) {
  std::string out(plain);
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<char>(static_cast<unsigned char>(out[i]) + static_cast<unsigned char>(kKey[i % 5]));
  return out;
}

std::string Unscramble(std::string_view scrambled) {
  std::string out(scrambled);
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<char>(static_cast<unsigned char>(out[i]) - static_cast<unsigned char>(kKey[i % 5]));
  return out;
}

std::int32_t OverallCheckSum(std::string_view text) {
  std::uint32_t sum = 0;
  for (std::size_t n = 0; n < text.size(); ++n) {
    const std::uint32_t i = static_cast<std::uint32_t>(n + 1);
    const std::uint32_t b = static_cast<unsigned char>(text[n]);
    sum += b + i * b / 2 + (i + b) % 3 + i;
  }
  return static_cast<std::int32_t>(sum);
}

std::string PlainTotalScore(std::int64_t score, Random& random) {
  const std::string digits = Digits(score, 12, kLargestTotal);
  std::string plain{RandomDigit(random), RandomDigit(random)};
  for (char d : digits) plain += {d, RandomDigit(random)};
  plain += {RandomDigit(random), RandomDigit(random)};
  return plain;
}

std::string PlainTotalTime(std::int64_t seconds, Random& random) {
  const std::string digits = Digits(seconds, 12, kLargestTotal);
  std::string plain{RandomDigit(random)};
  for (char d : digits) plain += {d, RandomDigit(random)};
  plain += {RandomDigit(random), RandomDigit(random), RandomDigit(random)};
  return plain;
}

std::string PlainGameScore(int score, Random& random) {
  const std::string d = Digits(score, 6, 999999);
  const std::string plain{RandomDigit(random), d[0], d[1], RandomDigit(random), d[2], d[3],
                          RandomDigit(random), d[4], d[5], RandomDigit(random)};
  return plain + ZeroPad(OverallCheckSum(plain), 6);
}

std::string PlainGameTime(int seconds, Random& random) {
  const std::string d = Digits(seconds, 6, 999999);
  const std::string plain{RandomDigit(random),
                          RandomDigit(random),
                          d[0],
                          d[1],
                          RandomDigit(random),
                          d[2],
                          d[3],
                          RandomDigit(random),
                          d[4],
                          d[5]};
  return plain + ZeroPad(OverallCheckSum(plain), 6);
}

std::optional<std::int64_t> TotalScoreOf(std::string_view t01) {
  return DigitsAt(t01, {3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25});
}

std::optional<std::int64_t> TotalTimeOf(std::string_view t02) {
  return DigitsAt(t02, {2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24});
}

std::optional<CheckedNumber> GameScoreOf(std::string_view gs) {
  const auto value = DigitsAt(gs, {2, 3, 5, 6, 8, 9});
  const auto sum = DigitsAt(gs, {11, 12, 13, 14, 15, 16});
  if (!value || !sum) return std::nullopt;
  return CheckedNumber{*value, *sum, OverallCheckSum(gs.substr(0, 10))};
}

std::optional<CheckedNumber> GameTimeOf(std::string_view gt) {
  const auto value = DigitsAt(gt, {3, 4, 6, 7, 9, 10});
  const auto sum = DigitsAt(gt, {11, 12, 13, 14, 15, 16});
  if (!value || !sum) return std::nullopt;
  return CheckedNumber{*value, *sum, OverallCheckSum(gt.substr(0, 10))};
}

bool UpdateOverallScore(Session& session, StatsPorts& ports, int game, const std::string& player, bool force, int time,
                        int score) {
  if (game < 0 || game >= 8000 || score < 0) return true;
  FileSystem& files = ports.files;
  const std::string path = session.PathOf(kOverallFile), section = TrimRightSpaces(player);
  if (!files.Exists(path) && !files.Replace(path, "")) return false;
  const TextList lines = ReadSectionLines(files, path, section);
  const auto pairs = PairsOf(lines);
  const std::string gsKey = GameKey("GS-", game), gtKey = GameKey("GT-", game);
  const auto totals = CheckedTotals(pairs);
  const auto best = GameScoreOf(PlainOf(pairs, gsKey));
  const auto bestTime = GameTimeOf(PlainOf(pairs, gtKey));
  if (!totals || !best || !bestTime || !Consistent(*best) || !Consistent(*bestTime)) {
    CorruptOverall(session, ports);
    return true;
  }
  const bool better = score > 0 && (best->value < score || (best->value == score && time < bestTime->value));
  if (!better && !force) return true;
  const std::int64_t total = std::max<std::int64_t>(0, totals->score - best->value + score);
  const std::int64_t totalTime = std::max<std::int64_t>(0, totals->time - bestTime->value + time);
  const std::string t01 = PlainTotalScore(total, ports.random), t02 = PlainTotalTime(totalTime, ports.random);
  const std::map<std::string, std::string> updated = {
      {"T01", Scramble(t01)},
      {"T02", Scramble(t02)},
      {"T03", Scramble(std::string(kVersionTag) + ZeroPad(OverallCheckSum(std::string(kVersionTag) + t01 + t02), 8))},
      {gsKey, Scramble(PlainGameScore(score, ports.random))},
      {gtKey, Scramble(PlainGameTime(time, ports.random))}};
  // The whole section at once through the temporary file: an interruption
  // leaves the old values, never half of the new ones.
  KeyValues out;
  std::map<std::string, bool> written;
  for (const std::string& line : lines) {
    const auto eq = line.find('=');
    const std::string key = eq == std::string::npos ? line : line.substr(0, eq);
    const auto it = updated.find(key);
    if (it != updated.end()) {
      if (written[key]) continue;
      written[key] = true;
      out.emplace_back(key, it->second);
    } else if (eq != std::string::npos) {
      out.emplace_back(key, line.substr(eq + 1));
    }
  }
  for (const char* key : {"T01", "T02", "T03"}) {
    if (!written[key]) out.emplace_back(key, updated.at(key));
  }
  for (const std::string& key : {gsKey, gtKey}) {
    if (!written[key]) out.emplace_back(key, updated.at(key));
  }
  return RewriteSection(files, path, section, out);
}

std::vector<OverallRank> ReadOverallRanking(Session& session, StatsPorts& ports) {
  std::vector<OverallRank> ranking;
  const auto content = ports.files.ReadAll(session.PathOf(kOverallFile));
  if (!content) return ranking;
  for (const PlayerSection& section : SectionsOf(*content)) {
    const auto pairs = PairsOf(section.lines);
    const auto totals = CheckedTotals(pairs);
    if (!totals) {
      CorruptOverall(session, ports);
      return {};
    }
    OverallRank rank{section.name, totals->score, totals->time,
                     StoredOf(pairs, "T01").substr(0, 28) + StoredOf(pairs, "T02").substr(0, 28) +
                         StoredOf(pairs, "T03").substr(0, 12)};
    const auto at = std::find_if(ranking.begin(), ranking.end(), [&](const OverallRank& r) {
      return r.totalScore < rank.totalScore || (r.totalScore == rank.totalScore && r.totalTime > rank.totalTime);
    });
    ranking.insert(at, std::move(rank));
  }
  std::erase_if(ranking, [](const OverallRank& r) { return r.totalScore == 0; });
  return ranking;
}

std::vector<OverallDetail> ReadOverallDetails(Session& session, StatsPorts& ports, const std::string& player) {
  std::vector<OverallDetail> details;
  const std::string path = session.PathOf(kOverallFile);
  if (!ports.files.Exists(path)) return details;
  const auto pairs = PairsOf(ReadSectionLines(ports.files, path, TrimRightSpaces(player)));
  const TextList rules = GameRulePairs(session, 42, 284);
  for (std::size_t i = 0; i < session.catalogue.size(); ++i) {
    OverallDetail detail;
    detail.game = LineNumber(session.catalogue[i]);
    detail.gameName = LineName(session.catalogue[i]);
    const auto score = GameScoreOf(PlainOf(pairs, GameKey("GS-", detail.game)));
    const auto time = GameTimeOf(PlainOf(pairs, GameKey("GT-", detail.game)));
    if (!score || !time) {
      CorruptOverall(session, ports);
      return {};
    }
    detail.bestScore = static_cast<int>(score->value);
    detail.bestTime = static_cast<int>(time->value);
    if (i < rules.size()) {
      const int maxScore = TextToInt(Columns(rules[i], 1, 10)), cards = TextToInt(Columns(rules[i], 11, 10));
      detail.maxScore = maxScore == -1 ? 4 * cards : maxScore;
    }
    details.push_back(std::move(detail));
  }
  return details;
}

void ResetOverallScores(Session& session, StatsPorts& ports) { ports.files.Remove(session.PathOf(kOverallFile)); }

void CorruptOverall(Session& session, StatsPorts& ports) {
  ResetOverallScores(session, ports);
  ports.messages.ShowInfo(
      "It appears as if the Overall Score Values are incorrect or corrupted.\rThe Overall Score Values will be "
      "deleted and reset to zero.");
  ports.view.Repaint();
  ports.view.ShowWaitCursor();
  BusyWait(ports.clock, 2000);
  ports.view.RestoreCursor();
}

}  // namespace cardoria
