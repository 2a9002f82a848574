#pragma once
// The play engine: the mouse handlers of the table, the one move procedure,
// the stock, autoplay and quick moves, the win check, the score and the end
// of a game. It keeps no state of its own: everything lives in the session,
// and the window, sounds and end-of-game screens are reached through ports.

#include <array>
#include <string>
#include <vector>

#include "core/PlayFamily.h"
#include "deal/GameStart.h"
#include "engine/PlayPorts.h"
#include "persist/UndoLog.h"

namespace cardoria {

struct Session;

struct PlayPorts {
  Messages& messages;
  Clock& clock;
  GameWindow& window;
  PlayView& view;
  GameEndPort& end;
};

struct HitResult {
  int card = 0;
  std::string pile;  // empty when nothing was hit
  Rect rect;
};

struct DropCandidate {
  int kind = 0;   // PileKind
  int index = 0;  // 0-based pile index
  int area = 0;
};

enum MouseButton : int { kLeftButton = 0, kRightButton = 1, kMiddleButton = 2 };

class Engine final : public PlayEngine {
 public:
  Engine(Session& session, PlayPorts ports) : s_(session), p_(ports) {}

  // PlayEngine, for starting a game.
  bool TryFoundation(Session& session, int card, int foundation) override;
  void UpdateScore(Session& session) override;
  bool EndGame(Session& session) override;
  void AutoplayAfterDeal(Session& session) override;

  // The table's mouse.
  void OnMouseDown(int button, bool ctrl, int x, int y);
  void OnMouseMove(int x, int y);
  void OnMouseUp(int button);
  void OnDoubleClick();
  HitResult HitTest(int x, int y) const;
  std::vector<DropCandidate> DropCandidates(const Rect& drag) const;

  bool ExecuteMove(int card, const std::string& destination);
  bool TryDrop(int card, const Rect& drag, int index, int kind, bool autoplay, bool animate, bool redrawWithout);
  void ReturnDraggedCard(int card);
  void FaceUpMove(int card);

  // The stock.
  void StockClick(int top);
  void RefillEmptyTableau();

  // Selection play: a press selects or deselects a card, and a group the
  // family accepts as complete goes to the second waste.
  void SelectCard(int card, const std::string& pile, const Rect& rect);
  void SelectForSum(int card, const Rect& rect);
  bool CanDiscard(int card, int pile) const;

  // Autoplay and quick moves.
  void ToggleAutoplay();
  void SetAutoplayEnabled(bool on);
  bool AutoplayActive() const;
  bool RunAutoplay();
  bool SendCard(int card, bool single, bool autoplay, bool toTableau, bool toReserves, bool toFoundations);
  bool QuickMove(bool doubleClick, bool rightClick, int card, const std::string& pile);
  bool AutoFaceUp();

  // Game end and score.
  bool CheckWin() const;
  void UpdateScore();
  bool EndGame();
  void ClockTick();
  // The window's one-second timer: the clock and the timed family action.
  void TimerTick();
  int ElapsedSeconds() const;

  // The family follow-ups of ordinary play.
  void MoveCompanion(int card);
  void RunOfTenSweep();
  void FourOfRankSweep(int pile);
  // A card of the game of gaps into the hole at `place` (1-based) of `row`;
  // `drag` is where a dropped card comes from.
  bool GapMove(int card, int row, int place, bool byRightClick, const Rect& drag = {});
  bool GapRightClick(int card);
  // The row of stacks: the stack topped by `card` goes onto the stack topped
  // by `candidate`, which then lies face down under it.
  bool RowStackMove(int card, int candidate, const Rect& drag = {});
  // Poker squares: the score of the grid, announcing each hand that the
  // card `moved` completed (-1: none); the panel that shows them.
  void ScorePokerGrid(int moved);
  void DrawPokerPanel();

  // The memory games.
  bool MemoryPress(int button, const HitResult& hit);
  void FlipMemoryCard(int card);
  int ExtendRun(int code);
  void TurnBackFaceUp();
  bool AllTurned() const;
  int PenaltyCount() const;
  void SetFoundationFaces(bool down);
  void ShowTwins();
  int CountTwinMatches(bool highlight);
  void CheckTwinsPlaced();
  void MemoryTimedAction();
  void ShowMemoryEnd(bool won);

  // Undo and redo from the menu.
  bool Undo();
  bool Redo();
  void SetUndoCommandsEnabled(bool on);

 private:
  bool ExecuteBranch(int card, const std::string& destination, bool& leftTableau);
  void AfterMove(int card, bool executed, bool leftTableau, bool stockWasFull);
  void CompletedSequenceRemoval(int pile);
  // The card of the pile that a move into a pile of code 71 jumped over
  // leaves for the second waste, within the jump's step.
  void RemoveJumpedCard(int source, int destination);
  bool DealFromStock(const std::string& destination, bool pushStep);
  // A Queen just turned onto the waste goes on to the Queens' row, within
  // the step of the deal.
  void SendToQueensRow(int queen);
  // True at the release of the held stock when the action is allowed.
  bool StockButtonReleased(bool allowed);
  bool TurnWasteOver();
  bool Redeal();
  void RedealProcedure(int kind);
  bool AddDeals(const std::string& name);
  void FollowRelease();
  // The tableau press of Golf, Fourteen Out, Pyramid, Black Hole, Relaxed
  // Golf and Chain Crossing; false when the family takes no such press.
  bool FamilyTableauPress(int button, const HitResult& hit);
  // Appends the card to the selection, or takes it out; true when appended.
  bool ToggleSelected(int card);
  void CompleteSelection(bool refill);
  bool RemoveSelection(bool& leftTableau);
  bool RefillGaps();
  bool MonteCarloConsolidation();
  // Plays when Sounds_Enabled and the switch at `switchPosition` are "Y".
  static constexpr int kNoSoundSwitch = 0;
  void Sound(const std::string& name, int switchPosition);
  void Lift(int card, const Rect& rect);
  void FoldSince(int stepsBefore, bool intoPrevious);
  // The card glides to the second waste and is moved there by a move of its own.
  void SendToSecondWaste(int card, const Rect& from);
  bool GapDrop(int card, const Rect& drag, int row);
  bool RowStackDrop(int card, const Rect& drag);
  int MemoryScore(PlayFamily family);

  Session& s_;
  PlayPorts p_;
};

// 5 x ScoreBase - CardCount - 5 x ScoreDeduct + 5 per card in the second
// waste and on the foundations in use; 0 unless the scheme is "01".
int StandardScore(const Session& session);

struct PokerHand {
  int points = 0;
  std::string name;  // empty for no hand
};
// The poker hand of five cards.
PokerHand EvaluateHand(const std::array<int, 5>& cards);

// A memory game's misses are not written into a saved game; its score and
// its table tell how many there were.
void RestorePenaltyCount(Session& session);

// The deterministic mixing of a gathering redeal.
TextList MixRedeal(const TextList& gathered);

}  // namespace cardoria
