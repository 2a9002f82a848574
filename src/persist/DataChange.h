#pragma once
// One change of an installation's data files, all or nothing, whatever else
// runs. The "DATA" folder stays locked from the first read to the last write,
// so what another process wrote before is read and kept; every write is
// journaled before it is made, so a change that a crash cut short is taken
// back by the next process to lock the folder, before it reads anything.

#include <memory>
#include <optional>
#include <string>

#include "persist/FileSystem.h"
#include "platform/FolderLock.h"

namespace cardoria {

struct Session;

inline constexpr const char* kChangeJournalFile = "DATA\\CHANGES.JNL";

class DataChange {
 public:
  DataChange(Session& session, FileSystem& files);
  // Takes back whatever was not committed.
  ~DataChange();
  DataChange(const DataChange&) = delete;
  DataChange& operator=(const DataChange&) = delete;

  // False when the change can not be made safely (an earlier change could not
  // be put right, or the journal can not be written): change nothing then.
  bool Ready() const { return ready_; }
  // The changes stay. False when the journal could not be removed.
  bool Commit();
  // The changes are taken back now.
  void Abandon();

 private:
  std::shared_ptr<FolderLock> lock_;
  FolderLock::Hold hold_;
  FileSystem& files_;
  bool ready_ = false;
  bool open_ = false;
};

// Under the folder's lock: takes back a change of the data files that a crash
// cut short, and removes the temporary files that interrupted writes left
// there. For start-up, before anything reads the data files; nothing is done
// when there is no "DATA" folder.
FileSystem::Recovery TidyDataFolder(Session& session);
// What to tell the player about a recovery; empty when there is nothing to say.
std::string RecoveryNotice(const Session& session, FileSystem::Recovery recovery);

}  // namespace cardoria
