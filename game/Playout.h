// A hand played out on the compact form of the cards, fast enough for the search
// to play thousands per decision: both hands, the table, the piles and the stock
// in dealing order, with both sides following the PC's greedy strategy.
#pragma once

#include "game/CardSet.h"
#include "game/Positions.h"

#include <cstdint>

namespace MyGame {

constexpr int SideIndex(Side side) {
    return static_cast<int>(side);
}

// A move on the compact form: the card played and the table cards it takes; none
// taken means the card is laid.
struct CompactMove {
    Card Played = NoCard;
    CardSet Taken = 0;
};

// The state of a hand, indexed by SideIndex.
struct PlayState {
    CardSet Hands[2] = {};
    CardSet Table = 0;
    // The values of the table cards added.
    int TableSum = 0;
    CardSet Piles[2] = {};
    int Sweeps[2] = {};
    // Who gets the table's rest at the end: the last taker, the PC before anyone.
    int LastTaker = SideIndex(Side::Pc);
    // The value each side last laid since the last deal; -1 when none.
    int LastLaid[2] = {-1, -1};
    // The cards still to deal, in dealing order, from StockNext on.
    std::uint8_t Stock[DeckSize] = {};
    int StockNext = 0;
    int StockEnd = 0;
    int ToMove = SideIndex(Side::Pc);
};

// The PC's strategy on the compact form: sweep with a card equal to the table's
// sum (a coin first), else the best capture by the strategy's keys, else lay the
// lowest card that brings the table above 10 (else the lowest), not a coin when
// it can. It counts every taken card, where the rule routines leave out a card
// that fills an open token: a play-out only needs the strategy's spirit.
CompactMove GreedyMove(const PlayState& state);

// Makes the move of the side to move, passes the turn, deals when both hands are
// empty and, after the last move, gives the table's rest to the last taker.
void MakeMove(PlayState& state, const CompactMove& move);

bool HandOver(const PlayState& state);

// Both sides play the greedy strategy to the end of the hand.
void PlayToEnd(PlayState& state);

// The side's points for the hand less the other side's, once the hand is over.
int PointDifference(const PlayState& state, int side);

}  // namespace MyGame
