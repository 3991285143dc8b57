// The match as a state machine driven by the game window's events: the start and
// abandoning of a match, the player's presses, the PC's paced moves on the turn
// timer, the end of a hand and of the match. Everything it shows goes through the
// Board, so the same controller runs in the window, the tests and the tools.
//
// States, as the fields tell them:
//   Idle       no hand; play button "GIOCA" (program start, abandoning)
//   PlayerTurn State.HandActive and PlayerToMove
//   PcTurn     State.HandActive and not PlayerToMove; the ticks drive the steps
//   HandOver   not State.HandActive, score panel shown; waits for "Continua"
//   MatchOver  not State.HandActive after "Continua" found a winner; "GIOCA"
//
// The flow lives in MatchController.cpp, the player's presses in PlayerTurn.cpp
// and the PC's steps in PcTurn.cpp.
#pragma once

#include "app/ResourceIds.h"
#include "game/Board.h"
#include "game/Captures.h"
#include "game/Deal.h"
#include "game/GameState.h"

#include <string>

namespace MyGame {

// The player's sweep and the player's win; the PC's sweep and the player's loss.
constexpr int PlayerSound = LURNA_PLAYER_SOUND;
constexpr int PcSound = LURNA_PC_SOUND;
// The PC carries out a step on the tick that brings PcTickCount above this.
constexpr int PcWaitTicks = 40;
// The PC's chosen card waits this far below its place in the hand row, the cards
// it is about to take this far above the table row, and a table card the player
// has picked this far below it.
constexpr int PcCardDrop = 10;
constexpr int PcTakeRaise = 10;
constexpr int PlayerMarkDrop = 10;

class MatchController {
public:
    // The board is the view the match is shown on; random shuffles every hand.
    MatchController(Board& board, DeckRandom& random);

    // The play button while it reads "GIOCA": totals 0, the first hand, the
    // player to move.
    void StartMatch();
    // The play button while it reads "ABBANDONA", at any moment: the idle board,
    // the turn state cleared, every position back in its place.
    void AbandonMatch();
    // A press on the card position with this identifier.
    void OnCardClicked(int identifier);
    // A tick of the turn timer: the PC's pacing and steps.
    void OnTurnTimer();
    // "Continua" on the score panel: the end of the match or the next hand, begun
    // by the side that did not begin the last one.
    void ContinueAfterHand();
    // After every move: the end of the hand and its scoring, or new hands when
    // both are empty.
    void FinishMove();

    GameState State;
    // The table row's y in the layout, which the window fills in. The moves the
    // controller asks for are relative to each position's own place, so the flow
    // itself never needs it.
    int TableRowY = 0;
    bool PlayerToMove = false;

    // Turn state: it outlives hands and matches and is cleared only where the
    // moves and abandoning say.
    int PcTickCount = 0;
    bool PcCardShown = false;
    bool PcCaptureShown = false;
    // Hand position 0..2 of the PC's chosen card; -1 when none.
    int PcChosenPosition = -1;
    // Identifiers joined by ";"; empty when the card is laid.
    std::string PcCapture;
    CaptureList PlayerOptions;
    bool AwaitingTableChoice = false;
    // Hand position 3..5 of the card the player is playing.
    int PlayerChosenPosition = 0;

private:
    void DealNewHand();
    void SetPlayerHandCursor(bool on);
    void SetTableCursor(bool on);
    // The turn state cleared, every position back in its place, no hand cursor.
    void ClearMoveUnderWay();
    // Takes the capture and returns the taken table cards to their places.
    void MakeCapture(Side taker, int handPosition, const std::string& capture);

    void ChooseHandCard(int position);
    void PickTableCard(int position);
    void DecidePlayerMove();
    void TakePlayerCapture();
    void LayPlayerCard();

    void PcStep();
    void ShowPcCard();
    void ShowPcCapture();
    void MakePcMove();

    Board& board_;
    DeckRandom& random_;
};

}  // namespace MyGame
