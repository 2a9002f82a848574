#pragma once
// The file operations the statistics files are kept with. Whole files are
// replaced through a temporary file renamed into place; the few in-place
// writes overwrite bytes of equal length or append. A run of changes to
// several files can be taken back as one, so the records never disagree after
// a failed write. Tests derive from it to make a rename fail.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
  // file back as it was; KeepChanges forgets them.
  void BeginChanges();
  void KeepChanges();
  // False when a file could not be put back.
  bool UndoChanges();

 protected:
  // Asked when the temporary file of `target` is complete, just before it is
  // renamed; false makes the replacement fail there.
  virtual bool BeforeRename(const std::string& target, const std::string& temporary);

 private:
  enum class UndoKind { Truncate, Overwrite, Restore, Delete };
  struct Undo {
    UndoKind kind;
    std::string path;
    std::uint64_t offset = 0;
    std::string bytes;
  };
  bool Truncate(const std::string& path, std::uint64_t size);
  bool Remember(Undo undo);

  bool recording_ = false;
  std::vector<Undo> undo_;
};

}  // namespace cardoria
