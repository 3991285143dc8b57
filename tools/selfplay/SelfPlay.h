// Plays whole hands with the rule routines alone, the PC's strategy against
// either the same strategy or a random legal player, and checks after every move
// that nothing the rules promise is broken.
#pragma once

#include "game/BoardRecord.h"
#include "game/Captures.h"
#include "game/Deal.h"
#include "game/GameState.h"

#include <cstdint>
#include <string>
#include <vector>

namespace SelfPlay {

enum class Opponent { Pc, Random };

struct Totals {
    std::int64_t Hands = 0;
    std::int64_t Violations = 0;
    std::int64_t Matches = 0;
    std::int64_t PcWins = 0;
    std::int64_t Beeps = 0;
    // Every move the PC made, in order, folded into one number: two runs with
    // the same seed chose alike exactly when their hashes agree.
    std::uint64_t PcMoveHash = 14695981039346656037ull;
};

class Game {
public:
    Game(Opponent opponent, std::uint32_t seed);

    // Plays one hand (and ends the match when the hand decides it); returns
    // whether the match was then over.
    bool PlayHand();
    const MyGame::GameState& State() const { return state_; }
    const MyGame::BoardRecord& Board() const { return board_; }
    const Totals& Counts() const { return totals_; }
    // Descriptions of the first violations met.
    const std::vector<std::string>& Faults() const { return faults_; }

private:
    void PlayMove(MyGame::Side side);
    void PlayStrategyMove(MyGame::Side side);
    void PlayRandomMove();
    void MakeCapture(MyGame::Side side, int handPosition, const std::string& capture);
    void CheckCapture(int value, const std::string& capture);
    void CheckCardsAccounted();
    // Ends and scores the hand after its last move; true when it ended.
    bool FinishHand();
    void Deal();
    void Violation(const std::string& what);

    Opponent opponent_;
    MyGame::DeckRandom random_;
    MyGame::GameState state_;
    MyGame::BoardRecord board_;
    bool playerBeginsHand_ = true;
    bool lastTakerIsPlayer_ = false;
    MyGame::CaptureList options_;
    Totals totals_;
    std::vector<std::string> faults_;
};

}  // namespace SelfPlay
