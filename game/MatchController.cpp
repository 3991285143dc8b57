#include "game/MatchController.h"

#include "game/CaptureCodec.h"
#include "game/Scoring.h"
#include "game/Table.h"

namespace MyGame {

MatchController::MatchController(Board& board, DeckRandom& random) : board_(board), random_(random) {}

void MatchController::StartMatch() {
    // The window starts a match only from the idle board or a finished match, but
    // a match started over one in progress must not inherit its half-made move.
    ClearMoveUnderWay();
    board_.HideReport();
    State.PcMatchPoints = 0;
    State.PlayerMatchPoints = 0;
    ShowMatchTotals(State, board_);
    PlayerToMove = true;
    DealNewHand();
    board_.SetPlayButtonText("ABBANDONA");
}

void MatchController::AbandonMatch() {
    State.HandActive = false;
    ResetBoard(State, board_);
    ClearMoveUnderWay();
    board_.SetPlayButtonText("GIOCA");
}

void MatchController::OnTurnTimer() {
    if (!State.HandActive || PlayerToMove) {
        PcTickCount = 0;
        return;
    }
    ++PcTickCount;
    if (PcTickCount > PcWaitTicks) PcStep();
}

void MatchController::ContinueAfterHand() {
    switch (MatchResultOf(State.PcMatchPoints, State.PlayerMatchPoints)) {
        case MatchResult::PlayerLost:
            board_.SetStatusText("Hai perso..");
            board_.PlaySoundResource(PcSound);
            board_.SetPlayButtonText("GIOCA");
            break;
        case MatchResult::PlayerWon:
            board_.SetStatusText("Hai vinto!!");
            board_.PlaySoundResource(PlayerSound);
            board_.SetPlayButtonText("GIOCA");
            break;
        case MatchResult::NextHand:
            PlayerToMove = !PlayerToMove;
            DealNewHand();
            break;
    }
    board_.HideReport();
}

void MatchController::FinishMove() {
    if (EndOfHand(State, board_)) {
        ScoreHand(State, board_);
    } else if (HandsEmpty(board_)) {
        // The side whose turn it is keeps it; the table is not dealt again.
        DealHands(State, board_);
    }
}

// Deals a hand begun by the side PlayerToMove names.
void MatchController::DealNewHand() {
    ShuffleDeck(State, random_);
    DealHands(State, board_);
    DealTable(State, board_);
    SetPlayerHandCursor(PlayerToMove);
    board_.SetStatusText(PlayerToMove ? "Tocca a te" : "Tocca al pc");
    State.HandActive = true;
}

void MatchController::SetPlayerHandCursor(bool on) {
    for (int i = 0; i < HandSize; ++i) board_.SetPositionCursor(HandPosition(Side::Player, i), on);
}

void MatchController::SetTableCursor(bool on) {
    for (int position : TablePositions) board_.SetPositionCursor(position, on);
}

void MatchController::ClearMoveUnderWay() {
    PcTickCount = 0;
    PcCardShown = false;
    PcCaptureShown = false;
    PcChosenPosition = -1;
    PcCapture.clear();
    PlayerOptions.clear();
    AwaitingTableChoice = false;
    PlayerChosenPosition = 0;
    for (int position = 0; position < PositionCount; ++position) {
        board_.ReturnToPlace(position);
        // Until a hand is dealt, nothing answers a press.
        board_.SetPositionCursor(position, false);
    }
}

void MatchController::MakeCapture(Side taker, int handPosition, const std::string& capture) {
    TakeCapture(State, board_, taker, handPosition, capture);
    // Hidden by now, so the way back to the row is never seen.
    CaptureReader reader(capture);
    for (CaptureToken token; reader.Next(token);) {
        const int position = PositionNamed(board_, token);
        if (position >= 0) board_.ReturnToPlace(position);
    }
}

}  // namespace MyGame
