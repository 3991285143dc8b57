// The PC's turn, one step per wait of the turn timer, slow enough to follow: its
// card face up below the hand row, then the cards it will take raised above the
// table row, then the move. Laying a card skips the middle step.
#include "game/MatchController.h"

#include "game/CaptureCodec.h"
#include "game/PcStrategy.h"
#include "game/Table.h"

namespace MyGame {

void MatchController::PcStep() {
    if (!PcCardShown) {
        ShowPcCard();
    } else if (!PcCaptureShown && !PcCapture.empty()) {
        ShowPcCapture();
    } else {
        MakePcMove();
    }
}

void MatchController::ShowPcCard() {
    PcCapture.clear();
    PcChosenPosition = -1;
    const PcMove move = ChoosePcMove(State, board_);
    PcChosenPosition = move.HandIndex;
    PcCapture = move.CaptureText;
    // With no card in the PC's hand there is nothing to show; the next wait tries
    // again.
    if (PcChosenPosition >= 0) {
        const int position = HandPosition(Side::Pc, PcChosenPosition);
        board_.SetPicture(position, CardPicture(board_.CardAt(position)));
        board_.MoveFromPlace(position, PcCardDrop);
        PcCardShown = true;
    }
    PcTickCount = 0;
}

void MatchController::ShowPcCapture() {
    CaptureReader reader(PcCapture);
    for (CaptureToken token; reader.Next(token);) {
        const int position = PositionNamed(board_, token);
        if (position >= 0) board_.MoveFromPlace(position, -PcTakeRaise);
    }
    PcCaptureShown = true;
    PcTickCount = 0;
}

void MatchController::MakePcMove() {
    PcCardShown = false;
    PcCaptureShown = false;
    const int position = HandPosition(Side::Pc, PcChosenPosition);
    board_.ReturnToPlace(position);
    board_.HidePosition(position);
    const bool capture = !PcCapture.empty();
    if (capture) {
        MakeCapture(Side::Pc, position, PcCapture);
    } else {
        LayOnTable(board_, position);
    }
    SetPlayerHandCursor(true);
    PlayerToMove = true;
    // The count starts afresh here rather than on the next tick: a reply, or a new
    // hand, before that tick must not cut the PC's next wait short.
    PcTickCount = 0;
    if (capture && IsSweep(State, board_)) {
        board_.SetStatusText("LURNA!! Ora tocca a te");
        board_.PlaySoundResource(PcSound);
    } else {
        board_.SetStatusText("Ora tocca a te");
    }
    FinishMove();
    PcChosenPosition = -1;
    PcCapture.clear();
}

}  // namespace MyGame
