#include "platform/ResourceLibrary.h"

#include <gtest/gtest.h>

namespace cardoria {
namespace {

std::vector<ResourceEntry> Sample() {
  return {
      {"TB_UNDO", ResourceKind::Bitmap, 0, 0, "undo-bytes"},
      {"CUR_ARROW1A", ResourceKind::Cursor, 1, -2, std::string("a\0b", 3)},
  };
}

TEST(ResourceLibrary, RoundTripAndLookupWithoutRegardToCase) {
  const auto library = ResourceLibrary::Parse(ResourceLibrary::Serialize(Sample()));
  ASSERT_TRUE(library);
  const ResourceEntry* cursor = library->Find("cur_arrow1a");
  ASSERT_NE(cursor, nullptr);
  EXPECT_EQ(cursor->kind, ResourceKind::Cursor);
  EXPECT_EQ(cursor->hotX, 1);
  EXPECT_EQ(cursor->hotY, -2);
  EXPECT_EQ(cursor->data, std::string("a\0b", 3));
  EXPECT_EQ(library->Find("Tb_Undo")->data, "undo-bytes");
  EXPECT_EQ(library->Find("TB_REDO"), nullptr);
}

TEST(ResourceLibrary, SameEntriesGiveTheSameBytes) {
  auto reversed = Sample();
  std::reverse(reversed.begin(), reversed.end());
  EXPECT_EQ(ResourceLibrary::Serialize(Sample()), ResourceLibrary::Serialize(reversed));
}

TEST(ResourceLibrary, DamagedFilesAreRefused) {
  const std::string good = ResourceLibrary::Serialize(Sample());
  EXPECT_FALSE(ResourceLibrary::Parse(""));
  EXPECT_FALSE(ResourceLibrary::Parse("MZ not a library at all"));
  for (std::size_t cut = 0; cut < good.size(); ++cut) EXPECT_FALSE(ResourceLibrary::Parse(good.substr(0, cut))) << cut;
  EXPECT_FALSE(ResourceLibrary::Parse(good + "x"));
  std::string hugeCount = good;
  hugeCount[8] = '\xff';
  hugeCount[9] = '\xff';
  EXPECT_FALSE(ResourceLibrary::Parse(hugeCount));
  EXPECT_FALSE(ResourceLibrary::Load("/nonexistent/KRT.RGF"));
}

}  // namespace
}  // namespace cardoria
