#include "game/MatchOdds.h"

#include "game/CompactRules.h"
#include "game/Playout.h"
#include "game/SearchRandom.h"

#include <algorithm>
#include <array>

namespace MyGame {

namespace {

constexpr int WinningPoints = 11;
// More points than a side ever scores in a hand are counted as this many.
constexpr int MostHandPoints = 12;
// Hands the greedy strategy plays against itself to learn how the points of a
// hand fall: enough for the chances to two places.
constexpr int SampleHands = 20000;

using HandOdds = std::array<std::array<double, MostHandPoints + 1>, MostHandPoints + 1>;

// How often a hand ends with x points to one side and y to the other.
HandOdds HandPointOdds() {
    HandOdds odds{};
    SearchRandom random(1);
    Card deck[DeckSize];
    for (int i = 0; i < DeckSize; ++i) deck[i] = i + 1;
    for (int hand = 0; hand < SampleHands; ++hand) {
        for (int i = DeckSize - 1; i > 0; --i) std::swap(deck[i], deck[random.Below(i + 1)]);
        PlayState state;
        int next = 0;
        for (int side = 0; side < 2; ++side) {
            for (int i = 0; i < HandSize; ++i) state.Hands[side] |= CardBit(deck[next++]);
        }
        for (int i = 0; i < 4; ++i) {
            state.Table |= CardBit(deck[next]);
            state.TableSum += CardValue(deck[next++]);
        }
        while (next < DeckSize) state.Stock[state.StockEnd++] = static_cast<std::uint8_t>(deck[next++]);
        state.ToMove = hand % 2;
        PlayToEnd(state);
        const int x = std::min(MostHandPoints, PilePoints(state.Piles[0], state.Piles[1], state.Sweeps[0]));
        const int y = std::min(MostHandPoints, PilePoints(state.Piles[1], state.Piles[0], state.Sweeps[1]));
        // Either side of the sample stands for the searching side.
        odds[x][y] += 0.5 / SampleHands;
        odds[y][x] += 0.5 / SampleHands;
    }
    return odds;
}

using Chances = std::array<std::array<double, WinningPoints>, WinningPoints>;

struct MatchTable {
    Chances Below{};
    // Both sides level at 11 or more: the next hand decides unless it ties too.
    double Level = 0.5;
};

MatchTable BuildMatchTable() {
    const HandOdds odds = HandPointOdds();
    MatchTable table;
    double ahead = 0;
    double even = 0;
    for (int x = 0; x <= MostHandPoints; ++x) {
        for (int y = 0; y <= MostHandPoints; ++y) {
            if (x > y) ahead += odds[x][y];
            if (x == y) even += odds[x][y];
        }
    }
    table.Level = ahead / (1 - even);
    // Every hand scores at least the settebello's point, so the totals after a
    // hand always add up to more: fill from the largest sums down.
    for (int sum = 2 * (WinningPoints - 1); sum >= 0; --sum) {
        for (int own = std::max(0, sum - (WinningPoints - 1)); own <= std::min(sum, WinningPoints - 1); ++own) {
            const int other = sum - own;
            double chance = 0;
            for (int x = 0; x <= MostHandPoints; ++x) {
                for (int y = 0; y <= MostHandPoints; ++y) {
                    if (odds[x][y] == 0) continue;
                    const int a = own + x;
                    const int b = other + y;
                    double after;
                    if (a >= WinningPoints && a > b) {
                        after = 1;
                    } else if (b >= WinningPoints && b > a) {
                        after = 0;
                    } else if (a == b && a >= WinningPoints) {
                        after = table.Level;
                    } else {
                        after = table.Below[a][b];
                    }
                    chance += odds[x][y] * after;
                }
            }
            table.Below[own][other] = chance;
        }
    }
    return table;
}

const MatchTable Table = BuildMatchTable();

}  // namespace

double MatchWinChance(int own, int other) {
    if (own >= WinningPoints && own > other) return 1;
    if (other >= WinningPoints && other > own) return 0;
    if (own == other && own >= WinningPoints) return Table.Level;
    return Table.Below[own][other];
}

}  // namespace MyGame
