// The preferences reader: what it reads comes back unchanged when written,
// and a key set through the writer reads back, with every other key as it was.

#include <algorithm>
#include <cctype>
#include <map>

#include "FuzzSupport.h"
#include "platform/IniProfile.h"

using namespace cardoria;

namespace {

constexpr const char* kSections[] = {"Preference", "Users", "Show_Messages", "Statistics"};
constexpr const char* kKeys[] = {"UserDefault", "Back_Card", "Speed_Move_Card", "User001", "MainWindowState_Left"};

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// Keys compared without regard to case, as the reader does.
std::map<std::string, std::string> EntryMap(const IniDocument& doc, const char* section) {
  std::map<std::string, std::string> entries;
  for (const auto& [key, value] : doc.Entries(section)) entries.emplace(Lower(key), value);
  return entries;
}

// Every line ends as the first one does, so the text is written back as read.
bool UniformLineEnds(std::string_view text) {
  const auto first = text.find('\n');
  const bool crlf = first != std::string_view::npos && first > 0 && text[first - 1] == '\r';
  for (auto at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1))
    if ((at > 0 && text[at - 1] == '\r') != crlf) return false;
  return text.empty() || text.back() != '\r';
}

// A value the writer stores as given: no line breaks, no blanks at its ends.
std::string ValueFrom(std::string_view text) {
  std::string value(text.substr(text.size() > 12 ? text.size() - 12 : 0));
  std::replace_if(
      value.begin(), value.end(), [](char c) { return c == '\n' || c == '\r'; }, '_');
  const auto first = value.find_first_not_of(" \t");
  if (first == std::string::npos) return "v";
  return value.substr(first, value.find_last_not_of(" \t") - first + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const IniDocument doc(text);
  if (UniformLineEnds(text)) FUZZ_CHECK(doc.Text() == text, "text not written back as read");
  // Mixed line ends are written in the first line's style, and a stray CR at
  // a line's end may go; the entries stay as they were.
  const IniDocument again(doc.Text());
  for (const char* section : kSections) {
    FUZZ_CHECK(again.Entries(section) == doc.Entries(section), section);
    for (const auto& [key, value] : doc.Entries(section)) {
      std::string found;
      FUZZ_CHECK(doc.Find(section, key, found) && found == value, key);
    }
  }

  const std::string value = ValueFrom(text);
  const std::size_t pick = size % (std::size(kSections) * std::size(kKeys));
  const char* section = kSections[pick % std::size(kSections)];
  const char* key = kKeys[pick / std::size(kSections)];
  IniDocument changed(text);
  changed.Set(section, key, value);
  const IniDocument reread(changed.Text());
  for (const char* other : kSections) {
    auto expected = EntryMap(doc, other);
    if (other == section) expected[Lower(key)] = value;
    FUZZ_CHECK(EntryMap(reread, other) == expected, std::string("after setting ") + section + "/" + key);
  }

  // The same through the file, once in a while: the writer's file reads back.
  if (size % 8 == 0) {
    fuzz::ClearScratch();
    fuzz::WriteScratchFile("CFG.DAT", text);
    IniProfile profile(fuzz::ScratchDir() + "CFG.DAT");
    FUZZ_CHECK(profile.WriteString(section, key, value), "profile not written");
    const IniProfile reopened(fuzz::ScratchDir() + "CFG.DAT");
    FUZZ_CHECK(reopened.ReadString(section, key, "") == value, "written value does not read back");
    for (const char* other : kSections)
      FUZZ_CHECK(reopened.Entries(other) == profile.Entries(other), "file differs from what was written");
  }
  return 0;
}
