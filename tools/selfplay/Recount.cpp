#include "tools/selfplay/Recount.h"

namespace SelfPlay {

namespace {

int PrimieraPoints(int rank) {
    switch (rank) {
        case 7: return 21;
        case 6: return 18;
        case 1: return 16;
        case 5: return 15;
        case 4: return 14;
        case 3: return 13;
        case 2: return 12;
        default: return 10;  // jack, knight, king
    }
}

}  // namespace

SideCount CountPile(const MyGame::CardList& pile) {
    SideCount count;
    int best[4] = {};
    for (MyGame::Card card : pile) {
        ++count.Cards;
        const int suit = (card - 1) / 10;
        const int rank = (card - 1) % 10 + 1;
        if (suit == 0) ++count.Coins;
        if (suit == 0 && rank == 7) count.Settebello = true;
        if (PrimieraPoints(rank) > best[suit]) best[suit] = PrimieraPoints(rank);
    }
    count.PrimieraSum = best[0] + best[1] + best[2] + best[3];
    return count;
}

int HandPoints(const SideCount& own, const SideCount& other, int sweeps) {
    int points = sweeps;
    if (own.Cards > other.Cards) ++points;
    if (own.Coins > other.Coins) ++points;
    if (own.Settebello) ++points;
    if (own.PrimieraSum > other.PrimieraSum) ++points;
    return points;
}

bool MatchOver(int pcTotal, int playerTotal) {
    return (pcTotal >= 11 || playerTotal >= 11) && pcTotal != playerTotal;
}

}  // namespace SelfPlay
