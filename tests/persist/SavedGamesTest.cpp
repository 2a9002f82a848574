// Saved games on the real catalogue: what is saved comes back whole, a file
// that fails its checks never touches the game on the table, and restart,
// snapshots and held games keep their promises.

#include "persist/SavedGames.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include <unistd.h>

#include "core/Cards.h"
#include "core/CatalogueFile.h"
#include "core/RuleIndex.h"
#include "persist/UndoLog.h"
#include "support/PlayFixture.h"

namespace cardoria {
namespace {

using test::PlayFixture;

constexpr int kKlondike = 2;
constexpr double kDay = 46000.25;  // some morning

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  for (std::size_t end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(text.substr(at, end - at));
  EXPECT_EQ(at, text.size()) << "the last line ends with CR LF";
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// Moves picked at random among the piles the game uses; the engine refuses
// the illegal ones, so only legal moves change the table.
void PlayRandomly(PlayFixture& play, std::mt19937& chance, int actions) {
  Session& s = play.session;
  auto pick = [&](int n) { return static_cast<int>(chance() % static_cast<unsigned>(std::max(n, 1))); };
  const int counts[4] = {kStockPiles, s.rules[GameRules::kFoundationCount], s.rules[GameRules::kTableauCount],
                         s.rules[GameRules::kReserveCount]};
  for (int a = 0; a < actions && s.values.Flag(kGameInProgress); ++a) {
    const int what = pick(12);
    if (what < 2) {
      play.Click({PileGroup::Stock, kStockItem});
      continue;
    }
    const int group = 1 + pick(3);
    const std::string& pile = s.piles.Pile(static_cast<PileGroup>(group), pick(counts[group]));
    if (pile.empty()) continue;
    const int count = PileCardCount(pile);
    const int card = CardAt(pile, pick(3) == 0 ? pick(count) : count - 1);
    if (card <= 0) continue;
    if (what == 2) {
      const Rect r = CardRectangle(s, card);
      play.engine.OnMouseDown(kRightButton, false, r.left + 1, r.top + 1);
      play.engine.OnMouseUp(kRightButton);
      continue;
    }
    const int to = 1 + pick(3);
    play.Drag(card, {static_cast<PileGroup>(to), pick(counts[to])});
  }
}

// Everything a saved game carries, as one text to compare.
std::string Carried(PlayFixture& play) {
  const Session& s = play.session;
  std::string text = play.TableText();
  text += "\nscore=" + s.store.Get(pos::kScore, 6) + " scheme=" + s.store.Get(pos::kScoreScheme, 2);
  text += " passes=" + std::to_string(s.positions[PositionTable::kPassCounter]);
  text += " deals=" + std::to_string(s.values.Counter(kDealCounter));
  text += " game=" + s.store.Get(pos::kGameNumber, 4) + " name=" + s.store.Get(pos::kGameName, 50);
  text += " player=" + s.store.Get(pos::kPlayerName, 30) + " deal=" + s.store.Get(pos::kDealNumber, 15);
  text += "\nlog=" + s.logs.Text(kUndoLog);
  for (const TextList& list : s.history.undo.lists)
    for (const std::string& line : list) text += "\n" + line;
  return text;
}

std::string Rules(const Session& s) {
  std::string text;
  for (int i = 0; i < GameRules::kSize; ++i) text += std::to_string(s.rules[i]) + ",";
  return text;
}

// A fixture dealt with a known player and clock.
struct Game : PlayFixture {
  explicit Game(int number = kKlondike, const std::string& deal = "4711000000815") {
    session.store.Set(pos::kPlayerName, 30, "Ann Player");
    clock.now = kDay;
    clock.step = 1000;
    started = Start(number, deal);
  }
  bool Save(const std::string& path) { return WriteGameFile(session, startPorts, path); }
  bool Load(const std::string& path, LoadSource source = LoadSource::Dialog) {
    return LoadGame(session, startPorts, path, source);
  }
  void Advance(int seconds) { clock.now += seconds / kSecondsPerDay; }
  bool started = false;
};

TEST(SavedGames, EveryCatalogueGameComesBackWholeWithItsHistory) {
  Game catalogue;
  std::mt19937 chance(4242);
  int withHistory = 0;
  for (const std::string& line : TextList(catalogue.session.catalogue)) {
    const int number = LineNumber(line);
    SCOPED_TRACE(LineName(line));
    Game original(number);
    ASSERT_TRUE(original.started);
    PlayRandomly(original, chance, 300);
    if (!original.session.values.Flag(kGameInProgress)) continue;  // won: nothing to save
    original.Advance(1234);
    original.engine.ClockTick();
    const std::string path = original.dir / "game.gam";
    ASSERT_TRUE(original.Save(path));

    Game loaded(kKlondike, "1");
    loaded.clock.now = kDay + 3.5;
    ASSERT_TRUE(loaded.Load(path));
    loaded.engine.ClockTick();
    EXPECT_EQ(loaded.session.clockText, original.session.clockText);
    ASSERT_EQ(Carried(loaded), Carried(original));
    EXPECT_EQ(Rules(loaded.session), Rules(original.session));
    EXPECT_TRUE(loaded.session.history.redo.lists[0].empty());

    const int steps = original.session.history.undo.Steps();
    withHistory += steps > 0;
    for (int k = 0; k < steps; ++k) {
      ASSERT_TRUE(original.engine.Undo());
      ASSERT_TRUE(loaded.engine.Undo()) << "undo " << k;
      ASSERT_EQ(Carried(loaded), Carried(original)) << "after undo " << k + 1;
    }
    EXPECT_FALSE(loaded.engine.Undo());
    for (int k = 0; k < steps; ++k) {
      ASSERT_TRUE(original.engine.Redo());
      ASSERT_TRUE(loaded.engine.Redo()) << "redo " << k;
      ASSERT_EQ(Carried(loaded), Carried(original)) << "after redo " << k + 1;
    }
  }
  EXPECT_GT(withHistory, 20);  // the games were really played
}

// The memory games: the twins of the remembering game are cards of the
// second deck, and the misses, which the file does not hold, come back
// from the score.
TEST(SavedGames, MemoryGamesComeBackWithTheirTwinsAndMisses) {
  Game twins(69);
  ASSERT_TRUE(twins.started);
  twins.Advance(11);
  twins.engine.TimerTick();
  ASSERT_GT(CardAt(twins.session.piles.Pile(PileGroup::Tableau, 10), 0), 52);
  const std::string twinsPath = twins.dir / "twins.gam";
  ASSERT_TRUE(twins.Save(twinsPath));
  Game loadedTwins(kKlondike, "1");
  ASSERT_TRUE(loadedTwins.Load(twinsPath));
  EXPECT_EQ(Carried(loadedTwins), Carried(twins));

  Game pairs(66);
  ASSERT_TRUE(pairs.started);
  const std::string& row = pairs.session.piles.Pile(PileGroup::Tableau, 0);
  int first = CardAt(row, 0), second = 0;
  for (int k = 1; k < PileCardCount(row) && !second; ++k)
    if (CardRank(CardAt(row, k)) != CardRank(first)) second = CardAt(row, k);
  for (int card : {first, second}) {
    const Rect r = CardRectangle(pairs.session, card);
    pairs.engine.OnMouseDown(kLeftButton, false, r.left + 1, r.top + 1);
    pairs.engine.OnMouseUp(kLeftButton);
  }
  ASSERT_EQ(pairs.engine.PenaltyCount(), 1);
  const std::string pairsPath = pairs.dir / "pairs.gam";
  ASSERT_TRUE(pairs.Save(pairsPath));
  Game loadedPairs(kKlondike, "1");
  ASSERT_TRUE(loadedPairs.Load(pairsPath));
  EXPECT_EQ(loadedPairs.engine.PenaltyCount(), 1);
  loadedPairs.engine.UpdateScore();
  EXPECT_EQ(loadedPairs.session.store.Get(pos::kScore, 6), "-53");
}

TEST(SavedGames, FileHasTheFixedLayout) {
  Game game;
  game.Click({PileGroup::Stock, kStockItem});
  game.Click({PileGroup::Stock, kStockItem});
  game.Advance(3750);
  const std::string path = game.dir / "layout.gam";
  ASSERT_TRUE(game.Save(path));
  const std::vector<std::string> lines = SplitLines(game.dir.Read("layout.gam"));
  const int steps = game.session.history.undo.Steps();
  ASSERT_EQ(steps, 2);
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(67 + 5 + 55 * steps + 1));
  ASSERT_EQ(lines[0].size(), 95u);
  EXPECT_EQ(lines[0].substr(0, 12), "[S-0303]0002");
  EXPECT_EQ(lines[0].substr(75, 6), "003750");
  EXPECT_EQ(lines[0].substr(81, 2), "01");
  EXPECT_EQ(lines[0].substr(83, 6), ZeroPad(game.session.store.GetInt(pos::kScore, 6), 6));
  EXPECT_EQ(lines[0].substr(89, 6), "000001");
  ASSERT_EQ(lines[1].size(), 98u);
  EXPECT_EQ(lines[1].substr(0, 50), PadRight("Ann Player", 50));
  EXPECT_EQ(lines[1].substr(50, 16), "4711000000815   ");
  EXPECT_EQ(lines[1].substr(66, 2), ZeroPad(game.session.rules[rule::FoundationBase], 2));
  for (int i = 2; i < 12; ++i) EXPECT_EQ(lines[static_cast<std::size_t>(i)], "");
  EXPECT_EQ(lines[12], SnapshotLine(game.session.cards, game.session.piles.Pile(PileGroup::Stock, kStockItem)));
  EXPECT_EQ(lines[67], "[UNDO - Stock]");
  EXPECT_EQ(lines[67 + 1 + 3 * steps], "[UNDO - Foundations]");
  EXPECT_EQ(lines[lines.size() - 2], "[UNDO - Log]");
  EXPECT_EQ(lines.back(), ",,");
}

TEST(SavedGames, ClockResumesFromTheSavedTimeAndStartsAfreshPastADay) {
  for (auto [seconds, shown] : {std::pair{3750, "1:02:30"}, {86400 + 5, "0:00:00"}}) {
    Game game;
    game.Advance(seconds);
    const std::string path = game.dir / "clock.gam";
    ASSERT_TRUE(game.Save(path));
    Game loaded;
    loaded.clock.now = kDay + 10;
    ASSERT_TRUE(loaded.Load(path));
    EXPECT_EQ(loaded.session.clockText, shown);
    loaded.engine.ClockTick();
    EXPECT_EQ(loaded.session.clockText, shown);
    EXPECT_TRUE(loaded.session.values.Flag(kClockRunning));
  }
}

// A real save of a Klondike game with a few steps behind it.
struct SavedKlondike : Game {
  SavedKlondike() {
    for (int i = 0; i < 4; ++i) Click({PileGroup::Stock, kStockItem});
    path = dir / "real.gam";
    Save(path);
    text = dir.Read("real.gam");
  }
  std::string path, text;
};

TEST(SavedGames, OlderVersionsAreConvertedAndTheirHistoryDropped) {
  SavedKlondike saved;
  const std::vector<std::string> lines = SplitLines(saved.text);
  auto main = [&](std::string version) {
    std::vector<std::string> head(lines.begin(), lines.begin() + 67);
    head[0].replace(3, 4, version);
    return head;
  };
  std::vector<std::string> v0301 = main("0301");
  v0301.erase(v0301.begin() + 52, v0301.begin() + 54);  // tableau 22 and 23
  std::vector<std::string> v0300 = main("0300");
  v0300.erase(v0300.begin() + 47, v0300.begin() + 54);  // tableau 17 to 23
  v0300.erase(v0300.begin() + 23, v0300.begin() + 27);  // foundations 9 to 12
  v0300[1].resize(90);
  // Their undo history comes from the same old file.
  const std::vector<std::string> oldHistory(lines.begin() + 67, lines.end());
  for (auto* file : {&v0301, &v0300}) {
    std::vector<std::string> whole = *file;
    whole.insert(whole.end(), oldHistory.begin(), oldHistory.end());
    saved.dir.Write("old.gam", JoinLines(whole));
    Game loaded;
    loaded.messages.shown.clear();
    ASSERT_TRUE(loaded.Load(saved.dir / "old.gam")) << whole[0];
    EXPECT_EQ(loaded.TableText(), saved.TableText());
    EXPECT_EQ(loaded.session.history.undo.Steps(), 0);
    EXPECT_EQ(loaded.session.logs.Text(kUndoLog), "");
    ASSERT_FALSE(loaded.messages.shown.empty());
    EXPECT_NE(loaded.messages.shown.back().text.find("older version"), std::string::npos);
    EXPECT_FALSE(loaded.engine.Undo());
  }
  // A 0300 line 2 has twelve foundation bases; the other four read as 0.
  Game loaded;
  ASSERT_TRUE(loaded.Load(saved.dir / "old.gam"));
  EXPECT_EQ(loaded.session.rules[rule::FoundationBase + 15], 0);
}

TEST(SavedGames, DamagedFilesLeaveTheGameOnTheTable) {
  SavedKlondike saved;
  const std::vector<std::string> lines = SplitLines(saved.text);
  ASSERT_EQ(saved.session.history.undo.Steps(), 4);
  struct Case {
    std::string name, content, message;
  };
  std::vector<Case> cases;
  auto edit = [&](auto change) {
    std::vector<std::string> copy = lines;
    change(copy);
    return JoinLines(copy);
  };
  // Line 45 is tableau 14, empty in Klondike; line 32 is tableau 1.
  const std::string firstCard = lines[31].substr(0, 3);
  const std::string otherCard = lines[33].substr(0, 3);
  cases.push_back({"code 109", edit([](auto& l) { l[31].replace(0, 3, "109"); }), "card code 109 is no card"});
  cases.push_back(
      {"joker in a one-pack game", edit([](auto& l) { l[31].replace(0, 3, "105"); }), "card 105 is not in the pack"});
  cases.push_back({"duplicated card", edit([&](auto& l) { l[44] = otherCard + "1"; }),
                   "card " + otherCard + " lies twice on the table"});
  cases.push_back({"face digit 2", edit([](auto& l) { l[31][3] = '2'; }), "is \"2\", not 0 or 1"});
  cases.push_back({"undo list one line short", edit([](auto& l) {
                     const auto at = std::find(l.begin(), l.end(), "[UNDO - Piles]");
                     l.erase(at + 1);
                   }),
                   "[UNDO - Piles] has 111 lines where 4 steps need 112"});
  cases.push_back({"unknown game number", edit([](auto& l) { l[0].replace(8, 4, "9998"); }),
                   "game number 9998 is not in the catalogue"});
  cases.push_back({"score not a number", edit([](auto& l) { l[0].replace(83, 6, "12x456"); }),
                   "the score \"12x456\" is not a number"});
  cases.push_back({"deal number not a number", edit([](auto& l) { l[1].replace(50, 3, "ABC"); }), "the deal number"});
  cases.push_back({"log one entry short", edit([](auto& l) { l.back() = ",,,"; }), "3 entries where 4 steps"});
  cases.push_back({"newer version", edit([](auto& l) { l[0].replace(3, 4, "0400"); }), "newer"});
  cases.push_back({"other tag", edit([](auto& l) { l[0].replace(0, 3, "[X-"); }), "not a saved game"});
  cases.push_back({"card twice in a step", edit([&](auto& l) {
                     const auto at = std::find(l.begin(), l.end(), "[UNDO - Piles]");
                     *(at + 14) = firstCard + "1";
                     *(at + 15) = firstCard + "0";
                   }),
                   "lies twice in undo step 1"});
  // Checked against the game the file names.
  cases.push_back({"renumbered as Freecell", edit([](auto& l) { l[0].replace(8, 4, "0001"); }),
                   "lies on the stock, which this game does not have"});
  cases.push_back({"renumbered as Spider", edit([](auto& l) { l[0].replace(8, 4, "0004"); }), "is missing"});
  cases.push_back({"a card missing", edit([](auto& l) { l[37].resize(l[37].size() - 4); }), "is missing"});
  cases.push_back({"a card on a column the game does not have", edit([](auto& l) {
                     l[44] = l[37].substr(l[37].size() - 4);
                     l[37].resize(l[37].size() - 4);
                   }),
                   "lies on column 14, which this game does not have"});
  cases.push_back({"a card missing in a step", edit([](auto& l) {
                     const auto at = std::find(l.begin(), l.end(), "[UNDO - Piles]");
                     std::string& column = *(at + 7);
                     column.resize(column.size() - 4);
                   }),
                   "in undo step 1, card"});
  cases.push_back({"pass counter 999999", edit([](auto& l) { l[0].replace(89, 6, "999999"); }),
                   "the pass counter 999999 is not between 0 and 32767"});
  cases.push_back({"15-digit deal number", edit([](auto& l) { l[1].replace(50, 15, "471100000081599"); }),
                   "does not have 13 digits"});
  saved.dir.Write("DATA/GAM_CUST.DAT", "[R-0301]\r\n" + ZeroPad(8000, 4) + PadRight("Lost base", 50) + "0999\r\n" +
                                           "001-010\r\n" + std::string(28, '\n'));
  cases.push_back({"customized game without its base", edit([](auto& l) { l[0].replace(8, 4, "8000"); }),
                   "which the catalogue does not hold"});
  cases.push_back({"binary file", std::string("[S-0303]\0\x01\xff\x7f", 12), "not a text file"});
  cases.push_back({"empty file", "", "the file is empty"});
  // Cut at every line boundary short of the whole file.
  std::size_t at = 0;
  for (std::size_t n = 0; n + 1 < lines.size(); ++n) {
    at = saved.text.find("\r\n", at) + 2;
    cases.push_back({"cut after line " + std::to_string(n + 1), saved.text.substr(0, at), ""});
  }

  const std::string before = Carried(saved);
  const std::string rules = Rules(saved.session);
  const std::string path = saved.dir / "damaged.gam";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    saved.dir.Write("damaged.gam", c.content);
    saved.messages.shown.clear();
    EXPECT_FALSE(saved.Load(path));
    ASSERT_EQ(saved.messages.shown.size(), 1u) << "no question, only the message";
    const std::string& shown = saved.messages.shown[0].text;
    EXPECT_NE(shown.find(path), std::string::npos) << shown;
    EXPECT_NE(shown.find(c.message), std::string::npos) << shown;
    EXPECT_EQ(Carried(saved), before);
    EXPECT_EQ(Rules(saved.session), rules);
    EXPECT_TRUE(saved.session.values.Flag(kGameInProgress));
    EXPECT_EQ(saved.table.gamesEnded, 0);
  }
  // The real file itself still loads.
  saved.messages.shown.clear();
  EXPECT_TRUE(saved.Load(saved.path));
}

TEST(SavedGames, APlayerNameThatCouldBreakTheStatisticsGivesWayToTheCurrentPlayer) {
  SavedKlondike saved;
  for (const char* name : {"[0001]", "Bob=x"}) {
    std::vector<std::string> lines = SplitLines(saved.text);
    lines[1].replace(0, 50, PadRight(name, 50));
    saved.dir.Write("named.gam", JoinLines(lines));
    saved.messages.shown.clear();
    ASSERT_TRUE(saved.Load(saved.dir / "named.gam")) << name;
    EXPECT_EQ(saved.session.store.Get(pos::kPlayerName, 30), "Ann Player") << name;
    ASSERT_FALSE(saved.messages.shown.empty()) << name;
    const std::string& told = saved.messages.shown.back().text;
    EXPECT_NE(told.find(std::string("The player name \"") + name + "\" in "), std::string::npos) << told;
    EXPECT_NE(told.find("Ann Player plays instead."), std::string::npos) << told;
  }
}

TEST(SavedGames, RandomlyDamagedSavesLoadWholeOrNotAtAll) {
  std::mt19937 chance(777);
  auto pick = [&](std::size_t n) { return static_cast<std::size_t>(chance() % std::max<std::size_t>(n, 1)); };
  int refused = 0, loaded = 0;
  for (int number : {1, 2, 8, 16, 40}) {
    Game original(number);
    if (!original.started) continue;
    PlayRandomly(original, chance, 60);
    if (!original.session.values.Flag(kGameInProgress)) continue;
    const std::string path = original.dir / "real.gam";
    ASSERT_TRUE(original.Save(path));
    const std::string text = original.dir.Read("real.gam");
    Game target;
    const std::string before = Carried(target);
    for (int round = 0; round < 150; ++round) {
      std::string damaged = text;
      for (int k = 1 + static_cast<int>(pick(3)); k > 0; --k) {
        const std::size_t at = pick(damaged.size());
        switch (pick(5)) {
          case 0: damaged[at] = static_cast<char>(chance()); break;
          case 1: damaged[at] = static_cast<char>('0' + pick(10)); break;
          case 2: damaged.erase(at, 1 + pick(8)); break;
          case 3: damaged.insert(at, damaged.substr(pick(damaged.size()), pick(12))); break;
          default: {
            // A whole line dropped or doubled.
            const std::size_t start = damaged.rfind('\n', at) == std::string::npos ? 0 : damaged.rfind('\n', at) + 1;
            const std::size_t end = damaged.find('\n', at);
            if (end == std::string::npos) break;
            const std::string line = damaged.substr(start, end + 1 - start);
            if (pick(2)) {
              damaged.erase(start, line.size());
            } else {
              damaged.insert(start, line);
            }
          }
        }
      }
      target.dir.Write("damaged.gam", damaged);
      target.messages.shown.clear();
      if (target.Load(target.dir / "damaged.gam")) {
        ++loaded;
        ASSERT_TRUE(target.session.values.Flag(kGameInProgress));
        // What passed the checks is the whole pack of its game, on its piles.
        if (!DealsPartOfThePack(target.session)) {
          ASSERT_TRUE(target.PackIntact());
        }
        for (int k = target.session.history.undo.Steps(); k > 0; --k) ASSERT_TRUE(target.engine.Undo());
        target.session.store.Set(pos::kPlayerName, 30, "Ann Player");
        ASSERT_TRUE(target.Start(kKlondike, "4711000000815"));
      } else {
        ++refused;
        ASSERT_EQ(Carried(target), before) << damaged;
      }
    }
  }
  EXPECT_GT(refused, 100);
}

TEST(SavedGames, RestartRightAfterTheDealKeepsThePilesAndRecordsALoss) {
  Game game;
  const std::string dealt = game.TableText();
  game.Advance(30);
  RestartGame(game.session, game.startPorts);
  EXPECT_EQ(game.messages.shown.back().text, "Restart this game?\rGame number: 4711000000815");
  EXPECT_EQ(game.TableText(), dealt);
  EXPECT_EQ(game.table.gamesEnded, 1);
  EXPECT_FALSE(game.table.lastResult.won);
  EXPECT_TRUE(game.session.values.Flag(kGameInProgress));
  EXPECT_EQ(game.session.clockText, "0:00:00");

  // After moves it goes back to the deal with no history, and Cancel keeps all.
  for (int i = 0; i < 5; ++i) game.Click({PileGroup::Stock, kStockItem});
  const std::string played = game.TableText();
  game.messages.answer = false;
  RestartGame(game.session, game.startPorts);
  EXPECT_EQ(game.TableText(), played);
  game.messages.answer = true;
  RestartGame(game.session, game.startPorts);
  EXPECT_EQ(game.TableText(), dealt);
  EXPECT_EQ(game.session.history.undo.Steps(), 0);
  EXPECT_EQ(game.session.positions[PositionTable::kPassCounter], 1);
  EXPECT_EQ(game.table.gamesEnded, 2);
}

TEST(SavedGames, UndoToSnapshotKeepsRedoAndClockAndRecountsDeals) {
  test::TempDir folder;
  // A temporary folder deeper than the store's 200 characters.
  const std::string deep = folder / (std::string(120, 'a') + "/" + std::string(120, 'b'));
  std::filesystem::create_directories(deep);
  struct TemporaryFolder {
    explicit TemporaryFolder(const std::string& path) {
      if (const char* old = std::getenv("TMPDIR")) saved = old;
      setenv("TMPDIR", path.c_str(), 1);
    }
    ~TemporaryFolder() {
      if (saved) {
        setenv("TMPDIR", saved->c_str(), 1);
      } else {
        unsetenv("TMPDIR");
      }
    }
    std::optional<std::string> saved;
  } temporary(deep);

  Game game;
  game.Click({PileGroup::Stock, kStockItem});
  ASSERT_TRUE(SaveSnapshot(game.session, game.startPorts));
  const std::string first = game.session.snapshotFile;
  EXPECT_GT(first.size(), 200u);
  for (int i = 0; i < 3; ++i) game.Click({PileGroup::Stock, kStockItem});
  ASSERT_TRUE(SaveSnapshot(game.session, game.startPorts));
  const std::string second = game.session.snapshotFile;
  EXPECT_FALSE(std::filesystem::exists(first)) << "the earlier snapshot is gone";
  EXPECT_EQ(game.messages.shown.back().text, "Save snapshot position?");
  const std::string atSnapshot = Carried(game);

  for (int i = 0; i < 3; ++i) game.Click({PileGroup::Stock, kStockItem});
  ASSERT_TRUE(game.engine.Undo());
  const double clockStart = game.session.values.Time(kClockStart);
  game.session.values.SetCounter(kDealCounter, 7);  // stale
  ASSERT_TRUE(UndoToSnapshot(game.session, game.startPorts));
  EXPECT_EQ(game.messages.shown.back().text, "Undo to snapshot?");
  EXPECT_EQ(Carried(game), atSnapshot);
  EXPECT_EQ(game.session.values.Counter(kDealCounter), 0);
  EXPECT_EQ(game.session.history.redo.Steps(), 1);
  EXPECT_EQ(game.session.values.Time(kClockStart), clockStart);
  EXPECT_TRUE(game.session.values.Flag(kClockRunning));
  // Any number of times while the game lasts; the end of the game deletes it.
  ASSERT_TRUE(UndoToSnapshot(game.session, game.startPorts));
  EXPECT_TRUE(std::filesystem::exists(second));
  game.engine.EndGame();
  EXPECT_FALSE(std::filesystem::exists(second));
  EXPECT_EQ(game.session.snapshotFile, "");
}

TEST(SavedGames, MissingSnapshotChangesNothing) {
  Game game;
  game.Click({PileGroup::Stock, kStockItem});
  ASSERT_TRUE(SaveSnapshot(game.session, game.startPorts));
  std::filesystem::remove(game.session.snapshotFile);
  game.Click({PileGroup::Stock, kStockItem});
  const std::string before = Carried(game);
  EXPECT_FALSE(UndoToSnapshot(game.session, game.startPorts));
  EXPECT_EQ(game.messages.shown.back().text, "File not found: " + game.session.snapshotFile);
  EXPECT_EQ(Carried(game), before);
  game.engine.EndGame();
}

TEST(SavedGames, HeldGamesWaitTheirTurnAndDamagedOnesAreKeptAside) {
  Game source;
  for (int i = 0; i < 3; ++i) source.Click({PileGroup::Stock, kStockItem});
  const std::string held = Carried(source);
  ASSERT_TRUE(HoldGame(source.session, source.startPorts));
  EXPECT_FALSE(source.session.values.Flag(kGameInProgress));
  EXPECT_EQ(source.table.gamesEnded, 0) << "a held game is not recorded";
  const std::string file = source.dir.Read("DATA/Stat_e01.dat");
  ASSERT_FALSE(file.empty());

  Game next;
  next.session.values.SetFlag(kGameInProgress, false);
  next.dir.Write("DATA/Stat_e03.dat", file);
  next.dir.Write("DATA/Stat_e07.dat", "a note, no game");
  ASSERT_TRUE(ResumeHeldGame(next.session, next.startPorts));
  EXPECT_EQ(Carried(next), held);
  EXPECT_FALSE(next.dir.Exists("DATA/Stat_e03.dat"));
  EXPECT_TRUE(next.dir.Exists("DATA/Stat_e07.dat")) << "one held game per start";

  // The next start finds only the damaged one: it is renamed, never deleted.
  Game later;
  later.session.values.SetFlag(kGameInProgress, false);
  later.dir.Write("DATA/Stat_e07.dat", "a note, no game");
  EXPECT_FALSE(ResumeHeldGame(later.session, later.startPorts));
  EXPECT_FALSE(later.dir.Exists("DATA/Stat_e07.dat"));
  EXPECT_EQ(later.dir.Read("DATA/Stat_e07.dat.unreadable"), "a note, no game");
  ASSERT_EQ(later.messages.shown.size(), 1u);
  EXPECT_NE(later.messages.shown[0].text.find("Stat_e07.dat.unreadable"), std::string::npos);
  EXPECT_FALSE(ResumeHeldGame(later.session, later.startPorts));
}

TEST(SavedGames, AHeldGameWhoseCustomizedGameLostItsBaseIsKeptAsideOnce) {
  SavedKlondike saved;
  std::vector<std::string> lines = SplitLines(saved.text);
  lines[0].replace(8, 4, "8000");
  Game later;
  later.session.values.SetFlag(kGameInProgress, false);
  later.dir.Write("DATA/GAM_CUST.DAT", "[R-0301]\r\n" + ZeroPad(8000, 4) + PadRight("Lost base", 50) + "0999\r\n" +
                                           "001-010\r\n" + std::string(28, '\n'));
  later.dir.Write("DATA/Stat_e02.dat", JoinLines(lines));
  EXPECT_FALSE(ResumeHeldGame(later.session, later.startPorts));
  EXPECT_FALSE(later.dir.Exists("DATA/Stat_e02.dat"));
  EXPECT_EQ(later.dir.Read("DATA/Stat_e02.dat.unreadable"), JoinLines(lines));
  ASSERT_EQ(later.messages.shown.size(), 1u);
  EXPECT_NE(later.messages.shown[0].text.find("which the catalogue does not hold"), std::string::npos)
      << later.messages.shown[0].text;
  EXPECT_EQ(later.table.gamesEnded, 0);
  // The next start has nothing left to fail on.
  later.messages.shown.clear();
  EXPECT_FALSE(ResumeHeldGame(later.session, later.startPorts));
  EXPECT_TRUE(later.messages.shown.empty());
}

TEST(SavedGames, HoldingWithEveryNameTakenKeepsTheGame) {
  Game game;
  for (int n = 1; n <= kHeldGameNames; ++n) game.dir.Write("DATA/Stat_e" + ZeroPad(n, 2) + ".dat", "x");
  const std::string before = Carried(game);
  EXPECT_FALSE(HoldGame(game.session, game.startPorts));
  EXPECT_NE(game.messages.shown.back().text.find("all 99 held-game files"), std::string::npos);
  EXPECT_TRUE(game.session.values.Flag(kGameInProgress));
  EXPECT_EQ(Carried(game), before);
  // A folder that refuses the file: the game goes on.
  std::filesystem::remove(game.dir / "DATA/Stat_e42.dat");
  std::filesystem::permissions(game.dir / "DATA", std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  if (access((game.dir / "DATA").c_str(), W_OK) != 0) {  // root writes anyway
    EXPECT_FALSE(HoldGame(game.session, game.startPorts));
    EXPECT_TRUE(game.session.values.Flag(kGameInProgress));
    EXPECT_FALSE(game.dir.Exists("DATA/Stat_e42.dat"));
  }
  std::filesystem::permissions(game.dir / "DATA", std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
}

TEST(SavedGames, ClosingHoldsOnlyWhenAskedTo) {
  Game game;
  IniProfile& settings = game.session.settings;
  EXPECT_EQ(ActionOnClose(game.session, true), CloseAction::Close) << "ConfirmSaveAndExit defaults to N";
  settings.WriteString("Preference", "ConfirmSaveAndExitType", "1");
  EXPECT_EQ(ActionOnClose(game.session, true), CloseAction::Hold);
  settings.WriteString("Preference", "ConfirmSaveAndExit", "Y");
  EXPECT_EQ(ActionOnClose(game.session, true), CloseAction::Ask);
  EXPECT_EQ(ActionOnClose(game.session, false), CloseAction::Close);
  settings.WriteString("Preference", "ConfirmSaveAndExit", "N");
  settings.WriteString("Preference", "ConfirmSaveAndExitType", "0");
  game.session.values.SetFlag(kHoldAndExitRequested, true);
  EXPECT_EQ(ActionOnClose(game.session, true), CloseAction::Hold);
  game.session.values.SetFlag(kHoldAndExitRequested, false);
  // "N" and type 0: the closing ends the game, which records a loss.
  ASSERT_EQ(ActionOnClose(game.session, true), CloseAction::Close);
  game.engine.EndGame();
  EXPECT_EQ(game.table.gamesEnded, 1);
  EXPECT_FALSE(game.table.lastResult.won);
}

TEST(SavedGames, FailedSaveSaysSoAndKeepsTheOldFile) {
  Game game;
  game.dir.Write("kept.gam", "old content");
  std::filesystem::permissions(game.dir / "kept.gam", std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  EXPECT_FALSE(game.Save(game.dir / "kept.gam"));
  EXPECT_EQ(game.messages.shown.back().text, "The game could not be saved to " + (game.dir / "kept.gam") + ".");
  EXPECT_EQ(game.dir.Read("kept.gam"), "old content");
  EXPECT_FALSE(game.Save(game.dir / "no/such/folder/x.gam"));
  EXPECT_TRUE(game.session.values.Flag(kGameInProgress));
}

TEST(SavedGames, LoadingAnotherGameResetsTheRunAndResolvesTheEmptyPileRule) {
  // A Klondike whose empty columns take the rank below the foundation base.
  const std::string custom = "[R-0301]\n8000Klondike Below" + std::string(36, ' ') + "0002\n0030011\n";
  Game original(kKlondike);
  original.dir.Write("DATA/GAM_CUST.DAT", custom);
  ASSERT_TRUE(original.Start(8000, "4711000000815"));
  const int space = original.session.rules[rule::TableauSpace];
  ASSERT_NE(space, 91) << "the deal resolves it";
  const std::string path = original.dir / "space.gam";
  ASSERT_TRUE(original.Save(path));

  Game loaded;
  loaded.dir.Write("DATA/GAM_CUST.DAT", custom);
  loaded.session.store.Set(pos::kRunWins, 4, "0003");
  ASSERT_TRUE(loaded.Load(path));
  EXPECT_EQ(loaded.session.store.Get(pos::kGameName, 50), "Klondike Below");
  for (int i = 0; i < 7; ++i) EXPECT_EQ(loaded.session.rules[rule::TableauSpace + i], space) << i;
  EXPECT_EQ(loaded.session.store.Get(pos::kRunWins, 4), "0000");
}

}  // namespace
}  // namespace cardoria
