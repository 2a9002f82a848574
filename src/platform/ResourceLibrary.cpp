#include "platform/ResourceLibrary.h"

#include <algorithm>
#include <cctype>

#include "platform/AtomicFile.h"

namespace cardoria {

namespace {

constexpr std::string_view kMagic("KRTRGF1\0", 8);
constexpr std::size_t kLargestLibrary = 256u << 20;

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  bool Take(std::size_t n, std::string_view& out) {
    if (bytes_.size() - at_ < n) return false;
    out = bytes_.substr(at_, n);
    at_ += n;
    return true;
  }
  bool U(std::size_t n, std::uint32_t& out) {
    std::string_view raw;
    if (!Take(n, raw)) return false;
    out = 0;
    for (std::size_t i = 0; i < n; ++i)
      out |= static_cast<std::uint32_t>(static_cast<unsigned char>(raw[i])) << (8 * i);
    return true;
  }
  bool AtEnd() const { return at_ == bytes_.size(); }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

void PutU(std::string& out, std::uint32_t value, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string UpperName(std::string_view name) {
  std::string upper(name);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return upper;
}

std::optional<ResourceLibrary> ResourceLibrary::Load(const std::string& path) {
  const auto bytes = ReadWholeFile(path, kLargestLibrary);
  if (!bytes) return std::nullopt;
  return Parse(*bytes);
}

std::optional<ResourceLibrary> ResourceLibrary::Parse(std::string_view bytes) {
  Reader in(bytes);
  std::string_view magic;
  std::uint32_t count = 0;
  if (!in.Take(kMagic.size(), magic) || magic != kMagic || !in.U(4, count)) return std::nullopt;
  ResourceLibrary library;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint32_t nameLength = 0, kind = 0, hotX = 0, hotY = 0, dataLength = 0;
    std::string_view name, data;
    if (!in.U(2, nameLength) || !in.Take(nameLength, name) || !in.U(1, kind) || !in.U(2, hotX) || !in.U(2, hotY) ||
        !in.U(4, dataLength) || !in.Take(dataLength, data))
      return std::nullopt;
    if (kind != 1 && kind != 2) return std::nullopt;
    ResourceEntry entry;
    entry.name = std::string(name);
    entry.kind = static_cast<ResourceKind>(kind);
    entry.hotX = static_cast<std::int16_t>(hotX);
    entry.hotY = static_cast<std::int16_t>(hotY);
    entry.data = std::string(data);
    library.entries_.push_back(std::move(entry));
  }
  if (!in.AtEnd()) return std::nullopt;
  std::stable_sort(library.entries_.begin(), library.entries_.end(),
                   [](const auto& a, const auto& b) { return UpperName(a.name) < UpperName(b.name); });
  return library;
}

std::string ResourceLibrary::Serialize(std::vector<ResourceEntry> entries) {
  std::stable_sort(entries.begin(), entries.end(),
                   [](const auto& a, const auto& b) { return UpperName(a.name) < UpperName(b.name); });
  std::string out(kMagic);
  PutU(out, static_cast<std::uint32_t>(entries.size()), 4);
  for (const auto& entry : entries) {
    PutU(out, static_cast<std::uint32_t>(entry.name.size()), 2);
    out += entry.name;
    PutU(out, static_cast<std::uint32_t>(entry.kind), 1);
    PutU(out, static_cast<std::uint16_t>(entry.hotX), 2);
    PutU(out, static_cast<std::uint16_t>(entry.hotY), 2);
    PutU(out, static_cast<std::uint32_t>(entry.data.size()), 4);
    out += entry.data;
  }
  return out;
}

const ResourceEntry* ResourceLibrary::Find(std::string_view name) const {
  const std::string upper = UpperName(name);
  const auto it =
      std::lower_bound(entries_.begin(), entries_.end(), upper,
                       [](const ResourceEntry& e, const std::string& key) { return UpperName(e.name) < key; });
  return it != entries_.end() && UpperName(it->name) == upper ? &*it : nullptr;
}

}  // namespace cardoria
