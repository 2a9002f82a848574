#include "table/RandomLooks.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "core/Session.h"
#include "platform/Random.h"

namespace cardoria {

std::vector<std::string> InstalledPictures(const Session& session, const std::string& prefix) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(session.PathOf("Images"), ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    // Only the pictures of our own numbering: "b" + 3 digits or "db" + 3 digits.
    if (name.size() != prefix.size() + 7 || !name.starts_with(prefix) || !name.ends_with(".bmp")) continue;
    if (!IsAllDigits(name.substr(prefix.size(), 3))) continue;
    names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

LooksChanged RandomizeLooks(Session& s, Random& random, bool manyColours) {
  LooksChanged changed;
  TextStore& store = s.store;
  if (store.Get(pos::kRandomBackground, 1) == "Y") {
    std::vector<std::string> candidates;
    for (const std::string& name : InstalledPictures(s, "b"))
      if (manyColours ? name > "b256.bmp" : name <= "b256.bmp") candidates.push_back(name);
    // Blue, green, navy, olive, teal and white, as 0x00BBGGRR.
    const std::vector<int> colours = {0xFF0000, 0x008000, 0x800000, 0x008080, 0x808000, 0xFFFFFF};
    const bool withColours = !manyColours || store.Get(pos::kFadeBackground, 1) == "Y";
    const int total = static_cast<int>(candidates.size()) + (withColours ? 6 : 0);
    if (total > 0) {
      const int pick = random.Next(total);
      store.Set(pos::kBackgroundDef, 1, "N");
      store.Set(pos::kCustomizedBackground, 1, "N");
      if (pick < static_cast<int>(candidates.size())) {
        store.Set(pos::kBackgroundBmp, 4, candidates[static_cast<std::size_t>(pick)].substr(1, 3));
        store.Set(pos::kBackgroundFixedCol, 15, "0");
      } else {
        store.Set(pos::kBackgroundBmp, 4, "0");
        store.Set(pos::kBackgroundFixedCol, 15,
                  std::to_string(colours[static_cast<std::size_t>(pick) - candidates.size()]));
      }
      changed.background = true;
    }
  }
  if (store.Get(pos::kCardSize, 1) != "B") return changed;
  if (store.Get(pos::kRandomCard, 1) == "Y") {
    const std::string set = ZeroPad(random.Next(5) + 1, 3);
    if (set != store.Get(pos::kCard, 3)) {
      store.Set(pos::kCard, 3, set);
      changed.cards = true;
    }
  }
  if (store.Get(pos::kRandomDeck, 1) == "Y") {
    const std::vector<std::string> backs = InstalledPictures(s, "db");
    if (!backs.empty()) {
      const std::string back =
          backs[static_cast<std::size_t>(random.Next(static_cast<int>(backs.size())))].substr(2, 3);
      if (back != store.Get(pos::kBackCard, 3)) {
        store.Set(pos::kBackCard, 3, back);
        changed.cards = true;
      }
    }
  }
  return changed;
}

}  // namespace cardoria
