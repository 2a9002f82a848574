#include "app/TfrmCustomHelp.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "app/ShowRules.h"
#include "core/Catalogue.h"
#include "core/CustomGames.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "core/TextStore.h"

namespace cardoria {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// A number of the override line, or nothing where it is malformed.
std::optional<int> OverrideNumber(const std::string& overrides, std::size_t at) {
  if (overrides.size() < at + 3) return std::nullopt;
  const std::string text = overrides.substr(at, 3);
  const std::string_view digits = text.starts_with('-') ? std::string_view(text).substr(1) : std::string_view(text);
  if (digits.empty() || !IsAllDigits(digits)) return std::nullopt;
  return TextToInt(text);
}

std::string RedealsText(int redeals) {
  if (redeals == -1) return "Unlimited";
  if (redeals == 0) return "0";
  return std::to_string(redeals - 1);
}

std::string SpaceText(int space) {
  if (space == 13 || space == 91) return "King only";
  if (space == 0) return "None";
  return "Any card";
}

}  // namespace

TfrmCustomHelp::TfrmCustomHelp(Session& session, int number, const std::string& name, QWidget* parent)
    : QDialog(parent) {
  const std::string shown = TrimRightSpaces(name.empty() ? session.store.Get(pos::kGameName, 50) : name);
  setObjectName(QStringLiteral("frmCustomHelp"));
  setWindowTitle(Q("Help [" + shown + "]"));
  const CustomGameRecord record = CustomGameInfo(session, number);
  const int base = record.base;
  const std::string baseName = base >= 0 ? GameNameOf(session, base) : std::string();
  const CustomizableRules allowed = CustomizableRulesOf(session, number);
  const std::vector<int> baseValues =
      GameRuleValue(session, base, {rule::CardsPerDeal, rule::Redeals, rule::TableauSpace});

  auto label = [this](const char* objectName, const std::string& text) {
    auto* l = new QLabel(Q(text), this);
    l->setObjectName(QString::fromLatin1(objectName));
    return l;
  };
  auto* layout = new QVBoxLayout(this);
  auto* origin = new QHBoxLayout;
  origin->addWidget(label("lblComesFrom", "This game comes from:"));
  QLabel* baseLabel = label("lblBaseGame", baseName);
  QFont bold = baseLabel->font();
  bold.setBold(true);
  baseLabel->setFont(bold);
  origin->addWidget(baseLabel);
  origin->addStretch();
  layout->addLayout(origin);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(24);
  QLabel* customHead = label("lblCustomName", shown);
  QLabel* baseHead = label("lblBaseName", baseName);
  customHead->setFont(bold);
  baseHead->setFont(bold);
  grid->addWidget(customHead, 0, 1);
  grid->addWidget(baseHead, 0, 2);

  // The record's value where it holds one, else the base game's.
  const int baseCards = baseValues[0], baseRedeals = baseValues[1], baseSpace = baseValues[2];
  const int cards = OverrideNumber(record.overrides, 0).value_or(baseCards);
  const int redeals = OverrideNumber(record.overrides, 3).value_or(baseRedeals);
  const char rule = record.overrides.size() >= 7 ? record.overrides[6] : '0';
  const std::string space = rule == '1'   ? "King only"
                            : rule == '2' ? "Any card"
                            : rule == '3' ? "None"
                                          : SpaceText(baseSpace);
  struct Row {
    const char* caption;
    const char* custom;
    const char* of;
    bool allowed;
    std::string mine, theirs;
  } rows[] = {
      {"Cards dealt:", "lblCustomCards", "lblBaseCards", allowed.cardsPerDeal, std::to_string(cards),
       std::to_string(baseCards)},
      {"Redeals:", "lblCustomRedeals", "lblBaseRedeals", allowed.redeals, RedealsText(redeals),
       RedealsText(baseRedeals)},
      {"Tableau spaces:", "lblCustomSpaces", "lblBaseSpaces", allowed.emptyTableau, space, SpaceText(baseSpace)},
  };
  int at = 1;
  for (const Row& row : rows) {
    grid->addWidget(new QLabel(QString::fromLatin1(row.caption), this), at, 0);
    grid->addWidget(label(row.custom, row.allowed ? row.mine : "-"), at, 1);
    grid->addWidget(label(row.of, row.allowed ? row.theirs : "-"), at, 2);
    ++at;
  }
  grid->setColumnStretch(3, 1);
  layout->addLayout(grid);

  auto* rules = new QHBoxLayout;
  auto* btnRules = new QPushButton(QStringLiteral("&Rules"), this);
  btnRules->setObjectName(QStringLiteral("btnRules"));
  rules->addWidget(btnRules);
  rules->addWidget(label("lblRules", "Click this button to view " + baseName + " rules"));
  rules->addStretch();
  layout->addLayout(rules);
  btnRules->setEnabled(base >= 0);
  connect(btnRules, &QPushButton::clicked, this, [this, &session, base] { ShowRules(this, session, base, ""); });

  auto* ok = new QHBoxLayout;
  auto* btnOk = new QPushButton(QStringLiteral("OK"), this);
  btnOk->setObjectName(QStringLiteral("btnOK"));
  btnOk->setDefault(true);
  ok->addStretch();
  ok->addWidget(btnOk);
  layout->addLayout(ok);
  connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
}

void ShowCustomRules(QWidget* parent, Session& session, int number, const std::string& name) {
  TfrmCustomHelp dialog(session, number, name, parent);
  dialog.exec();
}

}  // namespace cardoria
