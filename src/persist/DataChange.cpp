#include "persist/DataChange.h"

#include "core/Session.h"
#include "platform/AtomicFile.h"
#include "platform/Paths.h"

namespace cardoria {

DataChange::DataChange(Session& session, FileSystem& files)
    : lock_(session.SharedDataLock()), hold_(*lock_), files_(files) {
  const std::string journal = session.PathOf(kChangeJournalFile);
  // A change in progress further out (a clearing that a deletion runs) is
  // already journaled: this one is part of it.
  if (files_.Recording()) {
    ready_ = true;
    return;
  }
  ready_ = FileSystem::RecoverChanges(journal) != FileSystem::Recovery::Failed && files_.BeginChanges(journal);
  open_ = ready_;
}

DataChange::~DataChange() { Abandon(); }

bool DataChange::Commit() {
  if (!open_) return ready_;
  open_ = false;
  return files_.KeepChanges();
}

void DataChange::Abandon() {
  if (!open_) return;
  open_ = false;
  files_.UndoChanges();
}

FileSystem::Recovery TidyDataFolder(Session& session) {
  const std::string folder = session.PathOf("DATA");
  if (!DirectoryExists(folder)) return FileSystem::Recovery::Clean;
  FolderLock::Hold hold(session.DataLock());
  const FileSystem::Recovery recovery = FileSystem::RecoverChanges(session.PathOf(kChangeJournalFile));
  RemoveStaleTemporaryFilesIn(folder);
  return recovery;
}

std::string RecoveryNotice(const Session& session, FileSystem::Recovery recovery) {
  switch (recovery) {
    case FileSystem::Recovery::Clean:
    case FileSystem::Recovery::Completed: return {};
    case FileSystem::Recovery::TakenBack:
      return "The program stopped last time while it was changing the statistics (recording a game, clearing "
             "statistics or renaming a player). That change was taken back: the statistics, the game log and the "
             "hi-scores are as they were before it.";
    case FileSystem::Recovery::Failed:
      return "The statistics files could not be put right after the program stopped while changing them: " +
             session.PathOf(kChangeJournalFile) +
             " holds what is needed to do it. Games are not recorded until the files in " + session.PathOf("DATA") +
             " can be written again.";
  }
  return {};
}

}  // namespace cardoria
