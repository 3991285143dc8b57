#include "game/ExpertSearch.h"

#include "game/CompactRules.h"
#include "game/Invariant.h"
#include "game/MatchOdds.h"
#include "game/Playout.h"
#include "game/SearchRandom.h"

#include <vector>

namespace MyGame {

namespace {

// Play-outs per decision, shared among the candidate moves.
#include <cstdlib>
const int PlayoutBudget = std::getenv("LB") ? std::atoi(std::getenv("LB")) : 1500;
const int UtilityMode = std::getenv("LU") ? std::atoi(std::getenv("LU")) : 0;
const double UtilityWeight = std::getenv("LK") ? std::atof(std::getenv("LK")) : 20;

double Utility(const PlayState& state, int self, const SideView& view) {
    const int diff = PointDifference(state, self);
    if (UtilityMode == 0) return diff;
    const int own = view.OwnMatchPoints + PilePoints(state.Piles[self], state.Piles[1 - self], state.Sweeps[self]);
    const int other = view.OtherMatchPoints + PilePoints(state.Piles[1 - self], state.Piles[self], state.Sweeps[1 - self]);
    const double chance = MatchWinChance(own, other);
    if (UtilityMode == 1) return chance;
    if (UtilityMode == 3) return (view.OwnMatchPoints >= 4 || view.OtherMatchPoints >= 4) ? chance : diff;
    return UtilityWeight * chance + diff;
}

struct Candidate {
    int HandIndex = 0;
    CompactMove Move;
    double Total = 0;
};

// Every legal move: each card's captures, or, when no card takes anything,
// each card laid. Like the PC's strategy, it never lays while it can take.
std::vector<Candidate> CandidatesOf(const SideView& view) {
    CardSet table = 0;
    for (int i = 0; i < view.Table.Count; ++i) table |= CardBit(view.Table.Cards[i]);
    std::vector<Candidate> candidates;
    for (int i = 0; i < HandSize; ++i) {
        const Card card = view.Hand[i];
        if (card == NoCard) continue;
        VisitCaptures(table, CardValue(card), [&](CardSet taken) {
            candidates.push_back(Candidate{i, CompactMove{card, taken}, 0});
        });
    }
    if (!candidates.empty()) return candidates;
    for (int i = 0; i < HandSize; ++i) {
        if (view.Hand[i] != NoCard) candidates.push_back(Candidate{i, CompactMove{view.Hand[i], 0}, 0});
    }
    return candidates;
}

// The hand as the side sees it; the other hand and the stock still empty.
PlayState KnownState(const SideView& view) {
    const int self = SideIndex(view.Seat);
    const int other = 1 - self;
    PlayState state;
    state.Hands[self] = SetOf(view.Hand);
    for (int i = 0; i < view.Table.Count; ++i) {
        state.Table |= CardBit(view.Table.Cards[i]);
        state.TableSum += view.Table.Values[i];
    }
    state.Piles[self] = SetOf(view.OwnPile);
    state.Piles[other] = SetOf(view.OtherPile);
    state.Sweeps[self] = view.OwnSweeps;
    state.Sweeps[other] = view.OtherSweeps;
    state.LastTaker = SideIndex(view.LastTaker);
    state.LastLaid[self] = view.OwnLastLaid;
    state.LastLaid[other] = view.OtherLastLaid;
    state.ToMove = self;
    return state;
}

// The cards the side cannot see, in the order of their numbers.
int UnseenCards(const PlayState& known, Card (&unseen)[DeckSize]) {
    const CardSet seen = known.Hands[0] | known.Hands[1] | known.Table | known.Piles[0] | known.Piles[1];
    int count = 0;
    for (CardSet rest = WholeDeck & ~seen; rest != 0; rest &= rest - 1) unseen[count++] = LowestCard(rest);
    return count;
}

// One random deal of the unseen cards to the other hand and the stock.
PlayState Deal(const PlayState& known, int otherSide, int otherHandCount, Card (&unseen)[DeckSize], int unseenCount,
               SearchRandom& random) {
    for (int i = unseenCount - 1; i > 0; --i) {
        const int j = random.Below(i + 1);
        const Card swapped = unseen[i];
        unseen[i] = unseen[j];
        unseen[j] = swapped;
    }
    PlayState state = known;
    const int held = otherHandCount < unseenCount ? otherHandCount : unseenCount;
    for (int i = 0; i < held; ++i) state.Hands[otherSide] |= CardBit(unseen[i]);
    for (int i = held; i < unseenCount; ++i) state.Stock[state.StockEnd++] = static_cast<std::uint8_t>(unseen[i]);
    return state;
}

}  // namespace

PcMove ExpertMove(const SideView& view, std::uint64_t seed) {
    std::vector<Candidate> candidates = CandidatesOf(view);
    if (candidates.empty()) return PcMove{};
    if (candidates.size() > 1) {
        const PlayState known = KnownState(view);
        const int self = SideIndex(view.Seat);
        Card unseen[DeckSize];
        const int unseenCount = UnseenCards(known, unseen);
        // The view's counts and its cards account for all forty.
        LURNA_ASSERT(unseenCount == view.OtherHandCount + view.StockCount);
        SearchRandom random(seed);
        const int deals = PlayoutBudget / static_cast<int>(candidates.size()) + 1;
        for (int deal = 0; deal < deals; ++deal) {
            // Every candidate meets the same deals, so that their means differ by
            // the move more than by the luck of the deal.
            const PlayState dealt = Deal(known, 1 - self, view.OtherHandCount, unseen, unseenCount, random);
            for (Candidate& candidate : candidates) {
                PlayState state = dealt;
                MakeMove(state, candidate.Move);
                PlayToEnd(state);
                candidate.Total += Utility(state, self, view);
            }
        }
    }
    const Candidate* best = &candidates.front();
    for (const Candidate& candidate : candidates) {
        if (candidate.Total > best->Total) best = &candidate;
    }
    return MoveTaking(view, best->HandIndex, best->Move.Taken);
}

}  // namespace MyGame
