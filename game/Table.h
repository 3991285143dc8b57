// Reading the table: its shown places in table order.
#pragma once

#include "game/Board.h"
#include "game/CaptureCodec.h"

#include <string>

namespace MyGame {

// The cards on the table in table order, without gaps; entries from Count on are
// zero. Fixed arrays: the table is read several times a move and the reading must
// not allocate.
struct TableCards {
    int Count = 0;
    int Positions[TableSize] = {};
    Card Cards[TableSize] = {};
    int Values[TableSize] = {};
    int Identifiers[TableSize] = {};
};

TableCards ReadTable(const Board& board);
// The identifiers of the shown table places in table order joined by ";"; empty
// for an empty table.
std::string TableIdText(const Board& board);
// The position holding the identifier, searched over every position; -1 when none.
int PositionOfIdentifier(const Board& board, int identifier);
// The position a capture token names; -1 for an open or bad token, or for an
// identifier no position holds.
int PositionNamed(const Board& board, const CaptureToken& token);

}  // namespace MyGame
