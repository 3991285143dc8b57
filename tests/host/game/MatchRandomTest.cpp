// Whole matches played by random events, as a restless player might: presses on
// any position, the keyboard's presses and focus moves, the coach, runs of ticks,
// "Continua", now and then abandoning, or starting a new match over the one in
// progress. After every event the board and the turn state must agree with the
// rules. Seeded, so a failure replays.
#include "game/BoardRecord.h"
#include "game/MatchController.h"
#include "tests/host/game/PhaseCheck.h"
#include "game/Table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace MyGame {
namespace {

class RandomMatches {
public:
    explicit RandomMatches(std::uint32_t seed) : deck_(seed), events_(seed + 1), match_(board_, deck_, seed) {}

    void Play(int matches) {
        for (long event = 0; MatchesDecided < matches && !Failed(); ++event) {
            ASSERT_LT(event, 5000L * matches) << "matches do not end";
            Event();
            Check();
        }
    }

    bool Failed() const { return ::testing::Test::HasFailure(); }

    int MatchesDecided = 0;
    int Abandons = 0;
    int Restarts = 0;

private:
    int Random(int below) { return std::uniform_int_distribution<int>(0, below - 1)(events_); }

    // Mostly what the moment calls for, otherwise anything at all.
    void Event() {
        const bool idle = match_.Phase() == MatchPhase::Idle || match_.Phase() == MatchPhase::MatchOver;
        const int roll = Random(1000);
        if (!idle && roll < 2) {
            match_.AbandonMatch();
            started_ = false;
            ++Abandons;
        } else if (!idle && roll < 3) {
            Start();
            ++Restarts;
        } else if (roll < 600) {
            FittingEvent(idle);
        } else if (roll < 700) {
            PressSomewhere();
        } else if (roll < 800) {
            KeyboardEvent();
        } else {
            RunTicks();
        }
    }

    void FittingEvent(bool idle) {
        if (idle) {
            Start();
        } else if (match_.Phase() == MatchPhase::HandOver) {
            Continue();
        } else if (match_.PlayerToMove()) {
            if (Random(3) == 0) {
                KeyboardEvent();
            } else {
                PressSomewhere();
            }
        } else {
            RunTicks();
        }
    }

    void Start() {
        match_.StartMatch();
        started_ = true;
        playerBeganHand_ = true;
    }

    void RunTicks() {
        const int ticks = 1 + Random(100);
        for (int i = 0; i < ticks; ++i) match_.OnTurnTimer();
    }

    // Half the presses on a card that is there, half anywhere, now and then on no
    // position at all.
    void PressSomewhere() {
        std::vector<int> shown;
        for (int position = PlayerHandFirst; position < PositionCount; ++position) {
            if (board_.IsPositionShown(position) && position != StockPosition) shown.push_back(position);
        }
        if (!shown.empty() && Random(2) == 0) {
            match_.OnCardClicked(board_.Identifier(shown[Random(static_cast<int>(shown.size()))]));
        } else {
            const int position = Random(PositionCount + 1);
            match_.OnCardClicked(position == PositionCount ? 999 : board_.Identifier(position));
        }
    }

    // A digit key, Enter on the focused card, a focus move or the coach, at any
    // moment.
    void KeyboardEvent() {
        switch (Random(5)) {
            case 0:
                match_.PressHandCard(Random(HandSize + 1) - 1 + Random(2));
                break;
            case 1:
                match_.PressFocusedCard();
                break;
            case 2:
                match_.MoveTableFocus(Random(2) == 0 ? FocusMove::Next : FocusMove::Previous);
                break;
            case 3:
                match_.ShowSuggestion();
                break;
            default:
                // The coach's move made press by press, as a player who follows it.
                FollowSuggestion();
                break;
        }
    }

    void FollowSuggestion() {
        match_.ShowSuggestion();
        const MoveUnderWay& move = match_.Move();
        if (move.SuggestedPosition < 0) return;
        const std::vector<int> picks = move.SuggestedPicks;
        match_.OnCardClicked(board_.Identifier(move.SuggestedPosition));
        for (int position : picks) {
            if (!match_.Move().AwaitingTableChoice()) break;
            match_.OnCardClicked(board_.Identifier(position));
        }
        EXPECT_FALSE(match_.Move().AwaitingTableChoice()) << "the suggested move is not complete";
    }

    void Continue() {
        const int pc = match_.State.PcMatchPoints;
        const int player = match_.State.PlayerMatchPoints;
        const std::size_t sounds = board_.Sounds.size();
        match_.ContinueAfterHand();
        EXPECT_FALSE(board_.ReportShown);
        if (pc > player && pc >= 11) {
            EXPECT_EQ(board_.Status, "Hai perso..");
            EXPECT_EQ(board_.Sounds.back(), PcSound);
        } else if (player > pc && player >= 11) {
            EXPECT_EQ(board_.Status, "Hai vinto!!");
            EXPECT_EQ(board_.Sounds.back(), PlayerSound);
        } else {
            EXPECT_TRUE(match_.HandActive());
            EXPECT_NE(match_.PlayerToMove(), playerBeganHand_) << "the same side begins again";
            playerBeganHand_ = match_.PlayerToMove();
            EXPECT_EQ(board_.Sounds.size(), sounds);
            return;
        }
        EXPECT_EQ(board_.Sounds.size(), sounds + 1);
        EXPECT_EQ(match_.Phase(), MatchPhase::MatchOver);
        EXPECT_EQ(board_.PlayButtonText, "GIOCA");
        ++MatchesDecided;
    }

    void Check() {
        ExpectViewFitsPhase(match_, board_);
        CheckTurnState();
        CheckOffsets();
        CheckFocus();
        CheckCursors();
        EXPECT_EQ(statuses_.count(board_.Status), 1u) << board_.Status;
        if (!started_) return;
        CheckCards();
        EXPECT_EQ(board_.PcTotal, std::to_string(match_.State.PcMatchPoints));
        EXPECT_EQ(board_.PlayerTotal, std::to_string(match_.State.PlayerMatchPoints));
        if (match_.HandActive()) CheckAlternation();
    }

    void CheckTurnState() {
        if (!match_.HandActive() || match_.PlayerToMove()) {
            EXPECT_FALSE(match_.Move().PcCardShown() || match_.Move().PcCaptureShown());
        }
        if (!match_.HandActive() || !match_.PlayerToMove()) {
            EXPECT_FALSE(match_.Move().AwaitingTableChoice());
            EXPECT_TRUE(match_.Move().PlayerOptions.empty());
        }
        if (match_.Move().AwaitingTableChoice()) {
            EXPECT_FALSE(match_.Move().PlayerOptions.empty());
        }
        if (!match_.HandActive() || match_.PlayerToMove()) {
            EXPECT_EQ(match_.Move().PcTickCount, 0);
        }
        EXPECT_LE(match_.Move().PcTickCount, PcWaitTicks);
    }

    // A position is away from its place only for a step under way: the PC's card
    // shown, the cards it is about to take, a card the player has picked and
    // that every remaining option takes, the player's chosen card, or the coach's
    // suggestion.
    void CheckOffsets() {
        for (int position = 0; position < PositionCount; ++position) {
            const int offset = board_.Positions[position].OffsetY;
            if (offset == 0) continue;
            const int identifier = board_.Identifier(position);
            const MoveUnderWay& move = match_.Move();
            const bool pcCard = move.PcCardShown() && position == HandPosition(Side::Pc, move.PcChosenPosition) &&
                                offset == PcCardDrop;
            const bool pcTake =
                move.PcCaptureShown() && NamesIdentifier(move.PcCapture, identifier) && offset == -PcTakeRaise;
            bool mark = move.AwaitingTableChoice() && IsTablePosition(position) && offset == PlayerMarkDrop;
            for (const std::string& option : move.PlayerOptions) mark = mark && NamesIdentifier(option, identifier);
            const bool chosen = move.AwaitingTableChoice() && position == move.PlayerChosenPosition &&
                                offset == -PlayerChosenRaise;
            const bool suggested =
                (position == move.SuggestedPosition && offset == -PlayerChosenRaise) ||
                (std::count(move.SuggestedPicks.begin(), move.SuggestedPicks.end(), position) == 1 &&
                 offset == PlayerMarkDrop);
            EXPECT_TRUE(pcCard || pcTake || mark || chosen || suggested)
                << "position " << position << " moved by " << offset;
            EXPECT_TRUE(board_.IsPositionShown(position)) << "hidden position " << position << " away from its place";
        }
    }

    // The focus frame is on exactly one shown table card while table cards are
    // picked, and nowhere else; a suggestion shows only before a card is chosen.
    void CheckFocus() {
        const MoveUnderWay& move = match_.Move();
        int frames = 0;
        for (int position = 0; position < PositionCount; ++position) {
            if (!board_.Positions[position].Focus) continue;
            ++frames;
            EXPECT_EQ(position, move.TableFocus);
            EXPECT_TRUE(IsTablePosition(position) && board_.IsPositionShown(position)) << position;
        }
        EXPECT_EQ(frames, move.AwaitingTableChoice() ? 1 : 0);
        if (move.SuggestedPosition >= 0) {
            EXPECT_TRUE(match_.PlayerToMove() && !move.AwaitingTableChoice());
        }
    }

    void CheckCursors() {
        for (int position = 0; position < PositionCount; ++position) {
            if (!board_.IsPositionShown(position)) continue;
            bool expected = false;
            if (IsPlayerHand(position)) {
                expected = match_.HandActive() && match_.PlayerToMove();
            } else if (IsTablePosition(position)) {
                expected = match_.Move().AwaitingTableChoice();
            }
            if (board_.Positions[position].HandCursor != expected) {
                ADD_FAILURE() << "cursor over position " << position;
            }
        }
    }

    // The 40 cards each once: in the hands and on the table, still in the deck, or
    // in a pile.
    void CheckCards() {
        int seen[DeckSize + 1] = {};
        bool inRange = true;
        const auto count = [&](Card card) {
            inRange = inRange && card >= 1 && card <= DeckSize;
            if (inRange) ++seen[card];
        };
        for (int position = 0; position < PositionCount; ++position) {
            if (position != StockPosition && board_.IsPositionShown(position)) count(board_.CardAt(position));
        }
        for (int i = DeckSize - match_.State.CardsLeft; i < DeckSize; ++i) count(match_.State.Deck[i]);
        for (Card card : match_.State.PcPile) count(card);
        for (Card card : match_.State.PlayerPile) count(card);
        bool once = inRange;
        for (Card card = 1; card <= DeckSize; ++card) once = once && seen[card] == 1;
        EXPECT_TRUE(once) << "cards not accounted for exactly once";
        EXPECT_EQ(board_.IsPositionShown(StockPosition), match_.State.CardsLeft > 0);
    }

    // Strict alternation: the side to move has as many cards as the other, or one
    // more when the other began.
    void CheckAlternation() {
        int pc = 0;
        int player = 0;
        for (int i = 0; i < HandSize; ++i) {
            pc += board_.IsPositionShown(HandPosition(Side::Pc, i)) ? 1 : 0;
            player += board_.IsPositionShown(HandPosition(Side::Player, i)) ? 1 : 0;
        }
        const int toMove = match_.PlayerToMove() ? player : pc;
        const int other = match_.PlayerToMove() ? pc : player;
        EXPECT_TRUE(toMove >= 1 && (toMove == other || toMove == other + 1)) << pc << " against " << player;
    }

    const std::set<std::string> statuses_ = {
        "", "Tocca a te", "Tocca al pc", "Ora tocca al PC", "LURNA!! Ora tocca al PC",
        "Selezionare le carte dal tavolo", "Ora tocca a te", "LURNA!! Ora tocca a te", "Fine mano",
        "Hai vinto!!", "Hai perso..",
    };

    BoardRecord board_;
    DeckRandom deck_;
    std::mt19937 events_;
    MatchController match_;
    bool started_ = false;
    bool playerBeganHand_ = true;
};

TEST(MatchRandomTest, RandomEventsNeverBreakTheMatch) {
    for (std::uint32_t seed : {1u, 2u}) {
        SCOPED_TRACE(seed);
        RandomMatches matches(seed);
        matches.Play(100);
        EXPECT_EQ(matches.MatchesDecided, 100);
        EXPECT_GT(matches.Abandons, 0);
        EXPECT_GT(matches.Restarts, 0);
        if (HasFailure()) break;
    }
}

}  // namespace
}  // namespace MyGame
