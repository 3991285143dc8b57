// The forty cards of the Italian deck and the list they are kept in.
#pragma once

#include "app/ResourceIds.h"

#include <vector>

namespace MyGame {

// A card is its number: 1 to 10 coins, 11 to 20 cups, 21 to 30 swords, 31 to 40
// clubs. Within a suit: ace, 2 to 7, jack, knight, king.
using Card = int;

// An ordered list that grows at its end: the deck and the captured piles.
using CardList = std::vector<Card>;

constexpr int DeckSize = 40;
// What a position whose card text is empty reads as.
constexpr Card NoCard = 0;
// The seven of coins.
constexpr Card Settebello = 7;
// Bitmap resource of the card back; a face is this plus the card's number.
constexpr int CardBackPicture = LURNA_CARD_BACK_PICTURE;

// The suits in the order of the cards' numbers.
enum class Suit { Coins, Cups, Swords, Clubs };
constexpr int SuitCount = 4;
constexpr int CardsPerSuit = 10;

// 1 to 10; the jack is 8, the knight 9, the king 10.
constexpr int CardValue(Card card) {
    const int value = card % CardsPerSuit;
    return value == 0 ? CardsPerSuit : value;
}

constexpr Suit SuitOf(Card card) {
    return static_cast<Suit>((card - 1) / CardsPerSuit);
}

constexpr bool IsCoin(Card card) {
    return SuitOf(card) == Suit::Coins;
}

constexpr int CardPicture(Card card) {
    return CardBackPicture + card;
}

}  // namespace MyGame
