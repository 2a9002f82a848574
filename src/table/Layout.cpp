#include "table/Layout.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/Session.h"

namespace cardoria {

namespace {

// PositionTable regions of the pile origins.
constexpr int kFoundX = 0, kFoundY = 17, kResX = 34, kResY = 43, kStockX = 52, kStockY = 56;
constexpr int kScrollOffset = 86, kTableBottom = 89, kStockCopy = 97;

int Trunc(double value) { return static_cast<int>(value); }

// The free layout of the row games: the cards of a tableau pile lie side by
// side and wrap into further rows at the table's right edge.
constexpr int kRowLayout = 8, kRowLayoutGap = 10;

int R(const Session& s, int index) { return s.rules[index]; }

// The first decimal digit of a row value.
int RowDigit(int value) {
  value = std::abs(value);
  while (value >= 10) value /= 10;
  return value;
}

struct Ingredients {
  int w = 0, h = 0;
  int tableWidth = 0, topY = 0, formHeight = 0, availH = 0, screenWidth = 0, screenHeight = 0;
  int rows[7] = {};  // rows[1..6]
  int c3[4] = {}, c4[5] = {};
  int leftMargin = 0;
  int pileGap = 0;
  int foundGap = 1;
  std::optional<int> redoStartX;
};

class LayoutRun {
 public:
  LayoutRun(Session& session, const TableGeometry& g) : s_(session), g_(g) {}

  void Run() {
    ClearPilePositions(s_);
    Ingredients& in = in_;
    TableLayout& layout = s_.layout;
    in.w = layout.cardWidth;
    in.h = layout.cardHeight;
    in.tableWidth = g_.formWidth - g_.scrollBarWidth - 2 - (g_.formHeight < 500 ? 10 : 0);
    in.topY = g_.topY;
    in.formHeight = g_.formHeight;
    in.availH = g_.clientHeight - 1 - g_.topY;
    in.screenWidth = g_.screenWidth;
    in.screenHeight = g_.screenHeight;
    layout.tableWidth = in.tableWidth;
    layout.topY = in.topY;
    layout.formHeight = g_.formHeight;
    layout.clientHeight = g_.clientHeight;
    layout.screenWidth = g_.screenWidth;
    layout.screenHeight = g_.screenHeight;
    Ladder();
    const int tableauArrangement = R(s_, rule::TableauArrangement);
    if ((tableauArrangement >= 51 && tableauArrangement <= 101) ||
        (tableauArrangement >= 103 && tableauArrangement <= 130)) {
      Special(tableauArrangement);
    } else {
      for (int attempt = 0; attempt < 2; ++attempt) {
        Margin();
        Tableau();
        StockGroup();
        Foundations();
        if (tableauArrangement == 20) TableauOverFoundations();
        Reserves();
        SecondWaste();
        // The overlap redo moves the tableau once; a second overlap stays.
        if (attempt == 0 && OverlapRedo()) {
          ClearPilePositions(s_);
          continue;
        }
        break;
      }
      DefaultRows();
    }
    if (g_.shiftX != 0) ShiftRight(g_.shiftX);
    for (int i = 0; i < 3; ++i) {
      s_.positions.Set(kStockCopy + i, s_.positions[kStockX + i]);
      s_.positions.Set(kStockCopy + 4 + i, s_.positions[kStockY + i] - layout.scrollPosition);
      s_.positions.Set(kStockCopy + 8 + i, s_.positions[kStockY + i]);
    }
    s_.positions.Set(kScrollOffset, layout.scrollPosition);
  }

 private:
  void ShiftRight(int by) {
    auto shift = [by](int& x, int y) {
      if (!OffTable(x) && !OffTable(y)) x += by;
    };
    auto shiftPositions = [&](int xAt, int yAt, int count) {
      for (int i = 0; i < count; ++i) {
        int x = s_.positions[xAt + i];
        shift(x, s_.positions[yAt + i]);
        s_.positions.Set(xAt + i, x);
      }
    };
    shiftPositions(kStockX, kStockY, kStockPiles);
    shiftPositions(kFoundX, kFoundY, kFoundationPiles);
    shiftPositions(kResX, kResY, kReservePiles);
    TableLayout& layout = s_.layout;
    for (std::size_t i = 0; i < layout.tableauX.size(); ++i) shift(layout.tableauX[i], layout.tableauY[i]);
  }

  int Row(int value) const {
    const int digit = RowDigit(value);
    if (digit == 0) return in_.rows[1];
    if (digit > 6) return kUnusedTableau;
    return in_.rows[digit];
  }

  void Ladder() {
    Ingredients& in = in_;
    const int rowGap = in.formHeight < 500 ? 5 : 10;
    const int stockRow = RowDigit(R(s_, rule::StockRow));
    in.rows[1] = in.topY + rowGap + (stockRow == 1 ? 15 : 0);
    in.rows[2] = in.rows[1] + rowGap + in.h + ((stockRow == 2 || R(s_, rule::StockArrangement) == 3) ? 15 : 0);
    in.rows[3] = in.rows[2] + rowGap + in.h;
    in.rows[4] = in.rows[3] + rowGap + in.h;
    in.rows[5] = in.formHeight > Trunc(0.8 * in.screenHeight) ? in.formHeight - 50 - in.h : in.screenHeight - 30 - in.h;
    in.rows[6] = in.rows[2] + Trunc((in.rows[3] - in.rows[2]) / 2.0);
    if (R(s_, rule::TableauArrangement) == 15) {
      in.rows[1] = in.topY + 15;
      in.rows[2] = in.rows[1] + 5 + in.h;
      in.rows[3] = in.rows[2] + 5 + in.h;
    }
    in.c3[1] = std::max(in.topY + Trunc((in.availH - (3 * in.h + 20)) / 2.0), in.topY + 2);
    for (int k = 2; k <= 3; ++k) in.c3[k] = in.c3[k - 1] + in.h + 10;
    in.c4[1] = std::max(in.topY + Trunc((in.availH - (4 * in.h + 30)) / 2.0), in.topY + 2);
    for (int k = 2; k <= 4; ++k) in.c4[k] = in.c4[k - 1] + in.h + 10;
  }

  void Margin() {
    Ingredients& in = in_;
    in.leftMargin = in.tableWidth >= 650 ? 10 : 3;
    if (R(s_, rule::StockGroupCount) > 0) {
      in.leftMargin += s_.layout.shadowSize;
      const int stock = R(s_, rule::StockArrangement);
      if (stock == 3 || stock == 4 || stock == 5 || stock == 16 || stock == 19 || R(s_, rule::DealToSecondWaste) == 4)
        in.leftMargin += 15;
    }
  }

  int Tableaus() const { return std::clamp(R(s_, rule::TableauCount), 0, kTableauPiles); }
  int FoundationCount() const { return std::clamp(R(s_, rule::FoundationCount), 0, kFoundationPiles); }
  int ReserveCount() const { return std::clamp(R(s_, rule::ReserveCount), 0, kReservePiles); }

  void SetTableau(int i, int x, int y) {
    s_.layout.tableauX[static_cast<std::size_t>(i)] = x;
    s_.layout.tableauY[static_cast<std::size_t>(i)] = y;
  }
  int TX(int i) const { return s_.layout.tableauX[static_cast<std::size_t>(i)]; }
  int TY(int i) const { return s_.layout.tableauY[static_cast<std::size_t>(i)]; }

  // A one-row tableau from T1 X with the given gaps.
  void Row(int x, int y, const std::vector<int>& gaps) {
    for (int i = 0; i < Tableaus(); ++i) {
      SetTableau(i, x, y);
      x += in_.w + gaps[static_cast<std::size_t>(std::min<int>(i, static_cast<int>(gaps.size()) - 1))];
    }
  }

  void Tableau() {
    Ingredients& in = in_;
    const int n = Tableaus();
    const int w = in.w;
    const int arrangement = R(s_, rule::TableauArrangement);
    const int y = Row(R(s_, rule::TableauRow));
    if (n == 0 || OffTable(y)) return;
    const int stockArrangement = R(s_, rule::StockArrangement);
    const bool over004 = stockArrangement == 4 || R(s_, rule::DealToSecondWaste) == 4;
    switch (arrangement) {
      case 1:
      case 14:
      case 15: {
        int gap = std::clamp(Trunc((in.tableWidth - n * w) / static_cast<double>(n + 1)), 4, 20);
        if (arrangement == 1 && over004) gap = std::max(gap, 15);
        int x = Trunc((in.tableWidth - n * w - (n - 1) * gap) / 2.0);
        if (x < in.leftMargin) {
          if (arrangement == 1) {
            x = in.leftMargin;
          } else {
            // One pile has no gap to shrink.
            if (n > 1) gap = std::clamp(gap - Trunc((in.leftMargin - x) / static_cast<double>(n - 1) + 0.99), 4, 20);
            x = in.screenWidth < 650 ? in.leftMargin - 2 : in.leftMargin;
          }
        }
        in.pileGap = gap;
        std::vector<int> gaps(static_cast<std::size_t>(n), gap);
        if (arrangement != 1 && over004 && gap < 15) {
          for (int k = 0; k < R(s_, rule::StockGroupCount) && k < n; ++k) gaps[static_cast<std::size_t>(k)] = 15;
        }
        Row(x, y, gaps);
        break;
      }
      case 2: {
        const int gap = in.tableWidth < 650 ? 5 : 10;
        in.pileGap = gap;
        const int x = in.redoStartX ? *in.redoStartX : Trunc((in.tableWidth - n * w - (n - 1) * gap) / 2.0);
        Row(x, y, {gap});
        break;
      }
      case 3:
      case 12:
      case 11:
      case 21: {
        const int k = (arrangement == 3 || arrangement == 12) ? 1 : 2;
        int gap = Trunc((in.tableWidth - (n + k) * w - 32) / static_cast<double>(n + 1 + k));
        if (gap < 4) gap = 4;
        if (gap > 20) gap = 15;
        if (arrangement == 21) gap = 2;
        in.pileGap = gap;
        int x = std::max(Trunc((in.tableWidth - 30 - (n + k) * w - gap * (n + k - 2) - 10) / 2.0), in.leftMargin);
        x += (22 + w) * k;
        if (arrangement == 11 || arrangement == 12) x += 15;
        Row(x, y, {gap});
        break;
      }
      case 13: {
        in.pileGap = 4;
        Row(in.screenHeight < 500 ? 8 : 48, y, {4});
        break;
      }
      case 18:
      case 10: {
        const int rows = std::max(R(s_, rule::TableauRows), 1);
        const int perRow = std::max(n / rows, 1);
        int gap;
        int x0, y0;
        if (arrangement == 18) {
          gap = std::max(Trunc((in.tableWidth - perRow * w - 2) / static_cast<double>(perRow + 1)), Trunc(1.5 * w));
          x0 = in.leftMargin + (in.screenHeight < 500 ? 15 : 10);
          const int digit = RowDigit(R(s_, rule::TableauRow));
          y0 = digit >= 1 && digit <= 4 ? in.c4[digit] : in.c4[1];
        } else {
          gap = Trunc(0.85 * w);
          x0 = 15;
          y0 = in.c3[1];
        }
        in.pileGap = gap;
        int x = x0, yy = y0, newRows = 0;
        for (int i = 0; i < n; ++i) {
          if (i > 0) {
            if (rows > 1 && i % perRow == 0) {
              ++newRows;
              x = x0;
              if (arrangement == 18) {
                yy += in.h + 10;
              } else {
                yy = newRows + 1 <= 6 ? in.rows[newRows + 1] : yy + in.h + 10;
              }
            } else {
              x += w + gap;
            }
          }
          SetTableau(i, x, yy);
        }
        break;
      }
      default: break;  // 020 is placed after the foundations; unknown numbers stay unused
    }
  }

  int Shown(int index) const { return s_.positions[index]; }
  void SetStock(int i, int x, int y) {
    s_.positions.Set(kStockX + i, x);
    s_.positions.Set(kStockY + i, y);
  }

  void StockGroup() {
    Ingredients& in = in_;
    const int count = R(s_, rule::StockGroupCount);
    if (count <= 0) return;
    const int w = in.w;
    const int y = Row(R(s_, rule::StockRow));
    if (OffTable(y)) return;
    const bool hasStock = R(s_, rule::HasStock) != 0;
    const bool hasWaste = count >= 2 || R(s_, rule::StockDealsToWaste) != 0;
    const int t1 = TX(0);
    switch (R(s_, rule::StockArrangement)) {
      case 4:
        if (hasStock && R(s_, rule::StockDealsToWaste) != 0) {
          SetStock(kStockItem, t1, y);
          SetStock(kWasteItem, Tableaus() > 1 ? TX(1) : t1 + w + in.pileGap, y);
        } else if (!hasStock && R(s_, rule::StockDealsToWaste) != 0) {
          SetStock(kWasteItem, t1, y);
        } else {
          SetStock(kStockItem, t1, y);
        }
        break;
      case 5: {
        int x = in.leftMargin;
        for (int i = 0; i < std::min(count, 2); ++i, x += in.leftMargin + w) SetStock(i, x, y);
        break;
      }
      case 3:
        SetStock(kStockItem, t1 - w - 22, y);
        if (hasWaste && count >= 2) SetStock(kWasteItem, t1 - w - 22, in.rows[2]);
        break;
      case 11: {
        const int waste = t1 - w - 45;
        SetStock(kWasteItem, waste, y);
        SetStock(kStockItem, waste - w - 15, y);
        break;
      }
      case 13: {
        const int x = in.screenHeight < 500 ? 15 : 15 + (s_.layout.shadowSize > 1 ? s_.layout.shadowSize / 2 : 0);
        SetStock(kStockItem, x, y);
        if (count >= 2) SetStock(kWasteItem, x + w + 15, y);
        break;
      }
      case 16:
      case 19: {
        const int distance = R(s_, rule::StockArrangement) == 16 ? 30 : 60;
        SetStock(hasStock ? kStockItem : kWasteItem, t1 - w - distance, y);
        break;
      }
      case 21: {
        const int waste = t1 - w - 15;
        SetStock(kWasteItem, waste, y);
        SetStock(kStockItem, waste - w - 20, y);
        break;
      }
      default: break;
    }
  }

  void SetFoundation(int i, int x, int y) {
    s_.positions.Set(kFoundX + i, x);
    s_.positions.Set(kFoundY + i, y);
  }
  int FX(int i) const { return s_.positions[kFoundX + i]; }

  void Foundations() {
    Ingredients& in = in_;
    const int m = FoundationCount();
    if (m == 0) return;
    const int w = in.w;
    const int n = Tableaus();
    const int y = Row(R(s_, rule::FoundationRow));
    if (OffTable(y)) return;
    in.foundGap = std::max(Trunc(in.pileGap / 3.0), 1);
    auto fromTableau = [&](int k) {  // foundation k (0-based) over tableau n - m + k
      const int t = n - m + k;
      return t >= 0 && t < n ? TX(t) : kUnusedFoundation;
    };
    auto leftwards = [&](int last, int step) {
      for (int k = m - 1, x = last; k >= 0; --k, x -= step) SetFoundation(k, x, y);
    };
    auto rightwards = [&](int first, int step) {
      for (int k = 0, x = first; k < m; ++k, x += step) SetFoundation(k, x, y);
    };
    switch (R(s_, rule::FoundationArrangement)) {
      case 7:
        for (int k = 0; k < m; ++k) SetFoundation(k, fromTableau(k), y);
        break;
      case 9:
        if (n > 0) leftwards(TX(n - 1), in.foundGap + w);
        break;
      case 1: {
        in.foundGap = std::max(Trunc(in.pileGap / 2.0), 1);
        rightwards(Trunc((in.tableWidth - m * w - (m - 1) * in.foundGap) / 2.0), w + in.foundGap);
        break;
      }
      case 2:
        in.foundGap = std::max(Trunc((in.tableWidth - m * w - 2) / static_cast<double>(m + 1)), 1);
        rightwards(in.foundGap, w + in.foundGap);
        break;
      case 8: leftwards(in.tableWidth - w - in.leftMargin - 5, in.leftMargin + w); break;
      case 13:
        if (in.screenHeight >= 500) {
          for (int k = 0; k < m; ++k) SetFoundation(k, fromTableau(k), y);
        } else if (n > 0) {
          leftwards(TX(n - 1), w + 1);
        }
        break;
      case 17: {
        const int from = R(s_, rule::StockDealsToWaste) != 0 ? kWasteItem : kStockItem;
        const int px = s_.positions[kStockX + from];
        if (OffTable(px)) break;
        const bool low = in.screenHeight < 500;
        const int fy = s_.positions[kStockY + from];
        for (int k = 0, x = px + w + (low ? 10 : 20); k < m; ++k, x += w + (low ? 1 : 3)) SetFoundation(k, x, fy);
        break;
      }
      default: break;
    }
  }

  void TableauOverFoundations() {
    const int n = Tableaus();
    const int m = FoundationCount();
    if (n == 0 || m == 0 || OffTable(FX(0))) return;
    const int y = Row(R(s_, rule::TableauRow));
    const int span = FX(m - 1) + in_.w - FX(0);
    Row(FX(0) + Trunc((span - n * in_.w - 10 * (n - 1)) / 2.0), y, {10});
  }

  void SetReserve(int i, int x, int y) {
    s_.positions.Set(kResX + i, x);
    s_.positions.Set(kResY + i, y);
  }

  void Reserves() {
    Ingredients& in = in_;
    const int r = ReserveCount();
    if (r == 0) return;
    const int w = in.w;
    const int n = Tableaus();
    const int y = Row(R(s_, rule::ReserveRow));
    if (OffTable(y)) return;
    switch (R(s_, rule::ReserveArrangement)) {
      case 6:
        for (int k = 0, x = TX(0); k < r; ++k, x += in.foundGap + w) SetReserve(k, x, y);
        break;
      case 4:
        for (int k = 0; k < r && k < n; ++k) SetReserve(k, TX(k), y);
        break;
      case 5:
        for (int k = 0, x = in.leftMargin; k < r; ++k, x += in.leftMargin + w) SetReserve(k, x, y);
        break;
      case 7:
        for (int k = 0; k < r; ++k) {
          const int t = n - r + k;
          if (t >= 0 && t < n) SetReserve(k, TX(t), y);
        }
        break;
      case 11:
        if (!OffTable(s_.positions[kStockX + kWasteItem])) SetReserve(0, s_.positions[kStockX + kWasteItem], y);
        break;
      case 12: SetReserve(0, TX(0) - w - (n > 7 ? 22 : 45), y); break;
      default: break;
    }
  }

  void SecondWaste() {
    if (R(s_, rule::SecondWasteCount) <= 0) return;
    const int n = Tableaus();
    switch (R(s_, rule::DealToSecondWaste)) {
      case 16: {
        const int digit = RowDigit(R(s_, rule::SecondWasteRow));
        const int row = digit >= 2 && digit <= 7 ? in_.rows[digit - 1] : in_.rows[1];
        SetStock(kSecondWasteItem, s_.positions[kStockX + kStockItem], row + in_.h + 20);
        break;
      }
      case 6:
        if (n > 1) SetStock(kSecondWasteItem, TX(1), TY(1));
        break;
      case 7:
        if (n > 0) SetStock(kSecondWasteItem, TX(n - 1), TY(n - 1));
        break;
      default: break;
    }
  }

  bool OverlapRedo() {
    in_.redoStartX.reset();
    if (R(s_, rule::ReserveArrangement) != 5 || ReserveCount() == 0) return false;
    const int last = ReserveCount() - 1;
    const int rx = s_.positions[kResX + last], ry = s_.positions[kResY + last];
    if (OffTable(rx) || OffTable(ry)) return false;
    const Rect reserve = CardRect(rx, ry, in_.w, in_.h);
    for (int i = 0; i < kTableauPiles; ++i) {
      if (OffTable(TX(i)) || OffTable(TY(i))) continue;
      const Rect pile{TX(i) - 85, TY(i), TX(i) + in_.w + 85, TY(i) + in_.h};
      bool overlap = pile.Contains(reserve.left, reserve.top) || pile.Contains(reserve.right, reserve.top) ||
                     pile.Contains(reserve.left, reserve.bottom) || pile.Contains(reserve.right, reserve.bottom);
      for (int edge : {reserve.left, reserve.right}) {
        if (overlap || edge < pile.left || edge > pile.right) continue;
        for (int y = reserve.top; y <= reserve.bottom && !overlap; y += 50) overlap = y >= pile.top && y <= pile.bottom;
      }
      if (overlap) {
        const int start = rx + in_.w + 86;
        in_.redoStartX = start < 1 ? in_.leftMargin : start;
        return R(s_, rule::TableauArrangement) == 2;
      }
    }
    return false;
  }

  void DefaultRows() {
    auto fill = [&](int yIndex, int xIndex, int firstY) {
      if (!OffTable(s_.positions[xIndex]) && OffTable(s_.positions[yIndex])) s_.positions.Set(yIndex, firstY);
    };
    fill(kStockY + kWasteItem, kStockX + kWasteItem, s_.positions[kStockY]);
    for (int k = 1; k < 4; ++k) fill(kFoundY + k, kFoundX + k, s_.positions[kFoundY]);
    for (int k = 1; k < 7; ++k) {
      if (!OffTable(TX(k)) && OffTable(TY(k))) SetTableau(k, TX(k), TY(0));
    }
  }

  // The fixed pictures among the special arrangements; the others are not
  // used by any game of the catalogue and leave their piles unused.
  void Special(int arrangement) {
    Ingredients& in = in_;
    Margin();
    const int w = in.w, h = in.h;
    const bool low = in.formHeight < 500;
    if (arrangement == 52) {
      const int gap = low ? 25 : 35;
      const int x2 = std::max(Trunc((in.tableWidth - 3 * w - 2 * gap) / 2.0), w + 2 * gap + 25);
      const int y1 = std::max(in.topY + Trunc((in.availH - 3 * h - 2 * gap) / 2.0), in.rows[1]);
      const int y2 = y1 + gap + h, y5 = y2 + gap + h;
      const int x3 = x2 + w + gap, x4 = x3 + w + gap;
      SetTableau(0, x3, y1);
      SetTableau(1, x2, y2);
      SetTableau(2, x3, y2);
      SetTableau(3, x4, y2);
      SetTableau(4, x3, y5);
      SetStock(kStockItem, x2 - w - 2 * gap, y1);
      SetStock(kWasteItem, x2 - w - 2 * gap, y2);
      SetFoundation(0, x2 + 7, y1 + 7);
      SetFoundation(1, x4 - 7, y1 + 7);
      SetFoundation(2, x2 + 7, y5 - 7);
      SetFoundation(3, x4 - 7, y5 - 7);
    } else if (arrangement == 54) {
      const int step = w / 2 + 3;
      const int stockX = in.screenHeight < 500 ? 15 : 40;
      SetStock(kStockItem, stockX, in.rows[1]);
      SetStock(kWasteItem, stockX, in.rows[2] + 10);
      int x = Trunc((in.tableWidth - w) / 2.0);
      const int n = Tableaus();
      const int down = in.screenHeight < 500 ? h / 2 - 8 : h / 2 + 4;
      // Move right until the stock's right edge + 3 lies left of tableau 6.
      while (n >= 6 && x - 5 * step <= stockX + w + 3 && x < in.tableWidth) x += 3;
      for (int i = 0; i < n; ++i) SetTableau(i, x - i * step, in.rows[1] + i * down);
      if (R(s_, rule::SecondWasteCount) > 0) {
        int sx = in.tableWidth - step - w;
        if (n > 0 && sx < TX(0) + w) sx = TX(0) + w + 3;
        SetStock(kSecondWasteItem, sx, in.rows[1]);
      }
    } else if (arrangement == 56) {
      // A pyramid: the rows of side-by-side cards, centred, each row half a
      // card lower than the one above; stock and waste at the left, the
      // second waste at the right.
      const int pitch = w + s_.layout.fan.cardGap;
      const int n = Tableaus();
      const int centre = Trunc(in.tableWidth / 2.0);
      const int y0 = in.rows[1];
      const int down = low ? h / 2 - 4 : h / 2 + 4;
      for (int i = 0; i < n; ++i)
        SetTableau(i, centre - Trunc(((i + 1) * pitch - s_.layout.fan.cardGap) / 2.0), y0 + i * down);
      const int side = std::max(in.leftMargin, Trunc((centre - Trunc((n * pitch) / 2.0) - w) / 2.0));
      if (R(s_, rule::StockGroupCount) >= 1) SetStock(kStockItem, side, y0);
      if (R(s_, rule::StockGroupCount) >= 2) SetStock(kWasteItem, side, y0 + h + 20);
      if (R(s_, rule::SecondWasteCount) > 0) SetStock(kSecondWasteItem, in.tableWidth - side - w, y0);
    } else if (arrangement == 57 || arrangement == 58) {
      // A block of single cards five wide (57), or of fans six wide (58); the
      // stock at its left, the second waste at its right (57) or its left (58).
      const int columns = arrangement == 57 ? 5 : 6;
      const int fanned = s_.rules[rule::TableauLayout] == 2 ? std::max(s_.rules[rule::TableauDealCount] - 1, 0) : 0;
      const int pitch = w + fanned * std::max(s_.layout.fan.faceUpRight, 12) + (low ? 10 : 20);
      const int block = columns * pitch - (low ? 10 : 20);
      const int x0 = std::max(Trunc((in.tableWidth - block) / 2.0), in.leftMargin + w + 30);
      const int y0 = in.rows[1];
      const int rowPitch = h + (low ? 6 : 12);
      for (int i = 0; i < Tableaus(); ++i) SetTableau(i, x0 + (i % columns) * pitch, y0 + (i / columns) * rowPitch);
      const int side = std::max(x0 - 30 - w, in.leftMargin);
      if (R(s_, rule::StockGroupCount) >= 1) SetStock(kStockItem, side, y0);
      const int rows = (Tableaus() + columns - 1) / columns;
      if (arrangement == 57) {
        SetStock(kSecondWasteItem, std::min(x0 + block + 30, in.tableWidth - w - 2), y0);
      } else {
        SetStock(kSecondWasteItem, side, y0 + Trunc((rows - 1) * rowPitch / 2.0));
      }
    } else if (arrangement == 120) {
      // A row game: stock and discards at the left, the row to their right;
      // a row dealt whole, with nothing to discard, takes the full width.
      const bool stock = R(s_, rule::StockGroupCount) > 0, discards = R(s_, rule::SecondWasteCount) > 0;
      if (stock) SetStock(kStockItem, in.leftMargin, in.rows[1]);
      if (discards) SetStock(kSecondWasteItem, in.leftMargin, in.rows[1] + (stock ? h + 20 : 0));
      if (Tableaus() > 0) SetTableau(0, in.leftMargin + (stock || discards ? w + 25 : 0), in.rows[1]);
    } else if (arrangement == 121) {
      // One row of piles, centred, and the discards at its right end.
      const int n = Tableaus(), gap = 10;
      const int width = n * (w + gap) + 15 + w;
      int x = std::max(Trunc((in.tableWidth - width) / 2.0), in.leftMargin);
      for (int i = 0; i < n; ++i, x += w + gap) SetTableau(i, x, in.rows[1]);
      if (R(s_, rule::SecondWasteCount) > 0) SetStock(kSecondWasteItem, x + 15, in.rows[1]);
    } else if (arrangement == 122) {
      // A grid of rows of seven, with stock, waste and discards in a column
      // at its left.
      const int pitchX = w + 10, pitchY = h + 10;
      const int x0 = in.leftMargin + w + 25;
      for (int i = 0; i < Tableaus(); ++i) SetTableau(i, x0 + i % 7 * pitchX, in.rows[1] + i / 7 * pitchY);
      SetStock(kStockItem, in.leftMargin, in.rows[1]);
      if (R(s_, rule::StockGroupCount) >= 2) SetStock(kWasteItem, in.leftMargin, in.rows[1] + pitchY);
      if (R(s_, rule::SecondWasteCount) > 0) SetStock(kSecondWasteItem, in.leftMargin, in.rows[1] + 2 * pitchY);
    } else if (arrangement == 60) {
      // Eight columns of two foundations each over a row of eight tableau
      // piles: foundations 1-4 over 5-8 on the left, 9-12 over 13-16 on the right.
      const int gap = low ? 6 : 10;
      const int x0 = std::max(Trunc((in.tableWidth - 8 * w - 7 * gap) / 2.0), in.leftMargin);
      const int y0 = in.rows[1], y1 = y0 + h + (low ? 3 : 5), y2 = y1 + h + (low ? 8 : 15);
      for (int k = 0; k < 8; ++k) {
        const int x = x0 + k * (w + gap);
        const int top = k < 4 ? k : 8 + (k - 4);
        SetFoundation(top, x, y0);
        SetFoundation(top + 4, x, y1);
        if (k < Tableaus()) SetTableau(k, x, y2);
      }
    } else if (arrangement == 61) {
      // A row of ten over a grid of three rows of five, the discard pile on
      // the grid's left and the stock on its right.
      const int rowGap = 6, gridGap = low ? 12 : 20, down = low ? 15 : 30;
      const int x0 = std::max(Trunc((in.tableWidth - 10 * w - 9 * rowGap) / 2.0), in.leftMargin);
      const int y0 = in.topY + (low ? 8 : 15);
      for (int i = 0; i < 10 && i < Tableaus(); ++i) SetTableau(i, x0 + i * (w + rowGap), y0);
      const int gx = Trunc((in.tableWidth - 5 * w - 4 * gridGap) / 2.0), gy = y0 + h + down;
      for (int i = 10; i < 25 && i < Tableaus(); ++i)
        SetTableau(i, gx + (i - 10) % 5 * (w + gridGap), gy + (i - 10) / 5 * (h + 10));
      SetStock(kSecondWasteItem, x0, gy);
      SetStock(kStockItem, x0 + 9 * (w + rowGap), gy);
    } else if (arrangement == 94 || arrangement == 95) {
      const int columns = arrangement == 94 ? 3 : 4;
      const int pitch = w + 10;
      const int block = columns * pitch - 10;
      const auto [x0, distance] = BlockBesideStock(block);
      const int y0 = in.rows[1];
      for (int i = 0; i < Tableaus(); ++i) SetTableau(i, x0 + (i % columns) * pitch, y0 + (i / columns) * (h + 10));
      SetStock(kStockItem, x0 - distance - w, y0);
      if (R(s_, rule::StockGroupCount) >= 2) SetStock(kWasteItem, x0 - distance - w, y0 + h + 10);
    } else if (arrangement == 110) {
      DiscardBlock();
    } else if (arrangement == 97) {
      PokerGrid();
    } else if (arrangement == 98) {
      MemoryRows();
    } else if (arrangement == 99) {
      TwinRows();
    }
  }

  // A block of piles `block` pixels wide, centred, with the stock column at
  // its left 70, 35 or 15 pixels away, the widest gap that keeps the stock
  // inside the margin; when none does, the block moves right to make room.
  std::pair<int, int> BlockBesideStock(int block) const {
    const int w = in_.w;
    const int x0 = Trunc((in_.tableWidth - block) / 2.0);
    for (int d : {70, 35, 15})
      if (x0 - d - w >= in_.leftMargin) return {x0, d};
    return {in_.leftMargin + w + 15, 15};
  }

  // The pairing and adding games: a block of `TableauRows` rows, filled
  // row by row, with the stock and the discard pile in a column on its left,
  // so that every removed card is seen landing and nothing overlaps a pile.
  void DiscardBlock() {
    Ingredients& in = in_;
    const int w = in.w, h = in.h;
    const int n = Tableaus();
    const int rows = std::max(R(s_, rule::TableauRows), 1);
    const int columns = std::max((n + rows - 1) / rows, 1);
    const int gap = in.formHeight < 500 ? 5 : 10;
    const int block = columns * (w + gap) - gap;
    const auto [x0, distance] = BlockBesideStock(block);
    const int y0 = in.rows[1];
    for (int i = 0; i < n; ++i) SetTableau(i, x0 + (i % columns) * (w + gap), y0 + (i / columns) * (h + gap));
    const int sideX = x0 - distance - w;
    const bool hasStock = R(s_, rule::HasStock) != 0 && R(s_, rule::StockGroupCount) > 0;
    if (hasStock) SetStock(kStockItem, sideX, y0);
    if (R(s_, rule::SecondWasteCount) > 0) SetStock(kSecondWasteItem, sideX, hasStock ? y0 + h + 20 : y0);
  }

  // Five rows of five places; stock and waste in a column to their left, with
  // room under them for the poker-hand panel beside the middle row.
  void PokerGrid() {
    Ingredients& in = in_;
    const int w = in.w, h = in.h;
    const int gap = in.formHeight < 500 ? 4 : 10;
    const int wasteX = in.leftMargin + std::max((kPokerPanelWidth - w) / 2, 0) + 5;
    const int gridWidth = 5 * w + 4 * gap;
    const int x0 = std::max(Trunc((in.tableWidth - gridWidth) / 2.0), wasteX + w + (kPokerPanelWidth - w) / 2 + 25);
    const int y0 = in.topY + std::max(Trunc((in.availH - (5 * h + 4 * gap)) / 2.0), 2);
    for (int i = 0; i < std::min(Tableaus(), 25); ++i)
      SetTableau(i, x0 + (i % 5) * (w + gap), y0 + (i / 5) * (h + gap));
    SetStock(kStockItem, wasteX, y0);
    if (R(s_, rule::StockGroupCount) >= 2) SetStock(kWasteItem, wasteX, y0 + h + gap);
  }

  // One spread row per tableau pile, one under the other; the second waste
  // to the left of the rows when there is room, else under them.
  void MemoryRows() {
    Ingredients& in = in_;
    const int w = in.w, h = in.h, n = Tableaus();
    const int gap = in.formHeight < 500 ? 5 : 10;
    int longest = 1;
    for (int i = 0; i < n; ++i) longest = std::max(longest, R(s_, rule::TableauDealCount + i));
    const int rowWidth = longest * (w + s_.layout.fan.cardGap) - s_.layout.fan.cardGap;
    const bool secondWaste = R(s_, rule::SecondWasteCount) > 0;
    const bool wasteLeft = !secondWaste || in.leftMargin + w + 25 + rowWidth <= in.tableWidth;
    const int rows = n + (wasteLeft ? 0 : 1);
    int x0 = std::max(Trunc((in.tableWidth - rowWidth) / 2.0), in.leftMargin);
    if (secondWaste && wasteLeft) x0 = std::max(x0, in.leftMargin + w + 25);
    const int y0 = in.topY + std::max(Trunc((in.availH - (rows * h + (rows - 1) * gap)) / 2.0), 2);
    for (int i = 0; i < n; ++i) SetTableau(i, x0, y0 + i * (h + gap));
    if (secondWaste) SetStock(kSecondWasteItem, wasteLeft ? in.leftMargin : x0, wasteLeft ? y0 : y0 + n * (h + gap));
  }

  // The foundations in a row; under them the places of the first half of
  // the tableau, and under those the second half.
  void TwinRows() {
    Ingredients& in = in_;
    const int w = in.w, h = in.h, n = Tableaus(), m = FoundationCount();
    const int half = (n + 1) / 2;
    const int across = std::max({m, half, 1});
    const int gap = in.tableWidth < 650 ? 4 : 12;
    const int rowGap = in.formHeight < 500 ? 10 : 25;
    const int x0 = std::max(Trunc((in.tableWidth - (across * w + (across - 1) * gap)) / 2.0), in.leftMargin);
    const int y0 = in.topY + std::max(Trunc((in.availH - (3 * h + 2 * rowGap)) / 2.0), 2);
    for (int i = 0; i < m; ++i) SetFoundation(i, x0 + i * (w + gap), y0);
    for (int i = 0; i < n; ++i) SetTableau(i, x0 + (i % half) * (w + gap), y0 + (1 + i / half) * (h + rowGap));
  }

  Session& s_;
  const TableGeometry& g_;
  Ingredients in_;
};

int FanMode(const Session& s, PileGroup group) {
  switch (group) {
    case PileGroup::Tableau: return R(s, rule::TableauLayout);
    case PileGroup::Foundation: return R(s, rule::FoundationLayout);
    case PileGroup::Reserve: return R(s, rule::ReserveLayout);
    default: return 0;
  }
}

struct Offset {
  int dx = 0, dy = 0;
};

// The offset of the card after `card` in a pile fanned by `mode`.
Offset StepAfter(const Session& s, PileGroup group, int mode, int card) {
  const FanSteps& fan = s.layout.fan;
  const bool down = s.cards.IsFaceDown(card);
  switch (mode) {
    case 1: return {0, down ? fan.faceDownDown : fan.faceUpDown};
    case 2: return {down ? fan.faceDownRight : fan.faceUpRight, 0};
    // The places of a row of gaps stand closer: thirteen must fit across.
    case 4: return {s.layout.cardWidth + (IsFamily(s.rules, PlayFamily::Gaps) ? 2 : fan.cardGap), 0};
    case 5: return {0, group == PileGroup::Reserve ? fan.smallDown : 0};
    case 6: return {group == PileGroup::Tableau ? fan.fineRight : 0, 0};
    default: return {};
  }
}

// The pile's origin in document coordinates.
Offset Origin(const Session& s, PileRef pile) {
  const std::size_t i = static_cast<std::size_t>(pile.index);
  switch (pile.group) {
    case PileGroup::Stock: return {s.positions[kStockX + pile.index], s.positions[kStockY + pile.index]};
    case PileGroup::Foundation: return {s.positions[kFoundX + pile.index], s.positions[kFoundY + pile.index]};
    case PileGroup::Reserve: return {s.positions[kResX + pile.index], s.positions[kResY + pile.index]};
    case PileGroup::Tableau:
      if (pile.index >= 0 && pile.index < 30) return {s.layout.tableauX[i], s.layout.tableauY[i]};
      return {kUnusedTableau, kUnusedTableau};
  }
  return {kUnusedStock, kUnusedStock};
}
int OriginX(const Session& s, PileRef pile) { return Origin(s, pile).dx; }
int OriginY(const Session& s, PileRef pile) { return Origin(s, pile).dy; }

// Place `slot` (0-based) of a row that starts at `origin` and wraps at the
// table's right edge.
Offset RowSlot(const Session& s, Offset origin, int slot) {
  const int pitch = s.layout.cardWidth + s.layout.fan.cardGap;
  const int perRow = std::max((s.layout.tableWidth - origin.dx + s.layout.fan.cardGap) / std::max(pitch, 1), 1);
  return {origin.dx + slot % perRow * pitch, origin.dy + slot / perRow * (s.layout.cardHeight + kRowLayoutGap)};
}

// Document position of card `upTo` (0-based) of the pile: the offsets of the
// cards below it added to the origin.
Offset PositionOf(const Session& s, PileRef pile, int upTo) {
  const std::string& text = s.piles.Pile(pile.group, pile.index);
  const int mode = FanMode(s, pile.group);
  Offset at = Origin(s, pile);
  if (mode == 7) {
    if (!text.empty() && upTo >= PileCardCount(text) - 1) at.dy += s.layout.fan.faceUpDown;
    return at;
  }
  if (mode == kRowLayout && pile.group == PileGroup::Tableau) {
    // Holes take no room: when a card leaves the row, the cards after it
    // close up, as a row of cards on a real table would.
    // In the row of stacks a face-down card lies under the card that covers
    // it, in that card's place.
    const bool stacked = IsFamily(s.rules, PlayFamily::Accordion);
    int slot = 0;
    for (int i = 0; i < upTo && i < PileCardCount(text); ++i)
      if (CardAt(text, i) > 0 && !(stacked && s.cards.IsFaceDown(CardAt(text, i)))) ++slot;
    return RowSlot(s, at, slot);
  }
  for (int i = 0; i < upTo && i < PileCardCount(text); ++i) {
    const int card = CardAt(text, i);
    if (card < 0) continue;
    const Offset step = StepAfter(s, pile.group, mode, card);
    at.dx += step.dx;
    at.dy += step.dy;
  }
  if (pile.group == PileGroup::Tableau && mode == 1 && s.store.Get(179, 1) != "N" && upTo >= 0) {
    const int w = pile.index < 7 ? pile.index + 1 : pile.index % 6 + 1;
    const int b = upTo > 12 ? upTo % 12 : upTo;
    at.dx += s.values.Jitter(w, b);
  }
  return at;
}

}  // namespace

void SetCardSize(Session& session, const std::string& cardSize) {
  TableLayout& layout = session.layout;
  if (cardSize == "M") {
    layout.cardWidth = 59;
    layout.cardHeight = 80;
  } else if (cardSize == "L") {
    layout.cardWidth = 25;
    layout.cardHeight = 32;
  } else {
    layout.cardWidth = 71;
    layout.cardHeight = 96;
  }
  layout.shadowSize = session.store.Get(pos::kCardsShadowed, 1) == "N" ? 0 : 9;
}

void ClearPilePositions(Session& session) {
  for (int i = 0; i < 3; ++i) {
    session.positions.Set(kStockX + i, kUnusedStock);
    session.positions.Set(kStockY + i, kUnusedStock);
  }
  for (int i = 0; i < kFoundationPiles; ++i) {
    session.positions.Set(kFoundX + i, kUnusedFoundation);
    session.positions.Set(kFoundY + i, kUnusedFoundation);
  }
  for (int i = 0; i < kReservePiles; ++i) {
    session.positions.Set(kResX + i, kUnusedReserve);
    session.positions.Set(kResY + i, kUnusedReserve);
  }
  session.layout.tableauX.fill(kUnusedTableau);
  session.layout.tableauY.fill(kUnusedTableau);
}

void SetFanSteps(Session& session) {
  FanSteps fan;
  fan.smallDown = 3;
  fan.smallRight = 3;
  fan.cardGap = 6;
  const std::string size = session.store.Get(pos::kCardSize, 1);
  const int tableau = R(session, rule::TableauLayout), reserve = R(session, rule::ReserveLayout);
  if (tableau == 1 || reserve == 1) {
    fan.faceDownDown = size == "L" ? 3 : 4;
    fan.faceUpDown = size == "L" ? 3 : size == "M" ? 14 : 18;
  }
  if (tableau == 2 || reserve == 2) {
    fan.faceDownRight = size == "L" ? 3 : 4;
    fan.faceUpRight = size == "L" ? 3 : size == "M" ? 10 : 12;
  }
  if (tableau == 6) fan.fineRight = size == "L" ? 3 : size == "M" ? 5 : 7;
  session.layout.fan = fan;
}

void ComputeLayout(Session& session, const TableGeometry& geometry) { LayoutRun(session, geometry).Run(); }

int ScrollOffset(const Session& session) { return session.positions[kScrollOffset]; }

int PileX(const Session& session, PileRef pile) { return OriginX(session, pile); }

int PileY(const Session& session, PileRef pile) {
  const int y = OriginY(session, pile);
  return OffTable(y) ? y : y - ScrollOffset(session);
}

bool PileShown(const Session& session, PileRef pile) {
  return !OffTable(OriginX(session, pile)) && !OffTable(OriginY(session, pile));
}

int CardPositionX(const Session& session, PileRef pile, int leftOff, bool includeTop) {
  const int count = PileCardCount(session.piles.Pile(pile.group, pile.index)) - leftOff;
  return PositionOf(session, pile, includeTop ? count : count - 1).dx;
}

int CardPositionY(const Session& session, PileRef pile, int leftOff, bool includeTop) {
  const int count = PileCardCount(session.piles.Pile(pile.group, pile.index)) - leftOff;
  return PositionOf(session, pile, includeTop ? count : count - 1).dy - ScrollOffset(session);
}

int PileBottom(const Session& session, PileRef pile) {
  const std::string& text = session.piles.Pile(pile.group, pile.index);
  int y = OriginY(session, pile) - ScrollOffset(session);
  const int mode = FanMode(session, pile.group);
  if (mode == kRowLayout && pile.group == PileGroup::Tableau)
    return CardInPileRect(session, pile, std::max(PileCardCount(text) - 1, 0)).bottom;
  if (mode == 1 || mode == 5) {
    const FanSteps& fan = session.layout.fan;
    for (int i = 0; i + 1 < PileCardCount(text); ++i) {
      const int card = CardAt(text, i);
      if (card < 0) continue;
      y += mode == 5 ? fan.smallDown : (session.cards.IsFaceDown(card) ? fan.faceDownDown : fan.faceUpDown);
    }
  }
  return y + session.layout.cardHeight;
}

Rect CardInPileRect(const Session& session, PileRef pile, int index) {
  const Offset at = PositionOf(session, pile, index);
  return CardRect(at.dx, at.dy - ScrollOffset(session), session.layout.cardWidth, session.layout.cardHeight);
}

Rect RowSlotRect(const Session& session, PileRef pile, int slot) {
  const Offset at = RowSlot(session, Origin(session, pile), std::max(slot, 0));
  return CardRect(at.dx, at.dy - ScrollOffset(session), session.layout.cardWidth, session.layout.cardHeight);
}

Rect TopCardRect(const Session& session, PileRef pile) {
  const int count = PileCardCount(session.piles.Pile(pile.group, pile.index));
  return CardInPileRect(session, pile, std::max(count - 1, 0));
}

Rect NextCardRect(const Session& session, PileRef pile) {
  const int count = PileCardCount(session.piles.Pile(pile.group, pile.index));
  return CardInPileRect(session, pile, count);
}

Rect CardRectangle(const Session& session, int card) {
  for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve}) {
    const TextList& items = session.piles.Items(group);
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
      const std::size_t at = FindCode(items[static_cast<std::size_t>(i)], card);
      if (at == std::string::npos) continue;
      const PileRef pile{group, i};
      if (!PileShown(session, pile)) return {};
      if (group == PileGroup::Stock) return TopCardRect(session, pile);
      return CardInPileRect(session, pile, static_cast<int>(at / 3));
    }
  }
  return {};
}

int TableBottom(const Session& session) {
  int bottom = 0;
  for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve}) {
    for (int i = 0; i < static_cast<int>(session.piles.Items(group).size()); ++i) {
      const PileRef pile{group, i};
      if (!PileShown(session, pile)) continue;
      bottom = std::max(bottom, PileBottom(session, pile) + ScrollOffset(session));
    }
  }
  return bottom;
}

Rect PokerPanelRect(const Session& session) {
  const PileRef waste{PileGroup::Stock, kWasteItem}, eleventh{PileGroup::Tableau, 10};
  if (!PileShown(session, waste) || !PileShown(session, eleventh)) return {};
  const int x = PileX(session, waste) - (kPokerPanelWidth - session.layout.cardWidth) / 2;
  const int y = PileY(session, eleventh) + (session.layout.cardHeight - kPokerPanelHeight) / 2;
  return CardRect(x, y, kPokerPanelWidth, kPokerPanelHeight);
}

bool UpdateScrollBar(Session& session, int clientHeight) {
  TableLayout& layout = session.layout;
  const int tableau = R(session, rule::TableauLayout);
  const bool allowed = session.store.Get(243, 1) == "Y" && (tableau == 1 || tableau == 8);
  const int bottom = TableBottom(session);
  session.positions.Set(kTableBottom, std::min(bottom, 32767));
  const int h2 = 2 * layout.cardHeight;
  if (layout.imageHeight == 0) layout.imageHeight = layout.screenHeight + 30;
  const bool excess =
      (!layout.scrollBarShown && clientHeight < bottom) || (layout.scrollBarShown && layout.imageHeight - h2 < bottom);
  if (layout.scrollBarShown && (!allowed || clientHeight >= bottom)) {
    layout.scrollBarShown = false;
    layout.scrollMax = 100;
    layout.scrollPosition = 0;
    layout.imageHeight = layout.screenHeight + 30;
    session.positions.Set(kScrollOffset, 0);
    return true;
  }
  if (allowed && excess) {
    const int grow = h2 + bottom - clientHeight;
    layout.imageHeight += grow;
    layout.scrollMax += grow - 30;
    layout.scrollBarShown = true;
    return true;
  }
  return false;
}

}  // namespace cardoria
