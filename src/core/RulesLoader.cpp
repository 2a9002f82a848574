#include "core/RulesLoader.h"

#include <algorithm>
#include <optional>

#include "core/Catalogue.h"
#include "core/CatalogueFile.h"
#include "core/CustomGames.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "platform/Messages.h"

namespace cardoria {

namespace {

bool Damaged(Session& session, Messages& messages, const std::string& why) {
  session.rules.Clear();
  messages.ShowInfo(
      "The game catalogue " + session.PathOf(kCatalogueFile) + " is damaged: " + why + "\rReinstall the program.",
      "Error");
  return false;
}

}  // namespace

std::optional<std::string> DealProblem(const std::function<int(int index)>& value) {
  const int cards = value(rule::CardCount);
  if (cards < 1 || cards > 108) return "has no pack of cards (CardCount " + std::to_string(cards) + ").";
  const int columns = std::clamp(value(rule::TableauCount), 0, 28);
  for (int i = columns; i < 28; ++i)
    if (value(rule::TableauDealCount + i) != 0)
      return "deals cards to column " + std::to_string(i + 1) + " but has " + std::to_string(columns) + " columns.";
  if ((value(rule::FoundationDealKind) == 1 || value(rule::FoundationDealKind) == 2 ||
       value(rule::FirstCardToFoundation) == 1) &&
      value(rule::FoundationCount) < 1)
    return "deals cards to a foundation but has none.";
  const int reserves = std::clamp(value(rule::ReserveCount), 0, 8);
  for (int i = reserves; i < 8; ++i)
    if (value(rule::ReserveDealCount + i) > 0)
      return "deals cards to reserve " + std::to_string(i + 1) + " but has " + std::to_string(reserves) + " reserves.";
  return std::nullopt;
}

void ApplyCustomOverrides(Session& session, const std::string& overrides) {
  auto number = [&](std::size_t at) -> std::optional<int> {
    if (overrides.size() < at + 3) return std::nullopt;
    const std::string text = TrimRightSpaces(TrimLeftSpaces(Columns(overrides, static_cast<int>(at) + 1, 3)));
    const std::string_view digits = text.starts_with('-') ? std::string_view(text).substr(1) : std::string_view(text);
    if (digits.empty() || !IsAllDigits(digits)) return std::nullopt;
    return TextToInt(text);
  };
  // Only what the base game lets the player change: a hand-edited file could
  // otherwise give a game a stock rule its play has no piles for.
  const CustomizableRules allowed = CustomizableRulesFrom([&](int index) { return session.rules[index]; });
  if (const auto cards = number(0); cards && allowed.cardsPerDeal) session.rules.Set(rule::CardsPerDeal, *cards);
  if (const auto redeals = number(3); redeals && allowed.redeals) session.rules.Set(rule::Redeals, *redeals);
  if (overrides.size() < 7 || !allowed.emptyTableau) return;
  int space = 0;
  switch (overrides[6]) {
    case '1': space = 91; break;
    case '2': space = -1; break;
    case '3': space = 0; break;
    default: return;
  }
  const int tableau = std::clamp(session.rules[GameRules::kTableauCount], 0, 28);
  for (int i = 0; i < tableau; ++i) session.rules.Set(rule::TableauSpace + i, space);
}

bool LoadGameRules(Session& session, Messages& messages) {
  session.rules.Clear();
  const int number = session.store.GetInt(pos::kGameNumber, 4);
  int base = number;
  std::string overrides;
  if (number >= kFirstCustomGame) {
    const CustomGameRecord record = CustomGameInfo(session, number);
    base = record.base;
    overrides = record.overrides;
    // The fault lies with the customized game, not with the catalogue.
    if (CatalogueIndexOf(session, base) < 0) {
      session.rules.Clear();
      const std::string why = base < 0 ? "it has no game number " + std::to_string(number) + "."
                                       : "game " + std::to_string(number) + " is based on game " +
                                             std::to_string(base) + ", which the catalogue does not hold.";
      messages.ShowInfo("The customized games file " + session.PathOf(kCustomGamesFile) + " is damaged: " + why,
                        "Error");
      return false;
    }
  }
  const int k = CatalogueIndexOf(session, base);
  if (k < 0) return Damaged(session, messages, "it has no game number " + std::to_string(base) + ".");
  const auto lines = ReadCatalogueFile(session);
  if (!lines) return Damaged(session, messages, "it can not be read.");
  const TextList rows = SectionLines(*lines, "[Sect2]");
  if (const auto problem = RuleRowsProblem(rows, session.catalogue.size())) return Damaged(session, messages, *problem);
  for (const std::string& row : rows) {
    const std::string indexText = Columns(row, 1, 4);
    if (!IsAllDigits(TrimLeftSpaces(TrimRightSpaces(indexText))) || TrimRightSpaces(indexText).empty())
      return Damaged(session, messages, "a rule row has no index.");
    const int index = TextToInt(indexText);
    const std::string stored = Columns(row, 17 + 11 * k, 10);
    if (stored.empty()) return Damaged(session, messages, "rule row " + std::to_string(index) + " is too short.");
    const std::string cell = TrimRightSpaces(RestoreText(stored));
    const std::string_view digits = cell.starts_with('-') ? std::string_view(cell).substr(1) : std::string_view(cell);
    // A rule holds 16 bits; a wider value would come back as another one.
    const int value = digits.empty() || !IsAllDigits(digits) || digits.size() > 5 ? 32768 : TextToInt(cell);
    if (value < -32768 || value > 32767)
      return Damaged(session, messages, "rule row " + std::to_string(index) + " holds no number.");
    session.rules.Set(index, value);
  }
  // The table such rules would deal could never be played.
  if (const auto problem = DealProblem([&](int index) { return session.rules[index]; }))
    return Damaged(session, messages, "game " + std::to_string(base) + " " + *problem);
  if (number >= kFirstCustomGame) ApplyCustomOverrides(session, overrides);
  SaveDealBase(session);
  return true;
}

void SaveDealBase(Session& session) {
  for (int i = 0; i < 28; ++i)
    session.rulesSaveArea[static_cast<std::size_t>(i)] = session.rules[rule::TableauSpace + i];
  for (int i = 0; i < 16; ++i)
    session.rulesSaveArea[static_cast<std::size_t>(28 + i)] = session.rules[rule::FoundationBase + i];
}

void RestoreDealBase(Session& session) {
  for (int i = 0; i < 28; ++i)
    session.rules.Set(rule::TableauSpace + i, session.rulesSaveArea[static_cast<std::size_t>(i)]);
  for (int i = 0; i < 16; ++i)
    session.rules.Set(rule::FoundationBase + i, session.rulesSaveArea[static_cast<std::size_t>(28 + i)]);
}

}  // namespace cardoria
