// The player's turn: a press on a hand card chooses the card to play; when it can
// capture in more than one way, or leaves open which card of a value it takes,
// presses on table cards pick the cards, each marked below the row, while the
// chosen card stands raised above its place.
#include "game/MatchController.h"

#include "game/CompactRules.h"
#include "game/Table.h"

namespace MyGame {

void MatchController::OnCardClicked(int identifier) {
    if (phase_ != MatchPhase::PlayerTurn) return;
    const int position = PositionOfIdentifier(board_, identifier);
    // A hidden position holds no card, whatever text it still keeps; the window
    // sends it no presses, and nothing may be played or taken from it. A press
    // there (a digit on an emptied hand place) does nothing at all.
    if (position < 0 || !board_.IsPositionShown(position)) return;
    ClearSuggestion();
    if (move_.AwaitingTableChoice()) {
        if (IsPlayerHand(position)) {
            // The chosen card cannot be changed.
            board_.Beep();
        } else if (IsTablePosition(position)) {
            PickTableCard(position);
        }
    } else if (IsPlayerHand(position)) {
        ChooseHandCard(position);
    }
}

void MatchController::ChooseHandCard(int position) {
    move_.PlayerChosenPosition = position;
    move_.PlayerOptions = FindCaptures(board_, CardValue(board_.CardAt(position)));
    DecidePlayerMove();
}

void MatchController::PickTableCard(int position) {
    CaptureList narrowed =
        SelectTableCard(move_.PlayerOptions, board_.Identifier(position), board_.CardAt(position));
    if (narrowed.empty()) {
        // The card fits no open option; options and marks stay.
        board_.Beep();
        return;
    }
    board_.MoveFromPlace(position, PlayerMarkDrop);
    move_.PlayerOptions = std::move(narrowed);
    DecidePlayerMove();
}

void MatchController::DecidePlayerMove() {
    if (CaptureReady(move_.PlayerOptions)) {
        TakePlayerCapture();
    } else if (move_.PlayerOptions.empty()) {
        LayPlayerCard();
    } else {
        board_.SetStatusText("Selezionare le carte dal tavolo");
        SetTableCursor(true);
        board_.MoveFromPlace(move_.PlayerChosenPosition, -PlayerChosenRaise);
        if (move_.TableFocus < 0) SetTableFocus(FirstFittingTableCard());
    }
}

void MatchController::TakePlayerCapture() {
    SetTableCursor(false);
    SetTableFocus(-1);
    board_.ReturnToPlace(move_.PlayerChosenPosition);
    MakeCapture(Side::Player, move_.PlayerChosenPosition, move_.PlayerOptions.front());
    if (IsSweep(State, board_)) {
        board_.SetStatusText("LURNA!! Ora tocca al PC");
        board_.PlaySoundResource(PlayerSound);
    } else {
        board_.SetStatusText("Ora tocca al PC");
    }
    EndMove(Side::Player);
}

void MatchController::LayPlayerCard() {
    const int value = CardValue(board_.CardAt(move_.PlayerChosenPosition));
    State.PlayerNoTakeValues |= TakingValues(TableSet(ReadTable(board_)));
    LayOnTable(board_, move_.PlayerChosenPosition);
    State.PlayerLastLaidValue = value;
    board_.SetStatusText("Ora tocca al PC");
    EndMove(Side::Player);
}

}  // namespace MyGame
