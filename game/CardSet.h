// A compact form of a set of cards: bit c stands for card c (1 to 40). The
// search plays thousands of hands per decision on it; CompactRules.h keeps it
// in step with the rule routines.
#pragma once

#include "game/Card.h"

#include <cstdint>

namespace MyGame {

using CardSet = std::uint64_t;

constexpr CardSet CardBit(Card card) {
    return CardSet{1} << card;
}

constexpr bool Holds(CardSet set, Card card) {
    return (set & CardBit(card)) != 0;
}

inline int CardCount(CardSet set) {
    return __builtin_popcountll(set);
}

// The card of the lowest bit; the set must not be empty.
inline Card LowestCard(CardSet set) {
    return __builtin_ctzll(set);
}

// Every card of the deck.
constexpr CardSet WholeDeck = ((CardSet{1} << (DeckSize + 1)) - 1) & ~CardSet{1};
// Cards 1 to 10.
constexpr CardSet CoinCards = ((CardSet{1} << (CardsPerSuit + 1)) - 1) & ~CardSet{1};

// The four cards of a value (1 to 10).
constexpr CardSet CardsOfValue(int value) {
    CardSet set = 0;
    for (int suit = 0; suit < SuitCount; ++suit) set |= CardBit(suit * CardsPerSuit + value);
    return set;
}

template <typename Cards>
CardSet SetOf(const Cards& cards) {
    CardSet set = 0;
    for (Card card : cards) {
        if (card != NoCard) set |= CardBit(card);
    }
    return set;
}

}  // namespace MyGame
