#include "app/SolverPlay.h"

#include <algorithm>

#include "core/Catalogue.h"
#include "core/TextHelpers.h"
#include "deal/GameStart.h"
#include "engine/Engine.h"
#include "platform/HeadlessPorts.h"
#include "platform/Random.h"
#include "solver/Replay.h"
#include "table/HeadlessTable.h"

namespace cardoria {

Session SearchCopy(const Session& live) {
  Session copy = live;
  // Nothing a search does may reach the player's preferences file.
  copy.settings = IniProfile();
  copy.resources.reset();
  copy.history = UndoHistory{};
  copy.drag = DragState{};
  copy.snapshotFile.clear();
  return copy;
}

namespace {

// A table without a screen over one session, for dealing and replaying.
struct Bench {
  explicit Bench(Session& s) : session(s), table(s, TableGeometry{}) {}
  Session& session;
  SilentMessages messages;
  FixedScreen screen{ScreenInfo{1024, 768, 24}};
  Random random{0};
  JumpClock clock;
  HeadlessTable table;
  Engine engine{session, PlayPorts{messages, clock, table, table, table}};
  GameStartPorts Ports() { return GameStartPorts{messages, screen, random, clock, table, engine}; }
};

}  // namespace

std::optional<Session> DealtCopy(const Session& prepared, int game, const std::string& deal) {
  Session copy = SearchCopy(prepared);
  Bench bench(copy);
  auto ports = bench.Ports();
  copy.store.Set(pos::kGameNumber, 4, ZeroPad(game, 4));
  copy.store.Set(pos::kGameName, 50, GameNameOf(copy, game));
  if (!PrepareTable(copy, ports)) return std::nullopt;
  copy.store.Set(pos::kDealNumber, 15, RightStr("0000000000000" + deal, 13));
  if (!StartGame(copy, ports, true, false, 1, false)) return std::nullopt;
  // The table as dealt (autoplay included) is where play starts: the steps
  // and their tags go together, so the copy saves and loads as a game.
  copy.history = UndoHistory{};
  copy.logs.Clear(kUndoLog);
  copy.logs.Clear(kRedoLog);
  return copy;
}

void HintBook::Forget() {
  positions_.clear();
  moves_.clear();
}

void HintBook::Learn(const Session& session, const std::vector<solver::Move>& moves) {
  Forget();
  Session copy = SearchCopy(session);
  Bench bench(copy);
  for (const solver::Move& move : moves) {
    positions_.push_back(solver::PositionHash(copy));
    moves_.push_back(move);
    // A line that no longer replays is followed only as far as it does.
    if (!solver::PlayMove(bench.engine, copy, move)) break;
  }
}

std::optional<solver::Move> HintBook::Next(const Session& session, const solver::SolveOptions& options) {
  const std::uint64_t here = solver::PositionHash(session);
  // The last occurrence: a line may pass a position twice (a stock turned
  // round), and the later move is the one that goes on.
  const auto known = std::find(positions_.rbegin(), positions_.rend(), here);
  if (known != positions_.rend()) return moves_[static_cast<std::size_t>(positions_.rend() - known) - 1];
  if (!session.values.Flag(kGameInProgress)) return std::nullopt;
  const Session copy = SearchCopy(session);
  const solver::Result result = solver::Solve(copy, options);
  if (result.verdict == solver::Verdict::Winnable && !result.moves.empty()) {
    Learn(copy, result.moves);
    return result.moves.front();
  }
  // No win within the budget: the heuristic's best move, without searching again.
  solver::SolveOptions quick = options;
  quick.maxPositions = 0;
  return solver::Hint(copy, quick);
}

FoundDemo FindDemo(const Session& prepared, int game, const std::string& deal, const solver::SolveOptions& options) {
  FoundDemo found;
  std::optional<Session> dealt = DealtCopy(prepared, game, deal);
  if (!dealt) {
    found.result.verdict = solver::Verdict::CannotJudge;
    return found;
  }
  found.result = solver::Solve(*dealt, options);
  if (found.result.verdict != solver::Verdict::Winnable) return found;
  Bench bench(*dealt);
  // The last move ends the game, and an ended game keeps no history: the
  // recording stops before it, as the demo files do.
  const std::vector<solver::Move>& moves = found.result.moves;
  for (std::size_t i = 0; i + 1 < moves.size(); ++i)
    if (!solver::PlayMove(bench.engine, *dealt, moves[i])) return found;
  found.recording = ParseGameFile(FormatGameFile(*dealt, 0), GameFileRules{false, &prepared}).file;
  return found;
}

WinnableDeal FindWinnableDeal(const Session& prepared, int game, const WinnableSearch& search) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + search.timeBudget;
  auto overTime = [&] { return search.timeBudget.count() > 0 && Clock::now() >= deadline; };
  auto cancelled = [&] { return search.cancel && search.cancel->load(); };
  // Each search stops for the player's cancel or for the clock alike.
  std::atomic<bool> stop{false};
  WinnableDeal found;
  for (const std::string& deal : search.deals) {
    if (cancelled()) {
      found.cancelled = true;
      break;
    }
    if (found.tried > 0 && overTime()) {
      found.outOfTime = true;
      break;
    }
    found.deal = deal;
    ++found.tried;
    const auto dealt = DealtCopy(prepared, game, deal);
    if (!dealt) continue;
    solver::SolveOptions options;
    options.maxPositions = search.positionsPerDeal;
    options.cancel = &stop;
    const std::int64_t before = found.positions;
    options.progress = [&](std::int64_t positions) {
      if (cancelled() || overTime()) stop = true;
      if (search.progress) search.progress(found.tried, before + positions);
    };
    const solver::Result result = solver::Solve(*dealt, options);
    found.positions += result.positions;
    if (search.progress) search.progress(found.tried, found.positions);
    if (result.cancelled) {
      found.cancelled = cancelled();
      found.outOfTime = !found.cancelled;
      break;
    }
    if (result.verdict == solver::Verdict::CannotJudge) {
      found.cannotJudge = true;
      break;
    }
    if (result.verdict == solver::Verdict::Winnable) {
      found.winnable = true;
      break;
    }
  }
  return found;
}

std::vector<std::string> DrawDealNumbers(const std::function<int(int)>& next, int count) {
  std::vector<std::string> deals;
  for (int i = 0; i < count; ++i) {
    // Drawn as New game draws its number, so a deal proved winnable is one
    // New game could have dealt too.
    const long long a = next(9999999);
    const long long b = next(999999);
    deals.push_back(RightStr("0000000000000" + std::to_string(a * b), 13));
  }
  return deals;
}

}  // namespace cardoria
