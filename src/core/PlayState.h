#pragma once
// The state of play that lives beside the piles: what is being dragged, the
// undo history, and where the layout put everything.

#include <array>

#include "core/TextHelpers.h"

namespace cardoria {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Empty() const { return right == left && bottom == top; }
  // Edges included.
  bool Contains(int x, int y) const { return left <= x && x <= right && top <= y && y <= bottom; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

inline Rect CardRect(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }

struct DragState {
  int draggedCard = 0;  // lowest lifted card; 0 when nothing is lifted
  bool moved = false;
  int pressX = 0, pressY = 0;
  int firstPressX = 0, firstPressY = 0;
  int grabX = 0, grabY = 0;
  Rect dragRect;
  int dragHeight = 0;
  int groupTopCard = 0;
  int peekX = 0, peekY = 0;
  bool stockPressed = false;
  std::string pressedPile;  // the stock-group pile held down
  int hoverX = 0, hoverY = 0;
};

// Steps of the table, oldest first: per group a list of lines, a step taking
// 3, 16, 28 and 8 consecutive lines.
struct StepStacks {
  std::array<TextList, 4> lists;
  int Steps() const { return static_cast<int>(lists[0].size() / 3); }
  void Clear() {
    for (auto& list : lists) list.clear();
  }
};

struct UndoHistory {
  StepStacks undo, redo;
};

// Pixel steps between the cards of a fanned pile.
struct FanSteps {
  int faceUpDown = 0, faceUpRight = 0, faceDownDown = 0, faceDownRight = 0;
  int cardGap = 6, smallDown = 3, smallRight = 3, fineRight = 0;
};

struct TableLayout {
  int cardWidth = 71, cardHeight = 96, shadowSize = 9;
  std::array<int, 30> tableauX{}, tableauY{};
  FanSteps fan;
  int tableWidth = 0, topY = 5, formHeight = 0, clientHeight = 0, screenHeight = 0, screenWidth = 0;
  bool scrollBarShown = false;
  int scrollMax = 100, scrollPosition = 0;
  int imageHeight = 0;  // height of the table picture
};

}  // namespace cardoria
