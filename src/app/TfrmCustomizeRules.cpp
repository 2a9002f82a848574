#include "app/TfrmCustomizeRules.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/CustomGameCommands.h"
#include "app/HelpWindow.h"
#include "core/Catalogue.h"
#include "core/CustomGames.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "core/TextStore.h"
#include "persist/StatsPorts.h"

namespace cardoria {

namespace {

// A field that holds something other than a number: the values differ from
// any a number gives, so the change enables OK and OK then says why it refuses.
constexpr int kNotANumber = -32768;

std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }
bool IsNumber(const std::string& text) { return !text.empty() && IsAllDigits(text); }

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TfrmCustomizeRules2::TfrmCustomizeRules2(const Session& session, Messages& messages, const std::string& name,
                                         QWidget* parent)
    : QDialog(parent), session_(session), messages_(messages) {
  setObjectName(QStringLiteral("frmCustomizeRules2"));
  setWindowTitle(QStringLiteral("Customize rules"));
  auto* layout = new QVBoxLayout(this);
  auto* prompt = new QLabel(QStringLiteral("E&nter a name for the new game:"));
  edtName_ = new QLineEdit(Q(TrimRightSpaces(name)));
  edtName_->setObjectName(QStringLiteral("edtName"));
  edtName_->setMaxLength(50);
  edtName_->selectAll();
  prompt->setBuddy(edtName_);
  auto* note =
      new QLabel(QStringLiteral("The new game is added to the folder \"Customized games\" of the game selection.\n"
                                "It is a game of its own, so that the statistics of the current game stay separate."));
  note->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOK"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(prompt);
  layout->addWidget(edtName_);
  layout->addWidget(note);
  layout->addWidget(buttons);
  setMinimumWidth(380);
}

std::string TfrmCustomizeRules2::Name() const { return TrimLeftSpaces(TrimRightSpaces(Text(edtName_))); }

void TfrmCustomizeRules2::accept() {
  const std::string name = Name();
  if (name.size() < 3) {
    messages_.ShowInfo("Please enter at least 3 characters.");
  } else if (GameNumberOf(session_, name) >= 0) {
    messages_.ShowInfo("This game name already exists.");
  } else {
    QDialog::accept();
    return;
  }
  edtName_->setFocus();
  edtName_->selectAll();
}

TfrmCustomizeRules::TfrmCustomizeRules(CustomizeRulesContext context, QWidget* parent) : QDialog(parent), c_(context) {
  Session& s = c_.session;
  number_ = s.store.GetInt(pos::kGameNumber, 4);
  setObjectName(QStringLiteral("frmCustomizeRules"));
  setWindowTitle(Q("Customize rules [" + TrimRightSpaces(s.store.Get(pos::kGameName, 50)) + "]"));

  pages_ = new QTabWidget;
  pages_->setObjectName(QStringLiteral("pgcRules"));
  auto* stock = new QWidget;
  stock->setObjectName(QStringLiteral("tabStock"));
  auto* tableau = new QWidget;
  tableau->setObjectName(QStringLiteral("tabTableau"));
  pages_->addTab(stock, QStringLiteral("&Stock"));
  pages_->addTab(tableau, QStringLiteral("&Tableau"));

  auto* grpCards = new QGroupBox(QStringLiteral("Cards per deal"));
  grpCards->setObjectName(QStringLiteral("grpCardsPerDeal"));
  auto* cardsLayout = new QHBoxLayout(grpCards);
  auto* cardsLabel = new QLabel(QStringLiteral("&Cards dealt at each click on the stock:"));
  edtCardsPerDeal_ = new QLineEdit;
  edtCardsPerDeal_->setObjectName(QStringLiteral("edtCardsPerDeal"));
  edtCardsPerDeal_->setMaxLength(3);
  edtCardsPerDeal_->setFixedWidth(50);
  cardsLabel->setBuddy(edtCardsPerDeal_);
  cardsLayout->addWidget(cardsLabel);
  cardsLayout->addWidget(edtCardsPerDeal_);
  cardsLayout->addStretch();

  auto* grpRedeals = new QGroupBox(QStringLiteral("Redeals"));
  grpRedeals->setObjectName(QStringLiteral("grpRedeals"));
  auto* redealsLayout = new QGridLayout(grpRedeals);
  rbUnlimited_ = new QRadioButton(QStringLiteral("&Unlimited"));
  rbUnlimited_->setObjectName(QStringLiteral("rbUnlimited"));
  rbNoRedeals_ = new QRadioButton(QStringLiteral("No redeals (&only 1 deal)"));
  rbNoRedeals_->setObjectName(QStringLiteral("rbNoRedeals"));
  rbSpecified_ = new QRadioButton(QStringLiteral("Specified nu&mber:"));
  rbSpecified_->setObjectName(QStringLiteral("rbSpecified"));
  edtRedeals_ = new QLineEdit;
  edtRedeals_->setObjectName(QStringLiteral("edtRedeals"));
  // Two digits: one more than the field still fits the three of the file.
  edtRedeals_->setMaxLength(2);
  edtRedeals_->setFixedWidth(50);
  lblDeals_ = new QLabel;
  lblDeals_->setObjectName(QStringLiteral("lblDeals"));
  lblDeals_->setMinimumWidth(130);
  redealsLayout->addWidget(rbUnlimited_, 0, 0, 1, 3);
  redealsLayout->addWidget(rbNoRedeals_, 1, 0, 1, 3);
  redealsLayout->addWidget(rbSpecified_, 2, 0);
  redealsLayout->addWidget(edtRedeals_, 2, 1);
  redealsLayout->addWidget(lblDeals_, 2, 2);
  redealsLayout->setColumnStretch(3, 1);
  auto* stockLayout = new QVBoxLayout(stock);
  stockLayout->addWidget(grpCards);
  stockLayout->addWidget(grpRedeals);
  stockLayout->addStretch();

  auto* grpEmpty = new QGroupBox(QStringLiteral("Empty tableau piles may be filled by"));
  grpEmpty->setObjectName(QStringLiteral("grpEmptyTableau"));
  auto* emptyLayout = new QVBoxLayout(grpEmpty);
  rbKingOnly_ = new QRadioButton(QStringLiteral("&King only"));
  rbKingOnly_->setObjectName(QStringLiteral("rbKingOnly"));
  rbAnyCard_ = new QRadioButton(QStringLiteral("&Any card"));
  rbAnyCard_->setObjectName(QStringLiteral("rbAnyCard"));
  rbNone_ = new QRadioButton(QStringLiteral("&None"));
  rbNone_->setObjectName(QStringLiteral("rbNone"));
  for (QRadioButton* b : {rbKingOnly_, rbAnyCard_, rbNone_}) emptyLayout->addWidget(b);
  auto* tableauLayout = new QVBoxLayout(tableau);
  tableauLayout->addWidget(grpEmpty);
  tableauLayout->addStretch();

  btnOk_ = new QPushButton(QStringLiteral("OK"));
  btnOk_->setObjectName(QStringLiteral("btnOK"));
  btnOk_->setDefault(true);
  auto* btnCancel = new QPushButton(QStringLiteral("Cancel"));
  btnCancel->setObjectName(QStringLiteral("btnCancel"));
  btnDelete_ = new QPushButton(QStringLiteral("&Delete"));
  btnDelete_->setObjectName(QStringLiteral("btnDelete"));
  auto* btnHelp = new QPushButton(QStringLiteral("&?"));
  btnHelp->setObjectName(QStringLiteral("btnHelp"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnDelete_);
  buttons->addStretch();
  for (QPushButton* b : {btnOk_, btnCancel, btnHelp}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addLayout(buttons);

  // Each group keeps its own choice; the tableau group can then be emptied.
  auto* redealGroup = new QButtonGroup(this);
  for (QRadioButton* b : {rbUnlimited_, rbNoRedeals_, rbSpecified_}) redealGroup->addButton(b);
  auto* emptyGroup = new QButtonGroup(this);
  for (QRadioButton* b : {rbKingOnly_, rbAnyCard_, rbNone_}) emptyGroup->addButton(b);

  // The values of the game as it is now; a customized game's permissions
  // are those of its base game.
  const CustomizableRules allowed = CustomizableRulesOf(s, number_);
  cardsNow_ = s.rules[rule::CardsPerDeal];
  redealsNow_ = s.rules[rule::Redeals];
  edtCardsPerDeal_->setText(QString::number(cardsNow_));
  if (redealsNow_ == -1) {
    rbUnlimited_->setChecked(true);
  } else if (redealsNow_ == 0) {
    rbNoRedeals_->setChecked(true);
  } else {
    rbSpecified_->setChecked(true);
    edtRedeals_->setText(QString::number(redealsNow_ - 1));
  }
  // A deal turns 91 into the rank below the foundation base: the value the
  // game was loaded with tells it apart from a fixed rank.
  const int space = s.rules[rule::TableauSpace];
  if (space == 13 || s.rulesSaveArea[0] == 91) {
    rbKingOnly_->setChecked(true);
  } else if (space == 0) {
    rbNone_->setChecked(true);
  } else {
    rbAnyCard_->setChecked(true);
  }
  grpCards->setEnabled(allowed.cardsPerDeal);
  edtCardsPerDeal_->setEnabled(allowed.cardsPerDeal);
  grpRedeals->setEnabled(allowed.redeals);
  for (QRadioButton* b : {rbUnlimited_, rbNoRedeals_, rbSpecified_}) b->setEnabled(allowed.redeals);
  edtRedeals_->setEnabled(allowed.redeals && rbSpecified_->isChecked());
  grpEmpty->setEnabled(allowed.emptyTableau);
  if (!allowed.emptyTableau) {
    emptyGroup->setExclusive(false);
    for (QRadioButton* b : {rbKingOnly_, rbAnyCard_, rbNone_}) {
      b->setChecked(false);
      b->setEnabled(false);
    }
    emptyGroup->setExclusive(true);
  }
  btnDelete_->setEnabled(number_ >= kFirstCustomGame);

  remembered_ = Read();
  Changed();

  connect(edtCardsPerDeal_, &QLineEdit::textChanged, this, &TfrmCustomizeRules::Changed);
  connect(edtRedeals_, &QLineEdit::textChanged, this, &TfrmCustomizeRules::Changed);
  for (QRadioButton* b : {rbUnlimited_, rbNoRedeals_, rbSpecified_, rbKingOnly_, rbAnyCard_, rbNone_})
    connect(b, &QRadioButton::toggled, this, &TfrmCustomizeRules::Changed);
  connect(btnOk_, &QPushButton::clicked, this, &TfrmCustomizeRules::OkClicked);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(btnDelete_, &QPushButton::clicked, this, &TfrmCustomizeRules::DeleteClicked);
  connect(btnHelp, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, c_.session, 1019); });
}

TfrmCustomizeRules::Values TfrmCustomizeRules::Read() const {
  Values v;
  // A rule the game does not let the player change keeps the game's value.
  const std::string cards = Text(edtCardsPerDeal_);
  if (!edtCardsPerDeal_->isEnabled()) {
    v.cards = cardsNow_;
  } else if (cards.empty()) {
    v.cards = 1;
  } else {
    v.cards = IsNumber(cards) ? TextToInt(cards) : kNotANumber;
  }
  const std::string redeals = Text(edtRedeals_);
  if (!rbUnlimited_->isEnabled()) {
    v.redeals = redealsNow_;
  } else if (rbUnlimited_->isChecked()) {
    v.redeals = -1;
  } else if (rbNoRedeals_->isChecked()) {
    v.redeals = 0;
  } else if (rbSpecified_->isChecked()) {
    v.redeals = IsNumber(redeals) ? TextToInt(redeals) + 1 : kNotANumber;
  } else {
    v.redeals = redealsNow_;
  }
  if (!rbKingOnly_->isEnabled() || !rbAnyCard_->isEnabled() || !rbNone_->isEnabled()) {
    v.empty = 0;
  } else {
    v.empty = rbKingOnly_->isChecked() ? 1 : rbAnyCard_->isChecked() ? 2 : rbNone_->isChecked() ? 3 : 0;
  }
  return v;
}

void TfrmCustomizeRules::Changed() {
  edtRedeals_->setEnabled(rbSpecified_->isEnabled() && rbSpecified_->isChecked());
  const std::string redeals = Text(edtRedeals_);
  if (rbNoRedeals_->isChecked()) {
    lblDeals_->setText(QStringLiteral("(1 deal in all)"));
  } else if (rbSpecified_->isChecked() && IsNumber(redeals)) {
    const int deals = TextToInt(redeals) + 1;
    lblDeals_->setText(deals == 1 ? QStringLiteral("(1 deal in all)") : QStringLiteral("(%1 deals in all)").arg(deals));
  } else {
    lblDeals_->clear();
  }
  btnOk_->setEnabled(Read() != remembered_);
}

bool TfrmCustomizeRules::CheckNumbers() {
  QLineEdit* wrong = nullptr;
  if (edtCardsPerDeal_->isEnabled() && !IsAllDigits(Text(edtCardsPerDeal_))) {
    wrong = edtCardsPerDeal_;
  } else if (rbSpecified_->isEnabled() && rbSpecified_->isChecked() && !IsNumber(Text(edtRedeals_))) {
    wrong = edtRedeals_;
  }
  if (!wrong) return true;
  c_.start.messages.ShowInfo("Numbers only are required.");
  pages_->setCurrentIndex(0);
  wrong->setFocus();
  wrong->selectAll();
  return false;
}

void TfrmCustomizeRules::OkClicked() {
  Session& s = c_.session;
  if (!CheckNumbers()) return;
  if (NewCustomNumber(s) > kLastCustomGame) {
    c_.start.messages.ShowInfo(kNoFreeCustomNumber);
    return;
  }
  TfrmCustomizeRules2 prompt(s, c_.start.messages, s.store.Get(pos::kGameName, 50), this);
  if (prompt.exec() != QDialog::Accepted) {
    reject();
    return;
  }
  const std::string name = prompt.Name();
  const Values v = Read();
  const int base = number_ >= kFirstCustomGame ? CustomGameInfo(s, number_).base : number_;
  const CustomGameAdded added = AddCustomGame(s, name, base, v.cards, v.redeals, v.empty);
  if (added.number < 0) {
    c_.start.messages.ShowInfo(added.problem);
    return;
  }
  hide();
  OfferCustomizedGame(s, c_.start, added.number, name);
  c_.host.CustomGamesChanged();
  accept();
}

void TfrmCustomizeRules::DeleteClicked() {
  Session& s = c_.session;
  if (!DeleteCustomGame(s, c_.stats, c_.host, number_, 2, s.store.Get(pos::kGameName, 50))) return;
  accept();
  c_.host.OpenGameSelection();
}

void CustomizeRulesDialog(CustomizeRulesContext context, QWidget* parent) {
  if (context.session.store.GetInt(pos::kGameNumber, 4) < 0) return;
  TfrmCustomizeRules dialog(context, parent);
  dialog.exec();
}

}  // namespace cardoria
