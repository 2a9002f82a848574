#pragma once
// The file operations the statistics files are kept with. Whole files are
// replaced through a temporary file renamed into place; the few in-place
// writes overwrite bytes of equal length or append. A run of changes to
// several files can be taken back as one, so the records never disagree after
// a failed write; with a journal, they never disagree after a crash either.
// Tests derive from it to make a rename fail.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "persist/ChangeJournal.h"

namespace cardoria {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  bool Exists(const std::string& path) const;
  // Up to `count` bytes from `offset` (fewer at the end of the file); nothing
  // when the file can not be read.
  std::optional<std::string> ReadAt(const std::string& path, std::uint64_t offset, std::size_t count) const;
  std::optional<std::string> ReadAll(const std::string& path) const;

  // The file must exist and hold the bytes being overwritten.
  bool WriteAt(const std::string& path, std::uint64_t offset, std::string_view bytes);
  // Creates the file (and its folder) when missing.
  bool Append(const std::string& path, std::string_view bytes);
  // The whole content through a temporary file; the old file stays as it was
  // on any failure.
  bool Replace(const std::string& path, std::string_view content);
  // True when the file is gone afterwards.
  bool Remove(const std::string& path);

  // From here on every change is remembered so that UndoChanges can put each
  // file back as it was; KeepChanges forgets them. With a `journal` file,
  // each change is written there and synced before it is made, so that a
  // run a crash cut short is put back by RecoverChanges. False when the
  // journal can not be begun; nothing may be changed then.
  bool BeginChanges(const std::string& journal = {});
  bool Recording() const { return recording_; }
  // The file whose write failed last (the journal when it could not take a
  // change); empty when none has since BeginChanges.
  const std::string& FailedPath() const { return failed_; }
  // An Append that ends the run: once its bytes are on disk whole, the run
  // counts as done, even where a crash left its journal behind.
  bool AppendCommit(const std::string& path, std::string_view bytes);
  // False when the journal could not be removed (the changes stay).
  bool KeepChanges();
  // False when a file could not be put back; the journal then stays for the
  // next RecoverChanges.
  bool UndoChanges();

  // What RecoverChanges found.
  enum class Recovery {
    Clean,      // no journal, or one of a run that changed nothing
    Completed,  // the run had reached its commit; its journal is removed
    TakenBack,  // the run was cut short; every file is as before it
    Failed,     // a file could not be put back; the journal stays
  };
  // Puts the files of a run that a crash cut short back as they were. Call
  // it, with the journal's folder locked, before anything reads or changes
  // the files that run wrote.
  static Recovery RecoverChanges(const std::string& journal);

 protected:
  // Asked when the temporary file of `target` is complete, just before it is
  // renamed; false makes the replacement fail there.
  virtual bool BeforeRename(const std::string& target, const std::string& temporary);

 private:
  // Journaled, then kept in memory; false when the journal could not take it.
  bool Remember(FileUndo undo);
  // The undo of a replacement or removal: the file's old content, or its
  // deletion when there was none.
  bool RememberWhole(const std::string& path);
  bool AppendBytes(const std::string& path, std::string_view bytes, bool commit);

  bool Failed(const std::string& path);

  bool recording_ = false;
  std::string failed_;
  std::string journal_;
  std::vector<FileUndo> undo_;
};

}  // namespace cardoria
