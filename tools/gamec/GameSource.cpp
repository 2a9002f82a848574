#include "GameSource.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "core/RuleNames.h"
#include "core/RulesLoader.h"
#include "platform/Numbers.h"

namespace cardoria {

namespace {

std::string Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return std::string(text.substr(first, last - first + 1));
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < text.size()) {
    const auto start = text.find_first_not_of(" \t", at);
    if (start == std::string::npos) break;
    auto end = text.find_first_of(" \t", start);
    if (end == std::string::npos) end = text.size();
    words.push_back(text.substr(start, end - start));
    at = end;
  }
  return words;
}

// A whole decimal number, nothing else.
std::optional<int> WholeNumber(const std::string& text) {
  const std::string_view digits =
      text.starts_with('-') || text.starts_with('+') ? std::string_view(text).substr(1) : std::string_view(text);
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  return ParseLeadingInt(text);
}

struct Range {
  int low, high;
};

// Rules whose values are limited more tightly than a 16-bit cell.
const std::map<std::string, Range>& Ranges() {
  static const std::map<std::string, Range> ranges = {
      {"FoundationCount", {0, 16}}, {"TableauCount", {0, 28}},    {"ReserveCount", {0, 8}}, {"CardCount", {1, 104}},
      {"GameTimeClass", {0, 2}},    {"DifficultyClass", {0, 2}},  {"SkillClass", {0, 4}},   {"WinChanceClass", {0, 4}},
      {"StockGroupCount", {0, 2}},  {"SecondWasteCount", {0, 1}},
  };
  return ranges;
}

// Stored text is shifted by 48 codes and read back by the code it lands on:
// control characters and bytes from 0xD0 up would come back as other ones.
bool SurvivesShift(char c) {
  const auto x = static_cast<unsigned char>(c);
  return x >= 0x20 && x != 0x7F && x < 0xD0;
}

bool YesNo(const std::string& value, bool& out) {
  const std::string v = Lower(value);
  if (v == "yes" || v == "1") return out = true, true;
  if (v == "no" || v == "0") return out = false, true;
  return false;
}

}  // namespace

GameSource ParseGameSource(const std::string& fileName, const std::string& text, std::vector<SourceError>& errors) {
  GameSource game;
  std::set<std::string> seen;
  const std::size_t earlierErrors = errors.size();
  const TextList lines = SplitLines(text);
  auto fail = [&](std::size_t line, const std::string& what) {
    errors.push_back({fileName + ":" + std::to_string(line + 1) + ": " + what});
  };
  bool haveNumber = false, haveName = false, haveFamily = false;
  std::size_t ownDesignLine = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string line = Trim(lines[i]);
    if (line.empty() || line.starts_with('#')) continue;
    if (line == "Rules:") {
      for (std::size_t j = i + 1; j < lines.size(); ++j) game.rulesText += TrimRightSpaces(lines[j]) + "\n";
      while (game.rulesText.ends_with("\n\n")) game.rulesText.pop_back();
      game.rulesText.erase(0, game.rulesText.find_first_not_of('\n'));
      break;
    }
    const auto eq = line.find('=');
    if (eq == std::string::npos) {
      fail(i, "expected \"Name = value\"");
      continue;
    }
    const std::string key = Trim(line.substr(0, eq));
    const std::string value = Trim(line.substr(eq + 1));
    if (!seen.insert(key).second) {
      fail(i, "\"" + key + "\" is given twice");
      continue;
    }
    if (key == "Name") {
      if (value.empty() || value.size() > 50) fail(i, "a name has 1 to 50 characters");
      if (!std::all_of(value.begin(), value.end(), SurvivesShift))
        fail(i, "the name holds a control character or a byte of 0xD0 and above, which the catalogue can not store");
      game.entry.name = value;
      haveName = true;
    } else if (key == "Number" || key == "Family") {
      const auto number = WholeNumber(value);
      const bool isNumber = key == "Number";
      if (!number || (isNumber && (*number < 1 || *number > 999)) || (!isNumber && (*number < 2 || *number > 18))) {
        fail(i, isNumber ? "the number must be 1 to 999" : "the family must be 2 to 18");
        continue;
      }
      (isNumber ? game.entry.number : game.entry.family) = *number;
      (isNumber ? haveNumber : haveFamily) = true;
    } else if (key == "Needs800" || key == "New" || key == "Hidden" || key == "OwnDesign") {
      bool flag = false;
      if (!YesNo(value, flag)) fail(i, "\"" + key + "\" is yes or no");
      (key == "Needs800" ? game.entry.needs800
       : key == "New"    ? game.entry.marked
       : key == "Hidden" ? game.entry.hidden
                         : game.entry.ownDesign) = flag;
      if (key == "OwnDesign") ownDesignLine = i;
    } else if (key == "Groups") {
      for (const std::string& group : Words(value)) {
        if (group == "Selected")
          game.selected = true;
        else if (group == "Original")
          game.original = true;
        else if (group == "Children")
          game.children = true;
        else
          fail(i, "unknown group \"" + group + "\" (Selected, Original, Children)");
      }
    } else if (const RuleName* rule = FindRuleName(key)) {
      std::vector<int> values;
      bool bad = false;
      for (const std::string& word : Words(value)) {
        const auto star = word.find('*');
        auto number = WholeNumber(word.substr(0, star));
        if (!number) number = NamedValue(key, word.substr(0, star));
        const auto times = star == std::string::npos ? std::optional<int>(1) : WholeNumber(word.substr(star + 1));
        if (!number || !times || *times < 1 || *times > 28) {
          fail(i, "\"" + word + "\" is not a number" + std::string(HasNamedValues(key) ? " or a name" : "") +
                      " (or value*count)");
          bad = true;
          break;
        }
        values.insert(values.end(), static_cast<std::size_t>(*times), *number);
      }
      if (bad) continue;
      if (values.empty()) {
        fail(i, "\"" + key + "\" has no value");
        continue;
      }
      if (static_cast<int>(values.size()) > rule->size) {
        fail(i, "\"" + key + "\" takes at most " + std::to_string(rule->size) + " value" + (rule->size > 1 ? "s" : ""));
        continue;
      }
      const auto range = Ranges().find(key);
      for (std::size_t v = 0; v < values.size(); ++v) {
        const int low = range == Ranges().end() ? -32768 : range->second.low;
        const int high = range == Ranges().end() ? 32767 : range->second.high;
        if (values[v] < low || values[v] > high) {
          fail(i, "\"" + key + "\" must be " + std::to_string(low) + " to " + std::to_string(high));
          bad = true;
          break;
        }
        if (key == "CardCount" && values[v] > 52 && values[v] != 104) {
          fail(i, "\"CardCount\" is at most 52, or 104");
          bad = true;
          break;
        }
        if (values[v] != 0) game.entry.rules[rule->first + static_cast<int>(v)] = values[v];
      }
      (void)bad;
    } else {
      fail(i, "unknown name \"" + key + "\"");
    }
  }
  const std::size_t end = lines.size();
  // A source without rules text (one that gamec dump wrote) has nothing to say it in.
  const bool saysOwn = game.rulesText.starts_with(kOwnDesignLine);
  if (game.entry.ownDesign && !game.rulesText.empty() && !saysOwn)
    fail(ownDesignLine, std::string("the rules text of a game of our own design begins \"") + kOwnDesignLine + "\"");
  if (!game.entry.ownDesign && saysOwn)
    fail(end, "the rules text says the game is of our own design, and \"OwnDesign = yes\" is missing");
  if (!haveNumber) fail(end, "\"Number\" is missing");
  if (!haveName) fail(end, "\"Name\" is missing");
  if (!haveFamily) fail(end, "\"Family\" is missing");
  if (!game.entry.hidden && !game.entry.rules.contains(284)) fail(end, "\"CardCount\" is missing");
  if (game.entry.hidden && !game.entry.rules.empty()) fail(end, "a hidden game has no rule column to hold its rules");
  // The program refuses such rules when it loads them: so does the compiler,
  // once every value it was given could be read.
  if (errors.size() == earlierErrors && !game.entry.hidden) {
    const auto problem = DealProblem([&](int index) {
      const auto at = game.entry.rules.find(index);
      return at == game.entry.rules.end() ? 0 : at->second;
    });
    if (problem) fail(end, "the game " + *problem);
  }
  return game;
}

CatalogueFileContent BuildCatalogue(const std::vector<std::pair<std::string, GameSource>>& sources,
                                    std::vector<SourceError>& errors) {
  std::vector<const std::pair<std::string, GameSource>*> ordered;
  for (const auto& source : sources) ordered.push_back(&source);
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const auto* a, const auto* b) { return a->second.entry.number < b->second.entry.number; });
  CatalogueFileContent content;
  std::map<int, std::string> numbers;
  std::map<std::string, std::string> names;
  for (const auto* source : ordered) {
    const GameSource& game = source->second;
    if (const auto [it, added] = numbers.emplace(game.entry.number, source->first); !added)
      errors.push_back(
          {source->first + ": number " + std::to_string(game.entry.number) + " is also used by " + it->second});
    if (const auto [it, added] = names.emplace(Lower(game.entry.name), source->first); !added)
      errors.push_back({source->first + ": name \"" + game.entry.name + "\" is also used by " + it->second});
    content.games.push_back(game.entry);
    if (game.selected) content.selected.push_back(game.entry.number);
    if (game.original) content.original.push_back(game.entry.number);
    if (game.children) content.children.push_back(game.entry.number);
  }
  return content;
}

namespace {

std::string RuleLine(const RuleName& rule, const std::map<int, int>& rules) {
  std::vector<int> values;
  for (int i = 0; i < rule.size; ++i) {
    const auto it = rules.find(rule.first + i);
    values.push_back(it == rules.end() ? 0 : it->second);
  }
  while (!values.empty() && values.back() == 0) values.pop_back();
  if (values.empty()) return {};
  std::string line = std::string(rule.name) + " =";
  for (std::size_t i = 0; i < values.size();) {
    std::size_t run = 1;
    while (i + run < values.size() && values[i + run] == values[i]) ++run;
    line += " " + ValueText(rule.name, values[i]) + (run > 1 ? "*" + std::to_string(run) : "");
    i += run;
  }
  return line + "\n";
}

}  // namespace

std::vector<std::pair<std::string, std::string>> DumpCatalogue(const TextList& lines) {
  std::vector<std::pair<std::string, std::string>> files;
  const TextList rows = SectionLines(lines, "[Sect2]");
  std::set<int> groups[3];
  const char* groupNames[3] = {"Selected", "Original", "Children"};
  const char* headers[3] = {"[SectS]", "[SectO]", "[SectK]"};
  for (int g = 0; g < 3; ++g)
    for (const auto& stored : SectionLines(lines, headers[g]))
      groups[g].insert(TextToInt(TrimRightSpaces(RestoreText(stored))));
  int k = 0;
  for (const std::string& stored : SectionLines(lines, "[Sect1]")) {
    const std::string line = RestoreText(stored);
    const bool hidden = line.size() >= 8 && line[7] == '9';
    const int number = LineNumber(line);
    std::map<int, int> rules;
    if (!hidden) {
      for (const std::string& row : rows) {
        const std::size_t at = 16 + 11 * static_cast<std::size_t>(k);
        if (row.size() <= at) continue;
        const int value = TextToInt(TrimRightSpaces(RestoreText(row.substr(at, 10))));
        if (value != 0) rules[TextToInt(row.substr(0, 4))] = value;
      }
      ++k;
    }
    std::string text = "Number = " + std::to_string(number) + "\nName = " + LineName(line) +
                       "\nFamily = " + std::to_string(LineFamily(line)) + "\n";
    if (line.size() >= 9 && line[8] == '1') text += "Needs800 = yes\n";
    if (line.size() >= 10 && line[9] == '1') text += "New = yes\n";
    if (LineOwnDesign(line)) text += "OwnDesign = yes\n";
    if (hidden) text += "Hidden = yes\n";
    std::string groupText;
    for (int g = 0; g < 3; ++g)
      if (groups[g].contains(number)) groupText += std::string(groupText.empty() ? "" : " ") + groupNames[g];
    if (!groupText.empty()) text += "Groups = " + groupText + "\n";
    text += "\n";
    for (const RuleName& rule : AllRuleNames()) text += RuleLine(rule, rules);
    files.emplace_back(ZeroPad(number, 3) + ".game", text);
  }
  return files;
}

std::vector<std::pair<std::string, std::string>> DumpCatalogue(const std::string& fileName, const TextList& lines,
                                                               std::vector<SourceError>& errors) {
  const std::size_t before = errors.size();
  const TextList games = SectionLines(lines, "[Sect1]");
  if (games.empty()) errors.push_back({fileName + ": holds no games"});
  std::map<int, int> seen;  // number -> catalogue line
  std::size_t shown = 0;
  for (std::size_t i = 0; i < games.size(); ++i) {
    const std::string line = RestoreText(games[i]);
    const int number = LineNumber(line);
    if (number < 0) {
      errors.push_back({fileName + ": game line " + std::to_string(i + 1) + " has no game number"});
      continue;
    }
    if (const auto [it, added] = seen.emplace(number, static_cast<int>(i + 1)); !added)
      errors.push_back({fileName + ": game lines " + std::to_string(it->second) + " and " + std::to_string(i + 1) +
                        " both have the number " + std::to_string(number)});
    if (!(line.size() >= 8 && line[7] == '9')) ++shown;
  }
  if (!games.empty()) {
    if (const auto problem = RuleRowsProblem(SectionLines(lines, "[Sect2]"), shown))
      errors.push_back({fileName + ": " + *problem});
  }
  if (errors.size() != before) return {};
  return DumpCatalogue(lines);
}

std::string RulesTextFile(const std::vector<std::pair<std::string, GameSource>>& sources) {
  std::map<int, std::string> byNumber;
  for (const auto& [file, game] : sources) byNumber[game.entry.number] = game.rulesText;
  std::string text;
  for (const auto& [number, rules] : byNumber) text += "[Game " + ZeroPad(number, 4) + "]\n" + rules + "\n";
  return text;
}

}  // namespace cardoria
