// The match as a state machine driven by the game window's events: the start and
// abandoning of a match, the player's presses, the PC's paced moves on the turn
// timer, the end of a hand and of the match. Everything it shows goes through the
// Board, so the same controller runs in the window, the tests and the tools.
//
// The flow lives in MatchController.cpp, the player's presses in PlayerTurn.cpp,
// the keyboard's table focus in TableFocus.cpp, the coach in Coach.cpp and the
// PC's steps in PcTurn.cpp.
#pragma once

#include "app/ResourceIds.h"
#include "game/Board.h"
#include "game/Captures.h"
#include "game/Deal.h"
#include "game/GameState.h"
#include "game/PcLevel.h"
#include "game/SearchRandom.h"

#include <cstdint>
#include <string>
#include <vector>

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
// The player's card stands this far above its place while table cards are
// picked for it, and so does the card the coach suggests.
constexpr int PlayerChosenRaise = 10;

// Where the keyboard's focus goes over the table cards: to the next or the
// previous shown card in the table's order, wrapping round.
enum class FocusMove { Next, Previous };

// The phases of a match and what the view shows in each; the play button
// reads "GIOCA" exactly in Idle and MatchOver, the score panel shows exactly in
// HandOver.
enum class MatchPhase {
    // No hand: the program's start and an abandoned match.
    Idle,
    // A hand is played and a press of the player's is awaited.
    PlayerTurn,
    // A hand is played and the ticks drive the PC's steps.
    PcTurn,
    // The score panel waits for "Continua".
    HandOver,
    // "Continua" found a winner.
    MatchOver,
};

// How far the PC's move under way has come: its card shows face up below the
// hand row, then the cards it takes rise above the table row, then the move is
// made. Laying a card skips the middle step.
enum class PcStep { None, CardShown, CaptureShown };

// The move under way, cleared by one assignment when a move is made, a match
// is started or abandoned.
struct MoveUnderWay {
    // Ticks of the PC's current wait.
    int PcTickCount = 0;
    PcStep PcStepDone = PcStep::None;
    // Hand index 0..2 of the PC's chosen card; -1 when none.
    int PcChosenPosition = -1;
    // The PC's capture as a capture text; empty when the card is laid.
    std::string PcCapture;
    // The options the player's chosen card still has while table cards are
    // picked.
    CaptureList PlayerOptions;
    // Position 3..5 of the card the player is playing.
    int PlayerChosenPosition = 0;
    // The table position the keyboard's focus frame is on while table cards are
    // picked; -1 when none.
    int TableFocus = -1;
    // The coach's suggestion on show: the hand position raised and the table
    // positions marked; -1 and none when nothing is suggested.
    int SuggestedPosition = -1;
    std::vector<int> SuggestedPicks;
    // The coach's move once worked out: the position stays until a move is made,
    // and the search need not run again for every asking. No hand index: not yet.
    PcMove Coached;

    bool PcCardShown() const { return PcStepDone != PcStep::None; }
    bool PcCaptureShown() const { return PcStepDone == PcStep::CaptureShown; }
    // The player's card leaves options open, so table cards are to be picked.
    bool AwaitingTableChoice() const { return !PlayerOptions.empty(); }
};

class MatchController {
public:
    // The board is the view the match is shown on; random shuffles every hand.
    // The searches of each match (the PC's above Normale, the coach's) draw from
    // searchSeed and the match's count, never from the shuffle's generator, so
    // the deals come out the same at every level.
    MatchController(Board& board, DeckRandom& random, std::uint64_t searchSeed = RunSearchSeed());

    // The play button while it reads "GIOCA": totals 0, the first hand, the
    // player to move.
    void StartMatch();
    // The play button while it reads "ABBANDONA", at any moment: the idle board,
    // the move under way cleared, every position back in its place.
    void AbandonMatch();
    // A press on the card position with this identifier. A suggestion on show
    // goes first.
    void OnCardClicked(int identifier);
    // The keyboard: a press on the player's hand place at this index (0..2, left
    // to right; an empty place takes no press), or on the table card with the
    // focus frame; the frame moved.
    void PressHandCard(int index);
    void PressFocusedCard();
    void MoveTableFocus(FocusMove move);
    // The coach: in the player's turn, before a card is chosen, Esperto's move
    // for the player's hand, from the player's view only, is shown, its card raised
    // and the cards it takes marked, until the next press. While table cards are
    // picked the chosen card cannot change, and it beeps as such a press does.
    void ShowSuggestion();
    // A tick of the turn timer: the PC's pacing and steps.
    void OnTurnTimer();
    // How the PC plays from its next choice on; a choice already shown stands.
    void SetPcLevel(PcLevel level) { pcLevel_ = level; }
    PcLevel Level() const { return pcLevel_; }
    // The seed of the search for the move now to be made: the match's seed with
    // the number of moves made in the match, so that a match replays alike
    // whether or not the coach was asked.
    std::uint64_t DecisionSeed() const { return MixSeed(matchSeed_, static_cast<std::uint64_t>(movesMade_)); }
    // "Continua" on the score panel: the end of the match or the next hand, begun
    // by the side that did not begin the last one. Nothing outside HandOver.
    void ContinueAfterHand();
    // The turn to the side, as at the end of a move: the phase and the hand
    // cursor over the player's cards. The tests arrange hands in the PC's turn
    // with it.
    void GiveTurnTo(Side side);

    MatchPhase Phase() const { return phase_; }
    bool HandActive() const { return phase_ == MatchPhase::PlayerTurn || phase_ == MatchPhase::PcTurn; }
    bool PlayerToMove() const { return phase_ == MatchPhase::PlayerTurn; }
    const MoveUnderWay& Move() const { return move_; }

    GameState State;
    // The table row's y in the layout, which the window fills in. The moves the
    // controller asks for are relative to each position's own place, so the flow
    // itself never needs it.
    int TableRowY = 0;

private:
    // Deals a hand begun by the side.
    void DealNewHand(Side beginner);
    // The match won or lost: its outcome in the status line, with its sound.
    void EndMatch(const char* outcome, int sound);
    void SetPlayerHandCursor(bool on);
    void SetTableCursor(bool on);
    // The move under way cleared, every position back in its place, no hand
    // cursor.
    void ClearMoveUnderWay();
    // Takes the capture and returns the taken table cards to their places.
    void MakeCapture(Side taker, int handPosition, const std::string& capture);
    // After every move: the turn to the other side, then the end of the hand and
    // its scoring, or new hands when both are empty.
    void EndMove(Side mover);

    void ClearSuggestion();
    void SetTableFocus(int position);
    // The first shown table card in table order that fits an open option.
    int FirstFittingTableCard() const;

    void ChooseHandCard(int position);
    void PickTableCard(int position);
    void DecidePlayerMove();
    void TakePlayerCapture();
    void LayPlayerCard();

    void PcStepOnTick();
    void ShowPcCard();
    void ShowPcCapture();
    void MakePcMove();

    MatchPhase phase_ = MatchPhase::Idle;
    MoveUnderWay move_;
    // Every hand has an even number of moves, so the side that made the last
    // move of a hand is the side that did not begin it: it begins the next.
    Side lastMover_ = Side::Player;
    Board& board_;
    DeckRandom& random_;
    PcLevel pcLevel_ = PcLevel::Normale;
    std::uint64_t searchSeed_;
    // Set at every start of a match from searchSeed_ and matchCount_.
    std::uint64_t matchSeed_ = 0;
    std::uint64_t matchCount_ = 0;
    int movesMade_ = 0;
};

}  // namespace MyGame
