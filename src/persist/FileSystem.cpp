#include "persist/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "persist/ChangeJournal.h"
#include "platform/AtomicFile.h"

namespace cardoria {

namespace {

namespace fs = std::filesystem;

bool WriteAllAt(int fd, std::string_view bytes, off_t offset, bool append) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = append
                          ? ::write(fd, bytes.data() + done, bytes.size() - done)
                          : ::pwrite(fd, bytes.data() + done, bytes.size() - done, offset + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

void MakeFolderOf(const std::string& path) {
  const fs::path folder = fs::path(path).parent_path();
  std::error_code ec;
  if (!folder.empty()) fs::create_directories(folder, ec);
}

std::optional<std::uint64_t> SizeOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

}  // namespace

bool FileSystem::Exists(const std::string& path) const { return SizeOf(path).has_value(); }

std::optional<std::string> FileSystem::ReadAt(const std::string& path, std::uint64_t offset, std::size_t count) const {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  in.seekg(static_cast<std::streamoff>(offset));
  if (!in) return std::string();
  std::string bytes(count, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(count));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

std::optional<std::string> FileSystem::ReadAll(const std::string& path) const {
  if (!Exists(path)) return std::nullopt;
  return ReadWholeFile(path, std::size_t{1} << 30);
}

bool FileSystem::Failed(const std::string& path) {
  failed_ = path;
  return false;
}

bool FileSystem::WriteAt(const std::string& path, std::uint64_t offset, std::string_view bytes) {
  if (recording_) {
    const auto old = ReadAt(path, offset, bytes.size());
    if (!old || old->size() != bytes.size()) return Failed(path);
    if (!Remember({UndoKind::Overwrite, path, offset, *old})) return false;
  }
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return Failed(path);
  bool ok = WriteAllAt(fd, bytes, static_cast<off_t>(offset), false);
  ok = ::fsync(fd) == 0 && ok;
  return ((::close(fd) == 0) && ok) || Failed(path);
}

bool FileSystem::Append(const std::string& path, std::string_view bytes) { return AppendBytes(path, bytes, false); }

bool FileSystem::AppendCommit(const std::string& path, std::string_view bytes) {
  return AppendBytes(path, bytes, true);
}

bool FileSystem::AppendBytes(const std::string& path, std::string_view bytes, bool commit) {
  MakeFolderOf(path);
  const auto size = SizeOf(path);
  if (recording_) {
    FileUndo undo{UndoKind::Truncate, path, size.value_or(0), {}};
    if (commit) {
      undo.kind = UndoKind::Commit;
      undo.bytes = bytes;
    } else if (!size) {
      undo.kind = UndoKind::Delete;
    }
    if (!Remember(std::move(undo))) return false;
  }
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return Failed(path);
  bool ok = WriteAllAt(fd, bytes, 0, true);
  ok = ::fsync(fd) == 0 && ok;
  ok = (::close(fd) == 0) && ok;
  // A half-written line would stay at the end of the file for good.
  if (!ok && size) ApplyUndo({UndoKind::Truncate, path, *size, {}});
  return ok || Failed(path);
}

bool FileSystem::Remember(FileUndo undo) {
  if (!recording_) return true;
  if (!journal_.empty() && !WriteJournalRecord(journal_, undo)) return Failed(journal_);
  undo_.push_back(std::move(undo));
  return true;
}

bool FileSystem::RememberWhole(const std::string& path) {
  if (!recording_) return true;
  if (!Exists(path)) return Remember({UndoKind::Delete, path, 0, {}});
  auto old = ReadAll(path);
  if (!old) return Failed(path);
  return Remember({UndoKind::Restore, path, 0, std::move(*old)});
}

bool FileSystem::Replace(const std::string& path, std::string_view content) {
  if (!RememberWhole(path)) return false;
  MakeFolderOf(path);
  return WriteFileAtomic(path, content, [&](const std::string& temporary) { return BeforeRename(path, temporary); }) ||
         Failed(path);
}

bool FileSystem::Remove(const std::string& path) {
  if (!Exists(path)) return true;
  if (!RememberWhole(path)) return false;
  return ::unlink(path.c_str()) == 0 || errno == ENOENT || Failed(path);
}

bool FileSystem::BeforeRename(const std::string&, const std::string&) { return true; }

bool FileSystem::BeginChanges(const std::string& journal) {
  undo_.clear();
  failed_.clear();
  journal_ = journal;
  recording_ = journal.empty() || StartJournal(journal);
  if (!recording_) {
    failed_ = journal_;
    journal_.clear();
  }
  return recording_;
}

bool FileSystem::KeepChanges() {
  recording_ = false;
  undo_.clear();
  const bool ok = journal_.empty() || RemoveJournal(journal_);
  journal_.clear();
  return ok;
}

bool FileSystem::UndoChanges() {
  recording_ = false;
  bool ok = true;
  for (auto it = undo_.rbegin(); it != undo_.rend(); ++it) ok = ApplyUndo(*it) && ok;
  undo_.clear();
  if (ok && !journal_.empty()) ok = RemoveJournal(journal_);
  journal_.clear();
  return ok;
}

FileSystem::Recovery FileSystem::RecoverChanges(const std::string& journal) {
  if (!SizeOf(journal)) return Recovery::Clean;
  const auto records = ReadJournal(journal);
  if (!records) return Recovery::Failed;
  // Stopped before its first change: there is nothing to put back.
  if (records->empty()) return RemoveJournal(journal) ? Recovery::Clean : Recovery::Failed;
  if (!records->empty() && records->back().kind == UndoKind::Commit && CommitIsOnDisk(records->back()))
    return RemoveJournal(journal) ? Recovery::Completed : Recovery::Failed;
  bool ok = true;
  for (auto it = records->rbegin(); it != records->rend(); ++it) ok = ApplyUndo(*it) && ok;
  if (!ok || !RemoveJournal(journal)) return Recovery::Failed;
  return Recovery::TakenBack;
}

}  // namespace cardoria
