// Drawing the table: a full redraw at 1920x1080 with big cards, and at
// 3840x2160 with the cards at twice their size; the redraw after one move,
// one step of a drag; the pictures of a whole pack drawn at a new size; one
// frame of each winning animation.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include "core/Catalogue.h"
#include "core/Session.h"
#include "deal/GameStart.h"
#include "engine/Engine.h"
#include "platform/HeadlessPorts.h"
#include "table/HeadlessTable.h"
#include "table/qt/CardImages.h"
#include "table/qt/TableRenderer.h"
#include "table/qt/WinningAnimations.h"

namespace cardoria {
namespace {

struct Table {
  // `scale`: table picture pixels per layout pixel.
  explicit Table(double scale = 1.0) {
    session.programDir = std::string(CARDORIA_BUILD_DIR) + "/";
    session.store.Set(pos::kScoreScheme, 2, "01");
    session.store.Set(pos::kCardSize, 1, "B");
    session.store.Set(pos::kCard, 3, "001");
    session.store.Set(pos::kBackCard, 3, "011");
    session.store.Set(pos::kBackgroundBmp, 4, "0");
    session.store.Set(pos::kBackgroundFixedCol, 15, "32768");
    session.store.Set(pos::kFadeBackground, 1, "Y");
    session.resources = ResourceLibrary::Load(session.PathOf("KRT.RGF"));
    LoadCatalogue(session, messages);
    session.store.Set(pos::kGameNumber, 4, "0002");
    session.store.Set(pos::kDealNumber, 15, "1");
    StartGame(session, start, true, false, 1, true);
    images.Load(session, *session.resources);
    images.SetScale(scale);
    table = QImage(ToPixels(1950, scale), ToPixels(1110, scale), QImage::Format_ARGB32_Premultiplied);
    background = table;
    PaintBackground(session, background, true, scale);
  }
  Session session;
  SilentMessages messages;
  FixedScreen screen{ScreenInfo{1920, 1080, 24}};
  Random random{1};
  JumpClock clock;
  HeadlessTable headless{session, TableGeometry{1920, 1080, 1000, 5, 0, 1920, 1080}};
  Engine engine{session, PlayPorts{messages, clock, headless, headless, headless}};
  GameStartPorts start{messages, screen, random, clock, headless, engine};
  CardImages images;
  QImage table, background;
};

void BM_DrawTableFullHd(benchmark::State& state) {
  Table t;
  TableRenderer renderer(t.session, t.images);
  for (auto _ : state) renderer.DrawTable(t.table, t.background);
}
BENCHMARK(BM_DrawTableFullHd)->Unit(benchmark::kMillisecond);

// The same table on a 3840x2160 picture: the layout's 1920x1080 at scale 2.
void BM_DrawTable4K(benchmark::State& state) {
  Table t(2.0);
  TableRenderer renderer(t.session, t.images);
  for (auto _ : state) renderer.DrawTable(t.table, t.background);
}
BENCHMARK(BM_DrawTable4K)->Unit(benchmark::kMillisecond);

// A resize to a size not drawn before: 52 faces, the joker, the back, the
// marks and the border strips, big cards at the scale (percent) given.
void BM_DrawPackAtNewSize(benchmark::State& state) {
  const double scale = static_cast<double>(state.range(0)) / 100;
  for (auto _ : state) benchmark::DoNotOptimize(CardImages::Draw('B', 1, 11, scale));
}
BENCHMARK(BM_DrawPackAtNewSize)->Arg(150)->Arg(200)->Arg(300)->Unit(benchmark::kMillisecond);

void BM_RedrawOneMove(benchmark::State& state) {
  Table t;
  TableRenderer renderer(t.session, t.images);
  for (auto _ : state) {
    // A move touches two piles: the pile left and the pile reached.
    renderer.DrawPile(t.table, {PileGroup::Tableau, 6});
    renderer.DrawPile(t.table, {PileGroup::Foundation, 0});
  }
}
BENCHMARK(BM_RedrawOneMove)->Unit(benchmark::kMicrosecond);

void BM_MoveDragStep(benchmark::State& state) {
  Table t;
  TableRenderer renderer(t.session, t.images);
  const QImage lifted = renderer.GroupPicture(1, CardRect(0, 0, 71, 96));
  QImage window(1920, 1080, QImage::Format_ARGB32_Premultiplied);
  int x = 0;
  for (auto _ : state) {
    // Restore what the lifted card uncovered, then draw it at its new place.
    QPainter painter(&window);
    painter.drawImage(QRect(x % 1800, 300, 80, 105), t.table, QRect(x % 1800, 300, 80, 105));
    painter.drawImage(x % 1800 + 2, 302, lifted);
    x += 2;
  }
}
BENCHMARK(BM_MoveDragStep)->Unit(benchmark::kMicrosecond);

// A window that shows a picture, as the table does.
class PictureWidget final : public QWidget {
 public:
  explicit PictureWidget(const QImage& picture) : picture_(picture) { setAttribute(Qt::WA_OpaquePaintEvent); }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    painter.drawImage(event->rect(), picture_, event->rect());
  }

 private:
  const QImage& picture_;
};

// One frame: the cards an animation paints between two showings of the
// window, and the showing itself, on a full-HD table with big cards.
void BM_WinningAnimationFrame(benchmark::State& state) {
  Table t;
  PictureWidget widget(t.table);
  widget.resize(1920, 1080);
  widget.show();
  QApplication::processEvents();
  WinningAnimator animator(
      widget, t.table, [&](int card) { return t.images.Face(card); }, t.clock, t.random);
  animator.SetFrameHook([&] { animator.Stop(); });
  const int kind = static_cast<int>(state.range(0));
  state.SetLabel(kWinningAnimationNames[static_cast<std::size_t>(kind)]);
  for (auto _ : state) animator.Run(kind, std::int64_t{1} << 40, 10);
}
BENCHMARK(BM_WinningAnimationFrame)
    ->DenseRange(0, 5)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace cardoria

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
