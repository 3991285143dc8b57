// The state of a match that the rule routines read and write: plain data, held by
// whoever runs the match (the game window, the tests, the tools).
#pragma once

#include "game/Card.h"
#include "game/Positions.h"

#include <string>

namespace MyGame {

// One side's column of the score panel, top to bottom.
struct ReportColumn {
    std::string Points;
    std::string Cards;
    std::string Coins;
    std::string Settebello;
    std::string Primiera;
    std::string Sweeps;
};

struct HandReport {
    ReportColumn Pc;
    ReportColumn Player;
};

struct GameState {
    // The 40 cards of the hand in dealing order; the next to deal is
    // Deck[40 - CardsLeft].
    CardList Deck;
    int CardsLeft = 0;
    // Per capture: the played card, then the taken cards in the capture's order.
    CardList PcPile;
    CardList PlayerPile;
    int PcSweeps = 0;
    int PlayerSweeps = 0;
    bool LastTakerIsPlayer = false;
    // Value of the card the player last laid without capturing since the last
    // deal; -1 when none. The PC's strategy prefers a capture that takes it.
    int PlayerLastLaidValue = -1;
    // The same for the PC, which the strategy judges by when it chooses for the
    // player (the coach).
    int PcLastLaidValue = -1;
    // The values (bit v for value v) that would have taken something from the
    // table when the side laid a card since the last deal. As no level lays while
    // it can take, the PC's hand holds no card of these values, and a player who
    // plays the same way holds none either: what the search may infer.
    int PcNoTakeValues = 0;
    int PlayerNoTakeValues = 0;
    int PcMatchPoints = 0;
    int PlayerMatchPoints = 0;
    // The last hand's score report.
    HandReport Report;
};

}  // namespace MyGame
