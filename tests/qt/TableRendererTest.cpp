#include "table/qt/TableRenderer.h"

#include <gtest/gtest.h>

#include "core/RuleIndex.h"
#include "core/Session.h"

namespace cardoria {
namespace {

TEST(EmptyPileMarks, ByGroupAndRule) {
  Session s;
  s.positions.Set(69, 1);  // the first pass
  struct Case {
    std::vector<std::pair<int, int>> rules;
    PileRef pile;
    const char* waste;
    const char* mark;
  } cases[] = {
      {{{rule::FoundationBase, 1}}, {PileGroup::Foundation, 0}, "", "010"},
      {{{rule::FoundationBase, 13}}, {PileGroup::Foundation, 0}, "", "011"},
      {{{rule::FoundationBase, 7}}, {PileGroup::Foundation, 0}, "", "017"},
      {{{rule::FoundationBase, rule::kS}}, {PileGroup::Foundation, 0}, "", "004"},
      {{{rule::FoundationBuild, 10}}, {PileGroup::Foundation, 0}, "", "003"},
      {{{rule::TableauSpace, 13}}, {PileGroup::Tableau, 0}, "", "011"},
      {{{rule::TableauSpace, -1}}, {PileGroup::Tableau, 0}, "", "004"},
      {{{rule::TableauSpace, 0}}, {PileGroup::Tableau, 0}, "", "_TABLEAU"},
      {{{rule::TableauSpace, 94}}, {PileGroup::Tableau, 0}, "", ""},
      {{{rule::ReserveKind, 8}}, {PileGroup::Reserve, 0}, "", "011"},
      {{}, {PileGroup::Reserve, 0}, "", "001"},
      {{{rule::Redeals, -1}}, {PileGroup::Stock, kStockItem}, "001002", "022"},
      {{{rule::Redeals, 1}}, {PileGroup::Stock, kStockItem}, "001002", "008"},
      {{{rule::Redeals, -1}}, {PileGroup::Stock, kStockItem}, "001", "008"},  // a waste of one card
      {{{rule::Redeals, 2}}, {PileGroup::Stock, kStockItem}, "001002", "022"},
      {{{rule::RedealKind, 1}, {rule::Redeals, 1}}, {PileGroup::Stock, kStockItem}, "", "008"},
      {{{rule::RedealKind, 1}, {rule::Redeals, 3}}, {PileGroup::Stock, kStockItem}, "", "022"},
      {{{rule::RedealKind, 1}, {rule::Redeals, 1}}, {PileGroup::Stock, kWasteItem}, "", "008"},
      {{{rule::HasStock, 1}}, {PileGroup::Stock, kWasteItem}, "", "_WASTE"},
      {{}, {PileGroup::Stock, kSecondWasteItem}, "", "_WASTE"},
  };
  for (const auto& c : cases) {
    s.rules.Clear();
    for (const auto& [index, value] : c.rules) s.rules.Set(index, value);
    s.piles.Pile(PileGroup::Stock, kWasteItem) = c.waste;
    EXPECT_EQ(MarkCode(s, c.pile).toStdString(), c.mark) << PileName(c.pile);
  }
}

TEST(PreferenceColours, AreBlueGreenRed) {
  EXPECT_EQ(PreferenceColour(32768), QColor(0, 128, 0));
  EXPECT_EQ(PreferenceColour(0x0000FF), QColor(255, 0, 0));
  EXPECT_EQ(PreferenceColour(0xFF0000), QColor(0, 0, 255));
}

}  // namespace
}  // namespace cardoria
