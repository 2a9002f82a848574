#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <system_error>

namespace cardoria {

namespace {

namespace fs = std::filesystem;

// mkstemp fills in the six X.
constexpr std::string_view kTemporaryMarker = ".cardoria-tmp.";
constexpr std::size_t kTemporarySuffix = 6;

// The file a path names in the end: symbolic links are followed (relative
// ones from the folder of the link), so a write replaces the file a link
// points to and leaves the link itself as it is. Nothing for a loop.
std::optional<std::string> FinalTarget(const std::string& path) {
  fs::path current = path;
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(current, ec))) return current.string();
    const fs::path target = fs::read_symlink(current, ec);
    if (ec) return std::nullopt;
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  return std::nullopt;
}

bool WriteAll(int fd, std::string_view content) {
  std::size_t written = 0;
  while (written < content.size()) {
    const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

// After a rename only the folder's entry says which file has the name.
bool SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  // Some file systems can not sync a folder at all; that is no failure.
  const bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
  ::close(fd);
  return ok;
}

// A writer holds a lock of its temporary file until it is renamed.
bool BeingWritten(const fs::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  ::close(fd);
  return locked;
}

}  // namespace

bool IsTemporaryFileOf(const std::string& targetName, const std::string& name) {
  const std::string prefix = targetName + std::string(kTemporaryMarker);
  return name.size() == prefix.size() + kTemporarySuffix && name.starts_with(prefix);
}

bool WriteFileAtomic(const std::string& path, std::string_view content) { return WriteFileAtomic(path, content, {}); }

bool WriteFileAtomic(const std::string& path, std::string_view content,
                     const std::function<bool(const std::string& temporary)>& beforeRename) {
  const auto target = FinalTarget(path);
  if (!target) return false;
  struct stat old {};
  const bool exists = ::stat(target->c_str(), &old) == 0;
  if (exists) {
    // A file the player made read-only stays as it is, even for a user the
    // system would let write it.
    if (!S_ISREG(old.st_mode) || (old.st_mode & 0222) == 0 || ::access(target->c_str(), W_OK) != 0) return false;
  }
  std::string temp = *target + std::string(kTemporaryMarker) + std::string(kTemporarySuffix, 'X');
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  // Held until the file is renamed or removed, so that another process's
  // clean-up of stale temporary files leaves this one alone.
  (void)::flock(fd, LOCK_EX | LOCK_NB);
  bool ok = WriteAll(fd, content);
  if (exists) {
    // Only a privileged user can give the file back its owner; anyone else
    // is the owner already.
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) (void)!::fchown(fd, old.st_uid, old.st_gid);
    ok = ok && ::fchmod(fd, old.st_mode & 07777) == 0;
  } else {
    // New files get the usual permissions rather than mkstemp's owner-only ones.
    ok = ok && ::fchmod(fd, 0644) == 0;
  }
  ok = ok && ::fsync(fd) == 0;
  if (ok && beforeRename) ok = beforeRename(temp);
  if (!ok || std::rename(temp.c_str(), target->c_str()) != 0) {
    ::unlink(temp.c_str());
    ::close(fd);
    return false;
  }
  ok = ::close(fd) == 0;
  return SyncFolder(fs::path(*target).parent_path()) && ok;
}

int RemoveStaleTemporaryFiles(const std::string& path) { return RemoveStaleTemporaryFiles(std::vector{path}); }

int RemoveStaleTemporaryFiles(const std::vector<std::string>& paths) {
  // Each folder is listed once, however many of its files are asked about.
  std::map<fs::path, std::vector<std::string>> namesByFolder;
  for (const std::string& path : paths) {
    const auto target = FinalTarget(path);
    if (!target) continue;
    const fs::path file(*target);
    namesByFolder[file.parent_path().empty() ? fs::path(".") : file.parent_path()].push_back(file.filename().string());
  }
  int removed = 0;
  for (const auto& [folder, names] : namesByFolder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      const std::string entry = it->path().filename().string();
      std::error_code kind;
      if (std::none_of(names.begin(), names.end(),
                       [&](const std::string& name) { return IsTemporaryFileOf(name, entry); }) ||
          !it->is_regular_file(kind) || BeingWritten(it->path()))
        continue;
      if (fs::remove(it->path(), kind)) ++removed;
    }
  }
  return removed;
}

int RemoveStaleTemporaryFilesIn(const std::string& folder) {
  std::vector<std::string> targets;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const auto marker = name.rfind(kTemporaryMarker);
    if (marker != std::string::npos && marker > 0 && IsTemporaryFileOf(name.substr(0, marker), name))
      targets.push_back((it->path().parent_path() / name.substr(0, marker)).string());
  }
  return RemoveStaleTemporaryFiles(targets);
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t limit) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0 || static_cast<std::size_t>(size) > limit) return std::nullopt;
  in.seekg(0, std::ios::beg);
  std::string content(static_cast<std::size_t>(size), '\0');
  if (size > 0 && !in.read(content.data(), size)) return std::nullopt;
  return content;
}

}  // namespace cardoria
