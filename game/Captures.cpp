#include "game/Captures.h"

#include "game/CaptureCodec.h"
#include "game/Deal.h"
#include "game/Invariant.h"
#include "toolkit/Text.h"

namespace MyGame {

namespace {

// Rows for the sums 2 to 10, values in non-increasing order; larger first values
// first, except that "8;1;1" comes before "8;2".
constexpr const char* SumRowTexts[] = {
    "1;1", "|",
    "2;1", "1;1;1", "|",
    "3;1", "2;2", "2;1;1", "1;1;1;1", "|",
    "4;1", "3;2", "3;1;1", "2;2;1", "2;1;1;1", "|",
    "5;1", "4;2", "4;1;1", "3;3", "3;2;1", "3;1;1;1", "2;2;2", "2;2;1;1", "2;1;1;1;1", "|",
    "6;1", "5;2", "5;1;1", "4;3", "4;2;1", "4;1;1;1", "3;3;1", "3;2;2", "3;2;1;1", "3;1;1;1;1",
    "2;2;2;1", "2;2;1;1;1", "|",
    "7;1", "6;2", "6;1;1", "5;3", "5;2;1", "5;1;1;1", "4;4", "4;3;1", "4;2;2", "4;2;1;1",
    "4;1;1;1;1", "3;3;2", "3;3;1;1", "3;2;2;1", "3;2;1;1;1", "2;2;2;2", "2;2;2;1;1",
    "2;2;1;1;1;1", "|",
    "8;1", "7;2", "7;1;1", "6;3", "6;2;1", "6;1;1;1", "5;4", "5;3;1", "5;2;2", "5;2;1;1",
    "5;1;1;1;1", "4;4;1", "4;3;2", "4;3;1;1", "4;2;2;1", "4;2;1;1;1", "3;3;3", "3;3;2;1",
    "3;3;1;1;1", "3;2;2;2", "3;2;2;1;1", "3;2;1;1;1;1", "2;2;2;2;1", "2;2;2;1;1;1", "|",
    "9;1", "8;1;1", "8;2", "7;3", "7;2;1", "7;1;1;1", "6;4", "6;3;1", "6;2;2", "6;2;1;1",
    "6;1;1;1;1", "5;5", "5;4;1", "5;3;2", "5;3;1;1", "5;2;2;1", "5;2;1;1;1", "4;4;2",
    "4;4;1;1", "4;3;3", "4;3;2;1", "4;3;1;1;1", "4;2;2;2", "4;2;2;1;1", "4;2;1;1;1;1",
    "3;3;3;1", "3;3;2;2", "3;3;2;1;1", "3;3;1;1;1;1", "3;2;2;2;1", "3;2;2;1;1;1",
    "2;2;2;2;1;1", "2;2;2;1;1;1;1", "|",
};

constexpr int SmallestSum = 2;
constexpr int LargestSum = 10;
constexpr int LongestRow = 7;

// A row as numbers, with how often each value occurs in it.
struct SumRow {
    int Count = 0;
    int Values[LongestRow] = {};
    int Needed[LargestSum + 1] = {};
};

struct SumTables {
    std::vector<std::string> Texts[LargestSum + 1];
    std::vector<SumRow> Rows[LargestSum + 1];
};

const SumTables& Sums() {
    static const SumTables tables = [] {
        SumTables built;
        int sum = SmallestSum;
        for (const char* text : SumRowTexts) {
            if (std::string(text) == "|") {
                ++sum;
                continue;
            }
            built.Texts[sum].push_back(text);
            SumRow row;
            for (const std::string& piece : KTUtility::Split(text, ";")) {
                const int value = KTUtility::TextToInt(piece);
                row.Values[row.Count++] = value;
                ++row.Needed[value];
            }
            built.Rows[sum].push_back(row);
        }
        return built;
    }();
    return tables;
}

// The option with its first open token of the value naming the identifier
// instead; false when it leaves no card of the value open.
bool FillOpenToken(std::string& option, int value, int identifier) {
    std::vector<CaptureToken> tokens = ParseCapture(option);
    for (CaptureToken& token : tokens) {
        if (token.Kind != TokenKind::Open || token.Number != value) continue;
        token = CaptureToken{TokenKind::Identifier, identifier};
        option.clear();
        for (const CaptureToken& each : tokens) AppendToken(option, each);
        return true;
    }
    return false;
}

}  // namespace

const std::vector<std::string>& PartitionsOf(int sum) {
    static const std::vector<std::string> none;
    if (sum < SmallestSum || sum > LargestSum) return none;
    return Sums().Texts[sum];
}

CaptureList FindCaptures(const Board& board, int value) {
    CaptureList options;
    FindCaptures(ReadTable(board), value, options);
    return options;
}

void FindCaptures(const TableCards& table, int value, CaptureList& options) {
    options.clear();
    for (int i = 0; i < table.Count; ++i) {
        if (table.Values[i] != value) continue;
        options.emplace_back();
        AppendIdentifier(options.back(), table.Identifiers[i]);
    }
    if (!options.empty() || value < SmallestSum || value > LargestSum) return;

    // The table cards of each value in table order.
    int onTable[LargestSum + 1] = {};
    int cardsOfValue[LargestSum + 1][TableSize];
    for (int i = 0; i < table.Count; ++i) {
        const int cardValue = table.Values[i];
        cardsOfValue[cardValue][onTable[cardValue]++] = i;
    }
    for (const SumRow& row : Sums().Rows[value]) {
        bool matches = true;
        for (int k = 0; k < row.Count && matches; ++k) {
            matches = row.Needed[row.Values[k]] <= onTable[row.Values[k]];
        }
        if (!matches) continue;
        // Exactly as many cards of a value as the row needs: they are named in
        // table order; more: which ones is left open.
        int used[LargestSum + 1] = {};
        options.emplace_back();
        std::string& option = options.back();
        for (int k = 0; k < row.Count; ++k) {
            const int part = row.Values[k];
            if (onTable[part] == row.Needed[part]) {
                AppendIdentifier(option, table.Identifiers[cardsOfValue[part][used[part]++]]);
            } else {
                AppendOpenToken(option, part);
            }
        }
    }
}

bool CaptureReady(const CaptureList& options) {
    return options.size() == 1 && !HasOpenToken(options.front());
}

CaptureList SelectTableCard(const CaptureList& options, int identifier, Card card) {
    const int value = CardValue(card);
    CaptureList narrowed;
    if (options.size() == 1) {
        std::string option = options.front();
        if (NamesIdentifier(option, identifier) || FillOpenToken(option, value, identifier)) {
            narrowed.push_back(option);
        }
        return narrowed;
    }
    for (const std::string& option : options) {
        if (NamesIdentifier(option, identifier)) narrowed.push_back(option);
    }
    if (!narrowed.empty()) return narrowed;
    // No option names the card. Keeping nothing here would lock the turn when
    // every option holds only open tokens, so the options that leave a card of
    // this value open take it, in their order.
    for (std::string option : options) {
        if (FillOpenToken(option, value, identifier)) narrowed.push_back(option);
    }
    return narrowed;
}

void TakeCapture(GameState& state, Board& board, Side taker, int handPosition, const std::string& capture) {
    CardList& pile = taker == Side::Player ? state.PlayerPile : state.PcPile;
    pile.push_back(board.CardAt(handPosition));
    board.HidePosition(handPosition);
    CaptureReader reader(capture);
    for (CaptureToken token; reader.Next(token);) {
        // A capture that is made names only the table's shown cards.
        const int position = PositionNamed(board, token);
        LURNA_ASSERT(IsTablePosition(position) && board.IsPositionShown(position));
        if (position < 0) continue;
        pile.push_back(board.CardAt(position));
        board.HidePosition(position);
    }
    state.LastTakerIsPlayer = taker == Side::Player;
    if (IsSweep(state, board)) {
        ++(taker == Side::Player ? state.PlayerSweeps : state.PcSweeps);
    }
}

bool IsSweep(const GameState& state, const Board& board) {
    for (int position : TablePositions) {
        if (board.IsPositionShown(position)) return false;
    }
    return state.CardsLeft != 0 || !HandsEmpty(board);
}

bool EndOfHand(GameState& state, Board& board) {
    if (state.CardsLeft != 0 || !HandsEmpty(board)) return false;
    board.SetStatusText("Fine mano");
    CardList& pile = state.LastTakerIsPlayer ? state.PlayerPile : state.PcPile;
    for (int position : TablePositions) {
        if (!board.IsPositionShown(position)) continue;
        pile.push_back(board.CardAt(position));
        board.ReturnToPlace(position);
        board.HidePosition(position);
    }
    return true;
}

}  // namespace MyGame
