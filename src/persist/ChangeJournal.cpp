#include "persist/ChangeJournal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/AtomicFile.h"

namespace cardoria {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHeader = "CARDORIA CHANGES 1\n";
constexpr std::size_t kLargestJournal = std::size_t{1} << 30;

char KindLetter(UndoKind kind) {
  switch (kind) {
    case UndoKind::Truncate: return 'T';
    case UndoKind::Overwrite: return 'O';
    case UndoKind::Restore: return 'R';
    case UndoKind::Delete: return 'D';
    case UndoKind::Commit: return 'C';
  }
  return '?';
}

std::optional<UndoKind> KindOf(char letter) {
  switch (letter) {
    case 'T': return UndoKind::Truncate;
    case 'O': return UndoKind::Overwrite;
    case 'R': return UndoKind::Restore;
    case 'D': return UndoKind::Delete;
    case 'C': return UndoKind::Commit;
    default: return std::nullopt;
  }
}

std::uint64_t Checksum(char kind, std::uint64_t offset, std::string_view path, std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  auto mix = [&](std::string_view text) {
    for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
  };
  mix(std::string_view(&kind, 1));
  mix(std::to_string(offset));
  mix(path);
  mix("\n");
  mix(bytes);
  return hash;
}

// Files beside the journal are named from its folder, so a folder that is
// moved or renamed after a crash is still put right.
std::string Stored(const std::string& journal, const std::string& path) {
  const std::string folder = fs::path(journal).parent_path().string() + "/";
  return path.starts_with(folder) ? "./" + path.substr(folder.size()) : path;
}

std::string Resolved(const std::string& journal, const std::string& stored) {
  return stored.starts_with("./") ? fs::path(journal).parent_path().string() + "/" + stored.substr(2) : stored;
}

bool WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool SyncFolderOf(const std::string& path) {
  const fs::path folder = fs::path(path).parent_path();
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
  ::close(fd);
  return ok;
}

bool WriteSynced(const std::string& path, std::string_view bytes, int flags) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | flags, 0644);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes);
  ok = ::fsync(fd) == 0 && ok;
  return (::close(fd) == 0) && ok;
}

std::optional<std::uint64_t> SizeOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

// Cuts the file back to `size`, never lengthens it.
bool CutTo(const std::string& path, std::uint64_t size) {
  const auto now = SizeOf(path);
  if (!now) return true;
  if (*now <= size) return true;
  if (::truncate(path.c_str(), static_cast<off_t>(size)) != 0) return false;
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  return (::close(fd) == 0) && ok;
}

std::optional<std::string> BytesAt(const std::string& path, std::uint64_t offset, std::size_t count) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes(count, '\0');
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = ::pread(fd, bytes.data() + done, count - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(done);
  return bytes;
}

}  // namespace

bool StartJournal(const std::string& journal) {
  return WriteSynced(journal, kHeader, O_CREAT | O_TRUNC) && SyncFolderOf(journal);
}

bool WriteJournalRecord(const std::string& journal, const FileUndo& undo) {
  const char kind = KindLetter(undo.kind);
  const std::string path = Stored(journal, undo.path);
  std::string record = std::string(1, kind) + " " + std::to_string(undo.offset) + " " + std::to_string(path.size()) +
                       " " + std::to_string(undo.bytes.size()) + " " +
                       std::to_string(Checksum(kind, undo.offset, path, undo.bytes)) + "\n";
  record += path;
  record += undo.bytes;
  record += "\n";
  return WriteSynced(journal, record, O_APPEND);
}

std::optional<std::vector<FileUndo>> ReadJournal(const std::string& journal) {
  const auto content = ReadWholeFile(journal, kLargestJournal);
  if (!content) return std::nullopt;
  std::vector<FileUndo> records;
  if (!content->starts_with(kHeader)) return records;
  std::size_t at = kHeader.size();
  while (at < content->size()) {
    const std::size_t eol = content->find('\n', at);
    if (eol == std::string::npos) break;
    char kind = 0;
    unsigned long long offset = 0, pathSize = 0, byteCount = 0, sum = 0;
    const std::string head = content->substr(at, eol - at);
    if (std::sscanf(head.c_str(), "%c %llu %llu %llu %llu", &kind, &offset, &pathSize, &byteCount, &sum) != 5) break;
    const auto type = KindOf(kind);
    const std::size_t body = eol + 1;
    if (!type || pathSize > content->size() || byteCount > content->size() ||
        body + pathSize + byteCount + 1 > content->size())
      break;
    const std::string path = content->substr(body, pathSize);
    std::string bytes = content->substr(body + pathSize, byteCount);
    if ((*content)[body + pathSize + byteCount] != '\n' || Checksum(kind, offset, path, bytes) != sum) break;
    records.push_back({*type, Resolved(journal, path), offset, std::move(bytes)});
    at = body + pathSize + byteCount + 1;
  }
  return records;
}

bool RemoveJournal(const std::string& journal) {
  if (::unlink(journal.c_str()) != 0 && errno != ENOENT) return false;
  return SyncFolderOf(journal);
}

bool ApplyUndo(const FileUndo& undo) {
  switch (undo.kind) {
    case UndoKind::Truncate:
    case UndoKind::Commit: return CutTo(undo.path, undo.offset);
    case UndoKind::Overwrite: {
      if (!SizeOf(undo.path)) return true;
      const int fd = ::open(undo.path.c_str(), O_WRONLY | O_CLOEXEC);
      if (fd < 0) return false;
      bool ok = true;
      for (std::size_t done = 0; ok && done < undo.bytes.size();) {
        const ssize_t n =
            ::pwrite(fd, undo.bytes.data() + done, undo.bytes.size() - done, static_cast<off_t>(undo.offset + done));
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
      }
      ok = ::fsync(fd) == 0 && ok;
      return (::close(fd) == 0) && ok;
    }
    case UndoKind::Restore: return WriteFileAtomic(undo.path, undo.bytes);
    case UndoKind::Delete: return (::unlink(undo.path.c_str()) == 0 || errno == ENOENT) && SyncFolderOf(undo.path);
  }
  return false;
}

bool CommitIsOnDisk(const FileUndo& commit) {
  return BytesAt(commit.path, commit.offset, commit.bytes.size()) == commit.bytes;
}

}  // namespace cardoria
