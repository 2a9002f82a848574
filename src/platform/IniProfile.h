#pragma once
// INI-style preference files ("[Section]" lines and "key=value" lines) with
// the behaviour the stored files rely on: names compared without regard to
// case; missing file, section or key read as the default; values trimmed;
// writing one key keeps every other line as it was; every write goes through
// a temporary file renamed into place.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cardoria {

class FolderLock;

// The parsed text of one INI file, kept line by line so it can be written
// back unchanged except for what was set.
class IniDocument {
 public:
  IniDocument() = default;
  explicit IniDocument(std::string_view text);

  // The value of the first matching key in the first matching section that
  // has it; false when there is none.
  bool Find(std::string_view section, std::string_view key, std::string& value) const;
  void Set(std::string_view section, std::string_view key, std::string_view value);
  bool DeleteKey(std::string_view section, std::string_view key);
  // Every key of the section (all sections of that name, in file order; the
  // first of duplicate keys wins), with trimmed values.
  std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;
  bool HasSection(std::string_view section) const;

  std::string Text() const;

 private:
  struct Span {
    std::size_t header;  // index of the "[...]" line
    std::size_t end;     // one past the section's last line
  };
  std::vector<Span> Sections(std::string_view section) const;

  std::vector<std::string> lines_;
  std::string eol_ = "\n";
  bool finalEol_ = true;
};

// One preferences file on disk. Reads come from the copy loaded at Open;
// every write reads the file again, changes it and rewrites it at once, all
// under the lock of its folder when one is shared, so that what another
// process wrote in between is kept.
class IniProfile {
 public:
  IniProfile() = default;
  explicit IniProfile(std::string path) { Open(std::move(path)); }

  // What can go wrong with the file on disk.
  enum class Problem {
    Unreadable,  // it exists but could not be read at Open; it is never written
    NotWritten,  // a write failed; the file is as it was
  };
  // Called at each problem; set it before Open to hear of an unreadable file.
  void OnProblem(std::function<void(Problem)> handler) { onProblem_ = std::move(handler); }

  void Open(std::string path);
  // The lock that every write holds; without one, writes lock nothing.
  void UseLock(std::shared_ptr<FolderLock> lock) { lock_ = std::move(lock); }
  const std::string& Path() const { return path_; }

  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
  int ReadInt(std::string_view section, std::string_view key, int fallback) const;
  std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const {
    return doc_.Entries(section);
  }

  // False when the file could not be written; also false, without touching
  // the file, when it exists but could not be read at Open (it might hold
  // the player's settings in a form we do not understand).
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);
  bool WriteInt(std::string_view section, std::string_view key, int value);
  // Several keys of one section with a single rewrite of the file.
  bool WriteStrings(std::string_view section, const std::vector<std::pair<std::string, std::string>>& entries);
  bool DeleteKey(std::string_view section, std::string_view key);
  // Every key of the section removed, then these written, in one rewrite.
  bool ReplaceSection(std::string_view section, const std::vector<std::pair<std::string, std::string>>& entries);
  // Any change, made to the file as it is on disk now: read, `edit`, write.
  bool Change(const std::function<void(IniDocument&)>& edit);

 private:
  std::string path_;
  std::shared_ptr<FolderLock> lock_;
  IniDocument doc_;
  bool writable_ = true;
  std::function<void(Problem)> onProblem_;
};

}  // namespace cardoria
