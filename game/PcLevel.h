// The PC's three levels of play and the one entry that chooses a move at a level.
#pragma once

#include "game/Board.h"
#include "game/GameState.h"
#include "game/PcStrategy.h"

#include <cstdint>

namespace MyGame {

enum class PcLevel {
    // Takes the simplest capture, the fewest cards, else lays a card at random;
    // never looks at what it leaves.
    Principiante,
    // The PC's greedy strategy (ChooseMove).
    Normale,
    // The search of ExpertSearch.h.
    Esperto,
};
constexpr int PcLevelCount = 3;

// The move of the side's hand at the level, its hand index within that hand.
// Principiante and Esperto decide from what the side can see (SideView.h) and
// draw their random numbers from the seed alone; Normale draws none.
PcMove ChooseLevelMove(const GameState& state, const Board& board, Side side, PcLevel level, std::uint64_t seed);

}  // namespace MyGame
