#include "app/GameTree.h"

#include <algorithm>
#include <cctype>

#include "app/Favourites.h"
#include "core/Catalogue.h"
#include "core/CatalogueFile.h"
#include "core/CustomGames.h"
#include "core/Session.h"

namespace cardoria {

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

bool NameLess(std::string_view a, std::string_view b) { return Lower(a) < Lower(b); }

// A field of a line at its full width: a short line reads as spaces past its
// end, so a damaged line never shifts the next field into this one.
std::string PaddedColumns(std::string_view line, int from, int count) {
  return PadRight(Columns(line, from, count), count);
}

int Number(std::string_view text) { return TextToIntDef(TrimRightSpaces(TrimLeftSpaces(text)), -1); }

TreeGame IndexGame(std::string_view entry) {
  return {IndexName(entry), IndexNumber(entry), FamilyImage(IndexFamily(entry)), IndexIsOwnDesign(entry)};
}

}  // namespace

const std::vector<TreeFolder>& TreeSkeleton() {
  static const std::vector<TreeFolder> kFolders = {
      {-10, "Favorite games", 0, 7, 8, true},
      {-20, "Folders list", 0, 9, 10, false},
      {-2010, "Selected games", -20, 5, 6, true},
      {-2070, "Customized games", -20, 21, 22, true},
      {-2020, "Game Type", -20, 9, 10, false},
      {-1, "Game Groups", -20, 28, 29, false},
      {-2030, "by Game Time", -1, 0, 1, false},
      {-203010, "Quick", -2030, 0, 1, true},
      {-203020, "Medium", -2030, 0, 1, true},
      {-203030, "Long", -2030, 0, 1, true},
      {-2040, "by Difficulty Level", -1, 0, 1, false},
      {-204010, "Easy", -2040, 0, 1, true},
      {-204020, "Medium", -2040, 0, 1, true},
      {-204030, "Hard", -2040, 0, 1, true},
      {-2050, "by Skill or Chance", -1, 0, 1, false},
      {-205050, "Chance only", -2050, 0, 1, true},
      {-205040, "Mostly chance", -2050, 0, 1, true},
      {-205030, "Moderate", -2050, 0, 1, true},
      {-205020, "Mostly skill", -2050, 0, 1, true},
      {-205010, "Difficult", -2050, 0, 1, true},
      {-2060, "by Chance of Winning", -1, 0, 1, false},
      {-206010, "Very low", -2060, 0, 1, true},
      {-206020, "Low", -2060, 0, 1, true},
      {-206030, "Medium", -2060, 0, 1, true},
      {-206040, "High", -2060, 0, 1, true},
      {-206050, "Very high", -2060, 0, 1, true},
      {-2090, "Others Groups", -20, 26, 27, false},
      {-209010, "Original games", -2090, 0, 1, true},
      {-209020, "Games for Children", -2090, 0, 1, true},
      {kOwnGamesFolder, "Games of our own design", -2090, 0, 1, true},
      {-2080, "New games", -20, 21, 22, true},
      {-30, "All games (alphabetically)", 0, 0, 1, true},
  };
  return kFolders;
}

const std::vector<FamilyFolder>& FamilyNodeTable() {
  static const std::vector<FamilyFolder> kFamilies = {
      {-202080, "Adding games type", 15, 31},
      {-202005, "Baker's Dozen type", 12, 25},
      {-202100, "Beleaguered Castle type", 17, 33},
      {-202010, "Canfield type", 2, 11},
      {-202015, "Fan games type", 11, 12},
      {-202020, "Forty Thieves type", 3, 13},
      {-202025, "FreeCell type", 4, 14},
      {-202030, "Klondike type", 5, 15},
      {-202090, "Memory games type", 16, 32},
      {-202035, "Pairing games type", 6, 16},
      {-202070, "Puzzle games type", 14, 30},
      {-202110, "Queen of Italy type", 18, 36},
      {-202040, "Row games type", 13, 34},
      {-202045, "Simple games type", 7, 17},
      {-202050, "Spider type", 8, 18},
      {-202055, "One-Deck games type", 9, 19},
      {-202060, "Two-Deck games type", 10, 20},
  };
  return kFamilies;
}

int FamilyImage(int family) {
  if (family == kCustomizedFamily) return kCustomImage;
  for (const FamilyFolder& f : FamilyNodeTable())
    if (f.family == family) return f.image;
  return -1;
}

std::string FamilyIconName(int family) {
  static const char* const kIcons[] = {
      "TREE5_CANFIELD_TYPE",    "TREE5_FORTYTHIEVES_TYPE", "TREE5_FREECELL_TYPE",    "TREE5_KLONDIKE_TYPE",
      "TREE5_PAIRING_TYPE",     "TREE5_SIMPLEGAMES_TYPE",  "TREE5_SPIDER_TYPE",      "TREE5_1DECK_TYPE",
      "TREE5_2DECK_TYPE",       "TREE5_FAN_TYPE",          "TREE5_BAKERSDOZEN_TYPE", "TREE5_ROW_TYPE",
      "TREE5_PUZZLE_TYPE",      "TREE5_ADDITION_TYPE",     "TREE5_MEMORY_TYPE",      "TREE5_BELEAGUEREDCASTLE_TYPE",
      "TREE5_QUEENOFITALY_TYPE"};
  if (family == kCustomizedFamily) return "TREE5_CUSTOMIZED_GAMES";
  if (family < 2 || family > 18) return {};
  return kIcons[family - 2];
}

const std::vector<std::string>& TreeImageNames() {
  static const std::vector<std::string> kNames = [] {
    std::vector<std::string> names = {"TREE1",   "TREE2",   "N_TREE3", "N_TREE4", "N_TREE5", "F_TREE1",
                                      "F_TREE2", "S_TREE1", "S_TREE2", "D_TREE1", "D_TREE2"};
    for (int family : {2, 11, 3, 4, 5, 6, 7, 8, 9, 10}) names.push_back(FamilyIconName(family));
    for (const char* name : {"C_TREE1", "C_TREE2", "TREE5_CUSTOMIZED_GAMES", "C_TREE2"}) names.emplace_back(name);
    names.push_back(FamilyIconName(12));
    for (const char* name : {"T_TREE1", "T_TREE2", "I_TREE1", "I_TREE2"}) names.emplace_back(name);
    for (int family : {14, 15, 16, 17, 13}) names.push_back(FamilyIconName(family));
    names.emplace_back("TREE5_ORIGINAL_TYPE");
    names.push_back(FamilyIconName(18));
    return names;
  }();
  return kNames;
}

const std::vector<DescriptiveValue>& DescriptiveValues(int rule) {
  static const std::vector<DescriptiveValue> kTime = {{0, "Long", "PROG_TIME_LONG", -203030},
                                                      {1, "Medium", "PROG_TIME_MEDIUM", -203020},
                                                      {2, "Quick", "PROG_TIME_QUICK", -203010}};
  static const std::vector<DescriptiveValue> kDifficulty = {{0, "Easy", "PROG_DIFF_EASY", -204010},
                                                            {1, "Medium", "PROG_DIFF_MEDIUM", -204020},
                                                            {2, "Hard", "PROG_DIFF_HARD", -204030}};
  static const std::vector<DescriptiveValue> kSkill = {{0, "Difficult", "PROG_SKILL_DIFFICULT", -205010},
                                                       {1, "Mostly skill", "PROG_SKILL_MOSTLYSKILL", -205020},
                                                       {2, "Moderate", "PROG_SKILL_MODERATE", -205030},
                                                       {3, "Mostly chance", "PROG_SKILL_MOSTLYCHANCE", -205040},
                                                       {4, "Chance only", "PROG_SKILL_CHANCEONLY", -205050}};
  static const std::vector<DescriptiveValue> kChance = {{0, "Very high", "PROG_CHAN_VERYHIGH", -206050},
                                                        {1, "High", "PROG_CHAN_HIGH", -206040},
                                                        {2, "Medium", "PROG_CHAN_MEDIUM", -206030},
                                                        {3, "Low", "PROG_CHAN_LOW", -206020},
                                                        {4, "Very low", "PROG_CHAN_VERYLOW", -206010}};
  static const std::vector<DescriptiveValue> kNone;
  switch (rule) {
    case 364: return kTime;
    case 365: return kDifficulty;
    case 366: return kSkill;
    case 367: return kChance;
    default: return kNone;
  }
}

const DescriptiveValue* FindDescriptiveValue(int rule, int value) {
  for (const DescriptiveValue& v : DescriptiveValues(rule))
    if (v.value == value) return &v;
  return nullptr;
}

std::optional<GroupRule> GroupOfFolder(int code) {
  for (int rule : {364, 365, 366, 367})
    for (const DescriptiveValue& v : DescriptiveValues(rule))
      if (v.folder == code) return GroupRule{rule, v.value};
  return std::nullopt;
}

TextList BuildGameIndexList(const Session& session) {
  TextList index;
  index.reserve(session.catalogue.size());
  for (const std::string& line : session.catalogue)
    index.push_back(PaddedColumns(line, 11, 50) + PaddedColumns(line, 1, 3) + PaddedColumns(line, 5, 3) +
                    PaddedColumns(line, 10, 1) + PaddedColumns(line, 4, 1));
  std::stable_sort(index.begin(), index.end(), [](const std::string& a, const std::string& b) {
    return NameLess(std::string_view(a).substr(0, 50), std::string_view(b).substr(0, 50));
  });
  return index;
}

std::string IndexName(std::string_view entry) { return TrimRightSpaces(Columns(entry, 1, 50)); }
int IndexFamily(std::string_view entry) { return Number(Columns(entry, 51, 3)); }
int IndexNumber(std::string_view entry) { return Number(Columns(entry, 54, 3)); }
bool IndexIsNew(std::string_view entry) { return Columns(entry, 57, 1) == "1"; }
bool IndexIsOwnDesign(std::string_view entry) { return Columns(entry, 58, 1) == "1"; }

std::string NodeText(const TreeGame& game) { return game.caption + (game.ownDesign ? kOwnDesignMark : ""); }

int CustomIndexEntry::Number() const { return cardoria::Number(Columns(entry, 1, 4)); }
int CustomIndexEntry::Base() const { return cardoria::Number(Columns(entry, 5, 4)); }
int CustomIndexEntry::Redeals() const { return TextToIntDef(Columns(entry, 9, 3), 0); }

std::vector<CustomIndexEntry> BuildCustomIndexList(const Session& session) {
  std::vector<CustomIndexEntry> list;
  for (const CustomGameRecord& record : ReadCustomGames(session))
    list.push_back(
        {record.name, ZeroPad(record.number, 4) + ZeroPad(record.base, 4) + PaddedColumns(record.overrides, 4, 3)});
  std::stable_sort(list.begin(), list.end(),
                   [](const CustomIndexEntry& a, const CustomIndexEntry& b) { return NameLess(a.name, b.name); });
  return list;
}

std::vector<TreeGame> SectionGames(const Session& session, std::string_view header) {
  const auto lines = ReadCatalogueFile(session);
  if (!lines) return {};
  std::vector<TreeGame> games;
  for (const std::string& stored : SectionLines(*lines, header)) {
    const int number = Number(RestoreText(stored));
    const std::string name = GameNameOf(session, number);
    if (number < 0 || name.empty()) continue;
    games.push_back({name, number, FamilyImage(FamilyOf(session, number)), IsOwnDesign(session, number)});
  }
  std::stable_sort(games.begin(), games.end(),
                   [](const TreeGame& a, const TreeGame& b) { return NameLess(a.caption, b.caption); });
  return games;
}

std::vector<TreeGame> AllGames(const TextList& index) {
  std::vector<TreeGame> games;
  games.reserve(index.size());
  for (const std::string& entry : index) games.push_back(IndexGame(entry));
  return games;
}

std::vector<TreeGame> NewGames(const TextList& index) {
  std::vector<TreeGame> games;
  for (const std::string& entry : index)
    if (IndexIsNew(entry)) games.push_back(IndexGame(entry));
  return games;
}

std::vector<TreeGame> OwnGames(const TextList& index) {
  std::vector<TreeGame> games;
  for (const std::string& entry : index)
    if (IndexIsOwnDesign(entry)) games.push_back(IndexGame(entry));
  return games;
}

std::vector<TreeGame> FamilyGames(const TextList& index, int family) {
  std::vector<TreeGame> games;
  for (const std::string& entry : index)
    if (IndexFamily(entry) == family) games.push_back(IndexGame(entry));
  return games;
}

std::vector<TreeGame> GroupGames(const Session& session, const TextList& index, int folder) {
  const auto group = GroupOfFolder(folder);
  if (!group) return {};
  // One reading of the file serves the whole folder.
  const TextList values = GameRulePairs(session, group->rule, group->rule);
  std::vector<TreeGame> games;
  for (const std::string& entry : index) {
    const int k = CatalogueIndexOf(session, IndexNumber(entry));
    if (k < 0 || static_cast<std::size_t>(k) >= values.size()) continue;
    if (TextToInt(values[static_cast<std::size_t>(k)].substr(0, 10)) == group->value) games.push_back(IndexGame(entry));
  }
  return games;
}

std::vector<TreeGame> CustomGames(const std::vector<CustomIndexEntry>& custom) {
  std::vector<TreeGame> games;
  for (const CustomIndexEntry& entry : custom) games.push_back({entry.name, entry.Number(), kCustomImage});
  return games;
}

std::vector<TreeGame> FavouriteGames(const Session& session) {
  std::vector<TreeGame> games;
  for (const auto& [name, number] : ReadFavourites(session))
    games.push_back(
        {TrimRightSpaces(name), number, FamilyImage(FamilyOf(session, number)), IsOwnDesign(session, number)});
  return games;
}

GameDescription DescribeGame(const Session& session, int code, const std::vector<CustomIndexEntry>& custom) {
  GameDescription d;
  d.base = code;
  int redeals = 0;
  if (code >= kFirstCustomGame) {
    d.customized = true;
    d.base = -1;
    for (const CustomIndexEntry& entry : custom) {
      if (entry.Number() != code) continue;
      d.base = entry.Base();
      redeals = entry.Redeals();
    }
  }
  const std::vector<int> v = GameRuleValue(session, d.base, {364, 365, 367, 368, 369, 284, 13, 366});
  d.decks = std::to_string(std::max(v[5], 0) / 52);
  auto describe = [](int rule, int value, std::string& text, std::string& picture) {
    if (const DescriptiveValue* found = FindDescriptiveValue(rule, value)) {
      text = found->text;
      picture = found->picture;
    }
  };
  describe(366, v[7], d.skill, d.skillPicture);
  if (d.customized) {
    // Other redeals change how long, how hard and how winnable a game is.
    for (std::string* text : {&d.time, &d.difficulty, &d.chance}) *text = "Customized game";
    for (std::string* picture : {&d.timePicture, &d.difficultyPicture, &d.chancePicture}) *picture = "PROG_DISABLED";
  } else {
    describe(364, v[0], d.time, d.timePicture);
    describe(365, v[1], d.difficulty, d.difficultyPicture);
    describe(367, v[2], d.chance, d.chancePicture);
    // -99: the file holds no ratio for this game.
    if (v[4] != 0 && v[4] != -99 && v[3] != -99)
      d.chance += " (about " + std::to_string(v[3]) + " in " + std::to_string(v[4]) + ")";
    redeals = v[6] == -99 ? 0 : v[6];
  }
  d.redeals = redeals == -1 ? "Unlimited" : redeals == 0 ? "0" : std::to_string(redeals - 1);
  return d;
}

}  // namespace cardoria
