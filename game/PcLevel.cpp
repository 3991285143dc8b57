#include "game/PcLevel.h"

#include "game/CompactRules.h"
#include "game/ExpertSearch.h"
#include "game/SearchRandom.h"
#include "game/SideView.h"

namespace MyGame {

namespace {

// A beginner takes the simplest capture it sees, the fewest cards (one of the
// same value when it can), any such one; without a capture it lays a card at
// random. It never weighs the settebello, the coins or what it leaves.
PcMove BeginnerMove(const SideView& view, std::uint64_t seed) {
    const CardSet table = TableSet(view.Table);
    SearchRandom random(seed);
    int chosenIndex = -1;
    CardSet chosenTaken = 0;
    // Of the smallest captures met so far, each is kept with an equal chance.
    int smallest = 0;
    for (int i = 0; i < HandSize; ++i) {
        if (view.Hand[i] == NoCard) continue;
        VisitCaptures(table, CardValue(view.Hand[i]), [&](CardSet taken) {
            const bool fewer = chosenIndex < 0 || CardCount(taken) < CardCount(chosenTaken);
            if (!fewer && CardCount(taken) > CardCount(chosenTaken)) return;
            smallest = fewer ? 1 : smallest + 1;
            if (random.Below(smallest) == 0) {
                chosenIndex = i;
                chosenTaken = taken;
            }
        });
    }
    if (chosenIndex >= 0) return MoveTaking(view, chosenIndex, chosenTaken);
    int held[HandSize];
    int count = 0;
    for (int i = 0; i < HandSize; ++i) {
        if (view.Hand[i] != NoCard) held[count++] = i;
    }
    if (count == 0) return PcMove{};
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
