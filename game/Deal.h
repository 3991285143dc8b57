// The deck, the deal, laying a card and the board of an abandoned match.
#pragma once

#include "game/Board.h"
#include "game/GameState.h"

#include <random>

namespace MyGame {

using DeckRandom = std::mt19937;

// The generator of this run of the program, seeded from the clock on first use
// (once per run, not once per shuffle).
DeckRandom& RunRandom();

// Empties the piles and the deck, resets the hand's counts and builds a new deck
// of 40 in random order; a deck that would lay three or four kings on the table
// is thrown away and built again. Positions and match totals stay as they are.
void ShuffleDeck(GameState& state);
// The same with the given generator, so that a deal can be replayed.
void ShuffleDeck(GameState& state, DeckRandom& random);

// Three cards to the PC (backs), three to the player (faces); hides the stock
// when the deck is used up.
void DealHands(GameState& state, Board& board);
// Four cards to the first table places; empties the other table places; shows
// the stock.
void DealTable(GameState& state, Board& board);
// Moves the card of the hand position to the first free table place.
void LayOnTable(Board& board, int handPosition);
bool HandsEmpty(const Board& board);
// The idle board of an abandoned match: totals 0, no report, sixteen backs, no
// status text.
void ResetBoard(GameState& state, Board& board);

}  // namespace MyGame
