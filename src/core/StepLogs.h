#pragma once
// The undo log (1) and the redo log (2): sequences of entries each closed by
// ",", an entry being empty or a run of three-digit tags.

#include <string>
#include <string_view>

namespace cardoria {

enum LogId : int { kUndoLog = 1, kRedoLog = 2 };

class StepLogs {
 public:
  void Clear(int log) { Mutable(log).clear(); }
  void Set(int log, std::string_view text) { Mutable(log) = text; }
  const std::string& Text(int log) const;
  int Length(int log) const { return static_cast<int>(Text(log).size()); }
  void Append(int log, std::string_view entry);
  void DropLast(int log);
  std::string Last(int log) const;
  // Log 1 only: the last entry becomes the zero-padded tag.
  void TagLast(int tag);
  bool LastHas(int log, int tag) const;
  int Count(int log, int tag) const;
  // Removes the last entry twice and appends the former last entry again.
  void MoveLast(int log);

 private:
  std::string& Mutable(int log);
  std::string undo_, redo_;
};

// Whether a log entry holds the three-digit tag at a tag boundary.
bool EntryHasTag(std::string_view entry, int tag);

}  // namespace cardoria
