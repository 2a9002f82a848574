#pragma once
// What the table of a game may hold: its pack, each card as often as the
// deal put it out, and only on piles the game has. Saved games are checked
// with it before they are loaded; the tests and the fuzz targets check play
// with it.

#include <optional>
#include <string>
#include <vector>

#include "core/Piles.h"

namespace cardoria {

struct Session;

// How often each card code (0-108) lies on the table. The selection shows
// cards that lie elsewhere, and the run the ordering memory game keeps in its
// hidden reserve is a record of codes, not cards: neither is counted.
std::vector<int> CardCensus(const Session& session);

// How often each card lies on the table of the game whose rules are loaded:
// once for every card of its pack, but the Aces that the deal of gaps takes
// out of the game; jokers only where the deal names them. A deal that plays
// with part of the pack, or a pack of other than 52 or 104 cards (which the
// shuffle lays out of the whole pack), can not be told by its rules: take the
// census right after the deal for those (DealsPartOfThePack).
std::vector<int> PackOfGame(const Session& session);
bool DealsPartOfThePack(const Session& session);

// Whether a pile is one of the game's: within the game's counts of
// foundations, columns and reserves, the stock and the wastes it has, and the
// piles its family keeps apart.
bool IsGamePile(const Session& session, PileGroup group, int index);

// The first card (or code that is no card) lying where the game has no pile;
// nothing when every card lies on one of the game's piles.
std::optional<std::string> CardOffTheGame(const Session& session);

// Every pile with its faces, in one text to compare tables by. A selection is
// what the player points at, not a pile, and is left out.
std::string TableText(const Session& session);

// What is wrong with the table for the game being played, against `pack`
// (PackOfGame or a census after the deal); nothing when it is sound.
std::optional<std::string> PackProblem(const Session& session, const std::vector<int>& pack);

}  // namespace cardoria
