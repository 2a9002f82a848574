#pragma once
// The help window: pages generated at build time, one per context number
// (game rules at game number + 3000, the dialogs' topics, the contents).

#include <QTextBrowser>
#include <QWidget>

class QTimer;
class QToolButton;

namespace cardoria {

struct Session;

// Opens (or raises) the help window at the topic with this context number.
void ShowHelpTopic(QWidget* parent, Session& session, int context);

// The about box, modal.
void ShowAboutBox(QWidget* parent, Session& session);

// Preference keys ("Preference" section) of the window's size.
inline constexpr const char* kHelpWidthKey = "Help_Window_Width";
inline constexpr const char* kHelpHeightKey = "Help_Window_Height";

// The pages are looked up in the installation's help folder without regard
// to case; a page that is not there becomes a page that says so.
class HelpBrowser final : public QTextBrowser {
 public:
  HelpBrowser(Session& session, QWidget* parent);
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  Session& session_;
};

// One instance, found by its object name "frmHelp"; closing only hides it,
// so its history lasts as long as it does.
class HelpWindow final : public QWidget {
 public:
  HelpWindow(Session& session, QWidget* parent);
  ~HelpWindow() override;

  void ShowTopic(int context);
  HelpBrowser* Browser() const { return browser_; }
  Session& SessionOf() const { return session_; }

 protected:
  void hideEvent(QHideEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void StoreSize();

  Session& session_;
  HelpBrowser* browser_;
  QToolButton* back_;
  QToolButton* forward_;
  QTimer* storeSize_;
};

}  // namespace cardoria
