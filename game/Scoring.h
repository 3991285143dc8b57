// The points of a hand, the score report, the match totals and the rule that ends
// a match.
#pragma once

#include "game/Board.h"
#include "game/GameState.h"

#include <string>

namespace MyGame {

struct Primiera {
    // The four suits' best primiera values added; a suit without cards adds 0.
    int Sum = 0;
    // Each suit's best card in short form ("7 ", "6 ", "1 ", ..., "F " for a
    // figure), "0;" for a suit without cards.
    std::string Text;
};

// 16 ace, 12 to 15 for 2 to 5, 18 six, 21 seven, 10 a figure.
constexpr int PrimieraValue(Card card) {
    constexpr int byValue[] = {0, 16, 12, 13, 14, 15, 18, 21, 10, 10, 10};
    return byValue[CardValue(card)];
}
Primiera PrimieraOf(const CardList& pile);

// Counts both sides' points from their piles and sweeps, writes the report, adds
// the points to the match totals, shows the totals and the report.
void ScoreHand(GameState& state, Board& board);
void ShowMatchTotals(const GameState& state, Board& board);

enum class MatchResult { NextHand, PlayerWon, PlayerLost };

// A side wins with 11 or more and strictly more than the other.
MatchResult MatchResultOf(int pcMatchPoints, int playerMatchPoints);

}  // namespace MyGame
