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
        if (!text.empty()) text += ';';
        AppendNumber(text, board.Identifier(position));
    }
    return text;
}

int PositionOfIdentifier(const Board& board, int identifier) {
    for (int position = 0; position < PositionCount; ++position) {
        if (board.Identifier(position) == identifier) return position;
    }
    return -1;
}

void AppendNumber(std::string& text, int number) {
    if (number < 0) {
        text += '-';
        number = -number;
    }
    char digits[12];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number > 0);
    while (count > 0) text += digits[--count];
}

}  // namespace MyGame
