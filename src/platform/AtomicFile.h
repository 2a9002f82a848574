#pragma once
// Files that change are written whole to a temporary file beside the target
// and renamed into place, so a crash leaves either the old or the new file.

#include <optional>
#include <string>
#include <string_view>

namespace cardoria {

// False when the temporary file can not be written or renamed; the old file
// is then untouched.
bool WriteFileAtomic(const std::string& path, std::string_view content);

// The whole content of a file, or nothing when it can not be read. Files
// larger than `limit` bytes are not read.
std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t limit = 64u << 20);

}  // namespace cardoria
