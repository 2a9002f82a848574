#include "platform/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace cardoria {

FolderLock::FolderLock(std::string lockFile) : path_(std::move(lockFile)) {}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);
}

FolderLock::Hold::Hold(FolderLock& lock) : lock_(lock) {
  lock_.threads_.lock();
  outermost_ = lock_.depth_++ == 0;
  if (!outermost_) return;
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(lock_.path_).parent_path(), ec);
  lock_.fd_ = ::open(lock_.path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (lock_.fd_ < 0) lock_.fd_ = ::open(lock_.path_.c_str(), O_RDONLY | O_CLOEXEC);
  if (lock_.fd_ < 0) return;
  while (::flock(lock_.fd_, LOCK_EX) != 0 && errno == EINTR) {
  }
}

FolderLock::Hold::~Hold() {
  if (--lock_.depth_ == 0 && lock_.fd_ >= 0) {
    // Closing the file lets go of its lock; a new open at the next hold also
    // follows a lock file that was deleted in between.
    ::close(lock_.fd_);
    lock_.fd_ = -1;
  }
  lock_.threads_.unlock();
}

}  // namespace cardoria
