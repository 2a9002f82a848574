#include "HelpPages.h"

#include "DialogTopics.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "core/BuildRule.h"
#include "core/HelpTopics.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/RulesLoader.h"
#include "core/Session.h"
#include "core/TextStore.h"
#include "platform/Messages.h"

namespace cardoria {

namespace {

std::string RankName(int rank) {
  switch (rank) {
    case 1: return "Ace";
    case 11: return "Jack";
    case 12: return "Queen";
    case 13: return "King";
    default: return std::to_string(rank);
  }
}

std::string Plural(int count, const std::string& one, const std::string& many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string Capitalized(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text;
}

// The value of pile 0 when every pile in use has it, else nothing.
std::optional<int> Common(const GameRules& rules, int first, int count) {
  if (count < 1) return std::nullopt;
  for (int i = 1; i < count; ++i)
    if (rules[first + i] != rules[first]) return std::nullopt;
  return rules[first];
}

std::string Direction(int direction) {
  switch (direction) {
    case 0: return "down";
    case 1: return "up";
    case 2: return "up or down";
    default: return "";
  }
}

// Build codes with a suit filter and the plain rank step; others are rules
// of their own.
std::optional<std::string> SuitRule(int code) {
  switch (static_cast<BuildRule>(code)) {
    case BuildRule::BySuit: return "by suit";
    case BuildRule::SameColour: return "in the same colour";
    case BuildRule::AnySuit: return "regardless of suit";
    case BuildRule::AlternateColours: return "in alternating colours";
    case BuildRule::AnyOtherSuit: return "in any other suit";
    default: return std::nullopt;
  }
}

std::string TableauFaces(const GameRules& rules, int piles) {
  std::vector<int> counts;
  int total = 0;
  bool plain = true;
  for (int i = 0; i < piles; ++i) {
    const int count = rules[rule::TableauDealCount + i];
    plain = plain && count >= 0 && count <= 1000;
    counts.push_back(count);
    total += count;
  }
  std::string text = Plural(piles, "pile", "piles");
  if (!plain) return text + ", dealt by rules of their own";
  const bool rising =
      std::adjacent_find(counts.begin(), counts.end(), [](int a, int b) { return b != a + 1; }) == counts.end();
  if (std::all_of(counts.begin(), counts.end(), [&](int c) { return c == counts[0]; }))
    text += " of " + Plural(counts[0], "card", "cards");
  else if (rising)
    text += " of " + std::to_string(counts.front()) + " to " + std::to_string(counts.back()) + " cards";
  else
    text += ", " + std::to_string(total) + " cards in all";
  if (total == 0) return Plural(piles, "pile", "piles") + ", dealt empty";

  std::set<int> partial;  // face-up counts of the piles that keep cards face down
  int full = 0, fullDeepest = 0;
  std::string special;
  for (int i = 0; i < piles; ++i) {
    const int faceUp = rules[rule::TableauFaceUp + i];
    const int count = counts[static_cast<std::size_t>(i)];
    if (faceUp == -1 || faceUp == -2) special = "alternately face down and face up";
    if (faceUp == -3) special = "only the bottom card face up";
    if (faceUp < 1 || count == 0) continue;
    if (faceUp < count) {
      partial.insert(faceUp);
    } else {
      ++full;
      fullDeepest = std::max(fullDeepest, count);
    }
  }
  if (!special.empty()) return text + ", " + special;
  if (partial.empty()) return text + ", all face up";
  const auto top = [](int n) {
    return n == 1 ? std::string("the top card") : "the top " + std::to_string(n) + " cards";
  };
  if (partial.size() == 1 && fullDeepest <= *partial.begin()) return text + ", " + top(*partial.begin()) + " face up";
  if (partial.size() == 1)
    return text + ", " + top(*partial.begin()) + " face up on " + std::to_string(piles - full) + ", all cards on " +
           std::to_string(full);
  std::string list;
  for (int n : partial) list += (list.empty() ? "" : " or ") + std::to_string(n);
  return text + ", the top " + list + " cards face up";
}

std::string TableauDeal(const GameRules& rules, int piles) {
  std::string text = TableauFaces(rules, piles);
  if (rules[rule::PostDealHook] == 1) text += ", every King moved to the bottom of its pile";
  if (rules[rule::DealSpecial] == 14) text += ", no two cards of one rank in a pile";
  return text;
}

std::string Building(const GameRules& rules, int piles) {
  const auto code = Common(rules, rule::TableauBuild, piles);
  const auto direction = Common(rules, rule::TableauDirection, piles);
  if (!code || !direction) return "Different on each pile";
  if (*code == static_cast<int>(BuildRule::NoBuilding)) return "None";
  const auto suits = SuitRule(*code);
  if (!suits || Direction(*direction).empty()) return "By rules of its own";
  std::string text = Capitalized(Direction(*direction)) + " " + *suits;
  const auto wrap = Common(rules, rule::TableauWrap, piles).value_or(0);
  if (wrap == 2)
    text += "; the sequence turns at Ace and King";
  else if (wrap == 1)
    text += *direction == 1 ? "; an Ace may go on a King" : "; a King may go on an Ace";
  return text;
}

// Whether an empty pile gives a moving group room on the way: only one that
// would hold any card does.
bool HoldsAnyCard(const GameRules& rules, int pile) {
  const int space = rules[rule::TableauSpace + pile];
  return space == -1 || space == rule::kV || rules[rule::FoundationBase] == -1;
}

std::string Moving(const GameRules& rules, int piles) {
  const int limit = rules[rule::MoveLimit];
  const std::string group = rules[rule::SequenceRule] == 10  ? "in sequence of one suit"
                            : rules[rule::SequenceRule] == 1 ? "in sequence"
                                                             : "face up, in sequence or not,";
  int roomy = 0;
  for (int i = 0; i < piles; ++i) roomy += HoldsAnyCard(rules, i) ? 1 : 0;
  const std::string emptyPiles = roomy == piles ? "empty piles" : "empty piles that take any card";
  std::string text;
  if (limit == 0)
    text = "Tableau cards can not be moved";
  else if (limit == 1)
    text = "One card at a time";
  else if (limit > 1)
    text = "Up to " + std::to_string(limit) + " cards " + group + " at once";
  else if (limit == -1)
    text = "Any number of cards " + group + " at once";
  else if (limit == -5 && roomy == 0)
    text = "A group " + group + " of up to (empty free cells + 1) cards; an empty pile gives no room on the way";
  else if (limit == -5)
    text = "A group " + group + " of up to (empty free cells + " + emptyPiles +
           " + 1) cards; one card fewer into an empty pile";
  else if (limit == -6)
    text =
        "One card more than the empty free cells while no pile is empty; otherwise as many as the empty free "
        "cells and " +
        emptyPiles + " together";
  else if (limit == -12)
    text = "One card, or a group led by a King";
  else if (limit == -13)
    text = "The top card, or the whole pile";
  else
    text = "As many cards as there are " + emptyPiles + ", at least one";
  if (rules[rule::FoundationTake] == 1) text += ". A foundation's top card may be moved back";
  if (rules[rule::FoundationTake] == 2) text += ". A foundation's top card may be moved back while it is not alone";
  return text;
}

std::string EmptyRule(int value) {
  switch (value) {
    case -1: return "any card or group";
    case 0: return "nothing: they stay empty";
    case 13: return "a King only, or a group led by a King";
    case 91: return "only the rank just below the foundations' base";
    case rule::kV: return "any single card";
    case rule::kW: return "a card from the stock or the waste";
    case rule::kX: return "a card that does not come from the tableau";
    default:
      if (value >= 1 && value <= 12)
        return std::string(value == 1 || value == 8 ? "an " : "a ") + RankName(value) + " only";
      return "by rules of their own";
  }
}

// Build codes that decide for themselves what an empty pile takes.
bool OwnEmptyRule(int code) {
  using enum BuildRule;
  for (BuildRule own : {OnALoneKing, OnAKingThenDown, OnALoneQueen, OnlyFromOutside, SpacesOnly, Slide, Jump})
    if (code == static_cast<int>(own)) return true;
  return false;
}

std::string EmptyPiles(const GameRules& rules, int piles) {
  const auto space = Common(rules, rule::TableauSpace, piles);
  const auto code = Common(rules, rule::TableauBuild, piles);
  if (code && OwnEmptyRule(*code)) return "By the rules of this game, told below";
  const std::string text = space ? EmptyRule(*space) : "cards by a rule of their own on each pile";
  if (rules[rule::AutoFillSource] == 1) return "Filled at once from the reserve; once it is empty, they take " + text;
  return "They take " + text;
}

std::string Foundations(const GameRules& rules) {
  const int count = rules[GameRules::kFoundationCount];
  const int base = rules[rule::FoundationBase];
  std::string text = Plural(count, "foundation", "foundations");
  if (base == rule::kR || base == rule::kS)
    return text + ": a whole suit in sequence from King down to Ace, face up on a pile, leaves it for a foundation";
  if (base == rule::kUnderscore)
    return text + ": a whole suit in sequence from Ace up to King, face up on a pile, leaves it for a foundation";
  const auto code = Common(rules, rule::FoundationBuild, count);
  const auto direction = Common(rules, rule::FoundationDirection, count);
  const auto suits = code ? SuitRule(*code) : std::nullopt;
  if (!suits || !direction || Direction(*direction).empty()) return text + ", built by rules of their own";
  text += ", built " + Direction(*direction) + " " + *suits;
  const int start = rules[rule::FoundationStart];
  bool aceBase = base == 1;
  if (rules[rule::FoundationDealKind] == 1 || rules[rule::FoundationDealKind] == 2) {
    text += " from the rank of the card dealt to the first foundation";
    aceBase = false;
  } else if (start >= 51 && start <= 63) {
    text += " from the " + RankName(start - 50) + "s, which start there";
    aceBase = start == 51;
  } else if (base >= 1 && base <= 13) {
    text += " from " + std::string(base == 1 || base == 8 ? "an " : "a ") + RankName(base);
  } else if (base == -1) {
    text += " from any card";
    aceBase = false;
  }
  if (*direction == 1 && !aceBase) text += ", turning the corner from King to Ace";
  const int capacity = rules[rule::FoundationCapacity];
  if (capacity > 0 && capacity != 13 && capacity != 52) text += ", at most " + std::to_string(capacity) + " cards";
  return text;
}

std::string Reserves(const GameRules& rules) {
  const int count = rules[GameRules::kReserveCount];
  int dealt = 0, filled = 0;
  for (int i = 0; i < count; ++i) {
    dealt += std::max(0, static_cast<int>(rules[rule::ReserveDealCount + i]));
    if (rules[rule::ReserveDealCount + i] > 0) ++filled;
  }
  const auto kind = Common(rules, rule::ReserveKind, count);
  if (kind && *kind == 4) {
    std::string text = count == 1 ? "1 reserve" : Plural(count, "reserve", "reserves");
    if (dealt > 0) text += " of " + std::to_string(dealt) + " cards";
    return text + ": its top card may be played, nothing may be put on it";
  }
  std::string text;
  if (kind && *kind == 8)
    text = Plural(count, "reserve", "reserves") + ", each taking a King while it holds fewer than 3 cards";
  else if (kind && *kind == 13)
    text = Plural(count, "reserve", "reserves") + ", each taking a card while it holds fewer than 5";
  else if (kind && *kind == 9)
    text = Plural(count, "reserve", "reserves") + ", each taking one Jack, Queen or King when empty";
  else if (kind && *kind == rule::kQueensRow)
    return "A row of " + std::to_string(count) +
           " places for the Queens: each Queen goes there as the stock turns her up, and stays";
  else if (kind)
    text = Plural(count, "free cell", "free cells") + ", one card each";
  else
    text = Plural(count, "reserve", "reserves") + " of different kinds";
  if (filled == count && dealt == count)
    text += "; each starts with a card";
  else if (filled > 0 && filled == dealt)
    text += "; " + std::to_string(filled) + " of them start with a card";
  else if (filled > 0)
    text += "; " + std::to_string(dealt) + " cards are dealt to them";
  if (rules[rule::ReserveAnyCard] == -11) text += "; any of their cards may be picked up";
  return text;
}

std::string Stock(const GameRules& rules, int piles) {
  const int cards = rules[rule::StockDealCount];
  std::string text = Plural(cards, "card", "cards");
  if (rules[rule::StockDealsToWaste] == 1) {
    text += "; each click turns " + Plural(std::max(1, static_cast<int>(rules[rule::CardsPerDeal])), "card", "cards") +
            " onto the waste";
    if (rules[rule::StockDealOnlyEmptyWaste] == 1) text += " while the waste is empty";
    return text;
  }
  // A completed selection is followed by the refill of the gaps, except in
  // the families whose stock press deals by rules of their own.
  if (const PlayFamily family = FamilyOf(rules);
      rules[rule::PairingSum] != 0 && family != PlayFamily::MonteCarlo && !IsRowFamily(family))
    return text + "; they fill the empty places, from the first, after each removal";
  int served = 0, kind = 0;
  for (int i = 0; i < piles; ++i) {
    const int add = rules[rule::TableauAddKind + i];
    if (add >= 1 && add <= 4) {
      ++served;
      kind = kind == 0 ? add : kind;
    }
  }
  if (served > 0 && rules[rule::StockDealsToWaste] == 0 && rules[rule::DealToSecondWaste] == 0) {
    // The row games lay every card dealt at the end of their one row.
    if (rules[rule::TableauLayout] == 8 && served == 1 && piles == 1)
      return text + "; each click deals a card face up to the end of the row";
    text += "; each click deals a card face up onto ";
    text += served == piles ? "every pile" : "each of the first " + std::to_string(served) + " piles";
    if (kind == 2) text += ", once no pile is empty";
    return text;
  }
  if (cards == 0 && rules[rule::RedealKind] >= 1)
    return "Empty: a click on it gathers cards of the piles and deals them again";
  return text + "; dealt by rules of its own";
}

std::string Redeals(const GameRules& rules) {
  const int redeals = rules[rule::Redeals];
  if (redeals == -1) return "Unlimited";
  if (redeals <= 1) return "None";
  return std::to_string(redeals - 1);
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// Blank lines part paragraphs; the lines of one paragraph run together.
std::string Paragraphs(const std::string& text) {
  std::string html, paragraph;
  std::size_t at = 0;
  auto flush = [&] {
    if (!paragraph.empty()) html += "<p>" + Escaped(paragraph) + "</p>\n";
    paragraph.clear();
  };
  while (at <= text.size()) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    const std::string line = text.substr(at, end - at);
    if (line.find_first_not_of(' ') == std::string::npos)
      flush();
    else
      paragraph += (paragraph.empty() ? "" : " ") + line;
    at = end + 1;
  }
  flush();
  return html;
}

std::string Link(int context, const std::string& caption) {
  return "<a href=\"" + HelpPageFile(context) + "\">" + Escaped(caption) + "</a>";
}

std::string Page(const std::string& title, const std::string& body) {
  return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + Escaped(title) +
         "</title>\n<style>\n"
         "body { font-family: sans-serif; font-size: 11pt; color: #202020; background: #ffffff; }\n"
         "h1 { font-size: 17pt; color: #1d5e2c; margin-bottom: 4px; }\n"
         "h2 { font-size: 13pt; color: #1d5e2c; margin-top: 14px; }\n"
         "p { margin-top: 4px; margin-bottom: 8px; }\n"
         "a { color: #1a4f9c; }\n"
         "table.facts { border-color: #9bb89f; border-style: solid; }\n"
         "th { background: #e6f0e7; text-align: left; font-weight: bold; }\n"
         ".nav { font-size: 9pt; color: #606060; }\n"
         "</style></head>\n<body>\n<p class=\"nav\">" +
         Link(kHelpContents, "Contents") + " &nbsp;|&nbsp; " + Link(kHelpHowToPlay, "How to play") + "</p>\n<h1>" +
         Escaped(title) + "</h1>\n" + body + "</body></html>\n";
}

std::string FactsTable(const std::vector<HelpFact>& facts) {
  std::string html =
      "<table class=\"facts\" border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">\n"
      "<tr><th colspan=\"2\">The game at a glance</th></tr>\n";
  for (const HelpFact& fact : facts)
    html += "<tr><td width=\"24%\" valign=\"top\"><b>" + Escaped(fact.label) + "</b></td><td>" + Escaped(fact.text) +
            "</td></tr>\n";
  return html + "</table>\n";
}

std::string RulesPage(const HelpGame& game) {
  return Page(game.name, FactsTable(RulesFacts(game.rules)) + "<h2>Rules</h2>\n" + Paragraphs(game.rulesText) +
                             "<p>You can also derive a game of your own from this one: see " +
                             Link(kHelpCustomize, "Customized games") + ".</p>\n");
}

std::string TopicBody(const HelpTopic& topic) {
  std::map<int, std::string> titles;
  for (const HelpTopic& t : DialogTopics()) titles[t.context] = t.title;
  std::string body = topic.body;
  for (std::size_t at = body.find('@'); at != std::string::npos; at = body.find('@', at)) {
    const std::size_t end = body.find('@', at + 1);
    const int context = std::stoi(body.substr(at + 1, end - at - 1));
    const std::string link = Link(context, titles.count(context) ? titles[context] : "Help");
    body.replace(at, end - at + 1, link);
    at += link.size();
  }
  return body;
}

const char* const kHowToPlay =
    "<p>Each game has its own rules (press F1 for the rules of the game on the table), but all are played the "
    "same way.</p>\n"
    "<h2>Moving cards</h2>\n<ul>\n"
    "<li><b>Drag</b> a card with the mouse and drop it on the pile it should go to. Dragging a card inside a pile "
    "takes the cards above it along, when the game allows such a group to move. A move that the rules do not "
    "allow puts the cards back where they were.</li>\n"
    "<li><b>Double click</b> a card to send it to a foundation (or, as set in Customize, to a tableau pile); a "
    "<b>right click</b> does the same, as set on the General page of @1019@.</li>\n"
    "<li>In the pairing games you <b>click</b> the cards to select them; they leave the table when they make a "
    "pair.</li>\n</ul>\n"
    "<h2>The stock</h2>\n"
    "<p>Click the stock to deal from it, as the rules of the game say. When the stock is empty and the game allows "
    "a redeal, click the empty stock to turn the waste over.</p>\n"
    "<h2>Undo and autoplay</h2>\n<ul>\n"
    "<li><b>Undo</b> (Ctrl+Z) takes back a move, <b>Redo</b> (Ctrl+Y) plays it again. <b>Snapshot position</b> "
    "(Ctrl+H) remembers the table; <b>Undo to snapshot</b> (Ctrl+T) goes back to it.</li>\n"
    "<li><b>Autoplay</b> (F7), when it is checked, moves every card that can go to a foundation by itself.</li>\n"
    "</ul>\n"
    "<h2>Keys</h2>\n"
    "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n"
    "<tr><th>Key</th><th>Command</th></tr>\n"
    "<tr><td>F1</td><td>Rules of the current game</td></tr>\n"
    "<tr><td>F2</td><td>New game (a new deal)</td></tr>\n"
    "<tr><td>Ctrl+F2</td><td>Restart the same deal</td></tr>\n"
    "<tr><td>Ctrl+F12</td><td>Open a game (@1000@)</td></tr>\n"
    "<tr><td>F3</td><td>Select a game number (@1001@)</td></tr>\n"
    "<tr><td>Ctrl+Shift+F12</td><td>Save the game</td></tr>\n"
    "<tr><td>Ctrl+Z, Ctrl+Y</td><td>Undo, Redo</td></tr>\n"
    "<tr><td>Ctrl+H, Ctrl+T</td><td>Snapshot position, Undo to snapshot</td></tr>\n"
    "<tr><td>Ctrl+P</td><td>Pause; any key or click goes on</td></tr>\n"
    "<tr><td>Ctrl+Q</td><td>Quit the game in progress</td></tr>\n"
    "<tr><td>F7</td><td>Autoplay on or off</td></tr>\n"
    "<tr><td>F4, F9</td><td>@1020@, @1021@</td></tr>\n"
    "<tr><td>F8</td><td>@1024@</td></tr>\n"
    "<tr><td>Ctrl+L</td><td>@1022@</td></tr>\n"
    "<tr><td>Ctrl+U, Ctrl+R</td><td>@1019@, Customize rules</td></tr>\n"
    "<tr><td>Ctrl+F</td><td>@1011@</td></tr>\n"
    "</table>\n"
    "<h2>Winning</h2>\n"
    "<p>A game is won when its rules are met, usually when every card is on the foundations. Each win and loss "
    "counts in the statistics of the player chosen when the game started.</p>\n";

std::string ContentsPage(const std::vector<HelpGame>& games) {
  std::string body = "<h2>Playing</h2>\n<ul>\n<li>" + Link(kHelpHowToPlay, "How to play") + "</li>\n</ul>\n";
  body += "<h2>Dialogs</h2>\n<ul>\n";
  for (const HelpTopic& topic : DialogTopics()) body += "<li>" + Link(topic.context, topic.title) + "</li>\n";
  body += "</ul>\n<h2>Rules of the games</h2>\n";
  std::vector<const HelpGame*> byName;
  for (const HelpGame& game : games) byName.push_back(&game);
  std::sort(byName.begin(), byName.end(),
            [](const HelpGame* a, const HelpGame* b) { return Lower(a->name) < Lower(b->name); });
  // Three columns, read down each column, so a long catalogue stays short.
  const std::size_t rows = (byName.size() + 2) / 3;
  body += "<table cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">\n";
  for (std::size_t row = 0; row < rows; ++row) {
    body += "<tr>";
    for (std::size_t column = 0; column < 3; ++column) {
      const std::size_t at = column * rows + row;
      body += "<td width=\"33%\">" +
              (at < byName.size() ? Link(byName[at]->number + kHelpRulesBase, byName[at]->name) : "") + "</td>";
    }
    body += "</tr>\n";
  }
  return Page("Cardoria 2000 Help", body + "</table>\n");
}

}  // namespace

std::vector<HelpFact> RulesFacts(const GameRules& rules) {
  std::vector<HelpFact> facts;
  const int cards = rules[rule::CardCount];
  const int decks = std::max(1, cards / 52);
  if (rules[rule::DealSpecial] == 15)
    facts.push_back({"Cards", "32 cards of one deck: the Aces and the Sevens to the Kings"});
  else
    facts.push_back({"Cards", (decks == 1 ? std::string("One deck") : std::to_string(decks) + " decks") + ", " +
                                  std::to_string(cards) + " cards"});
  const int piles = std::clamp(static_cast<int>(rules[GameRules::kTableauCount]), 0, 28);
  // Selection play (pairing and adding) builds nothing: cards are chosen,
  // not moved, so the build rows would tell of rules the game never uses.
  const PlayFamily family = FamilyOf(rules);
  const bool selection = rules[rule::PairingSum] != 0 || family == PlayFamily::FourteenOut ||
                         family == PlayFamily::Pyramid || family == PlayFamily::ChainCrossing;
  if (piles > 0) facts.push_back({"Tableau", Capitalized(TableauDeal(rules, piles))});
  if (piles > 0 && !selection) {
    facts.push_back({"Building", Building(rules, piles)});
    facts.push_back({"Moving cards", Moving(rules, piles)});
    facts.push_back({"Empty piles", EmptyPiles(rules, piles)});
  }
  if (selection)
    facts.push_back({"Play", "Cards are selected, not built: they leave the table by the rules below"});
  else if (!IsFamily(rules, PlayFamily::Standard))
    facts.push_back({"Special rules", "Some moves follow rules of this game's own, told below"});
  // The first foundation of a selection game only holds the selection; a
  // building game without foundations leaves them to the rules text.
  if (rules[GameRules::kFoundationCount] > 0)
    facts.push_back({"Foundations", Capitalized(Foundations(rules))});
  else if (selection)
    facts.push_back({"Foundations", "None: the cards taken away go to a discard pile"});
  if (rules[GameRules::kReserveCount] > 0) facts.push_back({"Reserve", Capitalized(Reserves(rules))});
  if (rules[rule::HasStock] != 0) {
    facts.push_back({"Stock", Capitalized(Stock(rules, piles))});
    facts.push_back({"Redeals", Redeals(rules)});
  } else {
    facts.push_back({"Stock", "None: all cards are dealt at the start"});
  }
  facts.push_back({"Autoplay", rules[rule::AutoplayAvailable] != 0 ? "Available" : "Not available"});
  if (rules[rule::NoSaveNoUndo] == 1) facts.push_back({"Undo", "Undo, redo and saving are off for this game"});
  return facts;
}

std::vector<std::pair<std::string, std::string>> HelpPages(const std::vector<HelpGame>& games) {
  std::vector<std::pair<std::string, std::string>> pages;
  pages.emplace_back(HelpPageFile(kHelpContents), ContentsPage(games));
  const HelpTopic howToTopic{kHelpHowToPlay, "How to play", kHowToPlay};
  pages.emplace_back(HelpPageFile(kHelpHowToPlay), Page("How to play", TopicBody(howToTopic)));
  for (const HelpTopic& topic : DialogTopics())
    pages.emplace_back(HelpPageFile(topic.context), Page(topic.title, TopicBody(topic)));
  for (const HelpGame& game : games) pages.emplace_back(HelpPageFile(game.number + kHelpRulesBase), RulesPage(game));
  return pages;
}

std::vector<HelpGame> LoadHelpGames(Session& session, const std::vector<std::pair<std::string, GameSource>>& sources,
                                    std::vector<SourceError>& errors) {
  class Collect final : public Messages {
   public:
    void ShowInfo(const std::string& text, const std::string&) override { said.push_back(text); }
    bool Confirm(const std::string&) override { return true; }
    bool AskYesNo(const std::string&) override { return true; }
    bool ShowInfoOnce(const std::string&) override { return false; }
    void Fatal(const std::string& text, const std::string&) override { said.push_back(text); }
    std::vector<std::string> said;
  } messages;
  std::vector<HelpGame> games;
  for (const auto& [file, source] : sources) {
    session.store.Set(pos::kGameNumber, 4, std::to_string(source.entry.number));
    messages.said.clear();
    if (!LoadGameRules(session, messages)) {
      errors.push_back({file + ": " + (messages.said.empty() ? "its rules can not be loaded" : messages.said[0])});
      continue;
    }
    games.push_back({source.entry.number, source.entry.name, source.rulesText, session.rules});
  }
  return games;
}

}  // namespace cardoria
