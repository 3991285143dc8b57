// The coach: Esperto's move in the player's place, whatever the PC's level, from
// what the player can see, shown on the board as the player would make it, until
// the player's next press.
#include "game/MatchController.h"

#include "game/CaptureCodec.h"
#include "game/PcLevel.h"
#include "game/Table.h"

namespace MyGame {

void MatchController::ShowSuggestion() {
    if (phase_ != MatchPhase::PlayerTurn) return;
    if (move_.AwaitingTableChoice()) {
        board_.Beep();
        return;
    }
    ClearSuggestion();
    if (move_.Coached.HandIndex < 0) {
        move_.Coached = ChooseLevelMove(State, board_, Side::Player, PcLevel::Esperto, DecisionSeed());
    }
    const PcMove suggestion = move_.Coached;
    // The player's turn always has a card in hand: the hands are dealt again as
    // soon as both are empty.
    if (suggestion.HandIndex < 0) return;
    move_.SuggestedPosition = HandPosition(Side::Player, suggestion.HandIndex);
    board_.MoveFromPlace(move_.SuggestedPosition, -PlayerChosenRaise);
    CaptureReader reader(suggestion.CaptureText);
    for (CaptureToken token; reader.Next(token);) {
        const int position = PositionNamed(board_, token);
        if (position < 0) continue;
        board_.MoveFromPlace(position, PlayerMarkDrop);
        move_.SuggestedPicks.push_back(position);
    }
}

void MatchController::ClearSuggestion() {
    if (move_.SuggestedPosition < 0) return;
    board_.ReturnToPlace(move_.SuggestedPosition);
    for (int position : move_.SuggestedPicks) board_.ReturnToPlace(position);
    move_.SuggestedPosition = -1;
    move_.SuggestedPicks.clear();
}

}  // namespace MyGame
