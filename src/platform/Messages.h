#pragma once
// How the program speaks to the player: notices with one OK button, questions,
// and the fatal stop. The window system implements it; tests record it.

#include <string>

namespace cardoria {

class Messages {
 public:
  virtual ~Messages() = default;
  virtual void ShowInfo(const std::string& text, const std::string& caption = {}) = 0;
  // OK / Cancel; only Cancel refuses.
  virtual bool Confirm(const std::string& text) = 0;
  virtual bool AskYesNo(const std::string& text) = 0;
  // A notice with the check box "&Don't show this message box again";
  // true when the player ticked it.
  virtual bool ShowInfoOnce(const std::string& text) = 0;
  // Shows the message and ends the program at once without saving anything.
  // Implementations used in tests return, so callers stop on their own too.
  virtual void Fatal(const std::string& text, const std::string& caption = {}) = 0;
};

}  // namespace cardoria
