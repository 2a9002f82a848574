#pragma once
// An exclusive lock of a folder that every process sharing it takes before it
// changes a file there, held as an advisory lock of a lock file in the folder.
// A process that dies lets go of it with its last breath, so a crash never
// leaves the folder locked.

#include <mutex>
#include <string>

namespace cardoria {

class FolderLock {
 public:
  // `lockFile` is created when missing; its content is never read.
  explicit FolderLock(std::string lockFile);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // Held from construction to destruction. Holds nest within a process (the
  // outermost one takes the lock and gives it back); a hold of another
  // thread waits. Where the lock file can not be made (a read-only folder,
  // in which nothing can be changed anyway) the hold locks this process's
  // threads only.
  class Hold {
   public:
    explicit Hold(FolderLock& lock);
    ~Hold();
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
    // True when this hold took the lock; a nested one answers false.
    bool Outermost() const { return outermost_; }

   private:
    FolderLock& lock_;
    bool outermost_ = false;
  };

  const std::string& LockFile() const { return path_; }

 private:
  std::string path_;
  std::recursive_mutex threads_;
  int depth_ = 0;
  int fd_ = -1;
};

}  // namespace cardoria
