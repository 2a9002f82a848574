#pragma once
// The last twenty deal numbers, newest first, kept in the preferences file
// ("Game_Numbers", keys Game001 to Game020) for the deal-number dialog.

#include <string>
#include <vector>

namespace cardoria {

class IniProfile;

inline constexpr int kRecentDeals = 20;

std::vector<std::string> RecentDeals(const IniProfile& settings);
void RecordRecentDeal(IniProfile& settings, const std::string& deal);

}  // namespace cardoria
