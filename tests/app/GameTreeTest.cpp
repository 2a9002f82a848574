#include "app/GameTree.h"

#include <gtest/gtest.h>

#include "core/Session.h"

namespace cardoria {
namespace {

// Fixed columns of a line cut short read as empty, never as the next field.
TEST(GameIndexList, ShortLinesReadAsEmptyColumnsAndSortByName) {
  Session session;
  session.catalogue = {"5   002  1Klondike", "8   007", "7   009 1 aces Up", "12 1011  0Baker"};
  const TextList index = BuildGameIndexList(session);
  ASSERT_EQ(index.size(), 4u);
  struct Expected {
    const char* name;
    int family, number;
    bool isNew, own;
  };
  const Expected expected[] = {{"", 8, 7, false, false},
                               {"aces Up", 7, 9, false, false},
                               {"Baker", 12, 11, false, true},
                               {"Klondike", 5, 2, true, false}};
  for (std::size_t i = 0; i < index.size(); ++i) {
    EXPECT_EQ(index[i].size(), 58u);
    EXPECT_EQ(IndexName(index[i]), expected[i].name) << i;
    EXPECT_EQ(IndexFamily(index[i]), expected[i].family) << i;
    EXPECT_EQ(IndexNumber(index[i]), expected[i].number) << i;
    EXPECT_EQ(IndexIsNew(index[i]), expected[i].isNew) << i;
    EXPECT_EQ(IndexIsOwnDesign(index[i]), expected[i].own) << i;
  }
  // "aces Up" has its "1" in column 9 (the wide-screen mark), not 10: not new.
  EXPECT_EQ(NewGames(index).size(), 1u);
  // A game of our own design is marked wherever it is listed, and has a folder.
  const std::vector<TreeGame> own = OwnGames(index);
  ASSERT_EQ(own.size(), 1u);
  EXPECT_EQ(own[0].caption, "Baker");
  EXPECT_EQ(NodeText(own[0]), "Baker (own design)");
  EXPECT_EQ(NodeText(AllGames(index)[3]), "Klondike");
  EXPECT_EQ(NodeText(FamilyGames(index, 12)[0]), "Baker (own design)");
}

TEST(GameTree, EveryGroupFolderOfTheSkeletonGathersOneRuleValue) {
  int groups = 0;
  for (const TreeFolder& folder : TreeSkeleton()) {
    if (folder.parent != -2030 && folder.parent != -2040 && folder.parent != -2050 && folder.parent != -2060) continue;
    const auto group = GroupOfFolder(folder.code);
    ASSERT_TRUE(group) << folder.code;
    const DescriptiveValue* value = FindDescriptiveValue(group->rule, group->value);
    ASSERT_NE(value, nullptr);
    EXPECT_STREQ(value->text, folder.caption) << folder.code;
    ++groups;
  }
  EXPECT_EQ(groups, 16);
  EXPECT_EQ(TreeImageNames().size(), 37u);
  EXPECT_EQ(TreeImageNames()[25], "TREE5_BAKERSDOZEN_TYPE");
  EXPECT_EQ(FamilyImage(0), -1);
  EXPECT_EQ(FamilyImage(800), kCustomImage);
}

}  // namespace
}  // namespace cardoria
