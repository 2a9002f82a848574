#include "app/Favourites.h"

#include <gtest/gtest.h>

#include "app/Startup.h"
#include "core/Session.h"
#include "platform/ResourceLibrary.h"
#include "support/CatalogueFixture.h"
#include "support/TestSupport.h"

namespace cardoria {
namespace {

class FavouritesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Write("KRT.RGF", ResourceLibrary::Serialize({}));
    CatalogueFileContent catalogue;
    catalogue.games = {test::KlondikeLike(1, "Freecell"), test::KlondikeLike(2, "Klondike"),
                       test::KlondikeLike(4, "Spider")};
    test::WriteCatalogue(dir, catalogue);
    test::FakeScreen screen{ScreenInfo{}};
    StartupPorts ports{messages, screen, clock, random};
    InitializeSession(session, dir.Path());
    ASSERT_TRUE(MainFormCreate(session, ports, setup));
  }

  test::TempDir dir;
  Session session;
  test::RecordingMessages messages;
  test::FakeClock clock;
  Random random;
  WindowSetup setup;
};

TEST_F(FavouritesTest, ReadingStopsAtTheFirstGapAndSkipsNamesThatNoLongerNameAGame) {
  session.settings.WriteStrings(
      kFavouritesSection,
      {{"Game000", "Spider"}, {"Game001", "Lost Game"}, {"Game002", "freecell"}, {"Game004", "Klondike"}});
  EXPECT_EQ(ReadFavouriteNames(session), (std::vector<std::string>{"Spider", "Lost Game", "freecell"}));
  const auto known = ReadFavourites(session);
  ASSERT_EQ(known.size(), 2u);
  EXPECT_EQ(known[0], (std::pair<std::string, int>{"Spider", 4}));
  EXPECT_EQ(known[1].second, 1);
}

TEST_F(FavouritesTest, WritingReplacesTheListAndRemovingMovesTheLaterEntriesDown) {
  session.settings.WriteStrings(kFavouritesSection, {{"Game000", "Spider"}, {"Game005", "Stale"}});
  ASSERT_TRUE(WriteFavourites(session, {"Freecell", "Klondike", "Spider"}));
  ASSERT_TRUE(RemoveFavourite(session, "Klondike"));
  EXPECT_EQ(ReadFavouriteNames(session), (std::vector<std::string>{"Freecell", "Spider"}));
  // Nothing is left under the old keys, so no stale name comes back later.
  EXPECT_EQ(session.settings.Entries(kFavouritesSection).size(), 2u);
  IniProfile reread(session.settings.Path());
  EXPECT_EQ(reread.ReadString(kFavouritesSection, "Game001", ""), "Spider");
  EXPECT_EQ(reread.ReadString(kFavouritesSection, "Game002", ""), "");
}

}  // namespace
}  // namespace cardoria
