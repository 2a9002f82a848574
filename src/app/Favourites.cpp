#include "app/Favourites.h"

#include "core/Catalogue.h"
#include "core/Session.h"
#include "core/TextHelpers.h"

namespace cardoria {

namespace {

std::string FavouriteKey(std::size_t i) { return "Game" + ZeroPad(static_cast<long long>(i), 3); }

}  // namespace

std::vector<std::string> ReadFavouriteNames(const Session& session) {
  std::vector<std::string> names;
  // Keys run from 000 to 999; a gap ends the list.
  for (std::size_t i = 0; i < 1000; ++i) {
    std::string name = session.settings.ReadString(kFavouritesSection, FavouriteKey(i), "");
    if (name.empty()) break;
    names.push_back(std::move(name));
  }
  return names;
}

std::vector<std::pair<std::string, int>> ReadFavourites(const Session& session) {
  std::vector<std::pair<std::string, int>> known;
  for (std::string& name : ReadFavouriteNames(session)) {
    const int number = GameNumberOf(session, name);
    if (number >= 0) known.emplace_back(std::move(name), number);
  }
  return known;
}

bool WriteFavourites(Session& session, const std::vector<std::string>& names) {
  std::vector<std::pair<std::string, std::string>> entries;
  for (std::size_t i = 0; i < names.size() && i < 1000; ++i) entries.emplace_back(FavouriteKey(i), names[i]);
  return session.settings.ReplaceSection(kFavouritesSection, entries);
}

bool RemoveFavourite(Session& session, std::string_view name) {
  std::vector<std::string> names = ReadFavouriteNames(session);
  for (auto it = names.begin(); it != names.end(); ++it) {
    if (*it == name) {
      names.erase(it);
      return WriteFavourites(session, names);
    }
  }
  return true;
}

}  // namespace cardoria
