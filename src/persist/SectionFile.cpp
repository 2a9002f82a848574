#include "persist/SectionFile.h"

#include <algorithm>

#include "persist/FileSystem.h"

namespace cardoria {

namespace {

constexpr std::size_t kChunk = 8192;

// The first line that is exactly `line`, searched chunk by chunk; each chunk
// overlaps the previous one by the line and its line end, so a line that
// spans two chunks is seen whole in one of them.
std::optional<std::uint64_t> FindWholeLine(const FileSystem& fs, const std::string& file, std::string_view line) {
  const std::size_t overlap = line.size() + 2;
  const std::size_t want = std::max(kChunk, overlap * 2);
  std::uint64_t offset = 0;
  for (;;) {
    const auto chunk = fs.ReadAt(file, offset, want);
    if (!chunk) return std::nullopt;
    const bool atEnd = chunk->size() < want;
    const std::string& c = *chunk;
    for (std::size_t p = c.find(line); p != std::string::npos; p = c.find(line, p + 1)) {
      // The previous chunk has judged a line that starts right here.
      if (p == 0 && offset > 0) continue;
      const std::size_t after = p + line.size();
      if (!atEnd && after + 2 > c.size()) break;
      const bool startsLine = p == 0 || c[p - 1] == '\n';
      const bool endsLine = after == c.size() || c[after] == '\n' ||
                            (c[after] == '\r' && (after + 1 == c.size() || c[after + 1] == '\n'));
      if (startsLine && endsLine) return offset + p;
    }
    if (atEnd) return std::nullopt;
    offset += c.size() - overlap;
  }
}

struct Span {
  std::uint64_t header = 0;
  std::uint64_t body = 0;  // the first byte after the header line
  std::uint64_t end = 0;   // the "[" of the next section, or the file's end
  bool headerEnded = true;
};

std::optional<Span> FindSpan(const FileSystem& fs, const std::string& file, std::string_view name) {
  const std::string header = "[" + std::string(name) + "]";
  const auto at = FindWholeLine(fs, file, header);
  if (!at) return std::nullopt;
  Span span;
  span.header = *at;
  span.body = *at + header.size();
  const auto next = fs.ReadAt(file, span.body, 2);
  if (!next) return std::nullopt;
  if (next->starts_with("\r\n"))
    span.body += 2;
  else if (next->starts_with("\n") || next->starts_with("\r"))
    span.body += 1;
  else
    span.headerEnded = false;
  // The section ends before the next line that begins with "[".
  std::uint64_t offset = span.body;
  for (bool first = true;; first = false) {
    const auto chunk = fs.ReadAt(file, offset, kChunk);
    if (!chunk) return std::nullopt;
    if (first && chunk->starts_with('[')) {
      span.end = offset;
      return span;
    }
    const std::size_t p = chunk->find("\n[");
    if (p != std::string::npos) {
      span.end = offset + p + 1;
      return span;
    }
    if (chunk->size() < kChunk) {
      span.end = offset + chunk->size();
      return span;
    }
    offset += chunk->size() - 1;
  }
}

struct Line {
  std::size_t start;  // offset in the section text
  std::string text;   // without its line end
};

std::vector<Line> LinesOf(std::string_view text) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    lines.push_back({start, std::string(text.substr(start, stop - start))});
    start = next;
  }
  return lines;
}

bool KeyMatches(std::string_view line, std::string_view key) {
  return line.size() > key.size() && line.starts_with(key) && line[key.size()] == '=';
}

std::optional<std::string> SectionText(const FileSystem& fs, const std::string& file, const Span& span) {
  return fs.ReadAt(file, span.body, static_cast<std::size_t>(span.end - span.body));
}

std::string PairLines(const KeyValues& pairs) {
  std::string text;
  for (const auto& [key, value] : pairs) text += key + "=" + value + "\r\n";
  return text;
}

// The section's lines become `body`; the rest of the file is copied as it is.
bool RewriteBody(FileSystem& fs, const std::string& file, const Span& span, std::string_view body) {
  const auto content = fs.ReadAll(file);
  if (!content || content->size() < span.end) return false;
  std::string updated = content->substr(0, static_cast<std::size_t>(span.body));
  if (!span.headerEnded) updated += "\r\n";
  updated += body;
  updated += content->substr(static_cast<std::size_t>(span.end));
  return fs.Replace(file, updated);
}

}  // namespace

std::optional<std::uint64_t> FindSection(const FileSystem& fs, const std::string& file, std::string_view name) {
  return FindWholeLine(fs, file, "[" + std::string(name) + "]");
}

std::string ReadValue(const FileSystem& fs, const std::string& file, std::string_view section, std::string_view key,
                      std::string_view fallback) {
  const ValuesRead read = ReadValues(fs, file, section, {std::string(key)}, {std::string(fallback)});
  return read.allFound ? TrimRightSpaces(read.values[0]) : std::string(fallback);
}

ValuesRead ReadValues(const FileSystem& fs, const std::string& file, std::string_view section, const TextList& keys,
                      const TextList& defaults) {
  ValuesRead read;
  read.values.resize(keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i) read.values[i] = i < defaults.size() ? defaults[i] : std::string();
  const auto span = FindSpan(fs, file, section);
  const auto text = span ? SectionText(fs, file, *span) : std::nullopt;
  if (!text) return read;
  std::vector<bool> found(keys.size(), false);
  for (const Line& line : LinesOf(*text)) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (found[i] || !KeyMatches(line.text, keys[i])) continue;
      read.values[i] = line.text.substr(keys[i].size() + 1);
      found[i] = true;
    }
  }
  read.allFound = std::all_of(found.begin(), found.end(), [](bool f) { return f; });
  return read;
}

TextList ReadSectionLines(const FileSystem& fs, const std::string& file, std::string_view section) {
  TextList lines;
  const auto span = FindSpan(fs, file, section);
  const auto text = span ? SectionText(fs, file, *span) : std::nullopt;
  if (!text) return lines;
  for (Line& line : LinesOf(*text)) {
    if (!line.text.empty()) lines.push_back(std::move(line.text));
  }
  return lines;
}

TextList ListSections(const FileSystem& fs, const std::string& file) {
  TextList names;
  const auto content = fs.ReadAll(file);
  if (!content) return names;
  for (const Line& line : LinesOf(*content)) {
    if (auto name = SectionNameOf(line.text)) names.push_back(std::move(*name));
  }
  return names;
}

bool WriteValue(FileSystem& fs, const std::string& file, std::string_view section, std::string_view key,
                std::string_view value) {
  const auto span = FindSpan(fs, file, section);
  if (!span) return AppendSection(fs, file, section, {{std::string(key), std::string(value)}});
  const auto text = SectionText(fs, file, *span);
  if (!text) return false;
  const std::vector<Line> lines = LinesOf(*text);
  std::string body;
  bool replaced = false;
  for (const Line& line : lines) {
    if (line.text.empty()) continue;
    if (!replaced && KeyMatches(line.text, key)) {
      replaced = true;
      if (line.text.size() - key.size() - 1 == value.size())
        return fs.WriteAt(file, span->body + line.start + key.size() + 1, value);
      body += std::string(key) + "=" + std::string(value) + "\r\n";
    } else {
      body += line.text + "\r\n";
    }
  }
  if (!replaced) body += std::string(key) + "=" + std::string(value) + "\r\n";
  return RewriteBody(fs, file, *span, body + "\r\n");
}

bool WriteSectionInPlace(FileSystem& fs, const std::string& file, std::string_view section, const KeyValues& pairs) {
  const auto span = FindSpan(fs, file, section);
  if (!span) return AppendSection(fs, file, section, pairs);
  const auto text = SectionText(fs, file, *span);
  if (!text) return false;
  // The part of the section up to the end of its last non-empty line.
  std::size_t used = 0;
  for (const Line& line : LinesOf(*text)) {
    if (line.text.empty()) continue;
    const std::size_t eol = text->find('\n', line.start);
    used = eol == std::string::npos ? text->size() : eol + 1;
  }
  const std::string lines = PairLines(pairs);
  const bool lineEnded = used == 0 || (*text)[used - 1] == '\n';
  if (lines.size() == used && lineEnded && span->headerEnded) return fs.WriteAt(file, span->body, lines);
  return RewriteBody(fs, file, *span, lines + text->substr(used));
}

bool RewriteSection(FileSystem& fs, const std::string& file, std::string_view section, const KeyValues& pairs) {
  const auto span = FindSpan(fs, file, section);
  if (!span) return AppendSection(fs, file, section, pairs);
  return RewriteBody(fs, file, *span, PairLines(pairs) + "\r\n");
}

bool AppendSection(FileSystem& fs, const std::string& file, std::string_view section, const KeyValues& pairs) {
  std::string content;
  if (fs.Exists(file)) {
    auto old = fs.ReadAll(file);
    if (!old) return false;
    content = std::move(*old);
  }
  content += "\r\n[" + std::string(section) + "]\r\n" + PairLines(pairs);
  return fs.Replace(file, content);
}

bool ReplaceInLines(FileSystem& fs, const std::string& file, int column, std::string_view from, std::string_view to) {
  // A file not written yet holds nothing to replace.
  if (!fs.Exists(file)) return true;
  const auto content = fs.ReadAll(file);
  if (!content || column < 1) return content.has_value();
  std::string updated;
  updated.reserve(content->size());
  bool changed = false;
  std::size_t start = 0;
  while (start < content->size()) {
    std::size_t eol = content->find('\n', start);
    const std::size_t next = eol == std::string::npos ? content->size() : eol + 1;
    if (eol == std::string::npos) eol = content->size();
    std::size_t stop = eol;
    if (stop > start && (*content)[stop - 1] == '\r') --stop;
    const std::string_view line(content->data() + start, stop - start);
    const std::size_t at = static_cast<std::size_t>(column - 1);
    if (line.size() >= at + from.size() && line.substr(at, from.size()) == from) {
      updated.append(line.substr(0, at));
      updated.append(to);
      updated.append(content->data() + start + at + from.size(), next - start - at - from.size());
      changed = true;
    } else {
      updated.append(content->data() + start, next - start);
    }
    start = next;
  }
  return !changed || fs.Replace(file, updated);
}

std::string JoinLines(const TextList& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::optional<std::string> SectionNameOf(std::string_view line) {
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
  return std::string(line.substr(1, line.size() - 2));
}

}  // namespace cardoria
