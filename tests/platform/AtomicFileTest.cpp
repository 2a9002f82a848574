#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include "support/TestSupport.h"

namespace cardoria {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

unsigned ModeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return st.st_mode & 07777;
}

std::set<std::string> FilesIn(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

TEST(AtomicFile, AFileKeepsItsPermissions) {
  for (const unsigned mode : {0600u, 0640u, 0664u, 0755u}) {
    TempDir dir;
    dir.Write("f", "old");
    ASSERT_EQ(::chmod((dir / "f").c_str(), mode), 0);
    ASSERT_TRUE(WriteFileAtomic(dir / "f", "new"));
    EXPECT_EQ(dir.Read("f"), "new");
    EXPECT_EQ(ModeOf(dir / "f"), mode) << std::oct << mode;
  }
  TempDir dir;
  ASSERT_TRUE(WriteFileAtomic(dir / "fresh", "x"));
  EXPECT_EQ(ModeOf(dir / "fresh"), 0644u);
}

TEST(AtomicFile, AWriteProtectedFileIsLeftAsItIs) {
  TempDir dir;
  dir.Write("f", "keep");
  ASSERT_EQ(::chmod((dir / "f").c_str(), 0444), 0);
  EXPECT_FALSE(WriteFileAtomic(dir / "f", "new"));
  EXPECT_EQ(dir.Read("f"), "keep");
  EXPECT_EQ(ModeOf(dir / "f"), 0444u);
  EXPECT_EQ(FilesIn(dir.Path()), std::set<std::string>{"f"});
  fs::create_directory(dir / "folder");
  EXPECT_FALSE(WriteFileAtomic(dir / "folder", "new"));
  EXPECT_TRUE(fs::is_directory(dir / "folder"));
}

TEST(AtomicFile, WritesThroughASymbolicLinkToItsTarget) {
  struct Case {
    const char* what;
    const char* link;  // relative to the test folder
    const char* target;
    bool targetExists;
  } cases[] = {
      {"absolute", "CFG.DAT", nullptr, true},
      {"relative", "DATA/CFG.DAT", "../real/cfg.ini", true},
      {"a link to a link", "DATA/CFG.DAT", "hop", true},
      {"dangling", "DATA/CFG.DAT", "../real/cfg.ini", false},
  };
  for (const auto& c : cases) {
    TempDir dir;
    fs::create_directories(dir / "DATA");
    fs::create_directories(dir / "real");
    if (c.targetExists) dir.Write("real/cfg.ini", "old");
    if (c.targetExists) ::chmod((dir / "real/cfg.ini").c_str(), 0600);
    if (c.target == nullptr) {
      fs::create_symlink(dir / "real/cfg.ini", dir / c.link);
    } else if (std::string(c.target) == "hop") {
      fs::create_symlink("../real/cfg.ini", dir / "DATA/hop");
      fs::create_symlink("hop", dir / c.link);
    } else {
      fs::create_symlink(c.target, dir / c.link);
    }
    ASSERT_TRUE(WriteFileAtomic(dir / c.link, "new")) << c.what;
    EXPECT_TRUE(fs::is_symlink(dir / c.link)) << c.what;
    EXPECT_EQ(dir.Read("real/cfg.ini"), "new") << c.what;
    EXPECT_EQ(ModeOf(dir / "real/cfg.ini"), c.targetExists ? 0600u : 0644u) << c.what;
  }
  TempDir dir;
  fs::create_symlink("b", dir / "a");
  fs::create_symlink("a", dir / "b");
  EXPECT_FALSE(WriteFileAtomic(dir / "a", "loop"));
  EXPECT_TRUE(fs::is_symlink(dir / "a"));
}

TEST(AtomicFile, OnlyOurStaleTemporaryFilesOfThatNameAreRemoved) {
  TempDir dir;
  const std::set<std::string> ours = {"CFG.DAT.cardoria-tmp.a1B2c3", "CFG.DAT.cardoria-tmp.XXXXXX"};
  const std::set<std::string> others = {"CFG.DAT",
                                        "CFG.DAT.tmp123456",
                                        "CFG.DAT.cardoria-tmp.toolong",
                                        "CFG.DAT.cardoria-tmp.",
                                        "OTHER.DAT.cardoria-tmp.a1B2c3",
                                        "xCFG.DAT.cardoria-tmp.a1B2c3"};
  for (const auto& name : ours) dir.Write(name, "left by a crash");
  for (const auto& name : others) dir.Write(name, "someone else's");
  EXPECT_EQ(RemoveStaleTemporaryFiles(dir / "CFG.DAT"), 2);
  EXPECT_EQ(FilesIn(dir.Path()), others);
  for (const auto& name : ours) EXPECT_TRUE(IsTemporaryFileOf("CFG.DAT", name)) << name;
  for (const auto& name : others) EXPECT_FALSE(IsTemporaryFileOf("CFG.DAT", name)) << name;
  // A write leaves nothing of its own behind.
  ASSERT_TRUE(WriteFileAtomic(dir / "CFG.DAT", "new"));
  EXPECT_EQ(FilesIn(dir.Path()), others);
}

TEST(AtomicFile, ATemporaryFileAWriterStillHoldsIsNotStale) {
  TempDir dir;
  const std::string writing = dir / "STAT.DAT.cardoria-tmp.aB3dE5", left = dir / "CFG.DAT.cardoria-tmp.zz9Yx8";
  dir.Write("STAT.DAT.cardoria-tmp.aB3dE5", "half");
  dir.Write("CFG.DAT.cardoria-tmp.zz9Yx8", "left by a crash");
  // Another process in the middle of its write holds its temporary file.
  const pid_t writer = fork();
  if (writer == 0) {
    const int fd = open(writing.c_str(), O_RDWR);
    flock(fd, LOCK_EX);
    pause();
    _exit(0);
  }
  for (int wait = 0; wait < 200; ++wait) {
    const int fd = open(writing.c_str(), O_RDONLY);
    const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0;
    close(fd);
    if (held) break;
    usleep(5000);
  }
  EXPECT_EQ(RemoveStaleTemporaryFilesIn(dir.Path()), 1);
  EXPECT_TRUE(dir.Exists("STAT.DAT.cardoria-tmp.aB3dE5"));
  EXPECT_FALSE(dir.Exists("CFG.DAT.cardoria-tmp.zz9Yx8"));
  kill(writer, SIGKILL);
  waitpid(writer, nullptr, 0);
  // Its writer gone, the file is stale.
  EXPECT_EQ(RemoveStaleTemporaryFilesIn(dir.Path()), 1);
  EXPECT_FALSE(dir.Exists("STAT.DAT.cardoria-tmp.aB3dE5"));
}

}  // namespace
}  // namespace cardoria
