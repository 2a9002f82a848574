#include "persist/SavedGames.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "core/Cards.h"
#include "core/Catalogue.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/Engine.h"
#include "engine/SelectionTests.h"
#include "persist/Players.h"
#include "persist/SavedGameCheck.h"
#include "persist/UndoLog.h"
#include "platform/AtomicFile.h"
#include "platform/Paths.h"

namespace cardoria {

namespace {

constexpr PileGroup kGroups[4] = {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve};
constexpr int kGroupSizes[4] = {kStockPiles, kFoundationPiles, kTableauPiles, kReservePiles};
constexpr const char* kSections[5] = {"[UNDO - Stock]", "[UNDO - Foundations]", "[UNDO - Piles]", "[UNDO - Reserves]",
                                      "[UNDO - Log]"};
constexpr int kTableLines = 55;
constexpr int kFirstTableLine = 13;  // 1-based
constexpr int kMainLines = kFirstTableLine - 1 + kTableLines;
constexpr int kHeaderWidth = 95;
constexpr int kSecondLineWidth = 98;
constexpr const char* kCrLf = "\r\n";

// A fixed-width number as ZeroPad writes it: digits, or a minus sign then digits.
std::optional<long long> Number(std::string_view text) {
  std::string_view digits = text;
  const bool negative = !digits.empty() && digits.front() == '-';
  if (negative) digits.remove_prefix(1);
  if (digits.empty() || digits.size() > 15 || !IsAllDigits(digits)) return std::nullopt;
  long long value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return negative ? -value : value;
}

struct Line {
  std::string text;
  int number = 0;  // in the file as stored; 0 for a line conversion inserted
};

std::string Where(const Line& line) {
  return line.number > 0 ? "line " + std::to_string(line.number) : "a line added for the older version";
}

// Checks one pile line; every card code it holds is added to `cards`.
// `jokers` has bit j set when the game's deal adds joker 105 + j to its pack.
std::string CheckPileLine(const Line& line, int cardCount, int jokers, std::vector<int>& cards) {
  const std::string& text = line.text;
  if (text.size() % 4 != 0) return Where(line) + " is not a pile: its length is not a multiple of four";
  for (std::size_t at = 0; at < text.size(); at += 4) {
    const std::string code = text.substr(at, 3);
    const char face = text[at + 3];
    const bool marker = code[0] == '-' && IsAllDigits(code.substr(1));
    if (!marker && !IsAllDigits(code)) return Where(line) + ": \"" + code + "\" is not a card code";
    const int card = marker ? 0 : TextToInt(code);
    if (card > kCardCount) return Where(line) + ": card code " + code + " is no card";
    const bool dealtJoker = IsJoker(card) && (jokers & (1 << (card - 105))) != 0;
    if (card > cardCount && !dealtJoker) return Where(line) + ": card " + code + " is not in the pack of this game";
    if (face != '0' && face != '1')
      return Where(line) + ": the face digit of card " + code + " is \"" + std::string(1, face) + "\", not 0 or 1";
    if (card > 0) cards.push_back(card);
  }
  return {};
}

std::string FindTwice(std::vector<int>& cards, const std::string& where) {
  std::sort(cards.begin(), cards.end());
  const auto twice = std::adjacent_find(cards.begin(), cards.end());
  if (twice == cards.end()) return {};
  return "card " + ZeroPad(*twice, 3) + " lies twice " + where;
}

std::string CheckLog(const std::string& log, int steps) {
  int entries = 0;
  std::string entry;
  for (char c : log) {
    if (c != ',') {
      entry += c;
      continue;
    }
    if (entry.size() % 3 != 0 || !IsAllDigits(entry))
      return "the undo log entry \"" + entry + "\" is not a run of tags";
    entry.clear();
    ++entries;
  }
  if (!entry.empty()) return "the undo log does not end with a comma";
  if (entries != steps)
    return "the undo log has " + std::to_string(entries) + " entries where " + std::to_string(steps) +
           " steps need as many";
  return {};
}

// Older versions had fewer piles: empty lines go where the newer ones are.
void ConvertOlderTable(std::vector<Line>& lines, const std::string& version) {
  if (version < "0301") {
    if (lines.size() >= 2) lines[1].text += "00000000";
    for (int at : {24, 25, 26, 27, 48, 49, 50, 51, 52})
      if (lines.size() >= static_cast<std::size_t>(at - 1)) lines.insert(lines.begin() + at - 1, Line{});
  }
  if (version < "0303") {
    for (int at : {53, 54})
      if (lines.size() >= static_cast<std::size_t>(at - 1)) lines.insert(lines.begin() + at - 1, Line{});
  }
}

bool IsTextByte(unsigned char c) { return c >= 0x20 ? c != 0x7f : c == '\t' || c == '\r' || c == '\n'; }

GameFileCheck CheckedAgainstGame(GameFile file, const GameFileRules& rules) {
  if (rules.catalogue) {
    if (std::string problem = GameFileMismatch(*rules.catalogue, file); !problem.empty())
      return GameFileCheck{std::nullopt, std::move(problem)};
  }
  return GameFileCheck{std::move(file), {}};
}

}  // namespace

std::string FormatGameFile(const Session& s, int elapsedSeconds) {
  const TextStore& store = s.store;
  std::string text = "[S-" + std::string(kGameFileVersion) + "]";
  text += ZeroPad(store.GetInt(pos::kGameNumber, 4), 4);
  text += PadRight(store.Get(pos::kBackgroundBmp, 4), 30);
  text += ZeroPad(TextToInt(store.Get(pos::kBackgroundCol, 15)), 15);
  text += PadRight(store.Get(pos::kBackgroundDef, 1), 1) + "   ";
  text += PadRight(store.Get(pos::kCardSize, 1), 1);
  text += PadRight(store.Get(pos::kCard, 3), 9);
  text += ZeroPad(TextToInt(store.Get(pos::kBackCard, 3)), 4);
  // Fields keep their width whatever the value, so the file stays readable.
  text += ZeroPad(std::clamp(elapsedSeconds, 0, 999999), 6);
  text += ZeroPad(std::clamp(TextToInt(store.Get(pos::kScoreScheme, 2)), 0, 99), 2);
  text += ZeroPad(std::clamp(TextToInt(store.Get(pos::kScore, 6)), -99999, 999999), 6);
  text += ZeroPad(std::clamp(s.positions[PositionTable::kPassCounter], -99999, 999999), 6);
  text += kCrLf;
  text += PadRight(store.Get(pos::kPlayerName, 30), 50) + PadRight(store.Get(pos::kDealNumber, 15), 15) + " ";
  for (int i = 0; i < 16; ++i) {
    const int base = s.rules[rule::FoundationBase + i];
    text += base >= -9 && base <= 99 ? ZeroPad(base, 2) : std::string("**");
  }
  text += kCrLf;
  for (int i = 0; i < 10; ++i) text += kCrLf;
  // The table as it lies, every pile whole; a pending selection names cards
  // that lie elsewhere and is not kept, as in the undo steps.
  for (int g = 0; g < 4; ++g)
    for (const std::string& pile : s.piles.Items(kGroups[g]))
      text += (&pile == &Selection(s) && UsesSelection(s) ? std::string() : SnapshotLine(s.cards, pile)) + kCrLf;
  for (int g = 0; g < 4; ++g) {
    text += std::string(kSections[g]) + kCrLf;
    for (const std::string& line : s.history.undo.lists[static_cast<std::size_t>(g)]) text += line + kCrLf;
  }
  text += std::string(kSections[4]) + kCrLf + s.logs.Text(kUndoLog) + kCrLf;
  return text;
}

GameFileCheck ParseGameFile(std::string_view content, const GameFileRules& rules) {
  auto fail = [](std::string error) { return GameFileCheck{std::nullopt, std::move(error)}; };
  if (content.empty()) return fail("the file is empty");
  if (!std::all_of(content.begin(), content.end(), [](char c) { return IsTextByte(static_cast<unsigned char>(c)); }))
    return fail("it is not a text file");

  std::vector<Line> lines;
  for (std::size_t at = 0; at < content.size();) {
    std::size_t end = content.find('\n', at);
    if (end == std::string_view::npos) end = content.size();
    std::string_view text = content.substr(at, end - at);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (text.find('\r') != std::string_view::npos)
      return fail("line " + std::to_string(lines.size() + 1) + " holds a stray carriage return");
    lines.push_back(Line{std::string(text), static_cast<int>(lines.size()) + 1});
    at = end + 1;
  }

  const std::string& header = lines[0].text;
  if (header.size() < 8 || !header.starts_with("[S-") || header[7] != ']' || !IsAllDigits(Columns(header, 4, 4)))
    return fail("it is not a saved game (line 1 does not begin with the tag [S-nnnn])");
  GameFile file;
  file.version = Columns(header, 4, 4);
  if (file.version > kGameFileVersion)
    return fail("it was saved in version " + file.version + ", newer than this program reads");
  const bool older = file.version < kGameFileVersion;
  if (older && !rules.convertOlder) return fail("it was saved in the older version " + file.version);
  if (header.size() < kHeaderWidth)
    return fail("line 1 has " + std::to_string(header.size()) + " characters where " + std::to_string(kHeaderWidth) +
                " are needed");
  auto number = [&](int column, int width, long long low, long long high) -> std::optional<int> {
    const auto value = Number(Columns(header, column, width));
    if (!value || *value < low || *value > high) return std::nullopt;
    return static_cast<int>(*value);
  };
  struct NumericField {
    int column, width;
    const char* what;
    long long low, high;
    int* into;
  };
  const NumericField fields[] = {
      {9, 4, "the game number", 0, 9999, &file.gameNumber},
      {76, 6, "the elapsed time", 0, 999999, &file.elapsedSeconds},
      {82, 2, "the scoring mode", 0, 99, &file.scoringMode},
      {84, 6, "the score", -99999, 999999, &file.score},
      {90, 6, "the pass counter", -99999, 999999, &file.passCounter},
  };
  for (const NumericField& f : fields) {
    const auto value = number(f.column, f.width, f.low, f.high);
    if (!value)
      return fail("line 1, columns " + std::to_string(f.column) + "-" + std::to_string(f.column + f.width - 1) + ": " +
                  f.what + " \"" + Columns(header, f.column, f.width) + "\" is not a number");
    *f.into = *value;
  }
  int cardCount = kCardCount;
  int jokers = 0;
  PlayFamily family = PlayFamily::Standard;
  if (rules.catalogue) {
    if (GameNameOf(*rules.catalogue, file.gameNumber).empty())
      return fail("game number " + std::to_string(file.gameNumber) + " is not in the catalogue");
    const auto values = GameRuleValue(*rules.catalogue, file.gameNumber, {rule::CardCount, rule::GameFamily});
    if (values[0] > 0 && values[0] <= kCardCount) cardCount = values[0];
    family = static_cast<PlayFamily>(values[1]);
    std::vector<int> dealCounts;
    for (int i = 0; i < kTableauPiles; ++i) dealCounts.push_back(rule::TableauDealCount + i);
    for (int dealt : GameRuleValue(*rules.catalogue, file.gameNumber, dealCounts))
      if (dealt >= 1501 && dealt <= 1504) jokers |= 1 << (dealt - 1501);
  }
  // Forget Me Not brings the second deck's twins of its cards; Ace to King
  // keeps its run as a record of codes in reserve 1, beside the cards
  // themselves.
  if (family == PlayFamily::ForgetMeNot) cardCount = std::max(cardCount, 104);
  constexpr int kRunLine = kStockPiles + kFoundationPiles + kTableauPiles;
  std::vector<int> cards, record;
  auto into = [&](bool runLine) -> std::vector<int>& {
    return family == PlayFamily::AceToKing && runLine ? record : cards;
  };

  ConvertOlderTable(lines, file.version);
  if (lines.size() < static_cast<std::size_t>(kMainLines))
    return fail("it ends at line " + std::to_string(lines.size()) + ", before the table is complete");

  const std::string& second = lines[1].text;
  if (second.size() < kSecondLineWidth)
    return fail("line 2 has " + std::to_string(second.size()) + " characters where " +
                std::to_string(kSecondLineWidth) + " are needed");
  // The whole field: a name longer than a player's is no player's name.
  file.player = TrimRightSpaces(Columns(second, 1, 50));
  file.dealNumber = TrimRightSpaces(Columns(second, 51, 15));
  if (file.dealNumber.empty() || !IsAllDigits(file.dealNumber))
    return fail("line 2, columns 51-65: the deal number \"" + file.dealNumber + "\" is not a number");
  for (std::size_t i = 0; i < 16; ++i) {
    const auto base = Number(Columns(second, 67 + 2 * static_cast<int>(i), 2));
    if (base) file.foundationBase[i] = static_cast<int>(*base);
  }

  for (int i = 0; i < kTableLines; ++i) {
    const Line& line = lines[static_cast<std::size_t>(kFirstTableLine - 1 + i)];
    if (std::string error = CheckPileLine(line, cardCount, jokers, into(i == kRunLine)); !error.empty())
      return fail(error);
    file.table[static_cast<std::size_t>(i)] = line.text;
  }
  if (std::string error = FindTwice(cards, "on the table"); !error.empty()) return fail(error);

  if (older) {
    // The conversion rules put the undo history's added lines at other pile
    // positions than the table's, so it can not be trusted: it is left out.
    file.undoHistoryDropped = std::any_of(lines.begin() + kMainLines, lines.end(), [](const Line& l) {
      return !l.text.empty() && !l.text.starts_with("[UNDO - ");
    });
    return CheckedAgainstGame(std::move(file), rules);
  }

  // The five sections follow the table in their order, nothing between.
  std::array<std::vector<const Line*>, 5> sections;
  std::size_t at = kMainLines;
  for (int k = 0; k < 5; ++k) {
    if (at >= lines.size())
      return fail("it ends at line " + std::to_string(lines.size()) + ", before the section " + kSections[k]);
    if (TrimRightSpaces(lines[at].text) != kSections[k])
      return fail("line " + std::to_string(at + 1) + " should be the section " + kSections[k]);
    ++at;
    while (at < lines.size() && !lines[at].text.starts_with("[UNDO - "))
      sections[static_cast<std::size_t>(k)].push_back(&lines[at++]);
  }
  if (at != lines.size()) return fail("line " + std::to_string(at + 1) + " repeats a section");
  if (sections[4].size() != 1)
    return fail(sections[4].empty() ? std::string("the undo log line after [UNDO - Log] is missing")
                                    : "the section [UNDO - Log] has more than one line");
  const std::size_t stockLines = sections[0].size();
  if (stockLines % kStockPiles != 0)
    return fail("the undo list " + std::string(kSections[0]) + " has " + std::to_string(stockLines) +
                " lines, not a multiple of 3");
  const int steps = static_cast<int>(stockLines / kStockPiles);
  for (int g = 1; g < 4; ++g) {
    const std::size_t need = static_cast<std::size_t>(steps) * static_cast<std::size_t>(kGroupSizes[g]);
    if (sections[static_cast<std::size_t>(g)].size() != need)
      return fail("the undo list " + std::string(kSections[g]) + " has " +
                  std::to_string(sections[static_cast<std::size_t>(g)].size()) + " lines where " +
                  std::to_string(steps) + " steps need " + std::to_string(need));
  }
  if (std::string error = CheckLog(sections[4][0]->text, steps); !error.empty()) return fail(error);
  for (int step = 0; step < steps; ++step) {
    cards.clear();
    for (int g = 0; g < 4; ++g) {
      for (int i = 0; i < kGroupSizes[g]; ++i) {
        const Line& line = *sections[static_cast<std::size_t>(g)][static_cast<std::size_t>(step * kGroupSizes[g] + i)];
        if (std::string error = CheckPileLine(line, cardCount, jokers, into(g == 3 && i == 0)); !error.empty())
          return fail(error);
        file.undo.lists[static_cast<std::size_t>(g)].push_back(line.text);
      }
    }
    if (std::string error = FindTwice(cards, "in undo step " + std::to_string(step + 1)); !error.empty())
      return fail(error);
  }
  file.undoLog = sections[4][0]->text;
  return CheckedAgainstGame(std::move(file), rules);
}

int ElapsedGameSeconds(const Session& s, Clock& clock) {
  if (s.values.Flag(kClockRunning)) {
    const double days = clock.Now() - s.values.Time(kClockStart);
    if (days >= 0 && days < 11.0) return static_cast<int>(std::llround(days * kSecondsPerDay));
  }
  const std::string& text = s.clockText;
  const auto first = text.find(':');
  const auto second = first == std::string::npos ? std::string::npos : text.find(':', first + 1);
  if (second == std::string::npos) return 0;
  const std::string h = text.substr(0, first), m = text.substr(first + 1, second - first - 1),
                    sec = text.substr(second + 1);
  if (h.empty() || h.size() > 5 || m.empty() || sec.empty() || !IsAllDigits(h) || !IsAllDigits(m) || !IsAllDigits(sec))
    return 0;
  return TextToInt(h) * 3600 + TextToInt(m) * 60 + TextToInt(sec);
}

std::string UnreadableFileMessage(const std::string& path, const std::string& error) {
  return "The game file " + path + " can not be used: " + error + ".";
}

bool WriteGameFile(Session& session, GameStartPorts& ports, const std::string& path) {
  const std::string text = FormatGameFile(session, ElapsedGameSeconds(session, ports.clock));
  if (WriteFileAtomic(path, text)) return true;
  ports.messages.ShowInfo("The game could not be saved to " + path + ".");
  return false;
}

namespace {

void RestoreTable(Session& s, const std::array<std::string, 55>& table) {
  std::size_t line = 0;
  for (int g = 0; g < 4; ++g)
    for (int i = 0; i < kGroupSizes[g]; ++i) RestorePile(s, s.piles.Pile(kGroups[g], i), table[line++]);
}

void RestoreFoundationBases(Session& s, const GameFile& file) {
  for (int i = 0; i < 16; ++i)
    if (const auto base = file.foundationBase[static_cast<std::size_t>(i)])
      s.rules.Set(rule::FoundationBase + i, *base);
}

std::optional<GameFile> ReadChecked(GameStartPorts& ports, const std::string& path, const GameFileRules& rules) {
  if (!FileExists(path)) {
    ports.messages.ShowInfo("File not found: " + path);
    return std::nullopt;
  }
  const auto content = ReadWholeFile(path);
  GameFileCheck check = content ? ParseGameFile(*content, rules) : GameFileCheck{std::nullopt, "it can not be read"};
  if (!check.file) ports.messages.ShowInfo(UnreadableFileMessage(path, check.error));
  return std::move(check.file);
}

}  // namespace

bool LoadGame(Session& s, GameStartPorts& ports, const std::string& path, LoadSource source) {
  if (s.values.Flag(kAnimationRunning)) return false;
  const auto checked = ReadChecked(ports, path, GameFileRules{true, &s});
  return checked && LoadGame(s, ports, *checked, path, source);
}

bool LoadGame(Session& s, GameStartPorts& ports, const GameFile& file, const std::string& path, LoadSource source) {
  if (s.values.Flag(kAnimationRunning)) return false;
  if (!ConfirmAbandonGame(s, ports) || ports.engine.EndGame(s)) return false;
  if (!CheckScreenFor(s, ports.messages, ports.screen, file.gameNumber)) return false;

  TextStore& store = s.store;
  store.Set(pos::kScoreScheme, 2, ZeroPad(file.scoringMode, 2));
  store.Set(pos::kScore, 6, std::to_string(file.score));
  s.positions.Set(PositionTable::kPassCounter, file.passCounter);
  if (file.gameNumber != store.GetInt(pos::kGameNumber, 4)) {
    store.Set(pos::kRunWins, 4, "0000");
    store.Set(pos::kRunLosses, 4, "0000");
  }
  store.Set(pos::kGameNumber, 4, ZeroPad(file.gameNumber, 4));
  store.Set(pos::kGameName, 50, GameNameOf(s, file.gameNumber));
  std::string notice;
  const std::string current = store.Get(pos::kPlayerName, 30);
  store.Set(pos::kPlayerName, 30,
            PlayerNameFromFile(file.player, current.empty() ? kDefaultPlayer : current, path, notice));
  if (!notice.empty()) ports.messages.ShowInfo(notice);
  store.Set(pos::kDealNumber, 15, file.dealNumber);
  RestoreTable(s, file.table);
  s.history.undo = file.undo;
  s.logs.Set(kUndoLog, file.undoLog);

  const int elapsed = file.elapsedSeconds < 24 * 3600 ? file.elapsedSeconds : 0;
  s.values.SetTime(kClockStart, ports.clock.Now() - elapsed / kSecondsPerDay);
  s.values.SetFlag(kClockRunning, true);
  s.clockText = FormatHMS(elapsed, 1);
  ports.window.SetTimeText(s.clockText);

  if (!PrepareTable(s, ports)) return false;
  RestoreFoundationBases(s, file);
  // The empty-pile rule that the deal resolves from the foundation base.
  for (int i = 0; i < kTableauPiles; ++i) {
    if (s.rules[rule::TableauSpace + i] == 91)
      s.rules.Set(rule::TableauSpace + i, RankBelow(s.rules[rule::FoundationBase]));
  }
  if (source == LoadSource::Dialog)
    s.settings.WriteString("Preference", "Dir_Save", std::filesystem::path(path).parent_path().string());
  if (source == LoadSource::HeldFile) DeleteFile(path);

  if (!ports.window.GameCommandsEnabled()) ports.window.SetCommandsEnabled(GameWindow::Commands::Game, true);
  StartGame(s, ports, false, false, 1, source == LoadSource::Demo);
  RestorePenaltyCount(s);
  s.positions.Set(PositionTable::kMovesMade, s.history.undo.Steps() > 0 ? 2 : 0);
  s.values.SetCounter(kDealCounter, s.logs.Count(kUndoLog, kTagDealCounter));
  if (file.undoHistoryDropped)
    ports.messages.ShowInfo("The game file " + path + " was saved by an older version of " + "Cardoria" +
                            ". Its moves before the save can not be undone.");
  return true;
}

void RestartGame(Session& s, GameStartPorts& ports) {
  if (s.values.Flag(kGameInProgress) && !s.values.Flag(kGameWon) &&
      !ports.messages.Confirm("Restart this game?\rGame number: " + s.store.Get(pos::kDealNumber, 15)))
    return;
  ports.window.ShowWaitCursor();
  if (ports.engine.EndGame(s)) {
    ports.window.RestoreCursor();
    return;
  }
  for (int g = 0; g < 4; ++g) {
    const TextList& list = s.history.undo.lists[static_cast<std::size_t>(g)];
    if (list.empty()) continue;
    for (int i = 0; i < kGroupSizes[g] && i < static_cast<int>(list.size()); ++i)
      RestorePile(s, s.piles.Pile(kGroups[g], i), list[static_cast<std::size_t>(i)]);
  }
  s.history.undo.Clear();
  s.logs.Clear(kUndoLog);
  s.values.SetFlag(kClockRunning, false);
  s.clockText = FormatHMS(0, 1);
  ports.window.SetTimeText("0:00:00");
  s.positions.Set(PositionTable::kPassCounter, 1);
  ports.engine.UpdateScore(s);
  if (s.store.Get(147, 1) == "Y") ports.window.PlaySound("Restart", false);
  ports.window.RestoreCursor();
  StartGame(s, ports, false, true, 1, false);
  s.positions.Set(PositionTable::kMovesMade, 0);
  s.values.SetCounter(kDealCounter, 0);
}

void DropSnapshot(Session& s) {
  if (!s.snapshotFile.empty()) DeleteFile(s.snapshotFile);
  s.snapshotFile.clear();
  s.store.Set(pos::kSnapshotFile, 200, "");
}

bool SaveSnapshot(Session& s, GameStartPorts& ports) {
  if (!ports.messages.Confirm("Save snapshot position?")) return false;
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
  std::string path = ((ec ? std::filesystem::path("/tmp") : folder) / "~soXXXXXX").string();
  const int fd = mkstemp(path.data());
  if (fd < 0) {
    ports.messages.ShowInfo("The snapshot could not be saved: no file can be made in " +
                            std::filesystem::path(path).parent_path().string() + ".");
    return false;
  }
  close(fd);
  if (!WriteGameFile(s, ports, path)) {
    DeleteFile(path);
    return false;
  }
  // Only the newest snapshot is ever returned to.
  if (!s.snapshotFile.empty() && s.snapshotFile != path) DeleteFile(s.snapshotFile);
  s.snapshotFile = path;
  s.store.Set(pos::kSnapshotFile, 200, path);
  ports.window.SetCommandsEnabled(GameWindow::Commands::UndoToSnapshot, true);
  return true;
}

bool UndoToSnapshot(Session& s, GameStartPorts& ports) {
  if (!ports.messages.Confirm("Undo to snapshot?")) return false;
  const auto checked = ReadChecked(ports, s.snapshotFile, GameFileRules{false, &s});
  if (!checked) return false;
  const GameFile& file = *checked;
  if (file.gameNumber != s.store.GetInt(pos::kGameNumber, 4)) {
    ports.messages.ShowInfo(UnreadableFileMessage(s.snapshotFile, "it holds another game"));
    return false;
  }
  ports.window.ShowWaitCursor();
  s.store.Set(pos::kScoreScheme, 2, ZeroPad(file.scoringMode, 2));
  s.store.Set(pos::kScore, 6, std::to_string(file.score));
  s.positions.Set(PositionTable::kPassCounter, file.passCounter);
  RestoreTable(s, file.table);
  s.history.undo = file.undo;
  s.logs.Set(kUndoLog, file.undoLog);
  RestoreFoundationBases(s, file);
  s.values.SetCounter(kDealCounter, s.logs.Count(kUndoLog, kTagDealCounter));
  ports.window.LayOutTable();
  ports.engine.UpdateScore(s);
  ports.window.Repaint();
  ports.window.RestoreCursor();
  return true;
}

std::string HeldGamePath(const Session& s, int n) { return s.PathOf("DATA\\Stat_e" + ZeroPad(n, 2) + ".dat"); }

bool HoldGame(Session& s, GameStartPorts& ports) {
  CreateDirectory(s.PathOf("DATA"));
  std::string path, problem;
  {
    // Named and written under the lock: another window starting meanwhile
    // never finds the file empty and takes it for a damaged one.
    FolderLock::Hold hold(s.DataLock());
    for (int n = 1; n <= kHeldGameNames && path.empty() && problem.empty(); ++n) {
      const std::string candidate = HeldGamePath(s, n);
      const int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
      if (fd >= 0) {
        close(fd);
        path = candidate;
      } else if (errno != EEXIST) {
        problem = "The game could not be held: " + candidate + " can not be made.";
      }
    }
    if (path.empty() && problem.empty())
      problem = "The game could not be held: all " + std::to_string(kHeldGameNames) + " held-game files (" +
                HeldGamePath(s, 1) + " to " + HeldGamePath(s, kHeldGameNames) +
                ") are in use. Start the program to resume them first.";
    if (!path.empty() && !WriteFileAtomic(path, FormatGameFile(s, ElapsedGameSeconds(s, ports.clock)))) {
      DeleteFile(path);
      problem = "The game could not be saved to " + path + ".";
    }
  }
  if (!problem.empty()) {
    ports.messages.ShowInfo(problem);
    return false;
  }
  // Ended without a result: a held game is neither won nor lost.
  s.values.SetFlag(kGameInProgress, false);
  ports.engine.EndGame(s);
  s.values.SetFlag(kClockRunning, false);
  DropSnapshot(s);
  ports.window.SetCommandsEnabled(GameWindow::Commands::PauseAndQuit, false);
  ports.window.SetCommandsEnabled(GameWindow::Commands::Snapshot, false);
  ports.window.SetCommandsEnabled(GameWindow::Commands::UndoToSnapshot, false);
  return true;
}

namespace {

// Kept for the player under a name start-up does not look for; false when it
// could not be renamed.
bool KeepAside(const std::string& from, const std::string& held, std::string& aside) {
  std::error_code ec;
  for (int k = 0; k < 1000; ++k) {
    aside = held + ".unreadable" + (k ? "." + std::to_string(k) : std::string());
    if (!std::filesystem::exists(aside, ec)) break;
  }
  std::filesystem::rename(from, aside, ec);
  return !ec;
}

}  // namespace

bool ResumeHeldGame(Session& s, GameStartPorts& ports) {
  for (int n = 0; n <= kHeldGameNames; ++n) {
    const std::string path = HeldGamePath(s, n);
    GameFileCheck check;
    std::string taken;
    {
      FolderLock::Hold hold(s.DataLock());
      if (!FileExists(path)) continue;
      const auto content = ReadWholeFile(path);
      check = content ? ParseGameFile(*content, GameFileRules{true, &s})
                      : GameFileCheck{std::nullopt, "it can not be read"};
      // Taken under the lock, so that a second window starting at the same
      // time does not resume the same game.
      std::error_code ec;
      if (check.file) std::filesystem::rename(path, path + ".resuming", ec);
      if (check.file && ec) check = GameFileCheck{std::nullopt, "it can not be renamed"};
      if (check.file) taken = path + ".resuming";
    }
    // Loading deletes the file once the game is on the table.
    if (check.file && LoadGame(s, ports, *check.file, taken, LoadSource::HeldFile)) return true;
    if (check.file) check.error = "it could not be played";
    std::string aside;
    bool kept = false;
    {
      FolderLock::Hold hold(s.DataLock());
      kept = KeepAside(taken.empty() ? path : taken, path, aside);
    }
    ports.messages.ShowInfo(
        "The held game " + path + " can not be resumed: " + check.error + ". " +
        (kept ? "It has been kept as " + aside + "." : std::string("It could not be renamed and stays where it is.")));
    if (!kept) return false;
  }
  return false;
}

CloseAction ActionOnClose(const Session& s, bool holdAllowed) {
  if (!s.values.Flag(kGameInProgress) || !holdAllowed) return CloseAction::Close;
  if (s.values.Flag(kHoldAndExitRequested)) return CloseAction::Hold;
  const std::string confirm = s.settings.ReadString("Preference", "ConfirmSaveAndExit", "N");
  if (confirm == "Y") return CloseAction::Ask;
  if (confirm == "N" && TextToIntDef(s.settings.ReadString("Preference", "ConfirmSaveAndExitType", "0"), 0) == 1)
    return CloseAction::Hold;
  return CloseAction::Close;
}

}  // namespace cardoria
