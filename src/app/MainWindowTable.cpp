// The table as the engine sees it: its scale and layout, the pictures drawn
// on it, cards lifted, dragged and flown, sounds and pauses.

#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <chrono>
#include <cmath>
#include <thread>

#include "art/CardArt.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/Legality.h"
#include "persist/FileSystem.h"
#include "platform/Paths.h"
#include "platform/qt/QtPorts.h"
#include "platform/qt/QtSound.h"
#include "table/Fit.h"
#include "table/Flight.h"
#include "table/RandomLooks.h"
#include "table/qt/TableRenderer.h"
#include "table/qt/TfrmCardCounter.h"

namespace cardoria {

double TfrmMain::DeviceRatio() const { return table_->devicePixelRatioF(); }

TableGeometry TfrmMain::Geometry() const { return GeometryAt(scale_); }

TableGeometry TfrmMain::GeometryAt(double scale) const {
  // Widget pixels in the layout's: through the screen's pixels, then the scale.
  const double perPixel = DeviceRatio() / scale;
  auto layout = [perPixel](int widgetPixels) { return static_cast<int>(widgetPixels * perPixel); };
  TableGeometry g;
  g.formWidth = layout(table_->width());
  g.scrollBarWidth = session_.layout.scrollBarShown ? layout(scrollBar_->sizeHint().width()) : 0;
  g.clientHeight = layout(table_->height());
  g.formHeight = g.clientHeight + 60;
  g.topY = 5;
  g.shiftX = centreShift_;
  const ScreenInfo screen = ports_.screen.Info();
  g.screenWidth = std::max(layout(screen.width), g.formWidth);
  g.screenHeight = std::max(layout(screen.height), g.clientHeight);
  return g;
}

void TfrmMain::ChooseScale() {
  const double ratio = DeviceRatio();
  scaleRatio_ = ratio;
  double scale = ratio;
  if (fixedScale_ > 0) {
    scale = fixedScale_;
  } else if (fitCards_ && session_.rules[rule::CardCount] != 0) {
    // Never smaller than half, nor larger than four times, the cards' own size.
    scale = FitScale(
        session_, [this](double s) { return GeometryAt(s); }, FitLimits{0.5 * ratio, 4.0 * ratio});
  }
  scale_ = scale;
  images_.SetScale(scale);
  // The fitted table stands in the middle of the window, not against its
  // left margin with the room to spare on the right.
  centreShift_ = 0;
  if (fitCards_ && fixedScale_ <= 0 && session_.rules[rule::CardCount] != 0)
    centreShift_ = CentringShift(session_, GeometryAt(scale));
}

void TfrmMain::SetFitCardsToWindow(bool on) {
  fitCards_ = on;
  session_.settings.WriteString(kPreferenceSection, "Fit_Cards_To_Window", on ? "Y" : "N");
  if (QAction* action = findChild<QAction*>(QStringLiteral("mnuFitCards"))) action->setChecked(on);
  if (session_.values.Flag(kFirstActivationPending)) return;
  ChooseScale();
  Relayout();
}

void TfrmMain::FixTableScale(double scale) {
  fixedScale_ = scale;
  ChooseScale();
  Relayout();
}

QPoint TfrmMain::ToWidget(int x, int y) const {
  const double perLayout = scale_ / DeviceRatio();
  return QPoint(static_cast<int>(std::lround(x * perLayout)), static_cast<int>(std::lround(y * perLayout)));
}

void TfrmMain::Relayout() {
  RefreshUndoCommands();
  if (session_.rules[rule::CardCount] == 0) return;
  for (int pass = 0; pass < 3; ++pass) {
    const TableGeometry g = Geometry();
    ComputeLayout(session_, g);
    // The pictures are as large as the screen (or the window) in the
    // layout's pixels, allocated in the scaled pixels.
    const int width = g.screenWidth + 30;
    const int height = std::max({session_.layout.imageHeight, g.screenHeight + 30, g.clientHeight + 30});
    const QSize pixels(ToPixels(width, scale_), ToPixels(height, scale_));
    if (tableImage_.size() != pixels || backgroundImage_.isNull()) {
      tableImage_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
      backgroundImage_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
      PaintBackgroundImage();
    }
    TableRenderer(session_, images_).DrawTable(tableImage_, backgroundImage_);
    if (!UpdateScrollBar(session_, g.clientHeight)) break;
  }
  const TableLayout& layout = session_.layout;
  scrollBar_->blockSignals(true);
  scrollBar_->setRange(0, std::max(layout.scrollMax - 100, 0));
  scrollBar_->setPageStep(Geometry().clientHeight);
  scrollBar_->setValue(layout.scrollPosition);
  scrollBar_->blockSignals(false);
  scrollBar_->setVisible(layout.scrollBarShown);
  table_->update();
  // A new deal, a loaded game or a restart: the counter starts again too.
  if (counter_ && counter_->isVisible()) counter_->RefreshCounter();
}

void TfrmMain::ReloadCardImages() {
  SetCardSize(session_, session_.store.Get(pos::kCardSize, 1));
  if (session_.resources) TellUnreadablePictures(images_.Load(session_, *session_.resources));
  images_.SetScale(scale_);
}

void TfrmMain::PaintBackgroundImage() {
  TextStore& store = session_.store;
  if (!session_.values.Flag(kDemoMode) && store.Get(pos::kBackgroundDef, 1) != "Y") {
    if (store.Get(pos::kCustomizedBackground, 1) == "Y") {
      const std::string path = session_.settings.ReadString(kPreferenceSection, "Customized_Background", "");
      if (!FileExists(path)) {
        // The player's own picture is gone: back to the default colour for good.
        ports_.messages.ShowInfo("Customized background image not found: " + path);
        store.Set(pos::kCustomizedBackground, 1, "N");
        store.Set(pos::kBackgroundDef, 1, "Y");
        session_.settings.WriteStrings(kPreferenceSection, {{"Customized_Background", ""}, {"Background_Def", "Y"}});
      }
    } else if (const int number = store.GetInt(pos::kBackgroundBmp, 4); number >= 1 && number <= 499) {
      const std::string path = session_.PathOf("Images\\B" + ZeroPad(number, 3) + ".bmp");
      if (QImage(QString::fromStdString(path)).isNull()) {
        // For this run only: the file may come back with a reinstall.
        ports_.messages.ShowInfo("The background picture " + path +
                                 " can not be read. The table is shown in the default colour instead.");
        store.Set(pos::kBackgroundDef, 1, "Y");
      }
    }
  }
  PaintBackground(session_, backgroundImage_, ports_.screen.Info().colorDepth > 8, scale_);
}

void TfrmMain::LayOutTable() {
  SetCardSize(session_, session_.store.Get(pos::kCardSize, 1));
  ClearPilePositions(session_);
  SetFanSteps(session_);
  ComputeLayout(session_, Geometry());
}

void TfrmMain::PrepareBackground() {
  const LooksChanged changed = RandomizeLooks(session_, ports_.random, ports_.screen.Info().colorDepth > 8);
  if (changed.cards) ReloadCardImages();
  // The background is painted again, sized to the window, by the next full redraw.
  tableImage_ = QImage();
  backgroundImage_ = QImage();
}

void TfrmMain::DrawDeal(bool animate) {
  // Every deal starts at the top of the table, at the scale that fits it.
  session_.layout.scrollPosition = 0;
  session_.positions.Set(PositionTable::kScrollOffset, 0);
  ChooseScale();
  if (!animate || !isVisible() || !IsInteractivePlatform()) {
    Relayout();
    table_->repaint();
    return;
  }
  // The deal: the stock group and the foundations first, then every card of
  // the reserves and the tableau flies from the deal origin to its place.
  Relayout();
  const bool shuffling = session_.store.Get(149, 1) == "Y";
  if (shuffling) PlaySoundLoop("Shuffle");
  std::set<int> pending;
  for (auto group : {PileGroup::Reserve, PileGroup::Tableau})
    for (const std::string& pile : session_.piles.Items(group))
      for (int i = 0; i < PileCardCount(pile); ++i) pending.insert(CardAt(pile, i));
  pending.erase(0);
  TableRenderer renderer(session_, images_);
  const PileRef origin = DealOrigin(session_);
  const Rect from = TopCardRect(session_, origin);
  // The table without the cards still to come, and a back where they come from.
  auto drawRest = [&] {
    renderer.DrawTable(tableImage_, backgroundImage_, pending);
    QPainter painter(&tableImage_);
    painter.drawImage(ToPixels(from.left, scale_), ToPixels(from.top + ScrollOffset(session_), scale_),
                      images_.BackImage());
  };
  drawRest();
  table_->repaint();
  auto fly = [&](PileRef pile, int index) {
    const std::string& text = session_.piles.Pile(pile.group, pile.index);
    const int card = CardAt(text, index);
    if (card <= 0) return;
    const Rect to = CardInPileRect(session_, pile, index);
    dragImage_ = session_.cards.IsFaceDown(card) ? images_.BackImage() : images_.Face(card);
    flying_ = true;
    for (const FlightPoint& at : FlightPath(from.left, from.top, to.left, to.top, true)) {
      dragRect_ = {at.x, at.y, at.x + images_.Width(), at.y + images_.Height()};
      table_->repaint();
    }
    flying_ = false;
    pending.erase(card);
    drawRest();
  };
  // Reserve 1 as the origin shows its own card only when the deal is over.
  for (int r = origin == PileRef{PileGroup::Reserve, 0} ? 1 : 0; r < kReservePiles; ++r)
    for (int i = 0; i < PileCardCount(session_.piles.Pile(PileGroup::Reserve, r)); ++i) fly({PileGroup::Reserve, r}, i);
  const int longest = LongestTableau(session_.piles, session_.rules);
  if (session_.rules[rule::SweepByPile] != 0) {
    for (int t = 0; t < kTableauPiles; ++t)
      for (int i = 0; i < PileCardCount(session_.piles.Pile(PileGroup::Tableau, t)); ++i)
        fly({PileGroup::Tableau, t}, i);
  } else {
    for (int i = 0; i < longest; ++i)
      for (int t = 0; t < kTableauPiles; ++t)
        if (i < PileCardCount(session_.piles.Pile(PileGroup::Tableau, t))) fly({PileGroup::Tableau, t}, i);
  }
  if (shuffling) StopSound();
  Relayout();
}

void TfrmMain::SetSoundPort(std::unique_ptr<SoundPort> port) { sounds_ = std::move(port); }

void TfrmMain::PlaySound(const std::string& name, SoundMode mode) {
  // The master switch silences every sound, also those without a switch of their own.
  if (session_.store.Get(pos::kSoundsEnabled, 1) != "Y") return;
  if (!sounds_) sounds_ = std::make_unique<QtSoundPlayer>(session_.programDir);
  sounds_->Play(name, mode);
}

void TfrmMain::PlaySound(const std::string& name, bool wait) {
  PlaySound(name, wait ? SoundMode::Wait : SoundMode::Async);
}
void TfrmMain::Beep() { QApplication::beep(); }
void TfrmMain::PlaySound(const std::string& name) { PlaySound(name, SoundMode::Async); }
void TfrmMain::PlaySoundLoop(const std::string& name) { PlaySound(name, SoundMode::Loop); }
void TfrmMain::StopSound() {
  if (session_.store.Get(pos::kSoundsEnabled, 1) == "Y" && sounds_) sounds_->Stop();
}

void TfrmMain::RedrawTable() {
  // Whatever was lifted has landed (or gone back) once its piles are redrawn.
  lifted_ = false;
  if (counter_ && counter_->isVisible()) counter_->RefreshCounter();
  RefreshUndoCommands();
  if (tableImage_.isNull()) return Relayout();
  TableRenderer(session_, images_).DrawTable(tableImage_, backgroundImage_);
  table_->update();
}

void TfrmMain::RedrawPile(PileRef) { RedrawTable(); }

void TfrmMain::DrawStockPressed(bool pressed) {
  RedrawTable();
  if (!pressed) return;
  QPainter painter(&tableImage_);
  const Rect r = TopCardRect(session_, {PileGroup::Stock, kStockItem});
  painter.fillRect(ToPixels(CardRect(r.left, r.top + ScrollOffset(session_), r.Width(), r.Height()), scale_),
                   QColor(0, 0, 0, 60));
  table_->update();
}

void TfrmMain::LiftCards(int card, const Rect& rect) {
  TableRenderer renderer(session_, images_);
  dragImage_ = renderer.GroupPicture(card, rect);
  std::set<int> hidden;
  // A card of the game of gaps leaves its row alone; a stack of the row of
  // stacks takes its covered cards along.
  const PlayFamily family = FamilyOf(session_.rules);
  const std::string group =
      family == PlayFamily::Gaps || family == PlayFamily::Accordion ? std::string() : GroupFrom(session_, card);
  for (int i = 0; i < PileCardCount(group); ++i) hidden.insert(CardAt(group, i));
  if (family == PlayFamily::Accordion && Tableaus(session_) > 0) {
    const std::string& row = session_.piles.Pile(PileGroup::Tableau, 0);
    const std::size_t at = FindCode(row, card);
    const int top = at == std::string::npos ? 0 : static_cast<int>(at / 3);
    for (int i = top - 1; i >= 0; --i) {
      if (CardAt(row, i) <= 0 || !session_.cards.IsFaceDown(CardAt(row, i))) break;
      hidden.insert(CardAt(row, i));
    }
  }
  hidden.insert(card);
  renderer.DrawTable(tableImage_, backgroundImage_, hidden);
  dragRect_ = rect;
  lifted_ = true;
  table_->update();
}

void TfrmMain::MoveDrag(const Rect& rect) {
  dragRect_ = rect;
  table_->update();
}

void TfrmMain::ReturnCards(int card, const Rect& to) {
  // The lifted picture glides back to where the cards still lie.
  if (lifted_ && !to.Empty()) FlyCard(card, dragRect_, to);
  lifted_ = false;
  RedrawTable();
}

void TfrmMain::FlyCard(int card, const Rect& from, const Rect& to) {
  if (session_.store.Get(pos::kCardsAnimate, 1) == "N" || !isVisible() || from.Empty() || to.Empty()) {
    lifted_ = false;
    return;
  }
  if (!lifted_) {
    dragImage_ = session_.cards.IsFaceDown(card) ? images_.BackImage() : images_.Face(card);
    dragRect_ = {from.left, from.top, from.left + images_.Width(), from.top + images_.Height()};
  }
  const int delay = std::clamp(session_.store.GetInt(pos::kSpeedMoveCard, 2), 0, 99);
  flying_ = true;
  const int height = dragRect_.Height();
  for (const FlightPoint& at : FlightPath(from.left, from.top, to.left, to.top, false)) {
    dragRect_ = {at.x, at.y, at.x + images_.Width(), at.y + height};
    table_->repaint();
    if (delay > 0) BusyWait(ports_.clock, delay);
  }
  flying_ = false;
  lifted_ = false;
}

Rect TfrmMain::MovingCardsRect() const {
  // Lifted cards are shown only while the engine still holds them: a drop
  // that lands makes them part of the table picture.
  if (flying_ || (lifted_ && session_.drag.draggedCard != 0)) return dragRect_;
  return {};
}

void TfrmMain::Peek(int card, const Rect& rect) {
  QPainter painter(&tableImage_);
  painter.drawImage(ToPixels(rect.left, scale_), ToPixels(rect.top + ScrollOffset(session_), scale_),
                    images_.Face(card));
  table_->update();
}

void TfrmMain::EndPeek() { RedrawTable(); }
void TfrmMain::ShowPopupMenu(int x, int y) {
  // The table's own menu holds the commands that exist so far.
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("popMain"));
  for (const char* name : {"mnuGameInformation", "mnuFavoriteGames", "", "popChangeCardSet", "popChangeDeck",
                           "popChangeBackground", "", "mnuPause", "mnuQuitGame"}) {
    if (!*name) {
      menu.addSeparator();
      continue;
    }
    QAction* action = findChild<QAction*>(QString::fromLatin1(name));
    if (action) menu.addAction(action);
  }
  QAction* counter = menu.addAction(QStringLiteral("Card counter"), this, [this] { ToggleCardCounter(); });
  counter->setObjectName(QStringLiteral("mnuPopCardCounter"));
  counter->setShortcut(QKeySequence(Qt::Key_F8));
  counter->setCheckable(true);
  counter->setChecked(counter_->isVisible());
  if (IsInteractivePlatform()) menu.exec(table_->mapToGlobal(ToWidget(x, y)));
}
void TfrmMain::SetDragCursor(bool dragging) {
  table_->setCursor(cursors_.value(setup_.cursor + (dragging ? 10 : 0), QCursor(Qt::ArrowCursor)));
}
void TfrmMain::Scroll(int pages) {
  if (scrollBar_->isVisible()) scrollBar_->setValue(scrollBar_->value() + pages * scrollBar_->pageStep());
}
void TfrmMain::CardMoved(int card, int fromKind, int toKind) { counter_->CardMoved(card, fromKind, toKind); }

void TfrmMain::ToggleCardCounter() {
  if (counter_->isVisible()) {
    counter_->hide();
  } else {
    // Without a place of its own the counter stands beside the window, or
    // inside its right edge when the screen ends there.
    if (session_.settings.ReadInt(kPreferenceSection, "CardCounter_Left", -1) <= 0 && !counterPlaced_) {
      const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect();
      const QPoint corner = table_->mapToGlobal(QPoint(table_->width(), 0));
      int left = frameGeometry().right() + 8;
      if (!screen.isEmpty() && left + counter_->frameGeometry().width() > screen.right())
        left = std::max(screen.left(), corner.x() - counter_->frameGeometry().width() - 8);
      counter_->move(left, corner.y());
    }
    counterPlaced_ = true;
    counter_->show();
    counter_->raise();
  }
  counterAction_->setChecked(counter_->isVisible());
}
void TfrmMain::ShowScore(const std::string& score) { SetScoreText(score); }
void TfrmMain::ShowTime(const std::string& time) { SetTimeText(time); }
void TfrmMain::HidePileSizeHint() { pileSize_->hide(); }

void TfrmMain::ShowPileSizeHint() {
  const int since = session_.values.Counter(kLastMouseMoveTick);
  if (session_.store.Get(pos::kShowPilesSize, 1) != "Y" || !session_.values.Flag(kGameInProgress) || since < 0 ||
      pileSize_->isVisible())
    return;
  const int now = static_cast<int>(ports_.clock.TickMs() & 0x7fffffff);
  if (now - since < 500) return;
  const HitResult hit = engine_->HitTest(session_.drag.hoverX, session_.drag.hoverY);
  const auto pile = ParsePileName(hit.pile);
  if (!pile) return;
  const int count = PileCardCount(session_.piles.Pile(pile->group, pile->index));
  if (count == 0) return;
  pileSize_->setText(QString("%1 %2\nin this pile").arg(count).arg(count == 1 ? "card" : "cards"));
  pileSize_->adjustSize();
  // The hint stands by the mouse, in the widget's own coordinates.
  const QPoint mouse = ToWidget(session_.drag.hoverX, session_.drag.hoverY);
  const int x = mouse.x(), y = mouse.y();
  int left = x, top = y - pileSize_->height() + 57;
  if (left + pileSize_->width() > table_->width() - 57) left = x - pileSize_->width() - 2;
  if (top + pileSize_->height() > table_->height() - 57) top = y - pileSize_->height() - 2;
  pileSize_->move(left, top);
  pileSize_->show();
}
void TfrmMain::InvertCard(const Rect& rect) {
  if (tableImage_.isNull()) return;
  QPainter painter(&tableImage_);
  painter.setCompositionMode(QPainter::CompositionMode_Difference);
  const QRect pixels(ToPixels(rect.left, scale_), ToPixels(rect.top + ScrollOffset(session_), scale_),
                     ToPixels(rect.right - rect.left, scale_), ToPixels(rect.bottom - rect.top, scale_));
  painter.fillRect(pixels, Qt::white);
  painter.end();
  table_->update();
}

void TfrmMain::Pause(int milliseconds) {
  // The player sees what the pause is for before it starts.
  table_->repaint();
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void TfrmMain::SetInputBlocked(bool blocked) {
  if (blocked == inputBlocked_) return;
  inputBlocked_ = blocked;
  if (blocked) {
    qApp->installEventFilter(this);
  } else if (!animating_ && !paused_ && !swallowingClick_) {
    qApp->removeEventFilter(this);
  }
}

}  // namespace cardoria
