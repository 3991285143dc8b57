#include "game/Deal.h"

#include "game/Invariant.h"
#include "game/Table.h"

#include <algorithm>

#include <cstdint>
#include <ctime>

namespace MyGame {

namespace {

// The four deck entries that DealTable lays.
constexpr int FirstTableCard = 6;
constexpr int TableCardsDealt = 4;

void BuildDeck(CardList& deck, DeckRandom& random) {
    std::uniform_int_distribution<int> draw(1, DeckSize);
    bool inDeck[DeckSize + 1] = {};
    deck.clear();
    while (static_cast<int>(deck.size()) < DeckSize) {
        const Card card = draw(random);
        if (inDeck[card]) continue;
        inDeck[card] = true;
        deck.push_back(card);
    }
}

bool TooManyKingsOnTable(const CardList& deck) {
    int kings = 0;
    for (int i = FirstTableCard; i < FirstTableCard + TableCardsDealt; ++i) {
        if (CardValue(deck[i]) == 10) ++kings;
    }
    return kings > 2;
}

Card NextCard(GameState& state) {
    // A deal comes only while the deck holds cards: the end of the hand comes
    // first when it is used up.
    LURNA_ASSERT(state.Deck.size() == DeckSize && state.CardsLeft > 0 && state.CardsLeft <= DeckSize);
    const Card card = state.Deck[DeckSize - state.CardsLeft];
    --state.CardsLeft;
    return card;
}

void DealTo(GameState& state, Board& board, int position, bool faceUp) {
    const Card card = NextCard(state);
    board.SetCard(position, card);
    board.SetPicture(position, faceUp ? CardPicture(card) : CardBackPicture);
    board.ShowPosition(position);
}

void ClearPosition(Board& board, int position) {
    board.SetCard(position, NoCard);
    board.SetPicture(position, CardBackPicture);
    board.HidePosition(position);
}

}  // namespace

DeckRandom& RunRandom() {
    static DeckRandom random(static_cast<std::uint32_t>(std::time(nullptr)));
    return random;
}

void ShuffleDeck(GameState& state) {
    ShuffleDeck(state, RunRandom());
}

void ShuffleDeck(GameState& state, DeckRandom& random) {
    state.PcPile.clear();
    state.PlayerPile.clear();
    state.PcSweeps = 0;
    state.PlayerSweeps = 0;
    state.LastTakerIsPlayer = false;
    state.PlayerLastLaidValue = -1;
    state.PcLastLaidValue = -1;
    state.PcNoTakeValues = 0;
    state.PlayerNoTakeValues = 0;
    do {
        BuildDeck(state.Deck, random);
    } while (TooManyKingsOnTable(state.Deck));
    state.CardsLeft = DeckSize;
}

void DealHands(GameState& state, Board& board) {
    state.PlayerLastLaidValue = -1;
    state.PcLastLaidValue = -1;
    state.PcNoTakeValues = 0;
    state.PlayerNoTakeValues = 0;
    for (int i = 0; i < HandSize; ++i) DealTo(state, board, HandPosition(Side::Pc, i), false);
    for (int i = 0; i < HandSize; ++i) DealTo(state, board, HandPosition(Side::Player, i), true);
    if (state.CardsLeft == 0) board.HidePosition(StockPosition);
}

void DealTable(GameState& state, Board& board) {
    for (int i = 0; i < TableSize; ++i) {
        if (i < TableCardsDealt) {
            DealTo(state, board, TablePositions[i], true);
        } else {
            ClearPosition(board, TablePositions[i]);
        }
    }
    board.ShowPosition(StockPosition);
}

void LayOnTable(Board& board, int handPosition) {
    const int* const free = std::find_if(std::begin(TablePositions), std::end(TablePositions),
                                         [&board](int position) { return !board.IsPositionShown(position); });
    // A laid card never meets its own value on the table, so the 13 places are
    // never all taken when a card is laid.
    LURNA_ASSERT(free != std::end(TablePositions));
    if (free == std::end(TablePositions)) return;
    const Card card = board.CardAt(handPosition);
    board.HidePosition(handPosition);
    board.SetCard(*free, card);
    board.SetPicture(*free, CardPicture(card));
    board.ShowPosition(*free);
}

bool HandsEmpty(const Board& board) {
    for (int position = 0; position < PositionCount; ++position) {
        if (IsHandPosition(position) && board.IsPositionShown(position)) return false;
    }
    return true;
}

void ResetBoard(GameState& state, Board& board) {
    state.PcMatchPoints = 0;
    state.PlayerMatchPoints = 0;
    board.SetTotals("0", "0");
    board.HideReport();
    for (int position = 0; position < PositionCount; ++position) {
        board.SetCard(position, NoCard);
        board.SetPicture(position, CardBackPicture);
        // The idle board shows the sixteen backs of the first layout; the extra
        // table places only appear when a table overflows its first nine.
        if (!IsExtraTablePosition(position)) {
            board.ShowPosition(position);
        } else {
            board.HidePosition(position);
        }
    }
    board.SetStatusText("");
}

}  // namespace MyGame
