#include "core/Session.h"

#include "platform/Paths.h"

namespace cardoria {

std::string Session::PathOf(std::string_view relative) const { return ResolvePath(programDir, relative); }

std::shared_ptr<FolderLock> Session::SharedDataLock() const {
  const std::string path = PathOf(kDataLockFile);
  if (!dataLock_ || dataLock_->LockFile() != path) dataLock_ = std::make_shared<FolderLock>(path);
  return dataLock_;
}

FolderLock& Session::DataLock() const { return *SharedDataLock(); }

}  // namespace cardoria
