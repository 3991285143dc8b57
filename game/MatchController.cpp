#include "game/MatchController.h"

#include "game/CaptureCodec.h"
#include "game/Scoring.h"
#include "game/Table.h"

namespace MyGame {

MatchController::MatchController(Board& board, DeckRandom& random, std::uint64_t searchSeed)
    : board_(board), random_(random), searchSeed_(searchSeed) {}

void MatchController::StartMatch() {
    // The window starts a match only from the idle board or a finished match, but
    // a match started over one in progress must not inherit its half-made move.
    ClearMoveUnderWay();
    board_.HideReport();
    matchSeed_ = MixSeed(searchSeed_, ++matchCount_);
    movesMade_ = 0;
    State.PcMatchPoints = 0;
    State.PlayerMatchPoints = 0;
    ShowMatchTotals(State, board_);
    DealNewHand(Side::Player);
    board_.SetPlayButtonText("ABBANDONA");
}

void MatchController::AbandonMatch() {
    phase_ = MatchPhase::Idle;
    ResetBoard(State, board_);
    ClearMoveUnderWay();
    board_.SetPlayButtonText("GIOCA");
}

void MatchController::OnTurnTimer() {
    if (phase_ != MatchPhase::PcTurn) {
        move_.PcTickCount = 0;
        return;
    }
    ++move_.PcTickCount;
    if (move_.PcTickCount > PcWaitTicks) PcStepOnTick();
}

void MatchController::ContinueAfterHand() {
    // "Continua" can still fire after its panel is gone: a button held down
    // by the mouse clicks on release, after a key has dealt or abandoned.
    if (phase_ != MatchPhase::HandOver) return;
    switch (MatchResultOf(State.PcMatchPoints, State.PlayerMatchPoints)) {
        case MatchResult::PlayerLost:
            EndMatch("Hai perso..", PcSound);
            break;
        case MatchResult::PlayerWon:
            EndMatch("Hai vinto!!", PlayerSound);
            break;
        case MatchResult::NextHand:
            DealNewHand(lastMover_);
            break;
    }
    board_.HideReport();
}

void MatchController::EndMatch(const char* outcome, int sound) {
    phase_ = MatchPhase::MatchOver;
    board_.SetStatusText(outcome);
    board_.PlaySoundResource(sound);
    board_.SetPlayButtonText("GIOCA");
}

void MatchController::GiveTurnTo(Side side) {
    phase_ = side == Side::Player ? MatchPhase::PlayerTurn : MatchPhase::PcTurn;
    SetPlayerHandCursor(side == Side::Player);
}

void MatchController::EndMove(Side mover) {
    // The PC's count starts afresh here rather than on the next tick: a reply,
    // or a new hand, before that tick must not cut the PC's next wait short.
    move_ = MoveUnderWay{};
    ++movesMade_;
    lastMover_ = mover;
    GiveTurnTo(Other(mover));
    if (EndOfHand(State, board_)) {
        phase_ = MatchPhase::HandOver;
        ScoreHand(State, board_);
    } else if (HandsEmpty(board_)) {
        // The side whose turn it is keeps it; the table is not dealt again.
        DealHands(State, board_);
    }
}

void MatchController::DealNewHand(Side beginner) {
    ShuffleDeck(State, random_);
    DealHands(State, board_);
    DealTable(State, board_);
    GiveTurnTo(beginner);
    board_.SetStatusText(beginner == Side::Player ? "Tocca a te" : "Tocca al pc");
}

void MatchController::SetPlayerHandCursor(bool on) {
    for (int i = 0; i < HandSize; ++i) board_.SetPositionCursor(HandPosition(Side::Player, i), on);
}

void MatchController::SetTableCursor(bool on) {
    for (int position : TablePositions) board_.SetPositionCursor(position, on);
}

void MatchController::ClearMoveUnderWay() {
    move_ = MoveUnderWay{};
    for (int position = 0; position < PositionCount; ++position) {
        board_.ReturnToPlace(position);
        board_.SetPositionFocus(position, false);
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
