// Recording a finished game (EndGame's share on disk) with a long game log and
// a full statistics file: 250 games x 20 players.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "core/Session.h"
#include "engine/PlayPorts.h"
#include "persist/FileSystem.h"
#include "persist/GameRecord.h"
#include "persist/HiScores.h"
#include "persist/Statistics.h"
#include "platform/Clock.h"
#include "platform/HeadlessPorts.h"
#include "platform/Random.h"

namespace cardoria {
namespace {

namespace fs = std::filesystem;

struct Installation {
  explicit Installation(int logLines) {
    std::string pattern = (fs::temp_directory_path() / "cardoria-bench-XXXXXX").string();
    root = ::mkdtemp(pattern.data());
    session.programDir = root + "/";
    session.store.Set(pos::kRunWins, 4, "0000");
    session.store.Set(pos::kRunLosses, 4, "0000");
    fs::create_directories(root + "/DATA");
    std::ofstream stat(session.PathOf(kStatFile), std::ios::binary);
    stat << kStatVersionLines;
    for (int game = 1; game <= 250; ++game) {
      stat << "\r\n[" << ZeroPad(game, 4) << "]\r\n";
      for (int p = 1; p <= 20; ++p)
        stat << "Player " << ZeroPad(p, 2) << "=" << FormatStatsRecord({p, game, 1, 1, 0, 1, 1000, 0}) << "\r\n";
    }
    std::ofstream log(session.PathOf(kStatLogFile), std::ios::binary);
    for (int i = 0; i < logLines; ++i) log << FormatGameLogLine(Result(i % 250 + 1, i % 2 == 0, "10")) << "\r\n";
  }
  ~Installation() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  GameResult Result(int game, bool won, const std::string& score) const {
    GameResult r;
    r.won = won;
    r.elapsedSeconds = 300;
    r.endTime = MakeDateTime(2024, 3, 5, 9, 4, 3);
    r.gameNumber = game;
    r.gameName = "Freecell";
    r.player = "Player 07";
    r.scoreScheme = "01";
    r.score = score;
    r.dealNumber = "0000000012345";
    return r;
  }

  std::string root;
  Session session;
  FileSystem files;
  SilentMessages messages;
  JumpClock clock;
  Random random{1};
  QuietStatsView view;
  StatsPorts ports{files, messages, clock, random, view};
};

// The usual game: a loss that makes no hi-score.
void BM_RecordGameResult(benchmark::State& state) {
  Installation in(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(RecordGameResult(in.session, in.Result(125, false, "0"), in.ports));
}
BENCHMARK(BM_RecordGameResult)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A win that enters the hi-scores and betters the overall score every time.
void BM_RecordBestResult(benchmark::State& state) {
  Installation in(static_cast<int>(state.range(0)));
  int score = 100;
  for (auto _ : state)
    benchmark::DoNotOptimize(RecordGameResult(in.session, in.Result(125, true, std::to_string(++score)), in.ports));
}
BENCHMARK(BM_RecordBestResult)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace cardoria
