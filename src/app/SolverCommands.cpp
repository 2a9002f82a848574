// The window's commands that ask the solver: hints, the verdict on a deal,
// the search for a deal that can be won and the win shown as a demo.

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include "app/MainWindow.h"
#include "app/SolverTask.h"
#include "core/Catalogue.h"
#include "core/CatalogueFile.h"
#include "core/Session.h"
#include "core/TextHelpers.h"
#include "engine/SelectionTests.h"
#include "solver/Replay.h"
#include "table/Layout.h"

namespace cardoria {

namespace {

constexpr int kHintMilliseconds = 1000;
constexpr int kPollMilliseconds = 100;

// Where a move starts and where it ends, as the player sees them.
std::vector<Rect> MoveRects(const Session& s, const solver::Move& move) {
  std::vector<Rect> rects;
  auto add = [&](const Rect& r) {
    if (!r.Empty()) rects.push_back(r);
  };
  switch (move.kind) {
    case solver::Move::Drag: {
      add(CardRectangle(s, move.card));
      if (const auto pile = ParsePileName(move.pile)) {
        // A drop on a place of a row lands on that place, not at the row's end.
        const Rect next = move.place > 0 ? CardInPileRect(s, *pile, move.place - 1) : NextCardRect(s, *pile);
        add(next.Empty() ? TopCardRect(s, *pile) : next);
      }
      break;
    }
    case solver::Move::Select: add(SelectedCardRect(s, move.card)); break;
    case solver::Move::Click:
      if (const auto pile = ParsePileName(move.pile)) add(TopCardRect(s, *pile));
      break;
    case solver::Move::End: break;
  }
  return rects;
}

QString PositionsText(std::int64_t positions) { return QStringLiteral("Positions searched: %1").arg(positions); }

}  // namespace

bool TfrmMain::DealWinnable() const {
  const std::string value = session_.settings.ReadString(kPreferenceSection, "Deal_Winnable", "N");
  return !value.empty() && (value[0] == 'Y' || value[0] == 'y');
}

bool TfrmMain::SolverRunning() const { return solverTask_ != nullptr; }

bool TfrmMain::SolverRefused() {
  if (animating_ || session_.values.Flag(kAnimationRunning) || session_.values.Flag(kDemoMode)) {
    Beep();
    return true;
  }
  return false;
}

void TfrmMain::HintCommand() {
  if (SolverRefused() || paused_) return;
  if (!session_.values.Flag(kGameInProgress)) {
    Beep();
    return;
  }
  solver::SolveOptions options;
  options.maxPositions = solverBudgets.hintPositions;
  ShowWaitCursor();
  const auto move = hints_.Next(session_, options);
  RestoreCursor();
  if (!move) {
    ports_.messages.ShowInfo("No moves left");
    return;
  }
  if (move->kind == solver::Move::End) {
    ports_.messages.ShowInfo("Enough cards are discarded: quit the game now and it counts as won.");
    return;
  }
  hintRects_ = MoveRects(session_, *move);
  if (!hintTimer_) {
    hintTimer_ = new QTimer(this);
    hintTimer_->setSingleShot(true);
    connect(hintTimer_, &QTimer::timeout, this, [this] {
      hintRects_.clear();
      table_->update();
    });
  }
  hintTimer_->start(kHintMilliseconds);
  table_->update();
}

void TfrmMain::VerdictCommand() {
  if (SolverRefused()) return;
  // One search at a time: the one running still has the player's question.
  if (solverTask_ || !session_.values.Flag(kGameInProgress)) {
    Beep();
    return;
  }
  auto copy = std::make_shared<const Session>(SearchCopy(session_));
  const std::int64_t budget = solverBudgets.verdictPositions;
  const std::uint64_t askedAt = solver::PositionHash(session_);
  const std::string askedDeal =
      session_.store.Get(pos::kGameNumber, 4) + "/" + session_.store.Get(pos::kDealNumber, 15);
  StartSearch(
      QStringLiteral("Can this deal be won?"),
      [copy, budget](SolverTask& task) {
        solver::SolveOptions options;
        options.maxPositions = budget;
        options.cancel = &task.cancel;
        options.progress = [&task](std::int64_t positions) { task.positions = positions; };
        task.result = solver::Solve(*copy, options);
      },
      [this, askedAt, askedDeal](SolverTask& task) {
        std::string answer = solver::Describe(task.result);
        const std::string deal =
            session_.store.Get(pos::kGameNumber, 4) + "/" + session_.store.Get(pos::kDealNumber, 15);
        if (deal != askedDeal)
          answer += "\n\nThis answer is for the deal that was on the table when you asked.";
        else if (solver::PositionHash(session_) != askedAt)
          answer += "\n\nThis answer is for the position when you asked; you have moved since.";
        else if (task.result.verdict == solver::Verdict::Winnable)
          hints_.Adopt(session_, task.result.moves);  // the next hints follow the win just found
        ports_.messages.ShowInfo(answer, "Can this deal be won?");
      });
}

void TfrmMain::DemoSearchCommand() {
  auto copy = std::make_shared<const Session>(SearchCopy(session_));
  const int game = session_.store.GetInt(pos::kGameNumber, 4);
  const std::string deal = session_.store.Get(pos::kDealNumber, 15);
  const std::int64_t budget = solverBudgets.demoPositions;
  StartSearch(
      QStringLiteral("Looking for a win of this deal to show..."),
      [copy, game, deal, budget](SolverTask& task) {
        solver::SolveOptions options;
        options.maxPositions = budget;
        options.cancel = &task.cancel;
        options.progress = [&task](std::int64_t positions) { task.positions = positions; };
        FoundDemo found = FindDemo(*copy, game, deal, options);
        task.result = std::move(found.result);
        task.recording = std::move(found.recording);
      },
      [this](SolverTask& task) {
        // The win shown is the one of the deal asked about, whatever the
        // player dealt meanwhile; the game on the table waits aside.
        if (task.recording) {
          PlayDemo(*task.recording);
          return;
        }
        const std::string answer =
            task.result.verdict == solver::Verdict::Winnable
                ? "This game has no recorded demo, and the win the solver found for this deal could not be played out."
                : "This game has no recorded demo, and the solver found no win of this deal to show.\n\n" +
                      solver::Describe(task.result);
        ports_.messages.ShowInfo(answer, "Demo");
      });
}

void TfrmMain::StartSearch(const QString& question, std::function<void(SolverTask&)> search,
                           std::function<void(SolverTask&)> answer) {
  solverTask_ = std::make_unique<SolverTask>();
  SolverTask& task = *solverTask_;
  searchAnswer_ = std::move(answer);
  task.thread = std::thread([&task, search = std::move(search)] {
    search(task);
    task.done.store(true, std::memory_order_release);
  });

  solverProgress_ = new QProgressDialog(question, QStringLiteral("Cancel"), 0, 0, this);
  solverProgress_->setObjectName(QStringLiteral("dlgSolverProgress"));
  solverProgress_->setWindowTitle(QStringLiteral("Searching"));
  solverProgress_->setWindowModality(Qt::NonModal);
  solverProgress_->setMinimumDuration(0);
  solverProgress_->setAutoClose(false);
  solverProgress_->setAutoReset(false);
  solverProgress_->setLabelText(question + QStringLiteral("\n") + PositionsText(0));
  connect(solverProgress_, &QProgressDialog::canceled, this, [this] {
    if (solverTask_) solverTask_->cancel = true;
  });
  solverProgress_->show();

  solverPoll_ = new QTimer(this);
  connect(solverPoll_, &QTimer::timeout, this, [this, question] {
    if (!solverTask_) return;
    if (solverProgress_ && solverProgress_->wasCanceled()) solverTask_->cancel = true;
    if (solverProgress_)
      solverProgress_->setLabelText(question + QStringLiteral("\n") + PositionsText(solverTask_->positions));
    // The answer waits while the player has a dialog open, the table paused
    // or a winning animation running.
    if (solverTask_->done.load(std::memory_order_acquire) && !QApplication::activeModalWidget() && !paused_ &&
        !animating_)
      FinishSearch();
  });
  solverPoll_->start(kPollMilliseconds);
}

void TfrmMain::FinishSearch() {
  solverPoll_->stop();
  solverPoll_->deleteLater();
  solverPoll_ = nullptr;
  if (solverProgress_) {
    solverProgress_->disconnect(this);
    solverProgress_->hide();
    solverProgress_->deleteLater();
    solverProgress_ = nullptr;
  }
  std::unique_ptr<SolverTask> task = std::move(solverTask_);
  const std::function<void(SolverTask&)> answer = std::move(searchAnswer_);
  searchAnswer_ = nullptr;
  task->thread.join();
  // The player who cancelled asked for no answer.
  if (task->cancel && task->result.cancelled) return;
  if (answer) answer(*task);
}

std::string TfrmMain::WinnableDealFor(int game, std::string& notice) {
  auto task = std::make_unique<SolverTask>();
  WinnableSearch search;
  search.deals = DrawDealNumbers([this](int n) { return ports_.random.Next(n); }, solverBudgets.dealsTried);
  search.positionsPerDeal = solverBudgets.dealPositions;
  search.timeBudget = solverBudgets.dealTime;
  search.cancel = &task->cancel;
  SolverTask* t = task.get();
  search.progress = [t](int tried, std::int64_t positions) {
    t->tried = tried;
    t->positions = positions;
  };
  auto copy = std::make_shared<const Session>(SearchCopy(session_));
  task->thread = std::thread([t, copy, game, search] {
    t->deal = FindWinnableDeal(*copy, game, search);
    t->done.store(true, std::memory_order_release);
  });

  // The player waits for the deal, but the window goes on drawing.
  QProgressDialog progress(QStringLiteral("Looking for a deal that can be won..."), QStringLiteral("Cancel"), 0,
                           solverBudgets.dealsTried, this);
  progress.setObjectName(QStringLiteral("dlgWinnableProgress"));
  progress.setWindowTitle(QStringLiteral("Deal only winnable games"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setAutoClose(false);
  progress.setAutoReset(false);
  connect(&progress, &QProgressDialog::canceled, this, [t] { t->cancel = true; });
  progress.show();
  QEventLoop loop;
  QTimer poll;
  connect(&poll, &QTimer::timeout, &loop, [&] {
    progress.setValue(t->tried);
    progress.setLabelText(QStringLiteral("Looking for a deal that can be won: deal %1 of %2\n%3")
                              .arg(std::max(1, t->tried.load()))
                              .arg(solverBudgets.dealsTried)
                              .arg(PositionsText(t->positions)));
    if (t->done.load(std::memory_order_acquire)) loop.quit();
  });
  poll.start(kPollMilliseconds);
  loop.exec();
  poll.stop();
  progress.disconnect(this);
  progress.hide();
  task->thread.join();
  const WinnableDeal found = task->deal;
  if (found.deal.empty()) return search.deals.empty() ? std::string() : search.deals.front();
  if (found.cannotJudge) {
    notice = "The solver cannot judge this game: playing deal " + found.deal + ".";
  } else if (!found.winnable && !found.cancelled) {
    notice = "No winnable deal found within the budget: playing deal " + found.deal + ".";
  }
  return found.deal;
}

bool TfrmMain::NewGame() {
  auto ports = StartPorts();
  if (!DealWinnable()) {
    NewGameCommand(session_, ports);
    return session_.values.Flag(kGameInProgress);
  }
  if (!ConfirmAbandonGame(session_, ports) || engine_->EndGame()) return session_.values.Flag(kGameInProgress);
  if (session_.store.Get(145, 1) == "Y") PlaySound("New", true);
  std::string notice;
  const std::string deal = WinnableDealFor(session_.store.GetInt(pos::kGameNumber, 4), notice);
  if (deal.empty()) return false;
  session_.store.Set(pos::kDealNumber, 15, deal);
  StartGame(session_, ports, true, true, 1, false);
  // Told over the deal it is about.
  if (!notice.empty()) ports_.messages.ShowInfo(notice);
  return session_.values.Flag(kGameInProgress);
}

void TfrmMain::RandomGame() {
  auto ports = StartPorts();
  if (!DealWinnable()) {
    RandomGameCommand(session_, ports);
    return;
  }
  if (session_.catalogue.empty()) return;
  const std::string& line =
      session_.catalogue[static_cast<std::size_t>(ports_.random.Next(static_cast<int>(session_.catalogue.size())))];
  const int number = LineNumber(line);
  if (!ConfirmAbandonGame(session_, ports) || engine_->EndGame()) return;
  std::string notice;
  const std::string deal = WinnableDealFor(number, notice);
  if (deal.empty()) return;
  session_.store.Set(pos::kDealNumber, 15, deal);
  OpenGame(session_, ports, number, GameNameOf(session_, number), session_.store.Get(pos::kPlayerName, 30), 1, true);
  if (!notice.empty()) ports_.messages.ShowInfo(notice);
}

}  // namespace cardoria
