#include "game/ExpertSearch.h"

#include "game/CompactRules.h"
#include "game/Invariant.h"
#include "game/Playout.h"
#include "game/SearchRandom.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace MyGame {

namespace {

// Play-outs per decision, shared among the candidate moves: about 4 ms at the
// start of a hand on one core, where the play-outs are longest.
constexpr int PlayoutBudget = 1500;

struct Candidate {
    int HandIndex = 0;
    CompactMove Move;
    double Total = 0;
};

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

// One random deal of the unseen cards to the other hand and the stock. The other
// hand gets no card of a value it would have taken with when it laid a card,
// unless the unseen cards leave it no other way (a player may lay where he could
// take).
PlayState Deal(const PlayState& known, const SideView& view, Card (&unseen)[DeckSize], int unseenCount,
               SearchRandom& random) {
    for (int i = unseenCount - 1; i > 0; --i) {
        const int j = random.Below(i + 1);
        const Card swapped = unseen[i];
        unseen[i] = unseen[j];
        unseen[j] = swapped;
    }
    const int otherSide = 1 - SideIndex(view.Seat);
    int barred = view.OtherNoTakeValues;
    int allowed = 0;
    for (int i = 0; i < unseenCount; ++i) {
        if ((barred & (1 << CardValue(unseen[i]))) == 0) ++allowed;
    }
    if (allowed < view.OtherHandCount) barred = 0;
    PlayState state = known;
    int held = 0;
    for (int i = 0; i < unseenCount; ++i) {
        const Card card = unseen[i];
        if (held < view.OtherHandCount && (barred & (1 << CardValue(card))) == 0) {
            state.Hands[otherSide] |= CardBit(card);
            ++held;
        } else {
            state.Stock[state.StockEnd++] = static_cast<std::uint8_t>(card);
        }
    }
    return state;
}

// Every move of the side to move: each card's captures, or each card laid when
// none takes anything. Like the PC's strategy, it never lays while it can take.
void LegalMoves(const PlayState& state, std::vector<CompactMove>& moves) {
    moves.clear();
    const CardSet hand = state.Hands[state.ToMove];
    for (CardSet rest = hand; rest != 0; rest &= rest - 1) {
        const Card card = LowestCard(rest);
        VisitCaptures(state.Table, CardValue(card), [&](CardSet taken) { moves.push_back(CompactMove{card, taken}); });
    }
    if (moves.empty()) {
        for (CardSet rest = hand; rest != 0; rest &= rest - 1) moves.push_back(CompactMove{LowestCard(rest), 0});
    }
}

// Every legal move of the side to move, as the candidates of a search.
std::vector<Candidate> CandidatesOf(const SideView& view, const PlayState& known) {
    std::vector<CompactMove> moves;
    LegalMoves(known, moves);
    std::vector<Candidate> candidates;
    for (const CompactMove& move : moves) {
        const int index = static_cast<int>(std::find(view.Hand, view.Hand + HandSize, move.Played) - view.Hand);
        candidates.push_back(Candidate{index, move, 0});
    }
    return candidates;
}

// The best point difference self can reach when every card is known, the other
// side answering with the greedy strategy, as in the play-outs.
int BestOutcome(const PlayState& state, int self) {
    if (HandOver(state)) return PointDifference(state, self);
    PlayState next = state;
    if (state.ToMove != self) {
        MakeMove(next, GreedyMove(next));
        return BestOutcome(next, self);
    }
    std::vector<CompactMove> moves;
    LegalMoves(state, moves);
    int best = INT_MIN;
    for (const CompactMove& move : moves) {
        next = state;
        MakeMove(next, move);
        best = std::max(best, BestOutcome(next, self));
    }
    return best;
}

// The mean point difference of each candidate over random deals of the unseen
// cards, each played out to the end of the hand.
void PlayOut(std::vector<Candidate>& candidates, const SideView& view, const PlayState& known, Card (&unseen)[DeckSize],
             int unseenCount, SearchRandom& random) {
    const int self = SideIndex(view.Seat);
    const int deals = PlayoutBudget / static_cast<int>(candidates.size()) + 1;
    for (int deal = 0; deal < deals; ++deal) {
        // Every candidate meets the same deals, so that their means differ by
        // the move more than by the luck of the deal.
        const PlayState dealt = Deal(known, view, unseen, unseenCount, random);
        for (Candidate& candidate : candidates) {
            PlayState state = dealt;
            MakeMove(state, candidate.Move);
            PlayToEnd(state);
            candidate.Total += PointDifference(state, self);
        }
    }
}

}  // namespace

PcMove ExpertMove(const SideView& view, std::uint64_t seed) {
    const PlayState known = KnownState(view);
    std::vector<Candidate> candidates = CandidatesOf(view, known);
    if (candidates.empty()) return PcMove{};
    if (candidates.size() > 1) {
        Card unseen[DeckSize];
        const int unseenCount = UnseenCards(known, unseen);
        // The view's counts and its cards account for all forty.
        LURNA_ASSERT(unseenCount == view.OtherHandCount + view.StockCount);
        SearchRandom random(seed);
        if (view.StockCount == 0) {
            // The unseen cards are the other hand's: nothing is left to chance.
            const PlayState dealt = Deal(known, view, unseen, unseenCount, random);
            for (Candidate& candidate : candidates) {
                PlayState state = dealt;
                MakeMove(state, candidate.Move);
                candidate.Total = BestOutcome(state, SideIndex(view.Seat));
            }
        } else {
            PlayOut(candidates, view, known, unseen, unseenCount, random);
        }
    }
    const Candidate* best = &candidates.front();
    for (const Candidate& candidate : candidates) {
        if (candidate.Total > best->Total) best = &candidate;
    }
    return MoveTaking(view, best->HandIndex, best->Move.Taken);
}

}  // namespace MyGame
