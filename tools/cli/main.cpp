// cardoria-cli: the catalogue and the deal without a window, for players who
// script and for our own tests.
//
//   cardoria-cli [--program-dir DIR] games
//   cardoria-cli [--program-dir DIR] rules N
//   cardoria-cli [--program-dir DIR] deal N D
//   cardoria-cli [--program-dir DIR] play N D [--player NAME] < COMMANDS
//   cardoria-cli [--program-dir DIR] solve N D [--budget POSITIONS] [--demo FILE]
//                              (the verdict, the positions searched and, for a
//                              win, the moves as commands that play takes)
//                              (one command a line, one answer each; "save FILE"
//                              and "load FILE" among them; a finished game is
//                              recorded in the statistics of DIR)

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/Preferences.h"
#include "core/Catalogue.h"
#include "core/CatalogueFile.h"
#include "core/RuleNames.h"
#include "core/Session.h"
#include "deal/GameStart.h"
#include "deal/Shuffle.h"
#include "engine/Engine.h"
#include "engine/SelectionTests.h"
#include "persist/DataChange.h"
#include "persist/FileSystem.h"
#include "persist/GameRecord.h"
#include "persist/Players.h"
#include "persist/SavedGames.h"
#include "platform/AtomicFile.h"
#include "platform/HeadlessPorts.h"
#include "platform/Paths.h"
#include "solver/Replay.h"
#include "solver/Solver.h"
#include "table/HeadlessTable.h"

using namespace cardoria;

namespace {

class ConsoleMessages final : public Messages {
 public:
  void ShowInfo(const std::string& text, const std::string&) override { Print(text); }
  bool Confirm(const std::string& text) override { return Print(text), true; }
  bool AskYesNo(const std::string& text) override { return Print(text), true; }
  bool ShowInfoOnce(const std::string& text) override { return Print(text), false; }
  void Fatal(const std::string& text, const std::string&) override { Print(text); }

 private:
  static void Print(std::string text) {
    for (char& c : text) {
      if (c == '\r') c = '\n';
    }
    std::fprintf(stderr, "cardoria-cli: %s\n", text.c_str());
  }
};

int Usage() {
  std::fputs(
      "usage: cardoria-cli [--program-dir DIR] games\n"
      "       cardoria-cli [--program-dir DIR] rules GAME\n"
      "       cardoria-cli [--program-dir DIR] deal GAME DEAL\n"
      "       cardoria-cli [--program-dir DIR] play GAME DEAL [--size WxH] [--card-size B|M|L] [--player NAME]\n"
      "                    < COMMANDS\n"
      "         (commands: press, move, release, dblclick, drag, rclick CODE, click, select CODE, undo, redo,\n"
      "          autoplay, state, show, wait SECONDS, save FILE, load FILE, quit)\n"
      "       cardoria-cli [--program-dir DIR] solve GAME DEAL [--budget POSITIONS] [--demo FILE]\n"
      "         (--demo: a win is played out and saved as the game's demo file)\n",
      stderr);
  return 2;
}

bool ReadNumber(const std::string& text, int& out) {
  if (text.empty() || text.size() > 5 || !IsAllDigits(text)) return false;
  out = TextToInt(text);
  return true;
}

void PrintGames(const Session& session) {
  for (const std::string& line : session.catalogue)
    std::printf("%d %d %s\n", LineNumber(line), LineFamily(line), LineName(line).c_str());
}

void PrintRules(const Session& session) {
  for (int index = 0; index < GameRules::kSize; ++index) {
    if (session.rules[index] != 0)
      std::printf("%d %s = %d\n", index, RuleIndexName(index).c_str(), session.rules[index]);
  }
}

// The DealList line (when given), then every non-empty pile.
void PrintDeal(const Session& session, const std::optional<TextList>& dealList) {
  if (dealList) {
    std::string line = "DealList:";
    for (const std::string& code : *dealList) line += " " + code;
    std::printf("%s\n", line.c_str());
  }
  auto print = [&](PileGroup group, int count) {
    for (int i = 0; i < count; ++i) {
      const std::string& pile = session.piles.Pile(group, i);
      if (!pile.empty())
        std::printf("%s: %s\n", PileName({group, i}).c_str(), SnapshotLine(session.cards, pile).c_str());
    }
  };
  print(PileGroup::Stock, kStockPiles);
  print(PileGroup::Foundation, kFoundationPiles);
  print(PileGroup::Tableau, kTableauPiles);
  print(PileGroup::Reserve, kReservePiles);
}

std::string TableText(const Session& session) {
  std::string text;
  for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
    for (const std::string& pile : session.piles.Items(group)) text += SnapshotLine(session.cards, pile) + "|";
  return text;
}

std::string StateLine(const Session& session, const HeadlessTable& table) {
  const bool won = table.gamesEnded > 0 && table.lastResult.won;
  return "score=" + session.store.Get(pos::kScore, 6) + " won=" + (won ? "yes" : "no") +
         " passes=" + std::to_string(session.positions[PositionTable::kPassCounter]) +
         " deals=" + std::to_string(session.values.Counter(kDealCounter)) +
         " moves=" + std::to_string(session.history.undo.Steps());
}

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  for (char c : line + " ") {
    if (c == ' ' || c == '\t' || c == '\r') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  return words;
}

bool Coordinate(const std::string& text, int& out) {
  const std::string digits = text.starts_with('-') ? text.substr(1) : text;
  if (digits.empty() || digits.size() > 6 || !IsAllDigits(digits)) return false;
  out = TextToInt(text);
  return true;
}

// Runs one script command; the line it prints.
std::string PlayCommand(Session& session, Engine& engine, HeadlessTable& table, const std::vector<std::string>& w) {
  const std::string& verb = w[0];
  const std::string before = TableText(session);
  auto result = [&]() -> std::string { return TableText(session) != before ? "ok" : "refused"; };
  int x = 0, y = 0;
  if (verb == "press" && w.size() >= 3 && w.size() <= 5) {
    if (!Coordinate(w[1], x) || !Coordinate(w[2], y)) return "error: press X Y [right] [ctrl]";
    bool right = false, ctrl = false;
    for (std::size_t i = 3; i < w.size(); ++i) {
      if (w[i] == "right")
        right = true;
      else if (w[i] == "ctrl")
        ctrl = true;
      else
        return "error: press X Y [right] [ctrl]";
    }
    engine.OnMouseDown(right ? kRightButton : kLeftButton, ctrl, x, y);
    return result();
  }
  if (verb == "move" && w.size() == 3) {
    if (!Coordinate(w[1], x) || !Coordinate(w[2], y)) return "error: move X Y";
    engine.OnMouseMove(x, y);
    return result();
  }
  if (verb == "release" && w.size() == 1) {
    engine.OnMouseUp(kLeftButton);
    return result();
  }
  if (verb == "dblclick" && w.size() == 3) {
    if (!Coordinate(w[1], x) || !Coordinate(w[2], y)) return "error: dblclick X Y";
    engine.OnMouseDown(kLeftButton, false, x, y);
    engine.OnMouseUp(kLeftButton);
    engine.OnDoubleClick();
    engine.OnMouseDown(kLeftButton, false, x, y);
    engine.OnMouseUp(kLeftButton);
    return result();
  }
  if (verb == "drag" && (w.size() == 3 || w.size() == 4)) {
    const std::string& code = w[1];
    if (code.size() != 3 || !IsAllDigits(code)) return "error: drag CODE PILE [PLACE]";
    const auto target = ParsePileName(w[2]);
    if (!target) return "error: unknown pile " + w[2];
    // A place of the pile (1-based), such as a gap in a row, instead of its end.
    int place = 0;
    if (w.size() == 4 && (!ReadNumber(w[3], place) || place < 1)) return "error: drag CODE PILE [PLACE]";
    const Rect from = CardRectangle(session, TextToInt(code));
    if (from.Empty()) return "refused";
    engine.OnMouseDown(kLeftButton, false, from.left + 1, from.top + 1);
    if (session.drag.draggedCard != 0) {
      const Rect to = place > 0 ? CardInPileRect(session, *target, place - 1) : NextCardRect(session, *target);
      engine.OnMouseMove(to.left + session.drag.grabX, to.top + session.drag.grabY);
    }
    engine.OnMouseUp(kLeftButton);
    return result();
  }
  // A click on a card wherever it lies, as the selection games take them.
  if (verb == "select" && w.size() == 2) {
    const std::string& code = w[1];
    if (code.size() != 3 || !IsAllDigits(code) || TextToInt(code) == 0) return "error: select CODE";
    const Rect r = SelectedCardRect(session, TextToInt(code));
    if (r.Empty()) return "refused";
    engine.OnMouseDown(kLeftButton, false, r.left + 1, r.top + 1);
    engine.OnMouseUp(kLeftButton);
    return result();
  }
  if (verb == "rclick" && w.size() == 2) {
    const std::string& code = w[1];
    if (code.size() != 3 || !IsAllDigits(code)) return "error: rclick CODE";
    const Rect at = CardRectangle(session, TextToInt(code));
    if (at.Empty()) return "refused";
    engine.OnMouseDown(kRightButton, false, at.left + 1, at.top + 1);
    engine.OnMouseUp(kRightButton);
    return result();
  }
  if (verb == "click" && w.size() == 2) {
    const auto pile = ParsePileName(w[1]);
    if (!pile) return "error: unknown pile " + w[1];
    const Rect r = TopCardRect(session, *pile);
    if (!PileShown(session, *pile)) return "refused";
    engine.OnMouseDown(kLeftButton, false, r.left + 1, r.top + 1);
    engine.OnMouseUp(kLeftButton);
    return result();
  }
  if (verb == "undo" && w.size() == 1) return engine.Undo() ? "ok" : "refused";
  if (verb == "redo" && w.size() == 1) return engine.Redo() ? "ok" : "refused";
  if (verb == "autoplay" && w.size() == 2 && (w[1] == "on" || w[1] == "off")) {
    if ((w[1] == "on") != session.autoplayChecked) engine.ToggleAutoplay();
    return "ok";
  }
  if (verb == "state" && w.size() == 1) return StateLine(session, table);
  // Seconds of play pass at once, and the clock ticks: what the clock does
  // in a game (the hiding of the remembered cards) happens.
  if (verb == "wait" && w.size() == 2) {
    int seconds = 0;
    if (!Coordinate(w[1], seconds) || seconds < 0) return "error: wait SECONDS";
    if (!session.values.Flag(kGameInProgress)) return "refused";
    session.values.SetTime(kClockStart, session.values.Time(kClockStart) - seconds / 86400.0);
    engine.TimerTick();
    return result();
  }
  // The window's Quit game: the game counts as lost.
  if (verb == "quit" && w.size() == 1) {
    if (!session.values.Flag(kGameInProgress)) return "refused";
    engine.EndGame();
    return "ok";
  }
  (void)table;
  return "error: unknown command \"" + verb + "\"";
}

// "save FILE" and "load FILE": the file name is the rest of the line, so it
// may hold spaces.
std::string FileCommand(Session& session, GameStartPorts& ports, const std::string& verb, const std::string& line) {
  const std::string file = TrimRightSpaces(TrimLeftSpaces(line.substr(line.find(verb) + verb.size())));
  if (file.empty()) return "error: " + verb + " FILE";
  if (verb == "save") {
    return WriteGameFile(session, ports, file) ? "ok" : "error: the game could not be saved to " + file;
  }
  // Checked here too, so the answer names what is wrong; the table stays.
  if (!FileExists(file)) return "error: File not found: " + file;
  const auto content = ReadWholeFile(file);
  const GameFileCheck check =
      content ? ParseGameFile(*content, GameFileRules{true, &session}) : GameFileCheck{{}, "it can not be read"};
  if (!check.file) return "error: " + UnreadableFileMessage(file, check.error);
  return LoadGame(session, ports, *check.file, file, LoadSource::File) ? "ok" : "refused";
}

// A script line longer than this is no command anyone wrote by hand.
constexpr std::size_t kLongestLine = 64 * 1024;

struct ScriptLine {
  std::string text;  // without its line end; empty when too long
  bool tooLong = false;
  bool hasNul = false;
};

// The next line of the script whatever its length, so that one line is
// always one command; false at the end of the input.
bool ReadScriptLine(std::FILE* in, ScriptLine& line) {
  line = ScriptLine();
  int c = std::getc(in);
  if (c == EOF) return false;
  std::size_t length = 0;
  for (; c != EOF && c != '\n'; c = std::getc(in), ++length) {
    if (c == '\0') line.hasNul = true;
    // One character more than the longest line is enough to tell.
    if (line.text.size() <= kLongestLine) line.text += static_cast<char>(c);
  }
  if (length == line.text.size() && line.text.ends_with('\r')) line.text.pop_back();
  if (line.text.size() > kLongestLine) {
    line.tooLong = true;
    line.text.clear();
  }
  return true;
}

bool ParseSize(const std::string& text, int& width, int& height) {
  const auto x = text.find('x');
  if (x == std::string::npos) return false;
  const std::string a = text.substr(0, x), b = text.substr(x + 1);
  if (a.empty() || b.empty() || !IsAllDigits(a) || !IsAllDigits(b) || a.size() > 5 || b.size() > 5) return false;
  width = TextToInt(a);
  height = TextToInt(b);
  return width >= 200 && height >= 150;
}

}  // namespace

// A demo is a saved game whose undo history is the recorded play: the win is
// played through the mouse and written with no clock and no date of its own,
// so the same catalogue always gives the same file.
bool WriteDemo(Session& session, Engine& engine, const solver::Result& result, const std::string& path) {
  if (result.verdict != solver::Verdict::Winnable || result.moves.empty()) {
    std::fprintf(stderr, "cardoria-cli: no win to record\n");
    return false;
  }
  // The last move ends the game, and an ended game keeps no history to save;
  // the demo shows the table up to that move, as its last position does.
  for (std::size_t i = 0; i + 1 < result.moves.size(); ++i) {
    if (!solver::PlayMove(engine, session, result.moves[i])) {
      std::fprintf(stderr, "cardoria-cli: move %zu of the win did not play\n", i + 1);
      return false;
    }
  }
  if (!WriteFileAtomic(path, FormatGameFile(session, 0))) {
    std::fprintf(stderr, "cardoria-cli: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string programDir;
  if (args.size() >= 2 && args[0] == "--program-dir") {
    programDir = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty()) return Usage();

  Session session;
  session.programDir = ChooseProgramDir(programDir, "");
  session.store.Set(pos::kProgramDir, 200, session.programDir);
  ConsoleMessages messages;
  FixedScreen screen;
  {
    // The player's preferences are read, never written.
    session.settings.Open(session.PathOf("DATA\\CFG.DAT"));
    const WindowSetup setup = ReadPreferences(session, screen);
    session.autoplayChecked = setup.autoplay;
    if (const std::string stored = session.settings.ReadString("Preference", "UserDefault", ""); !stored.empty()) {
      std::string notice;
      session.store.Set(pos::kPlayerName, kPlayerNameLength,
                        PlayerNameFromFile(stored, kDefaultPlayer, session.settings.Path(), notice));
      if (!notice.empty()) messages.ShowInfo(notice, {});
    }
    session.settings = IniProfile();
  }
  if (!LoadCatalogue(session, messages)) return 1;

  const std::string& command = args[0];
  if (command == "games" && args.size() == 1) {
    PrintGames(session);
    return 0;
  }
  TableGeometry geometry;
  geometry.formWidth = 1024;
  geometry.formHeight = 768;
  if (command == "play") {
    for (std::size_t i = 3; i < args.size(); i += 2) {
      if (i + 1 >= args.size()) return Usage();
      if (args[i] == "--size") {
        if (!ParseSize(args[i + 1], geometry.formWidth, geometry.formHeight)) return Usage();
      } else if (args[i] == "--card-size" && (args[i + 1] == "B" || args[i + 1] == "M" || args[i + 1] == "L")) {
        session.store.Set(pos::kCardSize, 1, args[i + 1]);
      } else if (args[i] == "--player") {
        if (const auto problem = PlayerNameProblem(args[i + 1])) {
          std::fprintf(stderr, "cardoria-cli: %s\n", problem->c_str());
          return 1;
        }
        session.store.Set(pos::kPlayerName, kPlayerNameLength, args[i + 1]);
      } else {
        return Usage();
      }
    }
    args.resize(3);
  }
  solver::SolveOptions solveOptions;
  std::string demoFile;
  if (command == "solve") {
    for (std::size_t i = 3; i < args.size(); i += 2) {
      if (i + 1 >= args.size()) return Usage();
      if (args[i] == "--demo" && !args[i + 1].empty()) {
        demoFile = args[i + 1];
        continue;
      }
      if (args[i] != "--budget") return Usage();
      const std::string& budget = args[i + 1];
      if (budget.empty() || budget.size() > 12 || !IsAllDigits(budget) || std::stoll(budget) == 0) return Usage();
      solveOptions.maxPositions = std::stoll(budget);
    }
    args.resize(std::min<std::size_t>(args.size(), 3));
  }
  geometry.clientHeight = geometry.formHeight - 60;
  geometry.topY = 5;
  geometry.screenWidth = std::max(geometry.formWidth, 1024);
  geometry.screenHeight = std::max(geometry.formHeight, 768);
  int number = 0;
  if ((command == "rules" && args.size() == 2) ||
      ((command == "deal" || command == "play" || command == "solve") && args.size() == 3)) {
    if (!ReadNumber(args[1], number) || GameNameOf(session, number).empty()) {
      std::fprintf(stderr, "cardoria-cli: there is no game %s\n", args[1].c_str());
      return 1;
    }
  } else {
    return Usage();
  }
  Random random(0);
  JumpClock clock;
  HeadlessTable table(session, geometry);
  if (session.store.Get(pos::kPlayerName, kPlayerNameLength).empty())
    session.store.Set(pos::kPlayerName, kPlayerNameLength, "Player 1");
  FileSystem files;
  QuietStatsView statsView;
  StatsPorts statsPorts{files, messages, clock, random, statsView};
  if (command == "play") {
    // As the window does at its start: what a crash of any process left half
    // done is put right before this run records anything.
    if (const std::string notice = RecoveryNotice(session, TidyDataFolder(session)); !notice.empty())
      messages.ShowInfo(notice, {});
    table.recorder = [&](const GameResult& result) { RecordGameResult(session, result, statsPorts); };
  }
  Engine engine(session, PlayPorts{messages, clock, table, table, table});
  GameStartPorts ports{messages, screen, random, clock, table, engine};
  session.store.Set(pos::kGameNumber, 4, ZeroPad(number, 4));
  session.store.Set(pos::kGameName, 50, GameNameOf(session, number));
  if (!PrepareTable(session, ports)) return 1;
  if (command == "rules") {
    PrintRules(session);
    return 0;
  }
  const std::string& deal = args[2];
  if (deal.empty() || !IsAllDigits(deal)) {
    std::fprintf(stderr, "cardoria-cli: a deal number has digits only\n");
    return 1;
  }
  session.store.Set(pos::kDealNumber, 15, RightStr("0000000000000" + deal, 13));
  const auto dealList = fnGameNumberCardsArray(session.store.Get(pos::kDealNumber, 15), session.rules[284], messages);
  if (command == "deal") session.autoplayChecked = false;
  if (!dealList || !StartGame(session, ports, true, false, 1, command == "deal")) return 1;
  if (command == "deal") {
    PrintDeal(session, dealList);
    return 0;
  }
  if (command == "solve") {
    const solver::Result result = solver::Solve(session, solveOptions);
    std::printf("%s\npositions: %lld\n", solver::Describe(result).c_str(), static_cast<long long>(result.positions));
    for (const solver::Move& move : result.moves) std::printf("%s\n", move.Command().c_str());
    if (demoFile.empty()) return 0;
    return WriteDemo(session, engine, result, demoFile) ? 0 : 1;
  }
  ScriptLine line;
  while (ReadScriptLine(stdin, line)) {
    if (line.tooLong) {
      std::printf("error: the line is longer than %zu bytes\n", kLongestLine);
      continue;
    }
    if (line.hasNul) {
      std::printf("error: the line holds a NUL byte\n");
      continue;
    }
    const std::vector<std::string> words = Words(line.text);
    if (words.empty() || words[0].starts_with('#')) continue;
    if (words[0] == "show" && words.size() == 1) {
      PrintDeal(session, {});
      continue;
    }
    if (words[0] == "save" || words[0] == "load") {
      std::printf("%s\n", FileCommand(session, ports, words[0], line.text).c_str());
      continue;
    }
    std::printf("%s\n", PlayCommand(session, engine, table, words).c_str());
  }
  PrintDeal(session, {});
  std::printf("%s\n", StateLine(session, table).c_str());
  return 0;
}
