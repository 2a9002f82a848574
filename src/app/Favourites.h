#pragma once
// The favourite games: section "Favourite Games" of the preferences file,
// keys Game000, Game001, ... each holding a game name.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cardoria {

struct Session;

inline constexpr const char* kFavouritesSection = "Favourite Games";

// The stored names in key order, up to the first missing or empty key,
// including names that no longer name a game.
std::vector<std::string> ReadFavouriteNames(const Session& session);
// The stored names that still name a game, with their numbers.
std::vector<std::pair<std::string, int>> ReadFavourites(const Session& session);
// Replaces the whole list; false when the file could not be written.
bool WriteFavourites(Session& session, const std::vector<std::string>& names);
// Drops the entry with this name; the later entries move down one key.
bool RemoveFavourite(Session& session, std::string_view name);

}  // namespace cardoria
