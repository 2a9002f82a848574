#include "core/RuleNames.h"

#include "core/BuildRule.h"
#include "core/PlayFamily.h"

namespace cardoria {

const std::vector<RuleName>& AllRuleNames() {
  static const std::vector<RuleName> names = {
      {"FoundationDealKind", 1, 1},
      {"SequenceRule", 2, 1},
      {"TableauLayout", 3, 1},
      {"FoundationLayout", 4, 1},
      {"ReserveLayout", 5, 1},
      {"StockFaceDown", 6, 1},
      {"HasStock", 7, 1},
      {"StockDealsToWaste", 8, 1},
      {"FirstCardToFoundation", 10, 1},
      {"MoveLimit", 11, 1},
      {"ReserveAnyCard", 12, 1},
      {"Redeals", 13, 1},
      {"RedealKind", 14, 1},
      {"StockDealOnlyEmptyWaste", 15, 1},
      {"FoundationTake", 16, 1},
      {"WasteLocked", 17, 1},
      {"AutoplayAvailable", 18, 1},
      {"NoSaveNoUndo", 20, 1},
      {"CardsPerDeal", 21, 1},
      {"AutoFillSource", 22, 1},
      {"SweepByPile", 23, 1},
      {"GridRows", 24, 1},
      {"GridCols", 25, 1},
      {"AdjacencyCols", 27, 1},
      {"FoundationSorted", 29, 1},
      {"PostDealHook", 30, 1},
      {"FoundationCapacity", 31, 1},
      {"DealSpecial", 32, 1},
      {"StockFirstRule", 33, 1},
      {"ClickMoves", 35, 1},
      {"ScreenNeed", 36, 1},
      {"PairingSum", 37, 1},
      {"FoundationsFirst", 38, 1},
      {"FillAfterFirstMove", 39, 1},
      {"AutoFaceUpAllowed", 40, 1},
      {"ScoreBase", 41, 1},
      {"MaxScore", 42, 1},
      {"WinScore", 43, 1},
      {"GameFamily", 44, 1},
      {"FoundationBase", 45, 16},
      {"FoundationDirection", 61, 16},
      {"FoundationBuild", 77, 16},
      {"FoundationStart", 93, 16},
      {"TableauSpace", 109, 28},
      {"TableauDirection", 137, 28},
      {"TableauBuild", 165, 28},
      {"TableauWrap", 193, 28},
      {"TableauAddKind", 221, 28},
      {"ReserveKind", 249, 8},
      {"ReserveAddKind", 257, 8},
      {"SecondWasteCard", 265, 1},
      {"WasteBuild", 266, 1},
      {"WasteNoDrop", 267, 1},
      {"StockArrangement", 268, 1},
      {"StockRow", 269, 1},
      {"FoundationArrangement", 270, 1},
      {"FoundationRow", 271, 1},
      {"TableauArrangement", 272, 1},
      {"TableauRow", 273, 1},
      {"TableauRows", 274, 1},
      {"ReserveArrangement", 275, 1},
      {"ReserveRow", 276, 1},
      {"DealToSecondWaste", 277, 1},
      {"SecondWasteRow", 278, 1},
      {"StockGroupCount", 279, 1},
      {"FoundationCount", 280, 1},
      {"TableauCount", 281, 1},
      {"ReserveCount", 282, 1},
      {"SecondWasteCount", 283, 1},
      {"CardCount", 284, 1},
      {"StockDealCount", 285, 1},
      {"WasteDealCount", 286, 1},
      {"ScoreDeduct", 287, 1},
      {"TableauDealCount", 288, 28},
      {"TableauFaceUp", 316, 28},
      {"SecondWasteDealCount", 344, 1},
      {"ReserveDealCount", 345, 8},
      {"ReserveFaceUp", 353, 8},
      {"CardsPerDealEditable", 361, 1},
      {"RedealsEditable", 362, 1},
      {"EmptyTableauEditable", 363, 1},
      {"GameTimeClass", 364, 1},
      {"DifficultyClass", 365, 1},
      {"SkillClass", 366, 1},
      {"WinChanceClass", 367, 1},
      {"WinChanceHits", 368, 1},
      {"WinChanceTries", 369, 1},
  };
  return names;
}

const RuleName* FindRuleName(std::string_view name) {
  for (const RuleName& rule : AllRuleNames()) {
    if (name == rule.name) return &rule;
  }
  return nullptr;
}

std::string RuleIndexName(int index) {
  for (const RuleName& rule : AllRuleNames()) {
    if (index < rule.first || index >= rule.first + rule.size) continue;
    if (rule.size == 1) return rule.name;
    return std::string(rule.name) + "[" + std::to_string(index - rule.first) + "]";
  }
  return "Rule" + std::to_string(index);
}

namespace {

bool IsBuildRule(std::string_view rule) { return rule == "TableauBuild" || rule == "FoundationBuild"; }

}  // namespace

bool HasNamedValues(std::string_view rule) { return rule == "GameFamily" || IsBuildRule(rule); }

std::optional<int> NamedValue(std::string_view rule, std::string_view name) {
  if (rule == "GameFamily")
    if (const auto family = PlayFamilyNamed(name)) return static_cast<int>(*family);
  if (IsBuildRule(rule))
    if (const auto build = BuildRuleNamed(name)) return static_cast<int>(*build);
  return std::nullopt;
}

std::string ValueText(std::string_view rule, int value) {
  const char* name = rule == "GameFamily" ? PlayFamilyNameOf(value)
                     : IsBuildRule(rule)  ? BuildRuleNameOf(value)
                                          : nullptr;
  return name ? name : std::to_string(value);
}

}  // namespace cardoria
