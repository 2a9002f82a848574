#pragma once
// New looks at every game when the player asks for them: a background, a
// card set and a back drawn at random from what is installed.

#include <string>
#include <vector>

namespace cardoria {

struct Session;
class Random;

struct LooksChanged {
  bool background = false;
  bool cards = false;  // the card set or the back changed: reload the pictures
};

// Installed pictures whose names are the letters `prefix` and three digits
// (".bmp"), in name order, lower case.
std::vector<std::string> InstalledPictures(const Session& session, const std::string& prefix);

LooksChanged RandomizeLooks(Session& session, Random& random, bool manyColours);

}  // namespace cardoria
