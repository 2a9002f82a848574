#pragma once
// What the game selection dialog shows, worked out without any widget: the
// fixed folders of the tree, the family folders, the index lists of the
// catalogue and the customized games, the games of each folder and the
// descriptive values of a game.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/TextHelpers.h"

namespace cardoria {

struct Session;

// Folder codes the dialog acts on by themselves.
inline constexpr int kFavouritesFolder = -10;
inline constexpr int kCustomFolder = -2070;
inline constexpr int kAllGamesFolder = -30;
inline constexpr int kNewGamesFolder = -2080;
inline constexpr int kOwnGamesFolder = -209030;
inline constexpr int kPlaceholderCode = -1;
inline constexpr int kNoFavouritesLeaf = -2;
inline constexpr int kNoCustomLeaf = -3;
inline constexpr int kCustomImage = 23;
inline constexpr int kLeafImage = 4;
// The box the dialog shows a game's picture in; the pictures ("GAME" + four
// digits) are drawn to fill it across or down.
inline constexpr int kGamePreviewWidth = 240, kGamePreviewHeight = 150;

// One folder of the fixed skeleton, in display order (parents first).
struct TreeFolder {
  int code;
  const char* caption;
  int parent;  // 0: a top-level folder
  int image, selectedImage;
  bool onDemand;  // created with a placeholder child
};
const std::vector<TreeFolder>& TreeSkeleton();

struct FamilyFolder {
  int code;
  const char* caption;
  int family;
  int image;
};
const std::vector<FamilyFolder>& FamilyNodeTable();
// The tree image of a family's games; -1 for a family that has no folder.
int FamilyImage(int family);
// The icon resource of a family; empty when it has none.
std::string FamilyIconName(int family);
// The resource names of the tree's image list, by index.
const std::vector<std::string>& TreeImageNames();

// A value of a descriptive rule (game time 364, difficulty 365, skill 366,
// chance of winning 367) with its text, picture and group folder.
struct DescriptiveValue {
  int value;
  const char* text;
  const char* picture;
  int folder;
};
const std::vector<DescriptiveValue>& DescriptiveValues(int rule);
const DescriptiveValue* FindDescriptiveValue(int rule, int value);
struct GroupRule {
  int rule;
  int value;
};
// The rule and value a group folder gathers; nothing for other codes.
std::optional<GroupRule> GroupOfFolder(int code);

// GameIndexList: PadRight(name, 50) + family (3) + number (3) + new mark (1)
// + own-design mark (1), one entry per catalogue line, in name order without
// regard to case.
TextList BuildGameIndexList(const Session& session);
std::string IndexName(std::string_view entry);  // trailing spaces removed
int IndexFamily(std::string_view entry);
int IndexNumber(std::string_view entry);
bool IndexIsNew(std::string_view entry);
bool IndexIsOwnDesign(std::string_view entry);

// CustomIndexList: number (4) + base game (4) + redeals (3), in name order.
struct CustomIndexEntry {
  std::string name;
  std::string entry;
  int Number() const;
  int Base() const;
  int Redeals() const;
};
std::vector<CustomIndexEntry> BuildCustomIndexList(const Session& session);

// A game a folder lists, as its node shows it.
struct TreeGame {
  std::string caption;  // the game's name
  int number = 0;
  int image = -1;
  bool ownDesign = false;
};
// What the node of a game shows: its name, and for a game of our own design
// the mark that says so.
inline constexpr const char* kOwnDesignMark = " (own design)";
std::string NodeText(const TreeGame& game);
// The games of a "[SectS]"-like section of the catalogue file, read anew, in
// name order; numbers that name no game are left out.
std::vector<TreeGame> SectionGames(const Session& session, std::string_view header);
std::vector<TreeGame> AllGames(const TextList& index);
std::vector<TreeGame> NewGames(const TextList& index);
std::vector<TreeGame> OwnGames(const TextList& index);
std::vector<TreeGame> FamilyGames(const TextList& index, int family);
// The games whose descriptive rule has the folder's value, in index order.
std::vector<TreeGame> GroupGames(const Session& session, const TextList& index, int folder);
std::vector<TreeGame> CustomGames(const std::vector<CustomIndexEntry>& custom);
// The favourites that still name a game, in key order.
std::vector<TreeGame> FavouriteGames(const Session& session);

// What the information panel shows for a game.
struct GameDescription {
  int base = -1;  // the game whose preview and rules are shown
  bool customized = false;
  std::string decks;
  std::string time, timePicture;
  std::string difficulty, difficultyPicture;
  std::string chance, chancePicture;
  std::string skill, skillPicture;
  std::string redeals;
};
GameDescription DescribeGame(const Session& session, int code, const std::vector<CustomIndexEntry>& custom);

}  // namespace cardoria
