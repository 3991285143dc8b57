// The keyboard's part of the player's turn: the digit keys press the hand cards,
// and while table cards are picked a focus frame goes over them, which Enter
// presses. Every press goes the mouse's way, through OnCardClicked.
#include "game/MatchController.h"

#include "game/Captures.h"

namespace MyGame {

void MatchController::PressHandCard(int index) {
    if (index < 0 || index >= HandSize) return;
    OnCardClicked(board_.Identifier(HandPosition(Side::Player, index)));
}

void MatchController::PressFocusedCard() {
    if (phase_ != MatchPhase::PlayerTurn || move_.TableFocus < 0) return;
    OnCardClicked(board_.Identifier(move_.TableFocus));
}

void MatchController::MoveTableFocus(FocusMove move) {
    if (phase_ != MatchPhase::PlayerTurn || !move_.AwaitingTableChoice()) return;
    int place = 0;
    while (place < TableSize && TablePositions[place] != move_.TableFocus) ++place;
    const int step = move == FocusMove::Next ? 1 : TableSize - 1;
    // A table being picked from is never empty: the walk meets a shown card,
    // at worst the one it started from.
    for (int i = 0; i < TableSize; ++i) {
        place = (place + step) % TableSize;
        if (board_.IsPositionShown(TablePositions[place])) {
            SetTableFocus(TablePositions[place]);
            return;
        }
    }
}

void MatchController::SetTableFocus(int position) {
    if (move_.TableFocus == position) return;
    if (move_.TableFocus >= 0) board_.SetPositionFocus(move_.TableFocus, false);
    move_.TableFocus = position;
    if (position >= 0) board_.SetPositionFocus(position, true);
}

int MatchController::FirstFittingTableCard() const {
    for (int position : TablePositions) {
        if (!board_.IsPositionShown(position)) continue;
        if (!SelectTableCard(move_.PlayerOptions, board_.Identifier(position), board_.CardAt(position)).empty()) {
            return position;
        }
    }
    return -1;
}

}  // namespace MyGame
