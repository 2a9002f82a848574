#pragma once
// The text files of the statistics, the hi-scores and the overall score: CR LF
// lines (LF alone is read too) in sections that start with a header line
// "[name]" and hold "key=value" lines. Every writer keeps a key's value at
// one width, so a single value is overwritten in place and a record update
// neither reads nor writes the whole file. Anything that changes the length
// of a section goes through a temporary file.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/TextHelpers.h"
#include "platform/TextLines.h"

namespace cardoria {

class FileSystem;

using KeyValues = std::vector<std::pair<std::string, std::string>>;

// Byte offset of the first line that is exactly "[name]"; nothing when there
// is none or the file does not exist.
std::optional<std::uint64_t> FindSection(const FileSystem& fs, const std::string& file, std::string_view name);

// The value with trailing spaces removed, or `fallback` when the file, the
// section or the key is missing.
std::string ReadValue(const FileSystem& fs, const std::string& file, std::string_view section, std::string_view key,
                      std::string_view fallback);

struct ValuesRead {
  TextList values;  // the text after "=" unchanged, or the key's default
  bool allFound = false;
};
ValuesRead ReadValues(const FileSystem& fs, const std::string& file, std::string_view section, const TextList& keys,
                      const TextList& defaults);

// The non-empty lines of the section, whole.
TextList ReadSectionLines(const FileSystem& fs, const std::string& file, std::string_view section);
TextList ListSections(const FileSystem& fs, const std::string& file);

// The writers answer false when the file could not be changed; it is then as
// it was.
bool WriteValue(FileSystem& fs, const std::string& file, std::string_view section, std::string_view key,
                std::string_view value);
bool WriteSectionInPlace(FileSystem& fs, const std::string& file, std::string_view section, const KeyValues& pairs);
bool RewriteSection(FileSystem& fs, const std::string& file, std::string_view section, const KeyValues& pairs);
bool AppendSection(FileSystem& fs, const std::string& file, std::string_view section, const KeyValues& pairs);
// In every line in which `from` stands at the 1-based column, it is replaced by
// `to`. Nothing is written when no line matches or there is no file.
bool ReplaceInLines(FileSystem& fs, const std::string& file, int column, std::string_view from, std::string_view to);

// Helpers on whole texts for the operations that rewrite a file anyway.
std::string JoinLines(const TextList& lines);
std::optional<std::string> SectionNameOf(std::string_view line);

}  // namespace cardoria
