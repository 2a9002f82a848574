#include "core/TextStore.h"

#include "core/TextHelpers.h"

namespace cardoria {

namespace {
constexpr std::size_t kInitialBufferSize = 250;
}

TextStore::TextStore() { Reset(); }

void TextStore::Reset() {
  for (auto& buffer : buffers_) buffer.assign(kInitialBufferSize, ' ');
}

const std::string* TextStore::BufferFor(int position, std::size_t& index) const {
  if (position >= 1 && position <= 249) {
    index = static_cast<std::size_t>(position);
    return &buffers_[0];
  }
  if (position >= 250 && position <= 499) {
    index = static_cast<std::size_t>(position - 250);
    return &buffers_[1];
  }
  if (position >= 500 && position <= 999) {
    index = static_cast<std::size_t>(position - 500);
    return &buffers_[2];
  }
  return nullptr;
}

std::string* TextStore::BufferFor(int position, std::size_t& index) {
  return const_cast<std::string*>(static_cast<const TextStore*>(this)->BufferFor(position, index));
}

void TextStore::Set(int position, int width, std::string_view value) {
  std::size_t index = 0;
  std::string* buffer = BufferFor(position, index);
  if (!buffer || width <= 0) return;
  // Indexes are 1-based inside a buffer; the unused positions 250 and 500
  // (index 0) behave like index 1, as a text copy from index 0 does.
  const std::size_t start = index == 0 ? 0 : index - 1;
  const std::string field = PadRight(TrimLeftSpaces(value), width);
  if (buffer->size() < start + field.size()) buffer->resize(start + field.size(), ' ');
  buffer->replace(start, field.size(), field);
}

std::string TextStore::Get(int position, int width) const {
  std::size_t index = 0;
  const std::string* buffer = BufferFor(position, index);
  if (!buffer || width <= 0) return {};
  const std::size_t start = index == 0 ? 0 : index - 1;
  if (start >= buffer->size()) return {};
  return TrimRightSpaces(std::string_view(*buffer).substr(start, static_cast<std::size_t>(width)));
}

int TextStore::GetInt(int position, int width) const { return TextToInt(Get(position, width)); }

}  // namespace cardoria
