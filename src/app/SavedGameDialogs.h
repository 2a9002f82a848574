#pragma once
// The dialogs of the saved-game commands: the file dialogs, the overwrite
// question and TfrmHoldAndExit, which asks at closing (when the player wants
// to be asked) whether the unfinished game is lost or held for the next start.

#include <QDialog>
#include <memory>
#include <string>

namespace cardoria {

struct Session;

enum class HoldAnswer { ExitAndPostLoss, HoldAndExit, Cancel };

class TfrmHoldAndExit final : public QDialog {
 public:
  TfrmHoldAndExit(Session& session, QWidget* parent);
  HoldAnswer Answer() const { return answer_; }

 private:
  HoldAnswer answer_ = HoldAnswer::Cancel;
};

class SaveDialogs {
 public:
  enum class Replace { Yes, No, Cancel };
  virtual ~SaveDialogs() = default;
  // The chosen path; empty when cancelled.
  virtual std::string ChooseSaveFile(const std::string& folder) = 0;
  virtual std::string ChooseOpenFile(const std::string& folder) = 0;
  virtual Replace AskReplace(const std::string& path) = 0;
  virtual HoldAnswer AskHoldAndExit() = 0;
};

// The titles and the question come from the player's language.
std::unique_ptr<SaveDialogs> MakeQtSaveDialogs(QWidget* parent, Session& session);

}  // namespace cardoria
