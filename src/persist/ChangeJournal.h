#pragma once
// The journal of a run of changes to the data files: before each change, what
// takes it back is written to the journal and synced, so that a run a crash
// cut short can be taken back by the next process. A record torn by the crash
// is told by its checksum and describes a change that was never begun.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cardoria {

enum class UndoKind {
  Truncate,   // the file grew by an append: cut it back to `offset` bytes
  Overwrite,  // bytes were overwritten in place: `bytes` at `offset` were there
  Restore,    // the file was replaced or removed: `bytes` was its whole content
  Delete,     // the file did not exist
  Commit,     // the run's last append: `bytes` at `offset`; undone as Truncate
};

struct FileUndo {
  UndoKind kind;
  std::string path;
  std::uint64_t offset = 0;
  std::string bytes;
};

// A new, empty journal in place of any old one. False when it can not be made.
bool StartJournal(const std::string& journal);
// One more record, synced before the answer. False when it can not be written.
bool WriteJournalRecord(const std::string& journal, const FileUndo& undo);
// The whole records in order, up to the first torn or garbled one; nothing
// when there is no journal or it can not be read.
std::optional<std::vector<FileUndo>> ReadJournal(const std::string& journal);
bool RemoveJournal(const std::string& journal);

// Puts one file back as the record says; repeating it does no harm.
bool ApplyUndo(const FileUndo& undo);
// Whether a Commit record's bytes are on disk whole where it says.
bool CommitIsOnDisk(const FileUndo& commit);

}  // namespace cardoria
