// Positions taken from matches really played, so that every count the searches
// rely on holds: the match controller with the PC at Normale and the player
// pressing Normale's move, stopped after some number of moves.
#pragma once

#include "game/BoardRecord.h"
#include "game/CaptureCodec.h"
#include "game/MatchController.h"
#include "game/PcStrategy.h"
#include "game/Table.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace MyGame {

struct PlayedPosition {
    BoardRecord Board;
    DeckRandom Deck;
    MatchController Match;

    // The same seed and count give the same position.
    PlayedPosition(std::uint32_t seed, int moves) : Deck(seed), Match(Board, Deck, seed) {
        Match.StartMatch();
        for (int made = 0; made < moves;) {
            switch (Match.Phase()) {
                case MatchPhase::PlayerTurn:
                    PlayPlayerMove();
                    ++made;
                    break;
                case MatchPhase::PcTurn:
                    while (Match.Phase() == MatchPhase::PcTurn) Match.OnTurnTimer();
                    ++made;
                    break;
                case MatchPhase::HandOver:
                    Match.ContinueAfterHand();
                    break;
                default:
                    Match.StartMatch();
                    break;
            }
        }
        // Stopped between hands: the next hand's first position.
        if (Match.Phase() == MatchPhase::HandOver) Match.ContinueAfterHand();
        if (Match.Phase() == MatchPhase::MatchOver) Match.StartMatch();
    }

    Side ToMove() const { return Match.PlayerToMove() ? Side::Player : Side::Pc; }

private:
    void PlayPlayerMove() {
        const PcMove move = ChooseMove(Match.State, Board, Side::Player);
        ASSERT_GE(move.HandIndex, 0);
        Match.PressHandCard(move.HandIndex);
        for (const CaptureToken& token : ParseCapture(move.CaptureText)) {
            if (!Match.Move().AwaitingTableChoice()) break;
            Match.OnCardClicked(token.Number);
        }
        ASSERT_FALSE(Match.PlayerToMove());
    }
};

}  // namespace MyGame
