#include "persist/RecentDeals.h"

#include <algorithm>

#include "core/TextHelpers.h"
#include "platform/IniProfile.h"

namespace cardoria {

namespace {
std::string Key(int i) { return "Game" + ZeroPad(i + 1, 3); }
}  // namespace

std::vector<std::string> RecentDeals(const IniProfile& settings) {
  std::vector<std::string> deals;
  for (int i = 0; i < kRecentDeals; ++i) deals.push_back(settings.ReadString("Game_Numbers", Key(i), ""));
  return deals;
}

void RecordRecentDeal(IniProfile& settings, const std::string& deal) {
  // The list as the file has it now: another window may have added to it.
  settings.Change([&](IniDocument& doc) {
    std::vector<std::string> deals;
    for (int i = 0; i < kRecentDeals; ++i) {
      std::string value;
      deals.push_back(doc.Find("Game_Numbers", Key(i), value) ? value : std::string());
    }
    // Each removed copy leaves an empty entry at the end.
    for (auto it = std::find(deals.begin(), deals.end(), deal); it != deals.end();
         it = std::find(deals.begin(), deals.end(), deal)) {
      deals.erase(it);
      deals.emplace_back();
    }
    deals.insert(deals.begin(), deal);
    for (int i = 0; i < kRecentDeals; ++i) doc.Set("Game_Numbers", Key(i), deals[static_cast<std::size_t>(i)]);
  });
}

}  // namespace cardoria
