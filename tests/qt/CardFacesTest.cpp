// What a player sees of overlapped cards: the strip that a fanned column
// leaves visible must carry the card's rank and suit, and face-down cards
// must show their back, on the pictures the build draws.

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <array>
#include <cstdlib>

#include "core/RuleIndex.h"
#include "platform/ResourceLibrary.h"
#include "support/PlayFixture.h"
#include "table/Layout.h"
#include "table/qt/CardImages.h"
#include "table/qt/TableRenderer.h"

namespace cardoria {
namespace {

constexpr int kFreecell = 1, kSpider = 4;

// A game dealt with the pictures of one card size and set.
struct Dealt {
  Dealt(int game, const char* size, int set) {
    std::filesystem::copy(CARDORIA_IMAGES, play.dir / "Images");
    play.session.store.Set(pos::kCardSize, 1, size);
    play.session.store.Set(pos::kCard, 3, ZeroPad(set, 3));
    play.session.store.Set(pos::kBackCard, 3, "011");
    started = play.Start(game, "1234567890123");
    const auto library = ResourceLibrary::Load(CARDORIA_RGF);
    loaded = library && images.Load(play.session, *library).empty();
  }
  test::PlayFixture play;
  CardImages images;
  bool started = false, loaded = false;
};

// Ink: whatever stands out from the paper, whatever its colour.
// Rows [top, top + rows) of the face.
std::vector<bool> InkMask(const QImage& face, int top, int rows) {
  const QColor paper = face.pixelColor(face.width() / 2, 5);
  std::vector<bool> ink;
  for (int y = top; y < top + rows; ++y)
    for (int x = 0; x < face.width(); ++x) {
      const QColor c = face.pixelColor(x, y);
      const int difference = std::max(
          {std::abs(c.red() - paper.red()), std::abs(c.green() - paper.green()), std::abs(c.blue() - paper.blue())});
      ink.push_back(c.alpha() > 128 && difference > 60);
    }
  return ink;
}

int Differing(const std::vector<bool>& a, const std::vector<bool>& b) {
  int n = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) n += a[i] != b[i];
  return n;
}

constexpr int kDistinct = 5;
const char* kSuitNames[4] = {"hearts", "diamonds", "clubs", "spades"};

TEST(OverlappedCards, TheVisibleStripCarriesRankAndSuit) {
  // The little cards fan by 3 pixels: no index can be read there.
  for (const char* size : {"B", "M"})
    for (int set = 1; set <= 5; ++set) {
      SCOPED_TRACE(std::string("size ") + size + ", set " + std::to_string(set));
      Dealt dealt(kFreecell, size, set);
      ASSERT_TRUE(dealt.started && dealt.loaded);
      const int step = dealt.play.session.layout.fan.faceUpDown;
      const int w = dealt.images.Width();
      ASSERT_GT(step, 10);
      std::array<std::array<std::vector<bool>, 4>, 13> strips;
      for (int rank = 1; rank <= 13; ++rank)
        for (int suit = 0; suit < 4; ++suit) {
          const QImage& face = dealt.images.Face(13 * suit + rank);
          strips[rank - 1][suit] = InkMask(face, 0, step);
          // The index ends inside the strip: nothing of it runs on below the
          // edge of the next card (the frame lines at the sides aside).
          const std::vector<bool> below = InkMask(face, step, 2);
          int inked = 0;
          for (int x = 4; x < w / 2; ++x) inked += below[x] || below[w + x];
          EXPECT_EQ(inked, 0) << "rank " << rank << " of " << kSuitNames[suit];
        }
      // Suits of one rank differ by the shape of their symbol, not only by
      // its colour, and ranks of one suit by their figure: by more pixels
      // than the tips of a cut-off symbol give. Clubs and spades, and 6 and
      // 8, the closest pairs, differ by 5 to 11 at these sizes.
      for (int rank = 1; rank <= 13; ++rank)
        for (int a = 0; a < 4; ++a)
          for (int b = a + 1; b < 4; ++b)
            EXPECT_GE(Differing(strips[rank - 1][a], strips[rank - 1][b]), kDistinct)
                << "rank " << rank << ": " << kSuitNames[a] << " and " << kSuitNames[b];
      for (int suit = 0; suit < 4; ++suit)
        for (int a = 0; a < 13; ++a)
          for (int b = a + 1; b < 13; ++b)
            EXPECT_GE(Differing(strips[a][suit], strips[b][suit]), kDistinct)
                << kSuitNames[suit] << ": ranks " << a + 1 << " and " << b + 1;
    }
}

TEST(OverlappedCards, FaceDownCardsShowStripsOfTheBack) {
  for (const char* size : {"B", "M", "L"}) {
    SCOPED_TRACE(std::string("size ") + size);
    Dealt dealt(kSpider, size, 1);
    ASSERT_TRUE(dealt.started && dealt.loaded);
    Session& s = dealt.play.session;
    QImage table(1024, 768, QImage::Format_ARGB32_Premultiplied);
    QImage background(table.size(), QImage::Format_ARGB32_Premultiplied);
    background.fill(QColor(0, 96, 0));
    TableRenderer(s, dealt.images).DrawTable(table, background);
    const PileRef column{PileGroup::Tableau, 0};
    const std::string& pile = s.piles.Pile(column.group, column.index);
    ASSERT_GE(PileCardCount(pile), 3);
    for (int i = 0; i + 1 < PileCardCount(pile); ++i) {
      ASSERT_TRUE(s.cards.IsFaceDown(CardAt(pile, i)));
      const Rect card = CardInPileRect(s, column, i), next = CardInPileRect(s, column, i + 1);
      // Below the card's outline, the middle of the strip is the back's
      // pattern, not the white of a rim.
      int white = 0, all = 0;
      for (int y = card.top + 1; y < next.top; ++y)
        for (int x = card.left + card.Width() / 4; x < card.left + 3 * card.Width() / 4; ++x, ++all) {
          const QColor c = table.pixelColor(x, y);
          white += c.red() > 220 && c.green() > 220 && c.blue() > 220;
        }
      ASSERT_GT(all, 0);
      EXPECT_LT(white * 2, all) << "card " << i << ": " << white << " of " << all << " pixels white";
    }
  }
}

}  // namespace
}  // namespace cardoria
