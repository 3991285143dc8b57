// The PC's turn, one step per wait of the turn timer, slow enough to follow: its
// card face up below the hand row, then the cards it will take raised above the
// table row, then the move. Laying a card skips the middle step.
#include "game/MatchController.h"

#include "game/CaptureCodec.h"
#include "game/CompactRules.h"
#include "game/Invariant.h"
#include "game/PcLevel.h"
#include "game/Table.h"

namespace MyGame {

void MatchController::PcStepOnTick() {
    switch (move_.PcStepDone) {
        case PcStep::None:
            ShowPcCard();
            break;
        case PcStep::CardShown:
            if (move_.PcCapture.empty()) {
                MakePcMove();
            } else {
                ShowPcCapture();
            }
            break;
        case PcStep::CaptureShown:
            MakePcMove();
            break;
    }
}

void MatchController::ShowPcCard() {
    const PcMove move = ChooseLevelMove(State, board_, Side::Pc, pcLevel_, DecisionSeed());
    move_.PcChosenPosition = move.HandIndex;
    move_.PcCapture = move.CaptureText;
    // The hands are dealt again whenever both are empty and the turns alternate,
    // so the PC always has a card in its turn. Were it without one, there would
    // be nothing to show, and the next wait would try again.
    LURNA_ASSERT(move_.PcChosenPosition >= 0);
    if (move_.PcChosenPosition >= 0) {
        const int position = HandPosition(Side::Pc, move_.PcChosenPosition);
        board_.SetPicture(position, CardPicture(board_.CardAt(position)));
        board_.MoveFromPlace(position, PcCardDrop);
        move_.PcStepDone = PcStep::CardShown;
    }
    move_.PcTickCount = 0;
}

void MatchController::ShowPcCapture() {
    CaptureReader reader(move_.PcCapture);
    for (CaptureToken token; reader.Next(token);) {
        // The strategy names only the table's shown cards.
        const int position = PositionNamed(board_, token);
        LURNA_ASSERT(IsTablePosition(position) && board_.IsPositionShown(position));
        if (position >= 0) board_.MoveFromPlace(position, -PcTakeRaise);
    }
    move_.PcStepDone = PcStep::CaptureShown;
    move_.PcTickCount = 0;
}

void MatchController::MakePcMove() {
    const int position = HandPosition(Side::Pc, move_.PcChosenPosition);
    // The move comes only after its card was shown.
    LURNA_ASSERT(IsPcHand(position) && board_.IsPositionShown(position));
    board_.ReturnToPlace(position);
    board_.HidePosition(position);
    const bool capture = !move_.PcCapture.empty();
    if (capture) {
        MakeCapture(Side::Pc, position, move_.PcCapture);
    } else {
        State.PcLastLaidValue = CardValue(board_.CardAt(position));
        State.PcNoTakeValues |= TakingValues(TableSet(ReadTable(board_)));
        LayOnTable(board_, position);
    }
    if (capture && IsSweep(State, board_)) {
        board_.SetStatusText("LURNA!! Ora tocca a te");
        board_.PlaySoundResource(PcSound);
    } else {
        board_.SetStatusText("Ora tocca a te");
    }
    EndMove(Side::Pc);
}

}  // namespace MyGame
