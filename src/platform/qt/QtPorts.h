#pragma once
// The desktop side of the platform ports, on Qt.

#include <QString>

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Screen.h"

class QWidget;

namespace cardoria {

// Message boxes over the main window. On a platform without a display
// (offscreen, minimal) nobody could answer, so texts go to standard error
// and questions take their default answer (OK, Yes; the check box unticked).
class QtMessages final : public Messages {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  void ShowInfo(const std::string& text, const std::string& caption) override;
  bool Confirm(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;
  bool ShowInfoOnce(const std::string& text) override;
  [[noreturn]] void Fatal(const std::string& text, const std::string& caption) override;

 private:
  QWidget* parent_ = nullptr;
};

// The primary screen; CARDORIA_SCREEN="WIDTHxHEIGHTxDEPTH" pretends another
// one (a 640-pixel or a 256-colour screen) to try how the program copes.
class QtScreen final : public Screen {
 public:
  ScreenInfo Info() const override;
};

class QtEventPump final : public EventPump {
 public:
  void ProcessPendingEvents() override;
};

// Whether the window system can show anything to a person.
bool IsInteractivePlatform();

// "\r" separates lines in the stored texts.
QString DisplayText(const std::string& text);

}  // namespace cardoria
