// How the PC chooses its move: sweep when a card equals the table's sum (a coin
// first), else the best capture by a fixed order of keys, else lay a card.
#pragma once

#include "game/Board.h"
#include "game/GameState.h"

#include <string>

namespace MyGame {

// One possible capture and the keys it is judged by. The counted cards are the
// played card and the table cards the option names by identifier; a card that
// fills an open token only adds to Cards.
struct MoveCandidate {
    int HandIndex = 0;
    int Coins = 0;
    int Settebello = 0;
    int Sevens = 0;
    int Sixes = 0;
    int Cards = 0;
    int TakesLastLaid = 0;
    // The capture with its open tokens resolved.
    std::string CaptureText;
};

struct PcMove {
    // Hand position 0 to 2; -1 when the hand is empty.
    int HandIndex = -1;
    // Empty: the card is laid on the table.
    std::string CaptureText;
};

// a is strictly better than b: settebello, sevens, coins, sixes, cards, taking
// the player's last laid value, then the capture text; larger wins each key.
bool BetterCandidate(const MoveCandidate& a, const MoveCandidate& b);

// The strategy's move for the side's hand, judged against the value the other
// side last laid: the PC's own choice, or the coach's for the player. The hand
// index is within the side's hand. Changes nothing.
PcMove ChooseMove(const GameState& state, const Board& board, Side side);

// The PC's move from positions 0 to 2 against the player's last laid value.
PcMove ChoosePcMove(const GameState& state, const Board& board);

}  // namespace MyGame
