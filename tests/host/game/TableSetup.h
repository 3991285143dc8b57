// Puts chosen cards on a recorded board: the table places in table order and the
// hands. With the record's default identifiers, table place k (from 1) has the
// identifier 15 + k for the first nine places and 16 + k for the four after them.
#pragma once

#include "game/BoardRecord.h"

#include <initializer_list>
#include <string>

namespace MyGame {

inline void PlaceCard(BoardRecord& board, int position, Card card) {
    board.Positions[position].Shown = true;
    board.Positions[position].HeldCard = card;
    board.Positions[position].Picture = CardPicture(card);
}

inline void SetTable(BoardRecord& board, std::initializer_list<Card> cards) {
    int place = 0;
    for (Card card : cards) PlaceCard(board, TablePositions[place++], card);
}

inline void SetHand(BoardRecord& board, int handFirst, std::initializer_list<Card> cards) {
    int offset = 0;
    for (Card card : cards) PlaceCard(board, handFirst + offset++, card);
}

// The identifier of table place k (from 1) as capture texts write it.
inline std::string Id(const BoardRecord& board, int place) {
    return std::to_string(board.Identifier(TablePositions[place - 1]));
}

}  // namespace MyGame
