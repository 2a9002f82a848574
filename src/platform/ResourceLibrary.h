#pragma once
// The resource library "KRT.RGF": named bitmaps and cursors (with their hot
// spots) in one file, looked up by name without regard to case.
//
// Layout, little-endian: the 8 bytes "KRTRGF1\0", a 32-bit entry count, then
// per entry a 16-bit name length and the name, a kind byte (1 bitmap,
// 2 cursor), two 16-bit signed hot-spot coordinates, a 32-bit data length and
// the data (a PNG picture). Entries are stored sorted by upper-case name.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cardoria {

enum class ResourceKind : std::uint8_t { Bitmap = 1, Cursor = 2 };

struct ResourceEntry {
  std::string name;
  ResourceKind kind = ResourceKind::Bitmap;
  int hotX = 0;
  int hotY = 0;
  std::string data;
};

class ResourceLibrary {
 public:
  // Nothing when the file is missing, truncated or not a library.
  static std::optional<ResourceLibrary> Load(const std::string& path);
  static std::optional<ResourceLibrary> Parse(std::string_view bytes);
  // The file content for a set of entries; the same set gives the same bytes.
  static std::string Serialize(std::vector<ResourceEntry> entries);

  const ResourceEntry* Find(std::string_view name) const;
  const std::vector<ResourceEntry>& Entries() const { return entries_; }

 private:
  std::vector<ResourceEntry> entries_;  // sorted by upper-case name
};

std::string UpperName(std::string_view name);

}  // namespace cardoria
