#include "platform/IniProfile.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "platform/AtomicFile.h"
#include "platform/FolderLock.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/TextLines.h"

namespace cardoria {

namespace {

constexpr std::size_t kLargestProfile = 64u << 20;

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The name of a "[Section]" line, or false for any other line.
bool SectionHeader(std::string_view line, std::string_view& name) {
  const std::string_view t = Trim(line);
  if (!t.starts_with('[')) return false;
  const auto close = t.find(']');
  if (close == std::string_view::npos) return false;
  name = Trim(t.substr(1, close - 1));
  return true;
}

// The key and value of a "key=value" line; comments and lines without "="
// are not entries.
bool KeyLine(std::string_view line, std::string_view& key, std::string_view& value) {
  const std::string_view t = Trim(line);
  if (t.empty() || t.starts_with(';')) return false;
  const auto eq = t.find('=');
  if (eq == std::string_view::npos) return false;
  key = Trim(t.substr(0, eq));
  value = Trim(t.substr(eq + 1));
  return !key.empty();
}

}  // namespace

IniDocument::IniDocument(std::string_view text) {
  if (text.empty()) return;
  const auto firstNl = text.find('\n');
  if (firstNl != std::string_view::npos && firstNl > 0 && text[firstNl - 1] == '\r') eol_ = "\r\n";
  finalEol_ = text.back() == '\n';
  lines_ = SplitLines(text);
}

std::vector<IniDocument::Span> IniDocument::Sections(std::string_view section) const {
  std::vector<Span> spans;
  bool open = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    std::string_view name;
    if (!SectionHeader(lines_[i], name)) continue;
    if (open) spans.back().end = i;
    open = EqualNoCase(name, Trim(section));
    if (open) spans.push_back({i, lines_.size()});
  }
  return spans;
}

bool IniDocument::HasSection(std::string_view section) const { return !Sections(section).empty(); }

bool IniDocument::Find(std::string_view section, std::string_view key, std::string& value) const {
  for (const Span& span : Sections(section)) {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
      std::string_view k, v;
      if (KeyLine(lines_[i], k, v) && EqualNoCase(k, Trim(key))) {
        value.assign(v);
        return true;
      }
    }
  }
  return false;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  const auto spans = Sections(section);
  for (const Span& span : spans) {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
      std::string_view k, v;
      if (KeyLine(lines_[i], k, v) && EqualNoCase(k, Trim(key))) {
        lines_[i] = std::string(k) + "=" + std::string(value);
        return;
      }
    }
  }
  const std::string line = std::string(Trim(key)) + "=" + std::string(value);
  if (!spans.empty()) {
    // After the section's last non-blank line, so blank separators stay put.
    std::size_t at = spans.front().end;
    while (at > spans.front().header + 1 && Trim(lines_[at - 1]).empty()) --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
    return;
  }
  if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
  lines_.push_back("[" + std::string(Trim(section)) + "]");
  lines_.push_back(line);
  finalEol_ = true;
}

bool IniDocument::DeleteKey(std::string_view section, std::string_view key) {
  for (const Span& span : Sections(section)) {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
      std::string_view k, v;
      if (KeyLine(lines_[i], k, v) && EqualNoCase(k, Trim(key))) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
        return true;
      }
    }
  }
  return false;
}

std::vector<std::pair<std::string, std::string>> IniDocument::Entries(std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> entries;
  for (const Span& span : Sections(section)) {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
      std::string_view k, v;
      if (!KeyLine(lines_[i], k, v)) continue;
      const bool seen =
          std::any_of(entries.begin(), entries.end(), [&](const auto& entry) { return EqualNoCase(entry.first, k); });
      if (!seen) entries.emplace_back(std::string(k), std::string(v));
    }
  }
  return entries;
}

std::string IniDocument::Text() const {
  std::string text;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    text += lines_[i];
    if (i + 1 < lines_.size() || finalEol_) text += eol_;
  }
  return text;
}

void IniProfile::Open(std::string path) {
  path_ = std::move(path);
  doc_ = IniDocument();
  writable_ = true;
  if (!FileExists(path_)) return;
  if (auto text = ReadWholeFile(path_, kLargestProfile)) {
    doc_ = IniDocument(*text);
  } else {
    writable_ = false;
    if (onProblem_) onProblem_(Problem::Unreadable);
  }
}

std::string IniProfile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
  std::string value;
  return doc_.Find(section, key, value) ? value : std::string(fallback);
}

int IniProfile::ReadInt(std::string_view section, std::string_view key, int fallback) const {
  std::string value;
  return doc_.Find(section, key, value) ? LenientInt(value, fallback) : fallback;
}

bool IniProfile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  return WriteStrings(section, {{std::string(key), std::string(value)}});
}

namespace {

void SetAll(IniDocument& doc, std::string_view section,
            const std::vector<std::pair<std::string, std::string>>& entries) {
  for (const auto& [key, value] : entries) {
    // A line break inside a value would turn into lines of their own.
    std::string clean(value);
    std::replace_if(
        clean.begin(), clean.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    doc.Set(section, key, clean);
  }
}

}  // namespace

bool IniProfile::WriteStrings(std::string_view section,
                              const std::vector<std::pair<std::string, std::string>>& entries) {
  return Change([&](IniDocument& doc) { SetAll(doc, section, entries); });
}

bool IniProfile::ReplaceSection(std::string_view section,
                                const std::vector<std::pair<std::string, std::string>>& entries) {
  return Change([&](IniDocument& doc) {
    for (const auto& [key, value] : doc.Entries(section)) {
      while (doc.DeleteKey(section, key)) {
      }
    }
    SetAll(doc, section, entries);
  });
}

bool IniProfile::WriteInt(std::string_view section, std::string_view key, int value) {
  return WriteString(section, key, std::to_string(value));
}

bool IniProfile::DeleteKey(std::string_view section, std::string_view key) {
  return Change([&](IniDocument& doc) { doc.DeleteKey(section, key); });
}

bool IniProfile::Change(const std::function<void(IniDocument&)>& edit) {
  if (!writable_) return false;
  std::optional<FolderLock::Hold> hold;
  if (lock_ && !path_.empty()) hold.emplace(*lock_);
  std::optional<std::string> text;
  if (!path_.empty() && FileExists(path_)) {
    text = ReadWholeFile(path_, kLargestProfile);
    if (!text) {
      // This run keeps the change; the file keeps what it holds.
      edit(doc_);
      if (onProblem_) onProblem_(Problem::NotWritten);
      return false;
    }
  }
  IniDocument doc = text ? IniDocument(*text) : doc_;
  const std::string before = doc.Text();
  edit(doc);
  const std::string after = doc.Text();
  doc_ = std::move(doc);
  if (path_.empty()) return false;
  if ((after != before || !text) && !WriteFileAtomic(path_, after)) {
    if (onProblem_) onProblem_(Problem::NotWritten);
    return false;
  }
  return true;
}

}  // namespace cardoria
