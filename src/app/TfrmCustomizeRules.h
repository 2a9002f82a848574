#pragma once
// TfrmCustomizeRules: derives a new game from the current one with other
// stock, redeal and empty-pile rules; TfrmCustomizeRules2 asks its name.

#include <QDialog>
#include <string>

#include "deal/GameStart.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace cardoria {

struct Session;
struct StatsPorts;
class CustomGameHost;

struct CustomizeRulesContext {
  Session& session;
  GameStartPorts start;
  StatsPorts& stats;
  CustomGameHost& host;
};

class TfrmCustomizeRules2 final : public QDialog {
 public:
  TfrmCustomizeRules2(const Session& session, Messages& messages, const std::string& name, QWidget* parent);
  // The name as typed, without the spaces around it.
  std::string Name() const;
  // Closes only for a name of 3 characters or more that no game has yet.
  void accept() override;

 private:
  const Session& session_;
  Messages& messages_;
  QLineEdit* edtName_ = nullptr;
};

class TfrmCustomizeRules final : public QDialog {
 public:
  TfrmCustomizeRules(CustomizeRulesContext context, QWidget* parent);

  // The rules as the controls give them: cards per deal, redeals, and the
  // empty-tableau rule (0 not customized, 1 king only, 2 any card, 3 none).
  struct Values {
    int cards = 0, redeals = 0, empty = 0;
    bool operator==(const Values&) const = default;
  };
  Values Read() const;

 private:
  void Changed();
  void OkClicked();
  void DeleteClicked();
  bool CheckNumbers();

  CustomizeRulesContext c_;
  int number_ = -1;
  int cardsNow_ = 1, redealsNow_ = 1;
  Values remembered_;
  QTabWidget* pages_ = nullptr;
  QLineEdit* edtCardsPerDeal_ = nullptr;
  QLineEdit* edtRedeals_ = nullptr;
  QLabel* lblDeals_ = nullptr;
  QRadioButton *rbUnlimited_ = nullptr, *rbNoRedeals_ = nullptr, *rbSpecified_ = nullptr;
  QRadioButton *rbKingOnly_ = nullptr, *rbAnyCard_ = nullptr, *rbNone_ = nullptr;
  QPushButton* btnOk_ = nullptr;
  QPushButton* btnDelete_ = nullptr;
};

// The command "Customize rules...".
void CustomizeRulesDialog(CustomizeRulesContext context, QWidget* parent);

}  // namespace cardoria
