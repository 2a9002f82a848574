#include "app/CustomizeValues.h"

#include <gtest/gtest.h>

#include <set>

#include "core/Session.h"
#include "platform/IniProfile.h"
#include "support/TestSupport.h"

namespace cardoria {
namespace {

TEST(CustomBackgroundCaptionTest, CaptionAndPathUndoEachOther) {
  EXPECT_EQ(CustomBackgroundCaption("/home/ann/pics/sea.bmp"), "sea.bmp (/home/ann/pics/)");
  EXPECT_EQ(CustomBackgroundPath("sea.bmp (/home/ann/pics/)"), "/home/ann/pics/sea.bmp");
  // Trailing spaces after the bracket are dropped with it.
  EXPECT_EQ(CustomBackgroundPath("sea.bmp (/home/ann/pics/)   "), "/home/ann/pics/sea.bmp");
}

TEST(CustomBackgroundCaptionTest, EachSplitIsTriedUntilAFileExists) {
  struct Case {
    const char* path;  // the one existing file
  } cases[] = {
      {"/pics/sea (old).bmp"},     // " (" in the file name: the second split
      {"/my (2) pics/sea.bmp"},    // " (" in the folder: the first split
      {"/a (b)/c (d) e (f).bmp"},  // in both: the third split
      {"/plain/sea.bmp"},
  };
  for (const Case& c : cases) {
    const std::string caption = CustomBackgroundCaption(c.path);
    const auto exists = [&](const std::string& p) { return p == c.path; };
    EXPECT_EQ(FindCustomBackgroundPath(caption, exists), c.path) << caption;
  }
  // With no existing file the first split is the answer, as the caption reads.
  EXPECT_EQ(FindCustomBackgroundPath("x (y).bmp (/d/)", [](const std::string&) { return false; }), "y).bmp (/d/x");
}

class CustomBackgroundListTest : public ::testing::Test {
 protected:
  void Write(const std::string& section) {
    dir.Write("CFG.DAT", "[Preference]\nCard=1\n[Customized backgrounds]\n" + section + "[Users]\nUser001=Ann\n");
    settings.Open(dir / "CFG.DAT");
  }
  test::TempDir dir;
  IniProfile settings;
};

TEST_F(CustomBackgroundListTest, ReadingStopsAtTheFirstMissingOrEmptyKey) {
  Write("Background000=a.bmp (/p/)  \nBackground001=b.bmp (/p/)\nBackground002=\nBackground003=c.bmp (/p/)\n");
  EXPECT_EQ(ReadCustomBackgrounds(settings), (std::vector<std::string>{"a.bmp (/p/)", "b.bmp (/p/)"}));
  ASSERT_TRUE(AddCustomBackground(settings, "d.bmp (/p/)"));
  EXPECT_EQ(settings.ReadString(kCustomBackgroundsSection, "Background002", ""), "d.bmp (/p/)");
}

TEST_F(CustomBackgroundListTest, DeletingRenumbersFromZeroAndLeavesNoStaleKey) {
  Write(
      "Background000=a.bmp (/p/)\nBackground001=b.bmp (/p/)\nBackground002=a.bmp (/p/)\nBackground003=c.bmp "
      "(/p/)\n");
  ASSERT_TRUE(DeleteCustomBackground(settings, "a.bmp (/p/)"));
  const auto entries = settings.Entries(kCustomBackgroundsSection);
  EXPECT_EQ(entries, (std::vector<std::pair<std::string, std::string>>{{"Background000", "b.bmp (/p/)"},
                                                                       {"Background001", "c.bmp (/p/)"}}));
  // The other sections are kept.
  EXPECT_EQ(settings.ReadString("Users", "User001", ""), "Ann");
  EXPECT_EQ(settings.ReadString("Preference", "Card", ""), "1");
  ASSERT_TRUE(DeleteCustomBackground(settings, "b.bmp (/p/)"));
  ASSERT_TRUE(DeleteCustomBackground(settings, "c.bmp (/p/)"));
  EXPECT_TRUE(settings.Entries(kCustomBackgroundsSection).empty());
  EXPECT_TRUE(ReadCustomBackgrounds(IniProfile(dir / "CFG.DAT")).empty());
}

TEST(CardSpeedTest, SliderStepsAndTheirSpeeds) {
  const std::pair<int, int> steps[] = {{1, 50}, {2, 25}, {3, 10}, {4, 3}, {5, 0}};
  for (const auto& [position, speed] : steps) {
    EXPECT_EQ(SpeedOfSlider(position), speed);
    EXPECT_EQ(SliderOfSpeed(speed), position);
  }
  // Other stored speeds take the nearest step.
  EXPECT_EQ(SliderOfSpeed(99), 1);
  EXPECT_EQ(SliderOfSpeed(12), 3);
  EXPECT_EQ(SliderOfSpeed(1), 5);
}

TEST(SoundEntriesTest, EveryStateOnceAndTheCardsHeadingInItsOwnOrder) {
  std::set<int> states;
  std::size_t listed = 0;
  for (const char* heading : kSoundHeadings) {
    for (const SoundEntry* entry : SoundEntriesUnder(heading)) {
      EXPECT_STREQ(entry->heading, heading);
      states.insert(entry->state);
      ++listed;
    }
  }
  EXPECT_EQ(listed, 19u);
  EXPECT_EQ(states.size(), 19u);
  std::vector<std::string> cards;
  for (const SoundEntry* entry : SoundEntriesUnder("Cards")) cards.push_back(entry->caption);
  EXPECT_EQ(cards, (std::vector<std::string>{
                       "Automatic deal", "Autoplay move", "Card down", "Card up", "Deal a card from the stock",
                       "Pairing cards", "Play a card to a foundation", "Play a card to the tableau",
                       "Redeal with animation", "Redeal without animation", "Turn a card face up"}));
}

TEST(StoreLookTest, EachKindOfBackgroundEntry) {
  struct Case {
    int state;
    const char* def;
    const char* custom;
    const char* bmp;
    const char* fixed;
    const char* path;
  } cases[] = {
      {kPlayerPicture, "N", "Y", "0", "0", "/p/sea.bmp"},
      {kCustomColourEntry, "N", "N", "0", "0", ""},
      {279, "N", "N", "279", "0", ""},
      {16711680, "N", "N", "0", "16711680", ""},
      {0, "Y", "N", "0", "0", ""},
      {kCustomisePlaceholder, "Y", "N", "0", "0", ""},
  };
  for (const Case& c : cases) {
    Session session;
    LookChoice choice;
    choice.cardChoice = "004B";
    choice.backState = 7;
    choice.backgroundState = c.state;
    choice.backgroundCaption = "sea.bmp (/p/)";
    choice.customColour = 255;
    choice.fade = false;
    choice.irregularPiles = true;
    EXPECT_EQ(StoreLook(session, choice, [](const std::string&) { return true; }), c.path) << c.state;
    const TextStore& s = session.store;
    EXPECT_EQ(s.Get(pos::kBackgroundDef, 1), c.def) << c.state;
    EXPECT_EQ(s.Get(pos::kCustomizedBackground, 1), c.custom) << c.state;
    EXPECT_EQ(s.Get(pos::kBackgroundBmp, 4), c.bmp) << c.state;
    EXPECT_EQ(s.Get(pos::kBackgroundFixedCol, 15), c.fixed) << c.state;
    EXPECT_EQ(s.Get(pos::kBackgroundCol, 15), "255");
    EXPECT_EQ(s.Get(pos::kCard, 3), "004");
    EXPECT_EQ(s.Get(pos::kCardSize, 1), "B");
    EXPECT_EQ(s.Get(pos::kBackCard, 3), "007");
    EXPECT_EQ(s.Get(pos::kFadeBackground, 1), "N");
    EXPECT_EQ(s.Get(179, 1), "Y");
  }
}

TEST(StoreLookTest, AnySizeButBigTakesBack11AndTheSnapshotPutsEverythingBack) {
  Session session;
  TextStore& s = session.store;
  s.Set(pos::kCardSize, 1, "B");
  s.Set(pos::kCard, 3, "002");
  s.Set(pos::kBackCard, 3, "005");
  s.Set(pos::kBackgroundBmp, 4, "262");
  s.Set(pos::kCustomizedBackground, 1, "N");
  const LookSnapshot before = TakeLookSnapshot(s);
  LookChoice choice;
  choice.cardChoice = "003M";
  choice.backState = 7;
  choice.backgroundState = kPlayerPicture;
  StoreLook(session, choice, [](const std::string&) { return false; });
  EXPECT_EQ(s.Get(pos::kBackCard, 3), "011");
  EXPECT_EQ(s.Get(pos::kCardSize, 1), "M");
  // A big choice without a selected back keeps the stored one.
  choice.cardChoice = "001B";
  choice.backState = 0;
  s.Set(pos::kBackCard, 3, "005");
  StoreLook(session, choice, [](const std::string&) { return false; });
  EXPECT_EQ(s.Get(pos::kBackCard, 3), "005");
  RestoreLook(s, before);
  EXPECT_EQ(TakeLookSnapshot(s).values, before.values);
  EXPECT_EQ(s.Get(pos::kCard, 3), "002");
  EXPECT_EQ(s.Get(pos::kBackgroundBmp, 4), "262");
  EXPECT_EQ(s.Get(pos::kCustomizedBackground, 1), "N");
}

}  // namespace
}  // namespace cardoria
