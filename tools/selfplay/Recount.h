// The points of one side's hand counted again from its pile, apart from the
// game's own scoring, so that the two can be compared.
#pragma once

#include "game/Card.h"

namespace SelfPlay {

struct SideCount {
    int Cards = 0;
    int Coins = 0;
    bool Settebello = false;
    int PrimieraSum = 0;
};

SideCount CountPile(const MyGame::CardList& pile);
// Points of a side against the other, with its sweeps.
int HandPoints(const SideCount& own, const SideCount& other, int sweeps);
// Whether the totals end the match: 11 or more and strictly ahead.
bool MatchOver(int pcTotal, int playerTotal);

}  // namespace SelfPlay
