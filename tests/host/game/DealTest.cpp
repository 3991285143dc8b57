#include "game/Captures.h"
#include "game/Deal.h"
#include "game/Table.h"

#include "tests/host/game/TableSetup.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace MyGame;

TEST(ShuffleDeck, BuildsFortyDistinctCardsAndResetsTheHand) {
    GameState state;
    state.PcPile = {1, 2};
    state.PlayerPile = {3};
    state.PcSweeps = 2;
    state.PlayerSweeps = 1;
    state.LastTakerIsPlayer = true;
    state.PlayerLastLaidValue = 4;
    state.PcMatchPoints = 7;
    DeckRandom random(42);
    ShuffleDeck(state, random);
    CardList sorted = state.Deck;
    std::sort(sorted.begin(), sorted.end());
    for (int card = 1; card <= DeckSize; ++card) ASSERT_EQ(sorted[card - 1], card);
    EXPECT_EQ(state.CardsLeft, 40);
    EXPECT_TRUE(state.PcPile.empty());
    EXPECT_TRUE(state.PlayerPile.empty());
    EXPECT_EQ(state.PcSweeps + state.PlayerSweeps, 0);
    EXPECT_FALSE(state.LastTakerIsPlayer);
    EXPECT_EQ(state.PlayerLastLaidValue, -1);
    EXPECT_EQ(state.PcMatchPoints, 7);

    GameState again;
    DeckRandom sameSeed(42);
    ShuffleDeck(again, sameSeed);
    EXPECT_EQ(again.Deck, state.Deck);
}

TEST(ShuffleDeck, NeverLaysThreeKingsAndDrawsEveryCardAlike) {
    GameState state;
    DeckRandom random(7);
    constexpr int Shuffles = 20000;
    int twoKings = 0;
    int firstCard[DeckSize + 1] = {};
    for (int i = 0; i < Shuffles; ++i) {
        ShuffleDeck(state, random);
        const int kings = static_cast<int>(
            std::count_if(state.Deck.begin() + 6, state.Deck.begin() + 10, [](Card c) { return CardValue(c) == 10; }));
        ASSERT_LE(kings, 2);
        if (kings == 2) ++twoKings;
        ++firstCard[state.Deck[0]];
    }
    EXPECT_GT(twoKings, 0);
    // 500 expected for each card; a biased draw or a missing card falls far outside.
    for (int card = 1; card <= DeckSize; ++card) {
        EXPECT_GT(firstCard[card], 380) << card;
        EXPECT_LT(firstCard[card], 620) << card;
    }
}

TEST(Deal, FollowsTheDeckOrderAndHidesTheStockAfterTheLastDeal) {
    GameState state;
    BoardRecord board;
    DeckRandom random(3);
    ShuffleDeck(state, random);
    state.PlayerLastLaidValue = 5;
    DealHands(state, board);
    EXPECT_EQ(state.PlayerLastLaidValue, -1);
    SetTable(board, {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14});  // a table left over
    DealTable(state, board);
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(board.IsPositionShown(i));
        EXPECT_EQ(board.CardAt(i), state.Deck[i]);
        EXPECT_EQ(board.Positions[i].Picture, i < 3 ? CardBackPicture : CardPicture(state.Deck[i]));
    }
    const TableCards table = ReadTable(board);
    ASSERT_EQ(table.Count, 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(table.Cards[i], state.Deck[6 + i]);
    for (int place = 4; place < TableSize; ++place) {
        EXPECT_EQ(board.CardAt(TablePositions[place]), NoCard);
        EXPECT_EQ(board.Positions[TablePositions[place]].Picture, CardBackPicture);
    }
    EXPECT_EQ(state.CardsLeft, 30);

    for (int deal = 2; deal <= 6; ++deal) {
        EXPECT_TRUE(board.IsPositionShown(StockPosition)) << deal;
        for (int i = 0; i < 6; ++i) board.HidePosition(i);
        state.PlayerLastLaidValue = 3;
        DealHands(state, board);
        EXPECT_EQ(state.PlayerLastLaidValue, -1);
        EXPECT_EQ(board.CardAt(3), state.Deck[10 + (deal - 2) * 6 + 3]);
    }
    EXPECT_EQ(state.CardsLeft, 0);
    EXPECT_FALSE(board.IsPositionShown(StockPosition));
}

TEST(Table, ReadsWithoutGapsAndLaysIntoTheFirstGap) {
    BoardRecord board;
    EXPECT_EQ(ReadTable(board).Count, 0);
    EXPECT_EQ(TableIdText(board), "");

    SetTable(board, {15, 22, 33});
    board.HidePosition(TablePositions[1]);
    const TableCards table = ReadTable(board);
    ASSERT_EQ(table.Count, 2);
    EXPECT_EQ(table.Values[1], 3);
    EXPECT_EQ(table.Identifiers[1], 18);
    EXPECT_EQ(TableIdText(board), "16;18");

    SetHand(board, PlayerHandFirst, {38});
    LayOnTable(board, PlayerHandFirst);
    EXPECT_FALSE(board.IsPositionShown(PlayerHandFirst));
    EXPECT_EQ(board.CardAt(TablePositions[1]), 38);
    EXPECT_EQ(board.Positions[TablePositions[1]].Picture, CardPicture(38));
    EXPECT_EQ(TableIdText(board), "16;17;18");
}

// Four equal cards from the deal and one of each other value, laid in an order in
// which none of them can capture: the most a table can hold. Places ten to
// thirteen come after the stock and are read after the first nine everywhere.
TEST(Table, ThirteenCardsAreReadLaidCapturedAndSweptInTableOrder) {
    GameState state;
    BoardRecord board;
    SetTable(board, {6, 16, 26, 36});
    for (Card card : {5, 17, 28, 39, 10, 1, 14, 23, 32}) {
        SetHand(board, PcHandFirst, {card});
        ASSERT_TRUE(FindCaptures(board, CardValue(card)).empty()) << card;
        LayOnTable(board, PcHandFirst);
    }
    EXPECT_EQ(TableIdText(board), "16;17;18;19;20;21;22;23;24;26;27;28;29");
    const TableCards table = ReadTable(board);
    ASSERT_EQ(table.Count, 13);
    EXPECT_EQ(table.Positions[9], 16);
    EXPECT_EQ(table.Positions[12], 19);
    EXPECT_EQ(table.Cards[12], 32);

    EXPECT_EQ(FindCaptures(board, 4), CaptureList{"27"});
    EXPECT_EQ(FindCaptures(board, 6), (CaptureList{"16", "17", "18", "19"}));

    state.CardsLeft = 4;
    SetHand(board, PlayerHandFirst, {31});
    TakeCapture(state, board, Side::Player, PlayerHandFirst, "26");
    EXPECT_EQ(state.PlayerPile, (CardList{31, 1}));
    SetHand(board, PcHandFirst, {21});
    LayOnTable(board, PcHandFirst);
    EXPECT_EQ(board.CardAt(16), 21);  // the freed place ten is filled again

    state.CardsLeft = 0;
    EXPECT_TRUE(EndOfHand(state, board));
    EXPECT_EQ(state.PlayerPile, (CardList{31, 1, 6, 16, 26, 36, 5, 17, 28, 39, 10, 21, 14, 23, 32}));
    EXPECT_EQ(ReadTable(board).Count, 0);
}

TEST(ResetBoard, LeavesTheIdleBoardOfSixteenBacks) {
    GameState state;
    BoardRecord board;
    state.PcMatchPoints = 9;
    state.PlayerMatchPoints = 4;
    board.Status = "Tocca a te";
    board.ReportShown = true;
    SetTable(board, {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12});
    ResetBoard(state, board);
    EXPECT_EQ(state.PcMatchPoints + state.PlayerMatchPoints, 0);
    EXPECT_EQ(board.PcTotal, "0");
    EXPECT_EQ(board.PlayerTotal, "0");
    EXPECT_FALSE(board.ReportShown);
    EXPECT_EQ(board.Status, "");
    for (int position = 0; position < PositionCount; ++position) {
        EXPECT_EQ(board.IsPositionShown(position), !IsExtraTablePosition(position)) << position;
        EXPECT_EQ(board.CardAt(position), NoCard);
        EXPECT_EQ(board.Positions[position].Picture, CardBackPicture);
    }
}

#ifdef LURNA_CHECKS
// The test builds stop at a broken invariant instead of playing on past it: a
// card laid on a full table, a capture naming no shown table card.
TEST(InvariantDeathTest, ACardOnAFullTableOrACaptureOfNoTableCardAborts) {
    BoardRecord board;
    for (int position : TablePositions) PlaceCard(board, position, 1);
    SetHand(board, PcHandFirst, {5});
    EXPECT_DEATH(LayOnTable(board, PcHandFirst), "invariant broken");
    GameState state;
    for (const char* capture : {"(3)", "x", "10"}) {
        EXPECT_DEATH(TakeCapture(state, board, Side::Pc, PcHandFirst, capture), "invariant broken") << capture;
    }
}
#endif
