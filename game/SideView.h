// What one side sees at its turn, and nothing more: its own hand, the table, the
// cards each side has taken in the order they came out, the sweeps, the totals,
// the values last laid, and how many cards the other hand and the stock hold.
// No field can hold a card that side cannot see, so whatever decides from a view
// plays fair by construction.
#pragma once

#include "game/Board.h"
#include "game/CardSet.h"
#include "game/GameState.h"
#include "game/PcStrategy.h"
#include "game/Table.h"

namespace MyGame {

struct SideView {
    // The side that sees, and is to move.
    Side Seat = Side::Pc;
    // By hand index; NoCard where the hand has no card.
    Card Hand[HandSize] = {};
    TableCards Table;
    CardList OwnPile;
    CardList OtherPile;
    int OwnSweeps = 0;
    int OtherSweeps = 0;
    // Who gets the cards left on the table at the end of the hand as things stand:
    // the last taker, the PC when nobody has taken anything yet.
    Side LastTaker = Side::Pc;
    // The value each side last laid without capturing since the last deal; -1 when
    // none.
    int OwnLastLaid = -1;
    int OtherLastLaid = -1;
    // Values the other hand holds no card of if it never lays while it can take:
    // GameState's NoTakeValues of the other side.
    int OtherNoTakeValues = 0;
    int OtherHandCount = 0;
    int StockCount = 0;
    int OwnMatchPoints = 0;
    int OtherMatchPoints = 0;
};

SideView ViewFor(const GameState& state, const Board& board, Side seat);

// The move that plays the hand index's card and takes the table cards of the set
// (none: the card is laid), named as a capture text in table order.
PcMove MoveTaking(const SideView& view, int handIndex, CardSet taken);

}  // namespace MyGame
