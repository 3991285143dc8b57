#include "game/CompactRules.h"

#include "game/Scoring.h"

#include <array>

namespace MyGame {

namespace {

constexpr int CardsForPoint = 21;
constexpr int CoinsForPoint = 6;
constexpr unsigned SuitMaskSize = 1u << CardsPerSuit;

// For each set of one suit's cards (bit v-1 for value v), its best primiera value.
constexpr std::array<int, SuitMaskSize> BuildBestPrimiera() {
    std::array<int, SuitMaskSize> best{};
    for (unsigned mask = 1; mask < SuitMaskSize; ++mask) {
        for (int value = 1; value <= CardsPerSuit; ++value) {
            if ((mask & (1u << (value - 1))) == 0) continue;
            const int primiera = PrimieraValue(value);
            if (primiera > best[mask]) best[mask] = primiera;
        }
    }
    return best;
}

constexpr std::array<int, SuitMaskSize> BestPrimiera = BuildBestPrimiera();

}  // namespace

CardSet TableSet(const TableCards& table) {
    CardSet set = 0;
    for (int i = 0; i < table.Count; ++i) set |= CardBit(table.Cards[i]);
    return set;
}

int TakingValues(CardSet table) {
    int values = 0;
    for (int value = 1; value <= CardsPerSuit; ++value) {
        VisitCaptures(table, value, [&values, value](CardSet) { values |= 1 << value; });
    }
    return values;
}

int PrimieraSum(CardSet pile) {
    int sum = 0;
    for (int suit = 0; suit < SuitCount; ++suit) {
        sum += BestPrimiera[(pile >> (1 + suit * CardsPerSuit)) & (SuitMaskSize - 1)];
    }
    return sum;
}

int PilePoints(CardSet own, CardSet other, int sweeps) {
    int points = sweeps;
    if (CardCount(own) >= CardsForPoint) ++points;
    if (CardCount(own & CoinCards) >= CoinsForPoint) ++points;
    if (Holds(own, Settebello)) ++points;
    if (PrimieraSum(own) > PrimieraSum(other)) ++points;
    return points;
}

}  // namespace MyGame
