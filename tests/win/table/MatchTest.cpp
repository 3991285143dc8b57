// Whole matches on the game window: seeded deals, the player's side pressed at
// random or by the PC's strategy, the PC on timer ticks, "Continua" after every
// hand, each match to its end; the window checked after every event.
#include "GameWindow.h"
#include "MatchDriver.h"
#include "table/FormMain.h"

#include <gtest/gtest.h>

#include <iostream>
#include <string>

using TableTest::GameWindow;
using TableTest::MatchDriver;
using TableTest::Player;

namespace {

constexpr int Matches = 50;

void Report(const char* player, const TableTest::DriverCounts& counts) {
    std::cout << player << ": " << counts.ticks << " ticks, " << counts.presses << " presses (" << counts.ignored
              << " ignored, " << counts.refused << " refused picks, " << counts.marks << " marks), " << counts.clicks
              << " clicks, " << counts.sweeps << " sweeps, " << counts.abandons << " abandoned, " << counts.checks << " board checks\n";
}

// Plays press by press and tick by tick until the moment of abandoning comes:
// 3 the PC's card turned up, 5 the player picking table cards, 7 the score
// panel; or the match ends first.
std::string PlayUntilAbandonMoment(GameWindow& game, MatchDriver& driver, unsigned moment) {
    const MyGame::MatchController& match = game.Form().Match;
    for (int events = 0; events < 100000 && !driver.MatchOver(); ++events) {
        if (moment == 3 && match.Move().PcCardShown()) return "";
        if (moment == 5 && match.Move().AwaitingTableChoice()) return "";
        if (moment == 7 && !match.HandActive()) return "";
        const std::string fault =
            match.HandActive() && match.PlayerToMove() ? driver.PressRandomCard() : driver.Advance();
        if (!fault.empty()) return fault;
    }
    return "";
}

}  // namespace

TEST(GameWindowMatch, RandomPressesPlayFiftyMatchesToTheirEnd) {
    GameWindow game;
    MatchDriver driver(game, Player::Random, 77);
    for (unsigned seed = 1; seed <= Matches; ++seed) {
        // Now and then a match is abandoned half-way, and the next one must
        // start clean.
        if (seed % 10 == 3 || seed % 10 == 5 || seed % 10 == 7) {
            ASSERT_EQ(driver.StartMatch(1000 + seed), "");
            ASSERT_EQ(PlayUntilAbandonMoment(game, driver, seed % 10), "");
            // A match that ends before its moment has nothing to abandon.
            if (!driver.MatchOver()) {
                ASSERT_EQ(driver.Abandon(), "");
            }
        }
        ASSERT_EQ(driver.StartMatch(seed), "");
        ASSERT_EQ(driver.PlayToEnd(), "");
    }
    Report("random player", driver.counts);
    // The random presses went everywhere: ignored, refused and picked.
    EXPECT_GT(driver.counts.ignored, 0);
    EXPECT_GT(driver.counts.refused, 0);
    EXPECT_GT(driver.counts.marks, 0);
    EXPECT_GT(driver.counts.abandons, 10);
}

// The keyboard alone: F2 starts, H asks the coach, whose move is played with the
// digits and the focus keys and Enter or Space, Enter or Space go on after each
// hand; stray keys in the PC's turn change nothing.
TEST(GameWindowMatch, TheKeyboardAloneFollowingTheCoachPlaysTenMatchesToTheirEnd) {
    GameWindow game;
    MatchDriver driver(game, Player::Strategy, 79, TableTest::Input::Keys);
    for (unsigned seed = 201; seed < 201 + 10; ++seed) {
        ASSERT_EQ(driver.StartMatch(seed), "");
        ASSERT_EQ(driver.PlayToEnd(), "");
    }
    Report("keyboard player", driver.counts);
    EXPECT_GT(driver.counts.marks, 0);
}

TEST(GameWindowMatch, ThePcStrategyOnThePlayersSidePlaysFiftyMatchesToTheirEnd) {
    GameWindow game;
    MatchDriver driver(game, Player::Strategy, 78);
    for (unsigned seed = 101; seed < 101 + Matches; ++seed) {
        ASSERT_EQ(driver.StartMatch(seed), "");
        ASSERT_EQ(driver.PlayToEnd(), "");
    }
    Report("strategy player", driver.counts);
    EXPECT_GT(driver.counts.marks, 0);
    EXPECT_GT(driver.counts.sweeps, 0);
}
