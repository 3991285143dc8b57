// A match controller on a recorded board, with presses and ticks by position and
// hands arranged card by card.
#pragma once

#include "game/MatchController.h"
#include "tests/host/game/PhaseCheck.h"
#include "tests/host/game/TableSetup.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace MyGame {

class MatchTest : public ::testing::Test {
protected:
    // Every press and tick is followed by the check that the view fits the phase.
    void Press(int position) {
        match.OnCardClicked(board.Identifier(position));
        ExpectViewFitsPhase(match, board);
    }
    void Tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            match.OnTurnTimer();
            ExpectViewFitsPhase(match, board);
        }
    }
    // One full wait of the PC: the step comes on its last tick.
    void PcStep() { Tick(PcWaitTicks + 1); }

    // A match in progress with exactly these cards in the hands and on the table
    // (table places in order) and cardsLeft cards still to deal.
    void Arrange(std::initializer_list<Card> pcHand, std::initializer_list<Card> playerHand,
                 std::initializer_list<Card> table, int cardsLeft, bool playerToMove = true) {
        match.StartMatch();
        for (int position = 0; position < PositionCount; ++position) {
            if (position != StockPosition) board.Positions[position].Shown = false;
        }
        SetHand(board, PcHandFirst, pcHand);
        for (int i = 0; i < static_cast<int>(pcHand.size()); ++i) board.Positions[i].Picture = CardBackPicture;
        SetHand(board, PlayerHandFirst, playerHand);
        SetTable(board, table);
        match.State.CardsLeft = cardsLeft;
        match.GiveTurnTo(playerToMove ? Side::Player : Side::Pc);
    }

    // Plays the hand in progress to its end: the player presses its first card
    // and then table cards in order until the move is made; the PC on ticks.
    void PlayHandToEnd() {
        for (int events = 0; match.HandActive() && events < 100000; ++events) {
            if (!match.PlayerToMove()) {
                Tick();
            } else if (!match.Move().AwaitingTableChoice()) {
                for (int i = 0; i < HandSize; ++i) {
                    if (board.IsPositionShown(PlayerHandFirst + i)) {
                        Press(PlayerHandFirst + i);
                        break;
                    }
                }
            } else {
                for (int position : TablePositions) {
                    if (match.Move().AwaitingTableChoice() && board.IsPositionShown(position)) Press(position);
                }
            }
        }
    }

    int CountShown(int first, int count) const {
        int shown = 0;
        for (int position = first; position < first + count; ++position) shown += board.IsPositionShown(position) ? 1 : 0;
        return shown;
    }

    bool AllAtPlace() const {
        for (const PositionRecord& position : board.Positions) {
            if (position.OffsetY != 0) return false;
        }
        return true;
    }

    BoardRecord board;
    DeckRandom random{12345};
    MatchController match{board, random, 12345};
};

}  // namespace MyGame
