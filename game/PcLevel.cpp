#include "game/PcLevel.h"

#include "game/CompactRules.h"
#include "game/ExpertSearch.h"
#include "game/SearchRandom.h"
#include "game/SideView.h"

namespace MyGame {

namespace {

PcMove BeginnerMove(const SideView& view, std::uint64_t seed) {
    CardSet table = 0;
    for (int i = 0; i < view.Table.Count; ++i) table |= CardBit(view.Table.Cards[i]);
    int bestIndex = -1;
    CardSet bestTaken = 0;
    for (int i = 0; i < HandSize; ++i) {
        if (view.Hand[i] == NoCard) continue;
        VisitCaptures(table, CardValue(view.Hand[i]), [&](CardSet taken) {
            if (CardCount(taken) > CardCount(bestTaken)) {
                bestIndex = i;
                bestTaken = taken;
            }
        });
    }
    if (bestIndex >= 0) return MoveTaking(view, bestIndex, bestTaken);
    int held[HandSize];
    int count = 0;
    for (int i = 0; i < HandSize; ++i) {
        if (view.Hand[i] != NoCard) held[count++] = i;
    }
    if (count == 0) return PcMove{};
    SearchRandom random(seed);
    return MoveTaking(view, held[random.Below(count)], 0);
}

}  // namespace

PcMove ChooseLevelMove(const GameState& state, const Board& board, Side side, PcLevel level, std::uint64_t seed) {
    switch (level) {
        case PcLevel::Principiante:
            return BeginnerMove(ViewFor(state, board, side), seed);
        case PcLevel::Esperto:
            return ExpertMove(ViewFor(state, board, side), seed);
        case PcLevel::Normale:
            break;
    }
    return ChooseMove(state, board, side);
}

}  // namespace MyGame
