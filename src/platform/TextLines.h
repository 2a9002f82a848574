#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cardoria {

// The lines of a text file: split at "\n", a "\r" before it dropped, and no
// empty last line for a final line break.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace cardoria
