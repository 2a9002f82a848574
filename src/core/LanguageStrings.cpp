#include "core/LanguageStrings.h"

#include <map>

namespace cardoria {

namespace {

const std::map<int, std::string>& Table() {
  static const std::map<int, std::string> table = {
      {20031, "This file already exists.\nReplace existing file?"},
      {21601, "Save game"},
      {21602, "Open game"},
      {21803, "Add a player"},
      {21804, "Edit a player"},
      {21905, "Won"},
      {21906, "Lost"},
      {21907, "Total"},
      {21908, "Percent"},
      {21909, "Current"},
      {21915, "won"},
      {21916, "lost"},
      {21917, "won"},
      {21918, "lost"},
      {21919, "Game"},
      {22001, "Date"},
      {22002, "Start"},
      {22003, "Time"},
      {22004, "Game"},
      {22005, "W/L"},
      {22007, "Score"},
      {22008, "Player"},
      {22009, "Won"},
      {22010, "Lost"},
  };
  return table;
}

}  // namespace

std::string LanguageString(int language, int n) {
  const auto& table = Table();
  if (auto it = table.find(language + n); it != table.end()) return it->second;
  if (auto it = table.find(kEnglishLanguage + n); it != table.end()) return it->second;
  return {};
}

}  // namespace cardoria
