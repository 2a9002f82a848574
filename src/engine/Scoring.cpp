// The win check, the score, the game clock and the end of a game; Undo and
// Redo from the menu.

#include <algorithm>
#include <limits>

#include "core/Cards.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/Engine.h"
#include "engine/Legality.h"

namespace cardoria {

namespace {

const std::string& Tableau(const Session& s, int i) { return s.piles.Pile(PileGroup::Tableau, i); }

// The cards of the row of stacks that lie under another card.
int CoveredInRow(const Session& s) {
  if (Tableaus(s) < 1) return 0;
  const std::string& row = Tableau(s, 0);
  int covered = 0;
  for (int i = 0; i < PileCardCount(row); ++i)
    if (CardAt(row, i) > 0 && s.cards.IsFaceDown(CardAt(row, i))) ++covered;
  return covered;
}

bool StockAndWasteEmpty(const Session& s) {
  return s.piles.Pile(PileGroup::Stock, kStockItem).empty() && s.piles.Pile(PileGroup::Stock, kWasteItem).empty();
}

// The run of pile text from its second card upward in the first card's suit.
int RunAfterTwo(const std::string& pile) {
  const int count = PileCardCount(pile);
  if (count < 1 || CardRank(CardAt(pile, 0)) != 2) return -1;
  int run = 0;
  for (int k = 1; k + 1 < count; ++k) {
    const int card = CardAt(pile, k), below = CardAt(pile, k - 1);
    if (CardSuit(card) != CardSuit(CardAt(pile, 0)) || CardRank(card) != CardRank(below) + 1) break;
    ++run;
  }
  return run;
}

class EngineUndoViewImpl final : public UndoView {
 public:
  EngineUndoViewImpl(PlayView& view, Engine& engine) : view_(view), engine_(engine) {}
  void Beep() override { view_.Beep(); }
  void PlaySound(const std::string& name) override { view_.PlaySound(name); }
  void ShowWaitCursor() override { view_.ShowWaitCursor(); }
  void RestoreCursor() override { view_.RestoreCursor(); }
  void TableRestored() override {
    view_.RedrawTable();
    engine_.UpdateScore();
  }

 private:
  PlayView& view_;
  Engine& engine_;
};

}  // namespace

int StandardScore(const Session& session) {
  if (session.store.Get(pos::kScoreScheme, 2) != "01") return 0;
  const GameRules& rules = session.rules;
  int score = 5 * rules[rule::ScoreBase] - rules[rule::CardCount] - 5 * rules[rule::ScoreDeduct];
  score += 5 * PileCardCount(session.piles.Pile(PileGroup::Stock, kSecondWasteItem));
  const int foundations = std::clamp(rules[rule::FoundationCount], 0, kFoundationPiles);
  for (int f = 0; f < foundations; ++f) score += 5 * PileCardCount(session.piles.Pile(PileGroup::Foundation, f));
  return score;
}

bool Engine::CheckWin() const {
  const PlayFamily family = FamilyOf(s_.rules);
  const int n = Tableaus(s_);
  auto allTableau = [&](auto test) {
    for (int i = 0; i < n; ++i)
      if (!test(Tableau(s_, i))) return false;
    return true;
  };
  auto reservesEmpty = [&] {
    for (int r = 0; r < Reserves(s_); ++r)
      if (!s_.piles.Pile(PileGroup::Reserve, r).empty()) return false;
    return true;
  };
  switch (family) {
    case PlayFamily::Accordion:
      return StockAndWasteEmpty(s_) && n >= 1 && CoveredInRow(s_) + 1 == PileCardCount(Tableau(s_, 0));
    case PlayFamily::PokerSquares: return allTableau([](const std::string& p) { return !p.empty(); });
    case PlayFamily::MarriageRow:
    case PlayFamily::RoyalMarriage:
      return s_.piles.Pile(PileGroup::Stock, kStockItem).empty() && PileCardCount(Tableau(s_, 0)) <= 4;
    case PlayFamily::SalicLaw: return allTableau([](const std::string& p) { return PileCardCount(p) == 1; });
    case PlayFamily::AcesUp:
      return s_.piles.Pile(PileGroup::Stock, kStockItem).empty() &&
             allTableau([](const std::string& p) { return PileCardCount(p) == 1 && CardRank(TopCard(p)) == 1; });
    case PlayFamily::Gaps: {
      const std::string& first = Tableau(s_, 0);
      if (first.size() < 3 || first.substr(first.size() - 3) != "000") return false;
      // Each row is its suit from the 2 up with the hole last, as the score
      // counts it.
      return allTableau([](const std::string& p) {
        const int count = PileCardCount(p);
        if (count < 2 || CardAt(p, 0) <= 0 || CardRank(CardAt(p, 0)) != 2) return false;
        for (int k = 1; k + 1 < count; ++k) {
          if (CardAt(p, k) <= 0 || CardSuit(CardAt(p, k)) != CardSuit(CardAt(p, k - 1)) ||
              CardRank(CardAt(p, k)) != CardRank(CardAt(p, k - 1)) + 1)
            return false;
        }
        return true;
      });
    }
    case PlayFamily::EightPuzzle:
    case PlayFamily::PegSolitaire:
    case PlayFamily::AceToKing:
    case PlayFamily::Pairs:
    case PlayFamily::Concentration: return s_.store.GetInt(pos::kScore, 6) >= s_.rules[rule::WinScore];
    case PlayFamily::Pyramid:
      return StockAndWasteEmpty(s_) && reservesEmpty() && allTableau([](const std::string& p) {
               for (int k = 0; k < PileCardCount(p); ++k)
                 if (CardAt(p, k) != 0) return false;
               return true;
             });
    default:
      return StockAndWasteEmpty(s_) && reservesEmpty() && allTableau([](const std::string& p) { return p.empty(); });
  }
}

void Engine::UpdateScore(Session&) { UpdateScore(); }

void Engine::UpdateScore() {
  const GameRules& r = s_.rules;
  const PlayFamily family = FamilyOf(r);
  int score = 0;
  switch (family) {
    // Every card that a stack covers counts as a card played.
    case PlayFamily::Accordion: score = 5 * r[rule::ScoreBase] - r[rule::CardCount] + 5 * CoveredInRow(s_); break;
    case PlayFamily::Gaps: {
      score = 5 * r[rule::ScoreBase] - r[rule::CardCount];
      for (int i = 0; i < Tableaus(s_); ++i) {
        const int run = RunAfterTwo(Tableau(s_, i));
        if (run >= 0) score += 5 + 5 * run;
      }
      break;
    }
    case PlayFamily::EightPuzzle: {
      score = -r[rule::CardCount];
      for (int i = 0; i < Tableaus(s_); ++i) {
        const std::string& pile = Tableau(s_, i);
        if (pile.empty() || (CardAt(pile, 0) != i + 1 && CardAt(pile, 0) != i + 14)) break;
        score += 10;
      }
      break;
    }
    case PlayFamily::PegSolitaire:
      score = -r[rule::CardCount] + 10 * PileCardCount(s_.piles.Pile(PileGroup::Stock, kSecondWasteItem));
      break;
    case PlayFamily::AceToKing:
    case PlayFamily::Pairs:
    case PlayFamily::ForgetMeNot:
    case PlayFamily::Concentration: score = MemoryScore(family); break;
    case PlayFamily::PokerSquares: return ScorePokerGrid(-1);
    default: score = StandardScore(s_); break;
  }
  s_.store.Set(pos::kScore, 6, std::to_string(score));
  p_.view.ShowScore(s_.store.Get(pos::kScore, 6));
}

void Engine::ClockTick() {
  if (!s_.values.Flag(kClockRunning)) return;
  const double now = p_.clock.Now();
  const double start = s_.values.Time(kClockStart);
  double days = now - start;
  if (days < 0) {
    // The clock was set back: count from the start of the day as at midnight.
    const double startOfDay = start - static_cast<long long>(start);
    const double nowOfDay = now - static_cast<long long>(now);
    days = (86399.0 / 86400.0 - startOfDay) + nowOfDay;
  }
  const long long seconds = static_cast<long long>(days * 86400.0 + 0.5);
  s_.clockText = FormatHMS(seconds, 1);
  p_.view.ShowTime(s_.clockText);
}

void Engine::TimerTick() {
  ClockTick();
  MemoryTimedAction();
}

int Engine::ElapsedSeconds() const {
  const std::string& text = s_.clockText;
  const auto first = text.find(':');
  const auto second = first == std::string::npos ? std::string::npos : text.find(':', first + 1);
  if (second == std::string::npos) return 0;
  const std::string h = text.substr(0, first), m = text.substr(first + 1, second - first - 1),
                    sec = text.substr(second + 1);
  if (h.empty() || m.empty() || sec.empty() || !IsAllDigits(h) || !IsAllDigits(m) || !IsAllDigits(sec)) return 0;
  if (h.size() > 5) return std::numeric_limits<int>::max();  // beyond eleven years of play
  return TextToInt(h) * 3600 + TextToInt(m) * 60 + TextToInt(sec);
}

bool Engine::EndGame(Session&) { return EndGame(); }

bool Engine::EndGame() {
  ValueTables& values = s_.values;
  if (!values.Flag(kGameInProgress)) return false;
  p_.view.ShowWaitCursor();
  p_.view.HidePileSizeHint();
  if (const int target = s_.rules[rule::WinScore]; target != 0)
    values.SetFlag(kGameWon, s_.store.GetInt(pos::kScore, 6) >= target);
  const bool won = values.Flag(kGameWon);
  ClockTick();
  values.SetTime(kGameEndTime, p_.clock.Now());
  values.SetFlag(kClockRunning, false);
  const int elapsed = ElapsedSeconds();
  p_.window.SetCommandsEnabled(GameWindow::Commands::PauseAndQuit, false);
  p_.window.SetCommandsEnabled(GameWindow::Commands::Snapshot, false);
  if (!s_.snapshotFile.empty()) p_.end.DeleteSnapshotFile(s_.snapshotFile);
  s_.snapshotFile.clear();
  s_.store.Set(pos::kSnapshotFile, 200, "");
  p_.window.SetCommandsEnabled(GameWindow::Commands::UndoToSnapshot, false);
  // A game watched or dealt in demo mode was never the player's to win or
  // lose: it leaves no trace in the statistics.
  const bool demo = values.Flag(kDemoMode);
  if (const PlayFamily family = FamilyOf(s_.rules); !demo && IsMemoryFamily(family)) ShowMemoryEnd(won);

  GameResult result;
  result.won = won;
  result.elapsedSeconds = elapsed;
  result.endTime = values.Time(kGameEndTime);
  result.gameNumber = s_.store.GetInt(pos::kGameNumber, 4);
  result.gameName = s_.store.Get(pos::kGameName, 50);
  result.player = s_.store.Get(pos::kPlayerName, 30);
  result.scoreScheme = s_.store.Get(pos::kScoreScheme, 2);
  result.score = s_.store.Get(pos::kScore, 6);
  result.dealNumber = s_.store.Get(pos::kDealNumber, 15);
  if (!demo) p_.end.RecordGameResult(result);

  s_.drag.draggedCard = 0;
  s_.drag.groupTopCard = 0;
  values.SetFlag(kGameWon, false);
  values.SetFlag(kGameInProgress, false);
  values.SetFlag(kGameEnded, true);
  s_.positions.Set(67, 0);
  if (won) {
    p_.view.RestoreCursor();
    p_.view.ShowWaitCursor();
    Sound("Won", 144);
    p_.end.RunWinningAnimation();
  }
  p_.view.RestoreCursor();
  if (s_.positions[67] == 1) {
    p_.end.CloseMainWindow();
  } else if (won && !values.Flag(kGameInProgress)) {
    p_.end.ShowGameWon();
  }
  return won;
}

bool Engine::Undo() {
  EngineUndoViewImpl view(p_.view, *this);
  return UndoRedo(s_, Direction::Undo, false, &view);
}

bool Engine::Redo() {
  EngineUndoViewImpl view(p_.view, *this);
  return UndoRedo(s_, Direction::Redo, false, &view);
}

void Engine::SetUndoCommandsEnabled(bool on) { p_.window.SetCommandsEnabled(GameWindow::Commands::UndoRedo, on); }

}  // namespace cardoria
