// The window's menus, toolbar and status panels: each command wired to its handler.

#include "app/MainWindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "app/HelpWindow.h"
#include "app/ResourceImages.h"
#include "app/ShowRules.h"
#include "core/HelpTopics.h"
#include "core/Session.h"
#include "persist/Statistics.h"
#include "persist/qt/TfrmAboutGame.h"
#include "persist/qt/TfrmHiScore.h"
#include "persist/qt/TfrmOperatori.h"
#include "persist/qt/TfrmStatisGiochi.h"
#include "persist/qt/TfrmStatisLog.h"
#include "persist/qt/TfrmStatisOperat.h"
#include "persist/qt/TfrmStatisOverall.h"
#include "persist/qt/TfrmStatistics.h"
#include "platform/qt/QtPorts.h"

namespace cardoria {

namespace {

// The glyph of a toolbar command from the library, if it has one.
QIcon Glyph(const Session& s, const char* name) {
  if (!s.resources) return {};
  const QImage image = LibraryImage(*s.resources, name);
  if (image.isNull()) return {};
  QIcon icon(QPixmap::fromImage(image));
  // A disabled command shows its own greyed glyph where the library has one.
  const QImage disabled = LibraryImage(*s.resources, std::string(name) + "_DIS");
  if (!disabled.isNull()) icon.addPixmap(QPixmap::fromImage(disabled), QIcon::Disabled);
  return icon;
}

}  // namespace

void TfrmMain::BuildMenus() {
  auto add = [&](QMenu* menu, const char* name, const QString& caption, const QKeySequence& key, auto handler,
                 std::initializer_list<Commands> groups = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) action->setShortcut(key);
    connect(action, &QAction::triggered, this, handler);
    for (Commands group : groups) commands_[CommandKey(group)].append(action);
    return action;
  };
  QMenu* game = menuBar()->addMenu(QStringLiteral("&Game"));
  game->setObjectName(QStringLiteral("mnuGame"));
  add(game, "mnuNew", "&New game", QKeySequence(Qt::Key_F2), [this] { NewGame(); }, {Commands::Game});
  add(game, "mnuOpen", "&Open a game", QKeySequence(Qt::CTRL | Qt::Key_F12), [this] { OpenGameCommand(); });
  add(game, "mnuOpenSavedGame", "Open a sa&ved game...", {}, [this] { OpenSavedGameCommand(); });
  add(game, "mnuRestartGame", "&Restart game", QKeySequence(Qt::CTRL | Qt::Key_F2), [this] { RestartCommand(); },
      {Commands::Game});
  add(game, "mnuSelect", "S&elect a game number...", QKeySequence(Qt::Key_F3), [this] { SelectGameNumber(); });
  add(game, "mnuRandomGame", "R&andom game", {}, [this] { RandomGame(); });
  add(game, "mnuSave", "&Save...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F12), [this] { SaveGameCommand(); },
      {Commands::SaveAndUndo});
  game->addSeparator();
  add(game, "mnuPlayers", "&Players...", QKeySequence(Qt::CTRL | Qt::Key_L),
      [this] { TfrmOperatori(Stats(), this).exec(); });
  game->addSeparator();
  add(game, "mnuPause", "P&ause", QKeySequence(Qt::CTRL | Qt::Key_P), [this] { TogglePause(); },
      {Commands::PauseAndQuit});
  add(game, "mnuQuitGame", "&Quit game", QKeySequence(Qt::CTRL | Qt::Key_Q),
      [this] {
        auto ports = StartPorts();
        if (ConfirmAbandonGame(session_, ports)) engine_->EndGame();
      },
      {Commands::PauseAndQuit});
  add(game, "mnuGameInformation", "Game &information...", {},
      [this] {
        TellStatsFileProblem();
        TfrmAboutGame(Stats(), this).exec();
      },
      {Commands::Game});
  add(game, "mnuCanBeWon", "Can this deal &be won?", {}, [this] { VerdictCommand(); }, {Commands::Game});
  game->addSeparator();
  add(game, "mnuHoldAndExit", "&Hold and exit...", {}, [this] { HoldAndExitCommand(); }, {Commands::SaveAndUndo});
  add(game, "mnuEsci", "E&xit", {}, [this] { close(); });
  game->addSeparator();
  demoAction_ = add(game, "mnuDemo", "&Demo", QKeySequence(Qt::CTRL | Qt::Key_D), [this] { ToggleDemoCommand(); },
                    {Commands::Game});
  demoAction_->setCheckable(true);

  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  add(edit, "mnuUndo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { engine_->Undo(); }, {Commands::UndoRedo});
  add(edit, "mnuRedo", "&Redo", QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { engine_->Redo(); }, {Commands::UndoRedo});
  edit->addSeparator();
  // No snapshot until a game starts and one is taken.
  add(edit, "mnuSnapshotPosition", "Snaps&hot position", QKeySequence(Qt::CTRL | Qt::Key_H),
      [this] { SnapshotCommand(); }, {Commands::Snapshot})
      ->setEnabled(false);
  add(edit, "mnuUndoToSnapshot", "Undo to s&napshot", QKeySequence(Qt::CTRL | Qt::Key_T),
      [this] { UndoToSnapshotCommand(); }, {Commands::UndoToSnapshot})
      ->setEnabled(false);
  edit->addSeparator();
  add(edit, "mnuHint", "H&int", QKeySequence(Qt::Key_H), [this] { HintCommand(); }, {Commands::Game});
  autoplayAction_ = add(edit, "mnuAutoPlay", "Au&toplay", QKeySequence(Qt::Key_F7),
                        [this] { engine_->ToggleAutoplay(); }, {Commands::Autoplay});
  autoplayAction_->setCheckable(true);
  autoplayAction_->setChecked(session_.autoplayChecked);

  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  view->setObjectName(QStringLiteral("mnuView"));
  QAction* fit =
      add(view, "mnuFitCards", "Fit cards to the window", {}, [this](bool checked) { SetFitCardsToWindow(checked); });
  fit->setCheckable(true);
  fit->setChecked(fitCards_);

  QMenu* statistics = menuBar()->addMenu(QStringLiteral("&Statistics"));
  statistics->setObjectName(QStringLiteral("mnuStatistics"));
  add(statistics, "mnuGameStatistics", "&Game statistics...", QKeySequence(Qt::Key_F4), [this] {
    TellStatsFileProblem();
    TfrmStatistics(Stats(), this).exec();
  });
  add(statistics, "mnuPlayersStatistics", "&Players statistics...", {}, [this] {
    TellStatsFileProblem();
    TfrmStatisOperat(Stats(), CurrentGame(session_), this).exec();
  });
  add(statistics, "mnuAllGamesStatistics", "&All games statistics...", {}, [this] {
    TellStatsFileProblem();
    TfrmStatisGiochi(Stats(), CurrentPlayer(session_), this).exec();
  });
  add(statistics, "mnuLogStatistics", "&Log statistics...", {},
      [this] { TfrmStatisLog(Stats(), "", -1, this).exec(); });
  statistics->addSeparator();
  add(statistics, "mnuHiScores", "&Hi-Scores...", QKeySequence(Qt::Key_F9), [this] {
    if (session_.store.Get(171, 1) == "Y") PlaySound("Hi-Scor");
    TfrmHiScore(Stats(), CurrentGame(session_), -1, {}, this).exec();
  });
  add(statistics, "mnuOverallScore", "O&verall score...", {}, [this] { TfrmStatisOverall(Stats(), this).exec(); });

  QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
  tools->setObjectName(QStringLiteral("mnuTools"));
  add(tools, "mnuCustomize", "C&ustomize...", QKeySequence(Qt::CTRL | Qt::Key_U), [this] { OpenOptionsDialog(0); });
  // The table's own menu opens the options on the page of the look it names.
  const std::pair<const char*, const char*> looks[] = {{"popChangeCardSet", "Change card set"},
                                                       {"popChangeDeck", "Change deck"},
                                                       {"popChangeBackground", "Change background"}};
  for (int page = 1; page <= 3; ++page) {
    auto* action = new QAction(QString::fromLatin1(looks[page - 1].second), this);
    action->setObjectName(QString::fromLatin1(looks[page - 1].first));
    connect(action, &QAction::triggered, this, [this, page] { OpenOptionsDialog(page); });
  }
  add(tools, "mnuCustomizeRules", "Customize &rules...", QKeySequence(Qt::CTRL | Qt::Key_R),
      [this] { CustomizeRulesCommand(); }, {Commands::Game});
  add(tools, "mnuFavoriteGames", "&Favorite games...", QKeySequence(Qt::CTRL | Qt::Key_F),
      [this] { FavouriteGamesCommand(); });
  counterAction_ =
      add(tools, "mnuCardCounter", "&Card counter...", QKeySequence(Qt::Key_F8), [this] { ToggleCardCounter(); });
  counterAction_->setCheckable(true);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  add(help, "mnuRules", "&Rules", QKeySequence(Qt::Key_F1), [this] { ShowRules(this, session_, -1, {}); });
  add(help, "Sommario1", "&Contents", {}, [this] { ShowHelpTopic(this, session_, kHelpContents); });
  add(help, "mnuHowToPlay", "&How to play", {}, [this] { ShowHelpTopic(this, session_, kHelpHowToPlay); });
  help->addSeparator();
  add(help, "mnuAbout", "A&bout Cardoria 2000...", {}, [this] { ShowAboutBox(this, session_); });
}

void TfrmMain::BuildToolbar() {
  toolbar_ = addToolBar(QStringLiteral("Toolbar"));
  toolbar_->setObjectName(setup_.toolbarLarge ? QStringLiteral("pnlTB") : QStringLiteral("pnlTB1"));
  toolbar_->setMovable(false);
  const int glyph = setup_.toolbarLarge ? 32 : 16;
  toolbar_->setIconSize(QSize(glyph, glyph));
  const char* prefix = setup_.toolbarLarge ? "LTB_" : "TB_";
  auto button = [&](const char* name, const char* hint, const char* glyphName, const char* menuAction) {
    QAction* menu = findChild<QAction*>(QString::fromLatin1(menuAction));
    QAction* action = toolbar_->addAction(Glyph(session_, (std::string(prefix) + glyphName).c_str()), hint);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(QString::fromLatin1(hint));
    connect(action, &QAction::triggered, this, [menu, this] {
      table_->repaint();
      menu->trigger();
    });
    for (auto it = commands_.begin(); it != commands_.end(); ++it)
      if (it.value().contains(menu)) it.value().append(action);
    return action;
  };
  button("tbNew1", "New", "NEW", "mnuNew");
  button("tbOpen1", "Open", "OPEN", "mnuOpen");
  button("tbRestart1", "Restart", "RESTART", "mnuRestartGame");
  button("tbSave1", "Save", "SAVE", "mnuSave");
  button("tbUndo1", "Undo", "UNDO", "mnuUndo");
  button("tbRedo1", "Redo", "REDO", "mnuRedo");
  QAction* autoplay = button("tbAutoPlay1", "Autoplay", "AUTOPLAY", "mnuAutoPlay");
  autoplay->setCheckable(true);
  autoplay->setChecked(session_.autoplayChecked);
  button("tbStat1", "Statistics", "STAT", "mnuGameStatistics");
  button("tbExit1", "Exit", "EXIT", "mnuEsci");
  QWidget* spacer = new QWidget;
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  toolbar_->addWidget(spacer);
  scoreLabel_ = new QLabel;
  scoreLabel_->setObjectName(QStringLiteral("lblScore"));
  timeLabel_ = new QLabel(QString::fromStdString(setup_.timeText));
  timeLabel_->setObjectName(QStringLiteral("lblTempo"));
  // Room for the longest score and clock from the start: they change while
  // a deal or an animation holds the toolbar's layout back, and a label cut
  // to its old width would show "-5" for "-52".
  scoreLabel_->setMinimumWidth(scoreLabel_->fontMetrics().horizontalAdvance(QStringLiteral("-000000")));
  timeLabel_->setMinimumWidth(timeLabel_->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")));
  auto panel = [&](const char* name, const char* caption, QLabel* label, bool shown) {
    QWidget* box = new QWidget;
    box->setObjectName(QString::fromLatin1(name));
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(5, 0, 15, 0);
    layout->addWidget(new QLabel(QString::fromLatin1(caption)));
    layout->addWidget(label);
    box->setVisible(shown);
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QWidget::customContextMenuRequested, this, [this, name, box](const QPoint& at) {
      QMenu menu(this);
      menu.setObjectName(std::string(name) == "pnlTempo" ? QStringLiteral("popTime") : QStringLiteral("popScore"));
      menu.addAction(QStringLiteral("&Hide"), this, [this, name] { ShowPanel(name, false); });
      if (IsInteractivePlatform()) menu.exec(box->mapToGlobal(at));
    });
    toolbar_->addWidget(box);
  };
  panel("pnlScore", "Score:", scoreLabel_, setup_.showScore);
  panel("pnlTempo", "Time:", timeLabel_, setup_.showTime);
  toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolbar_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(toolbar_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("popTB"));
    const bool large = setup_.toolbarLarge;
    menu.addAction(large ? QStringLiteral("Small icons") : QStringLiteral("Large icons"), this, [this] {
      setup_.toolbarLarge = !setup_.toolbarLarge;
      session_.settings.WriteString(kPreferenceSection, "ToolBar_Large", setup_.toolbarLarge ? "Y" : "N");
      SetToolbarSize();
    });
    menu.addAction(setup_.toolbarFlat ? QStringLiteral("No flat button") : QStringLiteral("Flat button"), this, [this] {
      setup_.toolbarFlat = !setup_.toolbarFlat;
      session_.settings.WriteString(kPreferenceSection, "ToolBar_Flat", setup_.toolbarFlat ? "Y" : "N");
      SetToolbarSize();
    });
    for (const char* name : {"pnlTempo", "pnlScore"}) {
      QWidget* panel = toolbar_->findChild<QWidget*>(QString::fromLatin1(name));
      QAction* show = menu.addAction(QString::fromLatin1(name) == "pnlTempo" ? "Show time" : "Show score", this,
                                     [this, name] { ShowPanel(name, true); });
      show->setEnabled(panel && !panel->isVisible());
    }
    if (IsInteractivePlatform()) menu.exec(toolbar_->mapToGlobal(at));
  });
  SetToolbarSize();
}

void TfrmMain::SetToolbarSize() {
  const int glyph = setup_.toolbarLarge ? 32 : 16;
  toolbar_->setIconSize(QSize(glyph, glyph));
  const char* prefix = setup_.toolbarLarge ? "LTB_" : "TB_";
  static const std::pair<const char*, const char*> kGlyphs[] = {
      {"tbNew1", "NEW"},           {"tbOpen1", "OPEN"}, {"tbRestart1", "RESTART"},
      {"tbSave1", "SAVE"},         {"tbUndo1", "UNDO"}, {"tbRedo1", "REDO"},
      {"tbAutoPlay1", "AUTOPLAY"}, {"tbStat1", "STAT"}, {"tbExit1", "EXIT"}};
  for (const auto& [name, glyphName] : kGlyphs) {
    if (QAction* action = toolbar_->findChild<QAction*>(QString::fromLatin1(name)))
      action->setIcon(Glyph(session_, (std::string(prefix) + glyphName).c_str()));
  }
  for (QToolButton* button : toolbar_->findChildren<QToolButton*>()) {
    button->setAutoRaise(setup_.toolbarFlat);
    button->installEventFilter(this);  // for the button hints
  }
}

void TfrmMain::SetPanelVisible(const char* name, bool shown) {
  QWidget* panel = toolbar_->findChild<QWidget*>(QString::fromLatin1(name));
  if (!panel) return;
  // The toolbar shows its widgets as their actions say whenever it lays them out.
  for (QAction* action : toolbar_->actions())
    if (toolbar_->widgetForAction(action) == panel) action->setVisible(shown);
  panel->setVisible(shown);
}

void TfrmMain::ShowPanel(const char* name, bool shown) {
  SetPanelVisible(name, shown);
  const bool time = std::string(name) == "pnlTempo";
  session_.store.Set(time ? pos::kShowTime : pos::kShowScore, 1, shown ? "Y" : "N");
  session_.settings.WriteString(kPreferenceSection, time ? "Show_Time" : "Show_Score", shown ? "Y" : "N");
}

}  // namespace cardoria
