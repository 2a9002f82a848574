#include "persist/HiScores.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "core/Catalogue.h"
#include "core/CatalogueFile.h"
#include "core/CustomGames.h"
#include "core/Session.h"
#include "persist/DataChange.h"
#include "persist/FileSystem.h"
#include "persist/OverallScore.h"
#include "persist/SectionFile.h"
#include "persist/Statistics.h"
#include "platform/Clock.h"
#include "platform/IniProfile.h"
#include "platform/Messages.h"

namespace cardoria {

namespace {

constexpr std::array<const char*, kHiScoreRanks> kInventedNames = {
    "Alice", "Bruno", "Carla", "Dmitri", "Elena", "Felix", "Greta", "Hugo", "Irene", "Jonas",
    "Klara", "Luca",  "Marta", "Nils",   "Olga",  "Pavel", "Rosa",  "Sven", "Tina",  "Viktor"};

std::string RankKey(const std::string& mode, int rank) { return mode + "-" + ZeroPad(rank, 2); }

TextList RankKeys(const std::string& mode) {
  TextList keys;
  for (int r = 1; r <= kHiScoreRanks; ++r) keys.push_back(RankKey(mode, r));
  return keys;
}

KeyValues TablePairs(const std::string& mode, const TextList& entries) {
  KeyValues pairs;
  for (int r = 0; r < kHiScoreRanks; ++r)
    pairs.emplace_back(RankKey(mode, r + 1), entries[static_cast<std::size_t>(r)]);
  return pairs;
}

bool BlankScore(std::string_view entry) {
  const std::string score = Columns(entry, 1, 6);
  return std::all_of(score.begin(), score.end(), [](char c) { return c == ' '; });
}

std::optional<int> NumberField(std::string_view text) {
  const std::string trimmed = TrimLeftSpaces(TrimRightSpaces(text));
  const std::string_view digits = std::string_view(trimmed).substr(trimmed.starts_with('-') ? 1 : 0);
  if (digits.empty() || !IsAllDigits(digits)) return std::nullopt;
  return TextToInt(trimmed);
}

std::string EntryPlayer(std::string_view entry) { return TrimRightSpaces(Columns(entry, 33, 30)); }

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// Every entry cut or padded to 83 characters and closed with " x".
TextList Normalized(TextList entries) {
  entries.resize(kHiScoreRanks, EmptyHiScoreEntry());
  for (std::string& entry : entries) entry = PadRight(entry, 83) + " x";
  return entries;
}

bool ClearedForGood(const FileSystem& files, const std::string& path) {
  return ReadValue(files, path, "Clear scores", "Cleared", "") == "Y";
}

bool EnsureFile(FileSystem& files, const std::string& path) {
  return files.Exists(path) || files.Replace(path, kStatVersionLines);
}

// The stored table; the invented one instead when it is empty.
TextList LoadTable(Session& session, StatsPorts& ports, int game, const std::string& mode, bool& invented) {
  const std::string path = session.PathOf(kHiScoreFile);
  TextList entries =
      ReadValues(ports.files, path, ZeroPad(game, 4), RankKeys(mode), TextList(kHiScoreRanks, EmptyHiScoreEntry()))
          .values;
  invented = BlankScore(entries[0]) && !ClearedForGood(ports.files, path);
  if (invented) {
    const auto [maxScore, cardCount] = ScoreRulesOf(session, game);
    entries = InventedTable(maxScore, cardCount, ports.clock.Now());
  }
  return entries;
}

}  // namespace

std::string FormatHiScoreEntry(const HiScoreEntry& e) {
  return ZeroPad(std::clamp(e.score, -99999, 999999), 6) + " " + ZeroPad(std::clamp(e.elapsedSeconds, 0, 999999), 6) +
         " " + FileDate(e.dateTime) + " " + FileTime(e.dateTime) + " " + PadRight(TrimRightSpaces(e.player), 30) + " " +
         PadRight(e.dealNumber, 15) + " " + (e.won ? "Won " : "Lost") + " x";
}

std::string EmptyHiScoreEntry() { return std::string(84, ' ') + "x"; }

HiScoreRow ParseHiScoreEntry(std::string_view entry) {
  HiScoreRow row;
  row.blank = BlankScore(entry);
  row.score = TrimLeftSpaces(Columns(entry, 1, 6));
  row.time = Columns(entry, 8, 6);
  row.date = Columns(entry, 15, 8);
  row.player = EntryPlayer(entry);
  row.dealNumber = TrimRightSpaces(Columns(entry, 64, 15));
  row.result = TrimRightSpaces(Columns(entry, 80, 4));
  return row;
}

std::vector<int> InventedScores(int maxScore, int cardCount) {
  int d = 52, e = cardCount > 0 ? cardCount : 52;
  if (maxScore != -1) {
    e = 52;
    if (maxScore < 92) d = std::max(maxScore, 0) / 2;
  }
  int step = e == 52 ? -3 : -6;
  if (d < 30) step = -2;
  std::vector<int> scores{std::max(1, e * d / 52)};
  for (int r = 2; r <= kHiScoreRanks; ++r) scores.push_back(std::max(1, scores.back() + (r <= 13 ? step : step + 1)));
  return scores;
}

TextList InventedTable(int maxScore, int cardCount, double dateTime) {
  TextList entries;
  const std::vector<int> scores = InventedScores(maxScore, cardCount);
  for (std::size_t i = 0; i < scores.size(); ++i) {
    entries.push_back(FormatHiScoreEntry(
        {scores[i], 5 * scores[i], dateTime, std::string("* ") + kInventedNames[i], "000000000000000", true}));
  }
  return entries;
}

std::pair<int, int> ScoreRulesOf(const Session& session, int game) {
  const int base = game >= kFirstCustomGame ? CustomGameInfo(session, game).base : game;
  const std::vector<int> values = GameRuleValue(session, base, {42, 284});
  return {values[0] == -99 ? -1 : values[0], values[1] == -99 ? 52 : values[1]};
}

TextList ReadHiScores(Session& session, StatsPorts& ports, int game, const std::string& mode) {
  const std::string path = session.PathOf(kHiScoreFile);
  // Reading may write the invented table.
  FolderLock::Hold hold(session.DataLock());
  if (!EnsureFile(ports.files, path)) ports.messages.ShowInfo(WriteErrorText(path));
  bool invented = false;
  TextList entries = Normalized(LoadTable(session, ports, game, mode, invented));
  if (invented && !WriteSectionInPlace(ports.files, path, ZeroPad(game, 4), TablePairs(mode, entries)))
    ports.messages.ShowInfo(WriteErrorText(path));
  return entries;
}

std::optional<int> EnterHiScore(Session& session, StatsPorts& ports, const HiScoreOffer& offer) {
  const std::string path = session.PathOf(kHiScoreFile);
  if (!EnsureFile(ports.files, path)) return std::nullopt;
  bool invented = false;
  TextList entries = LoadTable(session, ports, offer.game, kScoreMode, invented);
  const std::string entry = FormatHiScoreEntry(
      {offer.score, offer.elapsedSeconds, offer.dateTime, offer.player, offer.dealNumber, offer.won});
  int rank = -1, score = -999999, time = 999999;
  for (int r = 0; r < kHiScoreRanks && rank < 0; ++r) {
    const std::string& old = entries[static_cast<std::size_t>(r)];
    if (BlankScore(old)) {
      score = -999999;
    } else if (const auto value = NumberField(Columns(old, 1, 6))) {
      score = *value;
    }
    const std::string oldTime = Columns(old, 8, 6);
    if (std::all_of(oldTime.begin(), oldTime.end(), [](char c) { return c == ' '; })) {
      time = 999999;
    } else if (const auto value = NumberField(oldTime)) {
      time = *value;
    }
    if (score < offer.score || (score == offer.score && time > offer.elapsedSeconds)) rank = r;
  }
  if (rank >= 0) entries.insert(entries.begin() + rank, entry);
  entries = Normalized(std::move(entries));
  if ((rank >= 0 || invented) &&
      !WriteSectionInPlace(ports.files, path, ZeroPad(offer.game, 4), TablePairs(kScoreMode, entries)))
    return std::nullopt;
  if (!UpdateOverallScore(session, ports, offer.game, offer.player, false, offer.elapsedSeconds, offer.score))
    return std::nullopt;
  return rank;
}

void AnnounceHiScore(Session& session, StatsPorts& ports, int game, int rank) {
  if (rank < 0 || session.store.Get(186, 1) == "N") return;
  ports.view.ShowHiScores(true, rank,
                          "Congratulations! Your score has made the " + TrimRightSpaces(GameNameOf(session, game)) +
                              " " + "Hi-Scores list!",
                          game);
}

int OfferHiScore(Session& session, StatsPorts& ports, const HiScoreOffer& offer) {
  std::string failed = session.PathOf(kChangeJournalFile);
  int rank = -1;
  bool entered = false;
  {
    DataChange change(session, ports.files);
    if (change.Ready()) {
      const auto reached = EnterHiScore(session, ports, offer);
      entered = reached && change.Commit();
      if (reached) rank = *reached;
      failed = ports.files.FailedPath().empty() ? session.PathOf(kHiScoreFile) : ports.files.FailedPath();
    }
  }
  if (!entered) {
    ports.messages.ShowInfo(WriteErrorText(failed));
    return -1;
  }
  AnnounceHiScore(session, ports, offer.game, rank);
  return rank;
}

bool ClearHiScores(Session& session, StatsPorts& ports, int game, const std::string& player) {
  FileSystem& files = ports.files;
  const std::string path = session.PathOf(kHiScoreFile), who = TrimRightSpaces(player);
  const bool allGames = game == kAllGames, allPlayers = who.empty();
  DataChange change(session, files);
  bool ok = change.Ready();
  if (ok && allGames && allPlayers) {
    ok = files.Replace(path, std::string(kStatVersionLines) + "\r\n[Clear scores]\r\nCleared=Y\r\n");
    if (ok) ResetOverallScores(session, ports);
  } else if (ok && files.Exists(path)) {
    std::vector<int> games;
    if (allGames) {
      for (const std::string& line : session.catalogue) games.push_back(LineNumber(line));
    } else {
      games.push_back(game);
    }
    std::vector<std::string> ranked;
    for (const OverallRank& rank : ReadOverallRanking(session, ports)) ranked.push_back(Lower(rank.player));
    for (const int number : games) {
      const TextList entries = ReadValues(files, path, ZeroPad(number, 4), RankKeys(kScoreMode),
                                          TextList(kHiScoreRanks, EmptyHiScoreEntry()))
                                   .values;
      if (std::all_of(entries.begin(), entries.end(), [](const std::string& e) { return BlankScore(e); })) continue;
      TextList kept;
      for (const std::string& entry : entries) {
        if (BlankScore(entry)) continue;
        const std::string owner = EntryPlayer(entry);
        if (!allPlayers && owner != who) {
          kept.push_back(entry);
          continue;
        }
        if (std::find(ranked.begin(), ranked.end(), Lower(owner)) != ranked.end())
          ok = ok && UpdateOverallScore(session, ports, number, owner, true, 0, 0);
      }
      ok = ok && WriteSectionInPlace(files, path, ZeroPad(number, 4), TablePairs(kScoreMode, Normalized(kept)));
      if (!ok) break;
    }
  }
  return FinishClearing(session, ports, change, ok ? std::string() : path, allGames, game, allPlayers, who);
}

bool BlankHiScores(Session& session, StatsPorts& ports, int game, const std::string& mode) {
  const std::string path = session.PathOf(kHiScoreFile);
  FolderLock::Hold hold(session.DataLock());
  const bool ok = EnsureFile(ports.files, path) &&
                  WriteSectionInPlace(ports.files, path, ZeroPad(game, 4),
                                      TablePairs(mode, TextList(kHiScoreRanks, EmptyHiScoreEntry())));
  if (!ok) ports.messages.ShowInfo(WriteErrorText(path));
  return ok;
}

bool UpgradeHiScoreFile(Session& session, StatsPorts& ports, IniProfile& settings) {
  const std::string path = session.PathOf(kHiScoreFile);
  FolderLock::Hold hold(session.DataLock());
  if (!ports.files.Exists(path)) return true;
  bool ok = true;
  if (ReadValue(ports.files, path, "Version", "Version", "0000") < "0300") {
    const auto content = ports.files.ReadAll(path);
    TextList lines = {"[Version]", "Version=0300", ""};
    if (content) {
      for (const std::string& line : SplitLines(*content)) {
        if (line.starts_with("[Version]") || line.starts_with("Version=")) continue;
        lines.push_back(line.starts_with('0') ? PadRight(line, 89) + " x" : line);
      }
    }
    ok = content && ports.files.Replace(path, JoinLines(lines));
    if (!ok) ports.messages.ShowInfo(WriteErrorText(path));
  }
  for (const char* key : {"Cards_Animate", "ConfirmQuit"}) {
    if (settings.ReadString("Preference", key, "") == "S") settings.WriteString("Preference", key, "Y");
  }
  return ok;
}

}  // namespace cardoria
