#include "game/Table.h"

namespace MyGame {

TableCards ReadTable(const Board& board) {
    TableCards table;
    for (int position : TablePositions) {
        if (!board.IsPositionShown(position)) continue;
        const Card card = board.CardAt(position);
        table.Positions[table.Count] = position;
        table.Cards[table.Count] = card;
        table.Values[table.Count] = CardValue(card);
        table.Identifiers[table.Count] = board.Identifier(position);
        ++table.Count;
    }
    return table;
}

std::string TableIdText(const Board& board) {
    std::string text;
    for (int position : TablePositions) {
        if (!board.IsPositionShown(position)) continue;
        AppendIdentifier(text, board.Identifier(position));
    }
    return text;
}

int PositionOfIdentifier(const Board& board, int identifier) {
    for (int position = 0; position < PositionCount; ++position) {
        if (board.Identifier(position) == identifier) return position;
    }
    return -1;
}

int PositionNamed(const Board& board, const CaptureToken& token) {
    return token.Kind == TokenKind::Identifier ? PositionOfIdentifier(board, token.Number) : -1;
}

}  // namespace MyGame
