#include "persist/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

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

bool FileSystem::WriteAt(const std::string& path, std::uint64_t offset, std::string_view bytes) {
  if (recording_) {
    const auto old = ReadAt(path, offset, bytes.size());
    if (!old || old->size() != bytes.size()) return false;
    undo_.push_back({UndoKind::Overwrite, path, offset, *old});
  }
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = WriteAllAt(fd, bytes, static_cast<off_t>(offset), false);
  ok = ::fsync(fd) == 0 && ok;
  return (::close(fd) == 0) && ok;
}

bool FileSystem::Append(const std::string& path, std::string_view bytes) {
  MakeFolderOf(path);
  const auto size = SizeOf(path);
  if (recording_) {
    if (size)
      undo_.push_back({UndoKind::Truncate, path, *size, {}});
    else
      undo_.push_back({UndoKind::Delete, path, 0, {}});
  }
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = WriteAllAt(fd, bytes, 0, true);
  ok = ::fsync(fd) == 0 && ok;
  ok = (::close(fd) == 0) && ok;
  // A half-written line would stay at the end of the file for good.
  if (!ok && size) Truncate(path, *size);
  return ok;
}

bool FileSystem::Remember(Undo undo) {
  if (!recording_) return true;
  if (Exists(undo.path)) {
    auto old = ReadAll(undo.path);
    if (!old) return false;
    undo.kind = UndoKind::Restore;
    undo.bytes = std::move(*old);
  } else {
    undo.kind = UndoKind::Delete;
  }
  undo_.push_back(std::move(undo));
  return true;
}

bool FileSystem::Replace(const std::string& path, std::string_view content) {
  if (!Remember({UndoKind::Restore, path, 0, {}})) return false;
  MakeFolderOf(path);
  return WriteFileAtomic(path, content, [&](const std::string& temporary) { return BeforeRename(path, temporary); });
}

bool FileSystem::Remove(const std::string& path) {
  if (!Exists(path)) return true;
  if (!Remember({UndoKind::Restore, path, 0, {}})) return false;
  return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool FileSystem::Truncate(const std::string& path, std::uint64_t size) {
  return ::truncate(path.c_str(), static_cast<off_t>(size)) == 0;
}

bool FileSystem::BeforeRename(const std::string&, const std::string&) { return true; }

void FileSystem::BeginChanges() {
  recording_ = true;
  undo_.clear();
}

void FileSystem::KeepChanges() {
  recording_ = false;
  undo_.clear();
}

bool FileSystem::UndoChanges() {
  recording_ = false;
  bool ok = true;
  for (auto it = undo_.rbegin(); it != undo_.rend(); ++it) {
    switch (it->kind) {
      case UndoKind::Truncate: ok = Truncate(it->path, it->offset) && ok; break;
      case UndoKind::Overwrite: ok = WriteAt(it->path, it->offset, it->bytes) && ok; break;
      case UndoKind::Restore: ok = WriteFileAtomic(it->path, it->bytes) && ok; break;
      case UndoKind::Delete: ok = (::unlink(it->path.c_str()) == 0 || errno == ENOENT) && ok; break;
    }
  }
  undo_.clear();
  return ok;
}

}  // namespace cardoria
