#pragma once
// The names of the rule indexes, as the catalogue sources and the tools spell
// them. A scalar rule is one index; a per-pile rule is a run of indexes, one
// per foundation, tableau pile or reserve.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cardoria {

struct RuleName {
  const char* name;
  int first;  // index of the rule, or of pile 0 for a per-pile rule
  int size;   // 1 for a scalar rule
};

const std::vector<RuleName>& AllRuleNames();
const RuleName* FindRuleName(std::string_view name);
// The name of an index with its pile number for per-pile rules
// ("TableauBuild[3]"), or "Rule" + index for indexes without a name.
std::string RuleIndexName(int index);

// Rules whose values have names ("GameFamily = gaps", "TableauBuild =
// alternate-colours*7"): a source may write the name or the number, and the
// tools write the name.
bool HasNamedValues(std::string_view rule);
std::optional<int> NamedValue(std::string_view rule, std::string_view name);
// The name of a value where it has one, else its number.
std::string ValueText(std::string_view rule, int value);

}  // namespace cardoria
