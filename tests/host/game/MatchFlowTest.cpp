// The match as a state machine: starting, dealing and dealing again, who begins,
// the end of a hand and of the match, events outside a hand, abandoning.
#include "tests/host/game/MatchFixture.h"

#include "game/Scoring.h"

#include <functional>
#include <sstream>
#include <utility>
#include <vector>

namespace MyGame {
namespace {

// Everything the board shows, as one comparable text.
std::string Snapshot(const BoardRecord& board) {
    std::ostringstream text;
    for (const PositionRecord& position : board.Positions) {
        text << position.Shown << position.HeldCard << ',' << position.Picture << ',' << position.OffsetY
             << position.HandCursor << ';';
    }
    text << board.Status << '|' << board.PcTotal << '|' << board.PlayerTotal << '|' << board.ReportShown << '|'
         << board.PlayButtonText << '|' << board.Sounds.size() << '|' << board.Beeps;
    return text.str();
}

TEST_F(MatchTest, StartingDealsTheFirstHandForThePlayerToBegin) {
    match.StartMatch();
    EXPECT_TRUE(match.HandActive());
    EXPECT_TRUE(match.PlayerToMove());
    EXPECT_EQ(board.Status, "Tocca a te");
    EXPECT_EQ(board.PlayButtonText, "ABBANDONA");
    EXPECT_EQ(board.PcTotal, "0");
    EXPECT_EQ(board.PlayerTotal, "0");
    EXPECT_FALSE(board.ReportShown);
    EXPECT_EQ(match.State.CardsLeft, 30);
    for (int i = 0; i < HandSize; ++i) {
        const PositionRecord& pc = board.Positions[PcHandFirst + i];
        const PositionRecord& player = board.Positions[PlayerHandFirst + i];
        EXPECT_TRUE(pc.Shown && player.Shown);
        EXPECT_EQ(pc.Picture, CardBackPicture);
        EXPECT_EQ(player.Picture, CardPicture(player.HeldCard));
        EXPECT_FALSE(pc.HandCursor);
        EXPECT_TRUE(player.HandCursor);
    }
    for (int place = 0; place < TableSize; ++place) {
        EXPECT_EQ(board.IsPositionShown(TablePositions[place]), place < 4);
        EXPECT_FALSE(board.Positions[TablePositions[place]].HandCursor);
    }
    EXPECT_TRUE(board.IsPositionShown(StockPosition));
}

TEST_F(MatchTest, HandsBeginAlternatelyThePlayerFirst) {
    match.StartMatch();
    for (bool playerBegins : {true, false, true, false}) {
        ASSERT_TRUE(match.HandActive());
        EXPECT_EQ(match.PlayerToMove(), playerBegins);
        EXPECT_EQ(board.Status, playerBegins ? "Tocca a te" : "Tocca al pc");
        EXPECT_EQ(board.Positions[PlayerHandFirst].HandCursor, playerBegins);
        PlayHandToEnd();
        ASSERT_FALSE(match.HandActive());
        EXPECT_EQ(board.Status, "Fine mano");
        EXPECT_TRUE(board.ReportShown);
        EXPECT_EQ(board.PlayButtonText, "ABBANDONA");
        EXPECT_EQ(match.Phase(), MatchPhase::HandOver);
        match.State.PcMatchPoints = 0;
        match.State.PlayerMatchPoints = 0;
        match.ContinueAfterHand();
        EXPECT_FALSE(board.ReportShown);
    }
}

TEST_F(MatchTest, EmptyHandsAreDealtAgainAndTheSideToMoveKeepsTheTurn) {
    Arrange({}, {1}, {15}, 30);
    Press(PlayerHandFirst);
    EXPECT_FALSE(match.PlayerToMove());
    EXPECT_EQ(board.Status, "Ora tocca al PC");
    EXPECT_EQ(CountShown(0, 6), 6);
    EXPECT_EQ(match.State.CardsLeft, 24);
    EXPECT_EQ(CountShown(6, 2), 2);  // the table is not dealt again
    EXPECT_FALSE(board.Positions[PlayerHandFirst].HandCursor);

    Arrange({1}, {}, {15}, 24, false);
    PcStep();
    PcStep();
    EXPECT_TRUE(match.PlayerToMove());
    EXPECT_EQ(board.Status, "Ora tocca a te");
    EXPECT_EQ(CountShown(0, 6), 6);
    EXPECT_EQ(match.State.CardsLeft, 18);
    EXPECT_TRUE(board.Positions[PlayerHandFirst].HandCursor);
}

TEST_F(MatchTest, TheStockHidesAtTheLastDealAndShowsAtTheNextHand) {
    Arrange({}, {1}, {15}, 12);
    Press(PlayerHandFirst);
    EXPECT_EQ(match.State.CardsLeft, 6);
    EXPECT_TRUE(board.IsPositionShown(StockPosition));
    Arrange({}, {1}, {15}, 6);
    Press(PlayerHandFirst);
    EXPECT_EQ(match.State.CardsLeft, 0);
    EXPECT_FALSE(board.IsPositionShown(StockPosition));
    PlayHandToEnd();
    EXPECT_FALSE(board.IsPositionShown(StockPosition));
    match.ContinueAfterHand();
    EXPECT_TRUE(board.IsPositionShown(StockPosition));
}

TEST_F(MatchTest, ContinuingEndsTheMatchOnlyWithElevenAndALead) {
    struct Case {
        int Pc, Player;
        const char* Status;
        int Sound;
    };
    const Case cases[] = {
        {11, 11, nullptr, 0},           {12, 11, "Hai perso..", PcSound}, {10, 11, "Hai vinto!!", PlayerSound},
        {10, 9, nullptr, 0},            {9, 10, nullptr, 0},              {11, 3, "Hai perso..", PcSound},
        {14, 15, "Hai vinto!!", PlayerSound},
    };
    for (const Case& c : cases) {
        Arrange({}, {1}, {}, 0);
        Press(PlayerHandFirst);
        ASSERT_TRUE(board.ReportShown);
        match.State.PcMatchPoints = c.Pc;
        match.State.PlayerMatchPoints = c.Player;
        board.Sounds.clear();
        match.ContinueAfterHand();
        EXPECT_FALSE(board.ReportShown);
        if (c.Status == nullptr) {
            EXPECT_TRUE(match.HandActive()) << c.Pc << " to " << c.Player;
            // The player made the hand's last move, so did not begin it.
            EXPECT_TRUE(match.PlayerToMove());
            EXPECT_EQ(match.Phase(), MatchPhase::PlayerTurn);
            EXPECT_EQ(board.PlayButtonText, "ABBANDONA");
            EXPECT_TRUE(board.Sounds.empty());
        } else {
            EXPECT_EQ(match.Phase(), MatchPhase::MatchOver) << c.Pc << " to " << c.Player;
            EXPECT_EQ(board.Status, c.Status);
            EXPECT_EQ(board.Sounds, std::vector<int>{c.Sound});
            EXPECT_EQ(board.PlayButtonText, "GIOCA");
        }
    }
}

TEST_F(MatchTest, PressesAndTicksDoNothingOutsideAHand) {
    const auto pokeEverything = [this] {
        const std::string before = Snapshot(board);
        for (int position = 0; position < PositionCount; ++position) Press(position);
        Tick(200);
        EXPECT_EQ(Snapshot(board), before);
        EXPECT_EQ(match.Move().PcTickCount, 0);
    };
    pokeEverything();  // idle at program start

    Arrange({}, {1}, {15}, 0);
    Press(PlayerHandFirst);  // the last move: the hand is over
    ASSERT_TRUE(board.ReportShown);
    pokeEverything();

    match.State.PlayerMatchPoints = 11;
    match.ContinueAfterHand();
    ASSERT_EQ(board.Status, "Hai vinto!!");
    pokeEverything();

    match.AbandonMatch();
    pokeEverything();
}

// Every moment of a match at which the play button can be pressed, a move half
// made where there is one.
class MatchMomentTest : public MatchTest {
protected:
    std::vector<std::pair<const char*, std::function<void()>>> Moments() {
        return {
            {"player to move", [this] { match.StartMatch(); }},
            {"picking table cards",
             [this] {
                 Arrange({}, {8, 38}, {5, 13, 23, 2}, 20);
                 Press(PlayerHandFirst);
                 Press(TablePositions[0]);
             }},
            {"PC card shown",
             [this] {
                 Arrange({25}, {1}, {5, 13, 23, 2}, 20, false);
                 PcStep();
             }},
            {"PC capture raised",
             [this] {
                 Arrange({25}, {1}, {5, 13, 23, 2}, 20, false);
                 PcStep();
                 PcStep();
             }},
            {"PC waiting",
             [this] {
                 Arrange({25}, {1}, {5}, 20, false);
                 Tick(25);
             }},
            {"score panel shown",
             [this] {
                 Arrange({}, {1}, {15}, 0);
                 Press(PlayerHandFirst);
             }},
            {"match over",
             [this] {
                 Arrange({}, {1}, {15}, 0);
                 Press(PlayerHandFirst);
                 match.State.PcMatchPoints = 20;
                 match.ContinueAfterHand();
             }},
        };
    }
};

// Abandoning at each moment of a match leaves the idle board and a clean turn
// state, and the next match starts from nothing.
TEST_F(MatchMomentTest, AbandoningAtAnyMomentLeavesNothingBehind) {
    for (const auto& [name, reach] : Moments()) {
        SCOPED_TRACE(name);
        reach();
        match.AbandonMatch();
        EXPECT_EQ(match.Phase(), MatchPhase::Idle);
        ExpectViewFitsPhase(match, board);
        EXPECT_EQ(board.Status, "");
        EXPECT_EQ(board.PlayButtonText, "GIOCA");
        EXPECT_EQ(board.PcTotal, "0");
        EXPECT_EQ(board.PlayerTotal, "0");
        EXPECT_FALSE(board.ReportShown);
        EXPECT_TRUE(AllAtPlace());
        for (int position = 0; position < PositionCount; ++position) {
            const PositionRecord& record = board.Positions[position];
            EXPECT_EQ(record.Shown, !IsExtraTablePosition(position)) << position;
            EXPECT_EQ(record.HeldCard, NoCard);
            EXPECT_EQ(record.Picture, CardBackPicture);
            EXPECT_FALSE(record.HandCursor) << position;
        }
        EXPECT_EQ(match.Move().PcTickCount, 0);
        EXPECT_FALSE(match.Move().PcCardShown() || match.Move().PcCaptureShown() || match.Move().AwaitingTableChoice());
        EXPECT_EQ(match.Move().PcChosenPosition, -1);
        EXPECT_TRUE(match.Move().PcCapture.empty());
        EXPECT_TRUE(match.Move().PlayerOptions.empty());

        match.StartMatch();
        EXPECT_EQ(board.Status, "Tocca a te");
        EXPECT_TRUE(AllAtPlace());
        Press(PlayerHandFirst);
        EXPECT_NE(board.Status, "Tocca a te");  // the press was taken as a new move
        match.AbandonMatch();
    }
}

// "Continua" can fire after its panel is gone (a button held down by the mouse
// clicks on release, after a key has dealt or abandoned): at any other moment,
// and on the score panel once the match is abandoned, it changes nothing.
TEST_F(MatchMomentTest, ContinuingOffTheScorePanelChangesNothing) {
    for (const auto& [name, reach] : Moments()) {
        for (const bool abandoned : {false, true}) {
            SCOPED_TRACE(std::string(name) + (abandoned ? ", abandoned" : ""));
            reach();
            if (abandoned) match.AbandonMatch();
            if (match.Phase() == MatchPhase::HandOver) continue;
            const MatchPhase phase = match.Phase();
            const std::string before = Snapshot(board);
            const CardList deck = match.State.Deck;
            match.ContinueAfterHand();
            EXPECT_EQ(match.Phase(), phase);
            EXPECT_EQ(Snapshot(board), before);
            EXPECT_EQ(match.State.Deck, deck) << "nothing dealt";
            match.AbandonMatch();
        }
    }
}

// The window starts a match only from the idle board, but a start at any other
// moment must still begin a whole, clean match.
TEST_F(MatchMomentTest, StartingOverAnyMomentBeginsACleanMatch) {
    for (const auto& [name, reach] : Moments()) {
        SCOPED_TRACE(name);
        reach();
        match.StartMatch();
        EXPECT_EQ(match.Phase(), MatchPhase::PlayerTurn);
        ExpectViewFitsPhase(match, board);
        EXPECT_EQ(board.Status, "Tocca a te");
        EXPECT_EQ(board.PlayButtonText, "ABBANDONA");
        EXPECT_EQ(board.PcTotal + board.PlayerTotal, "00");
        EXPECT_FALSE(board.ReportShown);
        EXPECT_TRUE(AllAtPlace());
        EXPECT_FALSE(match.Move().PcCardShown() || match.Move().PcCaptureShown() || match.Move().AwaitingTableChoice());
        EXPECT_EQ(match.Move().PcChosenPosition, -1);
        EXPECT_TRUE(match.Move().PcCapture.empty());
        EXPECT_TRUE(match.Move().PlayerOptions.empty());
        for (int position : TablePositions) EXPECT_FALSE(board.Positions[position].HandCursor) << position;
        EXPECT_EQ(CountShown(0, 6) + CountShown(TablePositions[0], 9), 10);

        PlayHandToEnd();
        ASSERT_TRUE(board.ReportShown);
        EXPECT_EQ(match.State.PcPile.size() + match.State.PlayerPile.size(), static_cast<std::size_t>(DeckSize));
        match.AbandonMatch();
    }
}

}  // namespace
}  // namespace MyGame
