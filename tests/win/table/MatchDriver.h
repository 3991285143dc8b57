// Plays whole matches on the game window with the events a person and the
// system cause (presses on the card pictures, button clicks, timer ticks) and
// checks the window after every event that can change the board. Every step
// returns the first fault it finds, with the seed and the event, or an empty
// text.
#pragma once

#include "BoardCheck.h"
#include "BoardView.h"
#include "game/Card.h"
#include "game/PcStrategy.h"

#include <functional>
#include <random>
#include <string>

namespace TableTest {

class GameWindow;

// Who presses for the player: random presses on any shown card (hand, table,
// the PC's cards, the stock), refused ones included; or the PC's own strategy
// played on the player's hand.
enum class Player { Random, Strategy };

// How the player's presses and the buttons reach the window: the mouse, or the
// keyboard alone (the strategy's move then comes from the coach, the table
// cards are reached with the focus keys, and the PC's turn hears stray keys).
enum class Input { Mouse, Keys };

// Counts of what a driver has done, for the runtime report.
struct DriverCounts {
    long ticks = 0;
    long presses = 0;
    long clicks = 0;
    long checks = 0;
    // Presses that count for nothing (the PC's cards, the stock, the table
    // with no hand card chosen, any card in the PC's turn) and refused picks.
    long ignored = 0;
    long refused = 0;
    long marks = 0;
    long sweeps = 0;
    long abandons = 0;
};

class MatchDriver {
public:
    MatchDriver(GameWindow& game, Player player, unsigned choices, Input input = Input::Mouse);

    // Seeds the run's generator with seed and clicks "GIOCA".
    std::string StartMatch(unsigned seed);
    // One event group by the state of the match: the player's whole move, one
    // wait of the PC with its step, or "Continua". Nothing once the match is over.
    std::string Advance();
    // Advances until "Hai vinto!!" or "Hai perso..".
    std::string PlayToEnd();
    // One checked press on a shown card picked at random.
    std::string PressRandomCard();
    // One checked press on a shown card at any moment: the PC's turn, the score
    // panel and the idle board included. Picked table cards become marks.
    std::string PressAt(int position);
    // Clicks "ABBANDONA" and checks the idle board.
    std::string Abandon();
    // A checked press on the position made by press: a mouse press or a key.
    std::string PressWith(int position, const std::function<void()>& press);
    // A key that the moment does not let act: nothing changes, nothing beeps.
    std::string StrayKey(UINT key, bool repeated, const std::string& when);

    // The PC's wait up to its last quiet tick: the next tick makes its step.
    std::string WaitForPcStep();
    // The PC's step on its 41st tick, with the checks of that step.
    std::string MakePcStep();
    std::string MakePcStepAfterWait();

    bool MatchOver() const;
    std::string Check(const std::string& event);
    std::string Check(const std::string& event, const BoardView& view);

    BoardFacts facts;
    DriverCounts counts;
    Places places;

private:
    struct Before;

    std::string PlayerMove();
    std::string PlayerMoveByKeys();
    std::string PressChecked(int position);
    // H: the coach shows the strategy's move, and nothing else changes.
    std::string AskCoach(const MyGame::PcMove& move);
    // The focus keys until the frame is on the position, each move checked.
    std::string FocusOn(int position);
    // The play button and "Continua" by the mouse or by their keys.
    void PlayButton();
    void Continue();
    std::string QuietTicks(int count, const std::string& when);
    std::string ContinueAfterHand();
    std::string CheckPress(int position, const Before& before, const Before& after, bool canCapture);
    std::string CheckMove(bool byPlayer, MyGame::Card played, bool capture, const Before& before,
                          const Before& after, const std::string& pcCapture, int pressed);
    std::string Unchanged(const Before& before, const Before& after, const std::string& what);
    Before Take() const;
    int RandomShownPosition();
    std::string Where(const std::string& event) const;

    GameWindow& game_;
    Player player_;
    Input input_;
    std::mt19937 choices_;
    unsigned seed_ = 0;
    bool playerBeganHand_ = true;
    int hands_ = 0;
};

}  // namespace TableTest
