#include "core/StepLogs.h"

#include "core/TextHelpers.h"

namespace cardoria {

std::string& StepLogs::Mutable(int log) { return log == kRedoLog ? redo_ : undo_; }
const std::string& StepLogs::Text(int log) const { return log == kRedoLog ? redo_ : undo_; }

void StepLogs::Append(int log, std::string_view entry) {
  std::string& text = Mutable(log);
  text += entry;
  text += ',';
}

void StepLogs::DropLast(int log) {
  std::string& text = Mutable(log);
  if (text.empty()) return;
  // The final comma closes the last entry; cut after the one before it.
  const std::size_t closing = text.ends_with(',') ? text.size() - 1 : text.size();
  const std::size_t previous = closing == 0 ? std::string::npos : text.rfind(',', closing - 1);
  if (previous == std::string::npos) {
    text.clear();
  } else {
    text.resize(previous + 1);
  }
}

std::string StepLogs::Last(int log) const {
  const std::string& text = Text(log);
  const std::size_t end = text.ends_with(',') ? text.size() - 1 : text.size();
  const std::size_t previous = end == 0 ? std::string::npos : text.rfind(',', end - 1);
  const std::size_t start = previous == std::string::npos ? 0 : previous + 1;
  return text.substr(start, end - start);
}

void StepLogs::TagLast(int tag) {
  DropLast(kUndoLog);
  Append(kUndoLog, ZeroPad(tag, 3));
}

bool EntryHasTag(std::string_view entry, int tag) {
  const std::string code = ZeroPad(tag, 3);
  for (std::size_t at = 0; at + 3 <= entry.size(); at += 3) {
    if (entry.substr(at, 3) == code) return true;
  }
  return false;
}

bool StepLogs::LastHas(int log, int tag) const { return EntryHasTag(Last(log), tag); }

int StepLogs::Count(int log, int tag) const {
  const std::string& text = Text(log);
  const std::string code = ZeroPad(tag, 3);
  int count = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    for (std::size_t at = start; at + 3 <= end; at += 3) {
      if (text.compare(at, 3, code) == 0) ++count;
    }
    start = end + 1;
  }
  return count;
}

void StepLogs::MoveLast(int log) {
  const std::string last = Last(log);
  DropLast(log);
  DropLast(log);
  Append(log, last);
}

}  // namespace cardoria
