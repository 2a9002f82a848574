#pragma once
// Undo and redo: before every move the whole table (55 piles with each card's
// face) is pushed as one step; Undo and Redo swap the table with the newest
// step of their stack. A parallel log of small tags tells which counters
// outside the piles a step changed.

#include <string>

namespace cardoria {

struct Session;
struct StepStacks;

enum class Direction { Undo, Redo };

inline constexpr int kTagFamilyMove = 1;
inline constexpr int kTagDealCounter = 2;
inline constexpr int kTagGatheringRedeal = 3;

// What an interactive Undo or Redo asks of the window.
class UndoView {
 public:
  virtual ~UndoView() = default;
  virtual void Beep() = 0;
  virtual void PlaySound(const std::string& name) = 0;
  virtual void ShowWaitCursor() = 0;
  virtual void RestoreCursor() = 0;
  // The table is redrawn, the score shown, the card counter refreshed.
  virtual void TableRestored() = 0;
};

void PushStep(Session& session, Direction direction);
void DiscardRedo(Session& session);
void TagStep(Session& session, int tag);
void FoldSteps(Session& session, int n);
// Returns false when refused (a beep has been asked for unless quiet).
bool UndoRedo(Session& session, Direction direction, bool quiet, UndoView* view);
// Empties both stacks and logs, as at the start of a game.
void ClearHistory(Session& session);

// The 55 lines of the current table, and putting them back.
void AppendStep(const Session& session, StepStacks& stacks);
void PopStep(Session& session, StepStacks& stacks);
void RestorePile(Session& session, std::string& pile, const std::string& line);

}  // namespace cardoria
