#include "deal/Shuffle.h"

#include "core/Cards.h"
#include "platform/Messages.h"

namespace cardoria {

namespace {

constexpr const char* kSuitOrderTable[13] = {
    "004 002 003 001 004 002 001 003", "001 003 002 004 004 003 002 001", "002 004 003 001 003 004 001 002",
    "003 004 002 001 002 003 001 004", "004 002 003 001 001 003 004 002", "001 004 002 003 004 001 002 003",
    "002 001 003 004 003 001 002 004", "003 002 001 004 002 004 001 003", "004 003 001 002 001 002 003 004",
    "002 001 004 003 004 002 001 003", "003 001 004 002 001 002 004 003", "003 002 004 001 001 004 003 002",
    "002 003 004 001 004 001 003 002",
};

constexpr const char* kStepTable[10] = {
    "025 018 013 022 021 020 015 015", "020 019 012 013 018 018 023 017", "030 021 019 019 013 022 020 018",
    "051 016 014 018 021 021 017 019", "018 019 019 023 013 016 015 020", "017 021 014 019 019 016 018 017",
    "048 016 013 014 019 020 020 016", "011 021 021 023 017 018 022 020", "022 016 013 013 019 017 022 013",
    "024 013 020 021 021 014 015 022",
};

// Field k (1-based) of a table row.
int Field(const char* row, int k) { return TextToInt(std::string_view(row).substr(4 * (k - 1), 3)); }

// The deal number as 13 digits; anything but a digit counts as 0, so a bad
// number still deals instead of failing half-way.
std::string ThirteenDigits(std::string_view dealNumber) {
  std::string digits = RightStr("0000000000000" + TrimRightSpaces(dealNumber), 13);
  for (char& c : digits) {
    if (c < '0' || c > '9') c = '0';
  }
  return digits;
}

}  // namespace

int FindFreeSlot(const TextList& dealList, int start, bool forward) {
  const int size = static_cast<int>(dealList.size());
  if (forward) {
    for (int i = std::max(start, 0); i < size; ++i) {
      if (dealList[static_cast<std::size_t>(i)] == "000") return i;
    }
  } else {
    for (int i = std::min(start, size - 1); i >= 0; --i) {
      if (dealList[static_cast<std::size_t>(i)] == "000") return i;
    }
  }
  for (int i = 0; i < size; ++i) {
    if (dealList[static_cast<std::size_t>(i)] == "000") return i;
  }
  return -1;
}

std::optional<TextList> fnGameNumberCardsArray(std::string_view dealNumber, int cardCount, Messages& messages) {
  const int n = cardCount;
  TextList list(static_cast<std::size_t>(std::max(n, 0)), "000");
  int passes = 0;
  if (n <= 52) {
    passes = 4;
  } else if (n == 104) {
    passes = 8;
  } else {
    messages.ShowInfo(kShuffleError);
    return std::nullopt;
  }
  if (n <= 0) return list;

  const std::string d = ThirteenDigits(dealNumber);
  auto digit = [&](int i) { return d[static_cast<std::size_t>(i - 1)] - '0'; };  // D[i], 1-based

  int w = digit(2) * 100 + digit(6) * 10 + digit(12);
  int p1 = 1, p2 = 7, p3 = 13;
  TextList rankPool;
  for (int r = 1; r <= 13; ++r) rankPool.push_back(ZeroPad(r, 2));

  for (int y = 1; y <= 13; ++y) {
    const int dy = digit(y);
    const bool forward = dy == 0;

    std::string r;
    if (y <= 10) {
      r = d.substr(0, static_cast<std::size_t>(y - 1)) + d.substr(static_cast<std::size_t>(y + 3));
    } else {
      r = d.substr(static_cast<std::size_t>(y - 9), 9);
    }
    const int s = static_cast<int>(std::stoll(r) % 13);

    int k = (digit(p1) * 100 + digit(p2) * 10 + digit(p3)) % 13;
    const int poolLast = static_cast<int>(rankPool.size()) - 1;
    if (k > poolLast) k = forward ? poolLast : 0;
    const int rank = TextToInt(rankPool[static_cast<std::size_t>(k)]);
    rankPool.erase(rankPool.begin() + k);

    for (int* p : {&p1, &p2, &p3}) {
      if (++*p > 13) *p -= 13;
    }
    w -= dy;

    for (int pass = 1; pass <= passes; ++pass) {
      w += Field(kStepTable[dy], pass);
      if (w >= n) {
        w %= n;
      } else if (w < 0) {
        w = 0;
      }
      int card = (Field(kSuitOrderTable[s], pass) - 1) * 13 + rank;
      if (pass > 4) card += 52;
      if (w >= 0 && list[static_cast<std::size_t>(w)] == "000") {
        list[static_cast<std::size_t>(w)] = CardCode(card);
      } else {
        w = FindFreeSlot(list, w, forward);
        if (w >= 0) list[static_cast<std::size_t>(w)] = CardCode(card);
      }
    }
  }
  return list;
}

}  // namespace cardoria
