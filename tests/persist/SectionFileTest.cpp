// The section file layer: headers found only as whole lines, in any chunk;
// values overwritten in place only at their own width; everything else
// through a temporary file.

#include "persist/SectionFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "persist/FileSystem.h"
#include "platform/AtomicFile.h"
#include "support/TestSupport.h"

namespace cardoria {
namespace {

using test::TempDir;

ino_t InodeOf(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_ino;
}

class SectionFileTest : public ::testing::Test {
 protected:
  std::string Put(const std::string& content) {
    WriteFileAtomic(path, content);
    return path;
  }
  std::string Text() const { return ReadWholeFile(path).value_or("<missing>"); }
  TempDir dir;
  std::string path = dir / "S.DAT";
  FileSystem fs;
};

TEST_F(SectionFileTest, AHeaderIsFoundOnlyAsAWholeLine) {
  struct Case {
    std::string content;
    std::optional<std::uint64_t> at;
  };
  const Case cases[] = {
      {"[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nAnn=1\r\n", 27},
      {"[Version]\nVersion=0300\n[0001]\nAnn=1\n", 23},  // LF only
      {"Ann=x[0001]\r\n[0001]\r\n", 13},                 // inside a value first
      {"Ann=[0001]\r\nBob=[0001]x\r\n", std::nullopt},   // never a line of its own
      {"[00011]\r\n[0001] \r\n[0001]", 18},              // at the end without a line end
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(FindSection(fs, Put(c.content), "0001"), c.at) << c.content;
  EXPECT_EQ(FindSection(fs, dir / "none.dat", "0001"), std::nullopt);
}

TEST_F(SectionFileTest, AHeaderAcrossTwoChunksIsFoundAndItsSectionRead) {
  for (int pad = 8170; pad < 8200; ++pad) {
    const std::string content =
        "[A]\r\nX=" + std::string(static_cast<std::size_t>(pad), 'v') + "\r\n[0001]\r\nAnn=000001\r\nAnne=000002\r\n";
    Put(content);
    ASSERT_EQ(FindSection(fs, path, "0001"), content.find("[0001]")) << pad;
    EXPECT_EQ(ReadValue(fs, path, "0001", "Anne", "-"), "000002") << pad;
  }
}

TEST_F(SectionFileTest, ValuesAreReadWithTheirDefaults) {
  Put("[Version]\nVersion=0300  \n[0001]\r\nAnne=2 \r\nAnn=1\r\n[0002]\r\nBob=3\r\n");
  EXPECT_EQ(ReadValue(fs, path, "Version", "Version", "0000"), "0300");
  EXPECT_EQ(ReadValue(fs, path, "0001", "Ann", "-"), "1");
  EXPECT_EQ(ReadValue(fs, path, "0001", "Bob", "-"), "-");
  EXPECT_EQ(ReadValue(fs, path, "0003", "Bob", "-"), "-");
  EXPECT_EQ(ReadValue(fs, dir / "none.dat", "0001", "Ann", "-"), "-");
  const ValuesRead read = ReadValues(fs, path, "0001", {"Anne", "Ann", "Cid"}, {"a", "b", "c"});
  EXPECT_EQ(read.values, (TextList{"2 ", "1", "c"}));
  EXPECT_FALSE(read.allFound);
  EXPECT_EQ(ReadSectionLines(fs, path, "0001"), (TextList{"Anne=2 ", "Ann=1"}));
  EXPECT_EQ(ListSections(fs, path), (TextList{"Version", "0001", "0002"}));
}

TEST_F(SectionFileTest, WriteValueOverwritesInPlaceOnlyAtTheSameWidth) {
  Put("[0001]\r\nAnn=000001\r\nBob=000002\r\n\r\n[0002]\r\nAnn=000003\r\n");
  const ino_t before = InodeOf(path);
  ASSERT_TRUE(WriteValue(fs, path, "0001", "Bob", "000009"));
  EXPECT_EQ(Text(), "[0001]\r\nAnn=000001\r\nBob=000009\r\n\r\n[0002]\r\nAnn=000003\r\n");
  EXPECT_EQ(InodeOf(path), before);  // written in place

  // Another width: the section is rewritten, the value kept as given.
  ASSERT_TRUE(WriteValue(fs, path, "0001", "Ann", " 12 "));
  EXPECT_EQ(Text(), "[0001]\r\nAnn= 12 \r\nBob=000009\r\n\r\n[0002]\r\nAnn=000003\r\n");
  EXPECT_NE(InodeOf(path), before);

  ASSERT_TRUE(WriteValue(fs, path, "0002", "Anne", "000004"));  // a new key at the section's end
  EXPECT_EQ(Text(), "[0001]\r\nAnn= 12 \r\nBob=000009\r\n\r\n[0002]\r\nAnn=000003\r\nAnne=000004\r\n\r\n");
  ASSERT_TRUE(WriteValue(fs, path, "0003", "Ann", "000005"));  // a new section
  EXPECT_TRUE(Text().ends_with("Anne=000004\r\n\r\n\r\n[0003]\r\nAnn=000005\r\n"));
}

TEST_F(SectionFileTest, WriteSectionInPlaceRewritesWhenTheLengthDiffers) {
  const std::string rest = "\r\n[0002]\r\nX=1\r\n";
  Put("[0001]\r\n01-01=aaa\r\n01-02=bbb\r\n" + rest);
  const ino_t before = InodeOf(path);
  ASSERT_TRUE(WriteSectionInPlace(fs, path, "0001", {{"01-01", "ccc"}, {"01-02", "ddd"}}));
  EXPECT_EQ(Text(), "[0001]\r\n01-01=ccc\r\n01-02=ddd\r\n" + rest);
  EXPECT_EQ(InodeOf(path), before);
  ASSERT_TRUE(WriteSectionInPlace(fs, path, "0001", {{"01-01", "c"}, {"01-02", "ddddd"}, {"01-03", "e"}}));
  EXPECT_EQ(Text(), "[0001]\r\n01-01=c\r\n01-02=ddddd\r\n01-03=e\r\n" + rest);
  // A file with LF line ends: the section is rewritten with CR LF, the rest kept.
  Put("[0001]\n01-01=aaa\n[0002]\nX=1\n");
  ASSERT_TRUE(WriteSectionInPlace(fs, path, "0001", {{"01-01", "bbb"}}));
  EXPECT_EQ(Text(), "[0001]\n01-01=bbb\r\n[0002]\nX=1\n");
}

TEST_F(SectionFileTest, ReplaceInLinesChangesOnlyTheTextAtItsColumn) {
  Put("Ann  x\r\n Ann x\r\nAnne x\nAn\r\n");
  ASSERT_TRUE(ReplaceInLines(fs, path, 1, "Ann ", "Annabel "));
  EXPECT_EQ(Text(), "Annabel  x\r\n Ann x\r\nAnne x\nAn\r\n");
}

}  // namespace
}  // namespace cardoria
