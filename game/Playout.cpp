#include "game/Playout.h"

#include "game/CompactRules.h"

namespace MyGame {

namespace {

constexpr CardSet Sevens = CardsOfValue(7);
constexpr CardSet Sixes = CardsOfValue(6);
constexpr int TableLimit = 10;

// The strategy's keys packed into one number, larger is better: settebello,
// sevens, coins, sixes, cards, and a card of the value the other side last laid.
int CaptureKey(CardSet cards, int otherLastLaid) {
    int key = Holds(cards, Settebello) ? 1 : 0;
    key = key * 8 + CardCount(cards & Sevens);
    key = key * 16 + CardCount(cards & CoinCards);
    key = key * 8 + CardCount(cards & Sixes);
    key = key * 16 + CardCount(cards);
    const bool takesLastLaid = otherLastLaid > 0 && (cards & CardsOfValue(otherLastLaid)) != 0;
    return key * 2 + (takesLastLaid ? 1 : 0);
}

// The lowest value that brings the table above 10, else the lowest value; of
// that value the highest card, which is a coin only when no other card is.
Card CardToLay(CardSet hand, int tableSum) {
    int chosenValue = 0;
    int smallest = 0;
    for (CardSet rest = hand; rest != 0; rest &= rest - 1) {
        const int value = CardValue(LowestCard(rest));
        if (smallest == 0 || value < smallest) smallest = value;
        if (tableSum + value > TableLimit && (chosenValue == 0 || value < chosenValue)) chosenValue = value;
    }
    if (chosenValue == 0) chosenValue = smallest;
    const CardSet ofValue = hand & CardsOfValue(chosenValue);
    return 63 - __builtin_clzll(ofValue);
}

void Deal(PlayState& state) {
    for (int side = 0; side < 2; ++side) {
        for (int i = 0; i < HandSize; ++i) state.Hands[side] |= CardBit(state.Stock[state.StockNext++]);
    }
    state.LastLaid[0] = -1;
    state.LastLaid[1] = -1;
}

}  // namespace

CompactMove GreedyMove(const PlayState& state) {
    const CardSet hand = state.Hands[state.ToMove];
    // Coins have the lowest numbers, so the first card found is a coin when one
    // sweeps.
    for (CardSet rest = hand; rest != 0; rest &= rest - 1) {
        const Card card = LowestCard(rest);
        if (CardValue(card) == state.TableSum) return CompactMove{card, state.Table};
    }
    const int otherLastLaid = state.LastLaid[1 - state.ToMove];
    CompactMove best;
    int bestKey = -1;
    for (CardSet rest = hand; rest != 0; rest &= rest - 1) {
        const Card card = LowestCard(rest);
        VisitCaptures(state.Table, CardValue(card), [&](CardSet taken) {
            const int key = CaptureKey(taken | CardBit(card), otherLastLaid);
            if (key > bestKey) {
                bestKey = key;
                best = CompactMove{card, taken};
            }
        });
    }
    if (bestKey >= 0) return best;
    return CompactMove{CardToLay(hand, state.TableSum), 0};
}

void MakeMove(PlayState& state, const CompactMove& move) {
    const int side = state.ToMove;
    state.Hands[side] &= ~CardBit(move.Played);
    if (move.Taken != 0) {
        state.Piles[side] |= move.Taken | CardBit(move.Played);
        state.Table &= ~move.Taken;
        for (CardSet rest = move.Taken; rest != 0; rest &= rest - 1) state.TableSum -= CardValue(LowestCard(rest));
        state.LastTaker = side;
    } else {
        state.Table |= CardBit(move.Played);
        state.TableSum += CardValue(move.Played);
        state.LastLaid[side] = CardValue(move.Played);
    }
    state.ToMove = 1 - side;
    const bool handsEmpty = (state.Hands[0] | state.Hands[1]) == 0;
    const bool stockEmpty = state.StockNext == state.StockEnd;
    if (move.Taken != 0 && state.Table == 0 && !(handsEmpty && stockEmpty)) ++state.Sweeps[side];
    if (!handsEmpty) return;
    if (!stockEmpty) {
        Deal(state);
        return;
    }
    state.Piles[state.LastTaker] |= state.Table;
    state.Table = 0;
    state.TableSum = 0;
}

bool HandOver(const PlayState& state) {
    return (state.Hands[0] | state.Hands[1]) == 0 && state.StockNext == state.StockEnd;
}

void PlayToEnd(PlayState& state) {
    while (!HandOver(state)) MakeMove(state, GreedyMove(state));
}

int PointDifference(const PlayState& state, int side) {
    const int other = 1 - side;
    return PilePoints(state.Piles[side], state.Piles[other], state.Sweeps[side]) -
           PilePoints(state.Piles[other], state.Piles[side], state.Sweeps[other]);
}

}  // namespace MyGame
