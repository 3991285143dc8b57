#include "tools/selfplay/PlayCommon.h"

#include <cstdint>
#include <random>

namespace SelfPlay {

using namespace MyGame;

int RandomPlayerHandPosition(const BoardRecord& board, DeckRandom& random) {
    int hand[HandSize];
    int count = 0;
    for (int i = 0; i < HandSize; ++i) {
        const int position = HandPosition(Side::Player, i);
        if (board.IsPositionShown(position)) hand[count++] = position;
    }
    if (count == 0) return -1;
    return hand[std::uniform_int_distribution<int>(0, count - 1)(random)];
}

bool CardsAccountedOnce(const BoardRecord& board, const GameState& state) {
    std::uint64_t seen = 0;
    bool bad = false;
    auto count = [&](Card card) {
        const std::uint64_t bit = std::uint64_t{1} << (card & 63);
        bad = bad || card < 1 || card > DeckSize || (seen & bit) != 0;
        seen |= bit;
    };
    for (int position = 0; position < PositionCount; ++position) {
        if (position != StockPosition && board.IsPositionShown(position)) count(board.CardAt(position));
    }
    for (int i = DeckSize - state.CardsLeft; i < DeckSize; ++i) count(state.Deck[i]);
    for (Card card : state.PcPile) count(card);
    for (Card card : state.PlayerPile) count(card);
    // Forty distinct cards from 1 to 40: every one of them exactly once.
    return !bad && seen == (std::uint64_t{1} << (DeckSize + 1)) - 2;
}

void HashPcMove(Totals& totals, Card played, const std::string& capture) {
    // FNV-1a over the card's byte, the capture's bytes and a separator.
    auto fold = [&](unsigned char byte) {
        totals.PcMoveHash = (totals.PcMoveHash ^ byte) * 1099511628211ull;
    };
    fold(static_cast<unsigned char>(played));
    for (char c : capture) fold(static_cast<unsigned char>(c));
    fold('|');
}

void KeepViolation(Totals& totals, std::vector<std::string>& faults, const std::string& what) {
    ++totals.Violations;
    if (static_cast<int>(faults.size()) < MaxFaultsKept) {
        faults.push_back("hand " + std::to_string(totals.Hands + 1) + ": " + what);
    }
}

}  // namespace SelfPlay
