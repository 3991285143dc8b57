// The capture and scoring rules on the compact form of the cards (CardSet.h), for
// the search's play-outs. They must agree with FindCaptures and ScoreHand: a
// capture here is one of FindCaptures' options with its open tokens resolved,
// and the points are ScoreHand's.
#pragma once

#include "game/CardSet.h"
#include "game/Table.h"

namespace MyGame {

CardSet TableSet(const TableCards& table);

int PrimieraSum(CardSet pile);

// A side's points for a hand: cards, coins, settebello and primiera judged against
// the other side's pile, plus its sweeps.
int PilePoints(CardSet own, CardSet other, int sweeps);

namespace CompactDetail {

// Calls visit with every set of two or more of the cards, from the first one on,
// whose values add up to remaining.
template <typename Visit>
void VisitSums(const Card* cards, int count, int first, int remaining, CardSet chosen, Visit& visit) {
    for (int i = first; i < count; ++i) {
        const int value = CardValue(cards[i]);
        if (value > remaining) continue;
        const CardSet next = chosen | CardBit(cards[i]);
        if (value == remaining) {
            visit(next);
        } else {
            VisitSums(cards, count, i + 1, remaining - value, next, visit);
        }
    }
}

}  // namespace CompactDetail

// Calls visit with each set of table cards a played card of the value may take:
// each table card of the value alone when there is one, else every set of two or
// more cards adding up to the value. Nothing when the card takes nothing.
template <typename Visit>
void VisitCaptures(CardSet table, int value, Visit&& visit) {
    const CardSet equal = table & CardsOfValue(value);
    if (equal != 0) {
        for (CardSet rest = equal; rest != 0; rest &= rest - 1) visit(rest & (~rest + 1));
        return;
    }
    // A single card smaller than the value never matches it alone, so every sum
    // found has two cards or more.
    Card smaller[DeckSize];
    int count = 0;
    for (CardSet rest = table; rest != 0; rest &= rest - 1) {
        const Card card = LowestCard(rest);
        if (CardValue(card) < value) smaller[count++] = card;
    }
    CompactDetail::VisitSums(smaller, count, 0, value, 0, visit);
}

// The values (bit v for value v) of the cards that would take something from
// the table.
int TakingValues(CardSet table);

}  // namespace MyGame
