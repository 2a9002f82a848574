// The saved-game commands of the main window: Save, Open a saved game,
// Restart, the snapshot pair, Hold and exit, the closing question and the
// game waiting at start-up.

#include <QApplication>
#include <QFileInfo>
#include <filesystem>

#include "app/MainWindow.h"
#include "app/SavedGameDialogs.h"
#include "core/Session.h"
#include "persist/SavedGames.h"
#include "platform/Paths.h"

namespace cardoria {

namespace {

std::string SaveFolder(const Session& s) {
  const std::string folder = s.settings.ReadString(kPreferenceSection, "Dir_Save", "");
  return folder.empty() || !DirectoryExists(folder) ? s.programDir : folder;
}

}  // namespace

void TfrmMain::SetSaveDialogs(std::unique_ptr<SaveDialogs> dialogs) { saveDialogs_ = std::move(dialogs); }

void TfrmMain::RequestOpenFile(const std::string& path) { requestedFile_ = path; }

SaveDialogs& TfrmMain::Dialogs() {
  if (!saveDialogs_) saveDialogs_ = MakeQtSaveDialogs(this, session_);
  return *saveDialogs_;
}

void TfrmMain::SaveGameCommand() {
  // A demo is watched, not the player's to save.
  if (!session_.values.Flag(kGameInProgress) || session_.values.Flag(kDemoMode)) return Beep();
  std::string path;
  for (;;) {
    path = Dialogs().ChooseSaveFile(SaveFolder(session_));
    if (path.empty()) return;
    if (!FileExists(path)) break;
    const SaveDialogs::Replace answer = Dialogs().AskReplace(path);
    if (answer == SaveDialogs::Replace::Cancel) return;
    if (answer == SaveDialogs::Replace::Yes) break;
  }
  auto ports = StartPorts();
  if (!WriteGameFile(session_, ports, path)) return;
  session_.settings.WriteString(kPreferenceSection, "Dir_Save", std::filesystem::path(path).parent_path().string());
}

void TfrmMain::OpenSavedGameCommand() {
  const std::string path = Dialogs().ChooseOpenFile(SaveFolder(session_));
  if (path.empty()) return;
  auto ports = StartPorts();
  if (LoadGame(session_, ports, path, LoadSource::Dialog)) RedrawTable();
}

void TfrmMain::SnapshotCommand() {
  if (!session_.values.Flag(kGameInProgress) || session_.values.Flag(kDemoMode)) return Beep();
  auto ports = StartPorts();
  SaveSnapshot(session_, ports);
}

void TfrmMain::UndoToSnapshotCommand() {
  if (!session_.values.Flag(kGameInProgress) || session_.values.Flag(kDemoMode)) return Beep();
  auto ports = StartPorts();
  if (UndoToSnapshot(session_, ports)) RedrawTable();
}

void TfrmMain::HoldAndExitCommand() {
  session_.values.SetFlag(kHoldAndExitRequested, true);
  close();
}

bool TfrmMain::HoldOnClose() {
  const auto actions = commands_.value(static_cast<int>(Commands::SaveAndUndo));
  const bool holdAllowed = std::any_of(actions.begin(), actions.end(), [](QAction* a) {
    return a->objectName() == QStringLiteral("mnuHoldAndExit") && a->isEnabled();
  });
  auto ports = StartPorts();
  switch (ActionOnClose(session_, holdAllowed)) {
    case CloseAction::Close: return true;
    case CloseAction::Hold: return HoldGame(session_, ports);
    case CloseAction::Ask:
      switch (Dialogs().AskHoldAndExit()) {
        case HoldAnswer::ExitAndPostLoss: return true;
        case HoldAnswer::HoldAndExit: return HoldGame(session_, ports);
        case HoldAnswer::Cancel: return false;
      }
  }
  return true;
}

bool TfrmMain::ResumeAtStart() {
  auto ports = StartPorts();
  if (!requestedFile_.empty()) {
    const std::string path = requestedFile_;
    requestedFile_.clear();
    if (LoadGame(session_, ports, path, LoadSource::File)) return true;
  }
  return ResumeHeldGame(session_, ports);
}

}  // namespace cardoria
