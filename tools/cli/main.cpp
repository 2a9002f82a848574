// cardoria-cli: the catalogue and the deal without a window, for players who
// script and for our own tests.
//
//   cardoria-cli [--program-dir DIR] games
//   cardoria-cli [--program-dir DIR] rules N
//   cardoria-cli [--program-dir DIR] deal N D

#include <cstdio>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/CatalogueFile.h"
#include "core/RuleNames.h"
#include "core/Session.h"
#include "deal/GameStart.h"
#include "deal/Shuffle.h"
#include "engine/StandardEngine.h"
#include "platform/Paths.h"

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

class FixedScreen final : public Screen {
 public:
  ScreenInfo Info() const override { return {}; }
};

// No window: the deal is computed, nothing is shown.
class NoWindow final : public GameWindow {
 public:
  void SetCommandsEnabled(Commands, bool) override {}
  bool GameCommandsEnabled() const override { return true; }
  bool AutoplayChecked() const override { return false; }
  void ShowWaitCursor() override {}
  void RestoreCursor() override {}
  void Repaint() override {}
  void UpdateTitle() override {}
  void SetTimeText(const std::string&) override {}
  void SetScoreText(const std::string&) override {}
  void ReloadCardImages() override {}
  void LayOutTable() override {}
  void PrepareBackground() override {}
  void DrawDeal(bool) override {}
  void PlaySound(const std::string&, bool) override {}
};

int Usage() {
  std::fputs(
      "usage: cardoria-cli [--program-dir DIR] games\n"
      "       cardoria-cli [--program-dir DIR] rules GAME\n"
      "       cardoria-cli [--program-dir DIR] deal GAME DEAL\n",
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

void PrintDeal(const Session& session, const TextList& dealList) {
  std::string line = "DealList:";
  for (const std::string& code : dealList) line += " " + code;
  std::printf("%s\n", line.c_str());
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

}  // namespace

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
  session.store.Set(pos::kScoreScheme, 2, "01");
  ConsoleMessages messages;
  if (!LoadCatalogue(session, messages)) return 1;

  const std::string& command = args[0];
  if (command == "games" && args.size() == 1) {
    PrintGames(session);
    return 0;
  }
  int number = 0;
  if ((command == "rules" && args.size() == 2) || (command == "deal" && args.size() == 3)) {
    if (!ReadNumber(args[1], number) || GameNameOf(session, number).empty()) {
      std::fprintf(stderr, "cardoria-cli: there is no game %s\n", args[1].c_str());
      return 1;
    }
  } else {
    return Usage();
  }
  FixedScreen screen;
  Random random(0);
  SystemClock clock;
  NoWindow window;
  StandardEngine engine;
  GameStartPorts ports{messages, screen, random, clock, window, engine};
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
  if (!dealList || !StartGame(session, ports, true, false, 1, true)) return 1;
  PrintDeal(session, *dealList);
  return 0;
}
