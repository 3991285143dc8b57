#include "game/PcStrategy.h"

#include "game/CaptureCodec.h"
#include "game/Captures.h"
#include "game/Invariant.h"
#include "game/Table.h"

#include <algorithm>
#include <utility>

namespace MyGame {

namespace {

int TableSum(const TableCards& table) {
    int sum = 0;
    for (int i = 0; i < table.Count; ++i) sum += table.Values[i];
    return sum;
}

// The first hand position whose card's value equals the table's sum, coins
// looked at first; -1 when none sweeps.
int SweepingPosition(const Board& board, int handFirst, int sum) {
    for (bool coinsOnly : {true, false}) {
        for (int i = 0; i < HandSize; ++i) {
            const int position = handFirst + i;
            if (!board.IsPositionShown(position)) continue;
            const Card card = board.CardAt(position);
            if (coinsOnly && !IsCoin(card)) continue;
            if (CardValue(card) == sum) return i;
        }
    }
    return -1;
}

// Adds a counted card's suit and value to the keys (not to Cards).
void CountCard(MoveCandidate& candidate, Card card, int lastLaidValue) {
    if (card == Settebello) {
        candidate.Settebello = 1;
        ++candidate.Coins;
    } else if (IsCoin(card)) {
        ++candidate.Coins;
    }
    const int value = CardValue(card);
    if (value == 6) ++candidate.Sixes;
    if (value == 7) ++candidate.Sevens;
    if (value == lastLaidValue) candidate.TakesLastLaid = 1;
}

// The table card an open token of the value stands for: the coin of that value
// when it is there and free, else the free one at the highest place.
int ResolveOpenToken(const TableCards& table, const bool taken[], int value) {
    int chosen = -1;
    for (int i = 0; i < table.Count; ++i) {
        if (taken[i] || table.Values[i] != value) continue;
        if (IsCoin(table.Cards[i])) return i;
        chosen = i;
    }
    return chosen;
}

MoveCandidate BuildCandidate(const TableCards& table, int handIndex, Card played, const std::string& option,
                             int lastLaidValue) {
    MoveCandidate candidate;
    candidate.HandIndex = handIndex;
    CountCard(candidate, played, lastLaidValue);
    ++candidate.Cards;
    bool taken[TableSize] = {};
    CaptureReader reader(option);
    for (CaptureToken token; reader.Next(token);) {
        ++candidate.Cards;
        const bool open = token.Kind == TokenKind::Open;
        const int index =
            open ? ResolveOpenToken(table, taken, token.Number)
                 : static_cast<int>(std::find(table.Identifiers, table.Identifiers + table.Count, token.Number) -
                                    table.Identifiers);
        // The options come from this very table: each names one of its cards, and
        // leaves a value open only where the table holds more of it than needed.
        LURNA_ASSERT(index >= 0 && index < table.Count);
        if (!open) CountCard(candidate, table.Cards[index], lastLaidValue);
        taken[index] = true;
        AppendIdentifier(candidate.CaptureText, table.Identifiers[index]);
    }
    return candidate;
}

// The lowest value that brings the table's sum above 10 (or the lowest value),
// from a card that is not a coin when there is one; the later position wins.
int PositionToLay(const Board& board, int handFirst, int sum) {
    // The first value in ascending order that passes 10, else the smallest.
    int smallest = 0;
    int smallestAbove = 0;
    for (int i = 0; i < HandSize; ++i) {
        if (!board.IsPositionShown(handFirst + i)) continue;
        const int value = CardValue(board.CardAt(handFirst + i));
        if (smallest == 0 || value < smallest) smallest = value;
        if (sum + value > 10 && (smallestAbove == 0 || value < smallestAbove)) smallestAbove = value;
    }
    if (smallest == 0) return -1;
    const int chosenValue = smallestAbove != 0 ? smallestAbove : smallest;
    for (bool nonCoinsOnly : {true, false}) {
        int chosen = -1;
        for (int i = 0; i < HandSize; ++i) {
            const int position = handFirst + i;
            if (!board.IsPositionShown(position)) continue;
            const Card card = board.CardAt(position);
            if (nonCoinsOnly && IsCoin(card)) continue;
            if (CardValue(card) == chosenValue) chosen = i;
        }
        if (chosen >= 0) return chosen;
    }
    return -1;
}

}  // namespace

bool BetterCandidate(const MoveCandidate& a, const MoveCandidate& b) {
    if (a.Settebello != b.Settebello) return a.Settebello > b.Settebello;
    if (a.Sevens != b.Sevens) return a.Sevens > b.Sevens;
    if (a.Coins != b.Coins) return a.Coins > b.Coins;
    if (a.Sixes != b.Sixes) return a.Sixes > b.Sixes;
    if (a.Cards != b.Cards) return a.Cards > b.Cards;
    if (a.TakesLastLaid != b.TakesLastLaid) return a.TakesLastLaid > b.TakesLastLaid;
    return a.CaptureText > b.CaptureText;
}

PcMove ChoosePcMove(const GameState& state, const Board& board) {
    return ChooseMove(state, board, Side::Pc);
}

PcMove ChooseMove(const GameState& state, const Board& board, Side side) {
    const int handFirst = HandFirst(side);
    const int lastLaidValue = side == Side::Pc ? state.PlayerLastLaidValue : state.PcLastLaidValue;
    const TableCards table = ReadTable(board);
    const int sum = TableSum(table);
    PcMove move;
    const int sweeping = SweepingPosition(board, handFirst, sum);
    if (sweeping >= 0) {
        move.HandIndex = sweeping;
        move.CaptureText = TableIdText(board);
        return move;
    }

    // The first best candidate in the order they are built wins, as a stable
    // sort would leave it.
    CaptureList options;
    MoveCandidate best;
    bool found = false;
    for (int i = 0; i < HandSize; ++i) {
        const int position = handFirst + i;
        if (!board.IsPositionShown(position)) continue;
        const Card played = board.CardAt(position);
        FindCaptures(table, CardValue(played), options);
        for (const std::string& option : options) {
            MoveCandidate candidate = BuildCandidate(table, i, played, option, lastLaidValue);
            if (!found || BetterCandidate(candidate, best)) {
                best = std::move(candidate);
                found = true;
            }
        }
    }
    if (found) {
        move.HandIndex = best.HandIndex;
        move.CaptureText = best.CaptureText;
        return move;
    }
    move.HandIndex = PositionToLay(board, handFirst, sum);
    return move;
}

}  // namespace MyGame
