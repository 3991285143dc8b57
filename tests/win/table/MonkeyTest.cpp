// Seeded random events on one game window, as a person and the system make
// them: presses on every part of the table, clicks on the buttons that are
// shown, every menu item, bursts of ticks, the About form with presses on its
// parts, the rules window with presses and scrolls in it, and the exit question
// answered No from all three of its routes. After every event the window must
// show a consistent match. Only what a person could press is pressed: shown
// cards and buttons, and nothing of the game window while the About form or
// the rules window keeps it disabled. The choice leans toward what
// moves a match on, so that hands and matches really end.
// LURNA_MONKEY_SEED=N replays the run of seed N; a failure names the seed, the
// event number and the last events. LURNA_LONG_TESTS=1 sends ten times as many.
#include "BoardCheck.h"
#include "BoardView.h"
#include "GameWindow.h"
#include "MatchDriver.h"
#include "ProcessResources.h"
#include "TestSupport.h"
#include "table/AboutData.h"
#include "table/FormMain.h"
#include "toolkit/Button.h"
#include "toolkit/CellControl.h"
#include "toolkit/FormAbout.h"
#include "toolkit/FormText.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/PanelChildren.h"
#include "toolkit/SubMenu.h"
#include "toolkit/Text.h"
#include "toolkit/TextBox.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

using TableTest::GameWindow;
using TableTest::MatchDriver;
using TableTest::Player;

namespace {

constexpr unsigned DefaultSeed = 20261209;
constexpr int MaxTicksInBurst = 100;
constexpr std::size_t EventsRemembered = 8;
// A point of the form's client area that no element covers, left of the rows.
constexpr POINT Background{10, 200};

enum class Kind {
    HandPress, TablePress, PcCardPress, StockPress, OtherPress, Ticks, Play, Continue, Info, AboutPress,
    AboutOk, AboutKey, AboutCloseBox, ExitButton, ExitItem, ExitCloseBox, Home, Guide, RulesPress, RulesOk,
    RulesKey, RulesCloseBox, Key
};

struct Tally {
    long events = 0;
    long moves = 0;
    long handsEnded = 0;
    long won = 0;
    long lost = 0;
    long started = 0;
    long aboutOpened = 0;
    long aboutPresses = 0;
    long rulesOpened = 0;
    long rulesPresses = 0;
    long questions[3] = {};
    long shellCalls = 0;
};

unsigned SeedFromEnvironment() {
    const char* value = std::getenv("LURNA_MONKEY_SEED");
    return value && *value ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : DefaultSeed;
}

class Monkey {
public:
    explicit Monkey(unsigned seed) : seed_(seed), random_(seed), driver_(game_, Player::Random, seed) {}

    // Sends the events one by one; the first fault, with where it happened.
    std::string Run(long events) {
        for (tally.events = 1; tally.events <= events; ++tally.events) {
            const Kind kind = Choose();
            const Sample before = Take();
            std::string fault = Send(kind);
            if (fault.empty()) fault = WindowFault();
            if (!fault.empty()) return Where() + ": " + fault;
            Count(before, Take());
            // The window paints now and then, as between a person's presses;
            // a paint after every event would take most of the run.
            if (tally.events % 500 == 0) ToolkitTest::Pump();
        }
        return "";
    }

    Tally tally;
    const MatchDriver& Driver() const { return driver_; }

private:
    // What the tally compares before and after an event.
    struct Sample {
        bool handOver;
        std::wstring status;
        int played;
    };

    MyGame::FormMain& Form() { return game_.Form(); }

    bool AboutOpen() {
        return Form().AboutForm && IsWindow(Form().AboutForm->windowHandle);
    }

    bool RulesOpen() {
        return Form().RulesForm && IsWindow(Form().RulesForm->windowHandle);
    }

    // The events a person could make now, each with its weight: mostly the one
    // that moves the match on.
    std::vector<std::pair<Kind, int>> Choices() {
        if (AboutOpen()) {
            return {{Kind::Ticks, 500}, {Kind::AboutPress, 200}, {Kind::AboutOk, 100}, {Kind::AboutKey, 50},
                    {Kind::AboutCloseBox, 50}};
        }
        if (RulesOpen()) {
            return {{Kind::Ticks, 500}, {Kind::RulesPress, 100}, {Kind::RulesOk, 100}, {Kind::RulesKey, 50},
                    {Kind::RulesCloseBox, 50}};
        }
        std::vector<std::pair<Kind, int>> choices = {
            {Kind::OtherPress, 30}, {Kind::PcCardPress, 20}, {Kind::StockPress, 10}, {Kind::Info, 8},
            {Kind::ExitButton, 8}, {Kind::ExitItem, 8}, {Kind::ExitCloseBox, 8}, {Kind::Home, 5},
            {Kind::Guide, 5}, {Kind::Key, 150}};
        const MyGame::MatchController& match = Form().Match;
        const bool matchOn = driver_.facts.matchStarted && !driver_.MatchOver();
        // Abandoning is rare, or no match would reach its end.
        choices.push_back({Kind::Play, matchOn ? 1 : 700});
        if (match.HandActive() && match.PlayerToMove()) {
            const bool picking = match.Move().AwaitingTableChoice();
            choices.insert(choices.end(), {{Kind::HandPress, picking ? 60 : 700},
                                           {Kind::TablePress, picking ? 700 : 60}, {Kind::Ticks, 100}});
        } else if (match.HandActive()) {
            choices.insert(choices.end(), {{Kind::Ticks, 800}, {Kind::HandPress, 40}, {Kind::TablePress, 40}});
        } else {
            choices.push_back({Kind::Ticks, 100});
            if (match.Phase() == MyGame::MatchPhase::HandOver) choices.push_back({Kind::Continue, 600});
        }
        return choices;
    }

    Kind Choose() {
        const std::vector<std::pair<Kind, int>> choices = Choices();
        int total = 0;
        for (const auto& choice : choices) total += choice.second;
        int pick = std::uniform_int_distribution<int>(0, total - 1)(random_);
        for (const auto& choice : choices) {
            if (pick < choice.second) return choice.first;
            pick -= choice.second;
        }
        return choices.back().first;
    }

    std::string Send(Kind kind) {
        switch (kind) {
            case Kind::HandPress: return PressCard(MyGame::IsPlayerHand, "a hand card");
            case Kind::TablePress: return PressCard(MyGame::IsTablePosition, "a table card");
            case Kind::PcCardPress:
                return PressCard(MyGame::IsPcHand, "a PC's card");
            case Kind::StockPress:
                return PressCard([](int position) { return position == MyGame::StockPosition; }, "the stock");
            case Kind::OtherPress: return PressOther();
            case Kind::Ticks: return Ticks();
            case Kind::Play: return Play();
            case Kind::Continue: return Continue();
            case Kind::Info: return OpenAbout();
            case Kind::AboutPress: return PressAboutPart();
            case Kind::AboutOk: return CloseAbout("OK", [](KTUtility::FormAbout& about, GameWindow& game) {
                game.Click(*about.okButton);
            });
            case Kind::AboutKey: return CloseAbout("Enter or Escape", [this](KTUtility::FormAbout& about, GameWindow&) {
                SendMessageW(about.okButton->windowHandle, WM_CHAR, random_() % 2 ? VK_RETURN : VK_ESCAPE, 0);
            });
            case Kind::AboutCloseBox: return CloseAbout("the About's close box", [](KTUtility::FormAbout& about, GameWindow&) {
                SendMessageW(about.windowHandle, WM_SYSCOMMAND, SC_CLOSE, 0);
            });
            case Kind::RulesPress: return PressRules();
            case Kind::RulesOk: return CloseRules("the rules' OK", [](KTUtility::FormText& rules, GameWindow& game) {
                game.Click(*rules.okButton);
            });
            case Kind::RulesKey: return CloseRules("Enter or Esc", [this](KTUtility::FormText& rules, GameWindow&) {
                SendMessageW(rules.textBox->windowHandle, WM_CHAR, random_() % 2 ? VK_RETURN : VK_ESCAPE, 0);
            });
            case Kind::RulesCloseBox: return CloseRules("its close box", [](KTUtility::FormText& rules, GameWindow&) {
                SendMessageW(rules.windowHandle, WM_SYSCOMMAND, SC_CLOSE, 0);
            });
            case Kind::ExitButton: return AnswerNo(0, "Chiudi", [this] { game_.Click(*Form().CloseButton); });
            case Kind::ExitItem:
                return AnswerNo(1, "&Esci", [this] { game_.ChooseMenuItem(Form().ExitItem->controlId); });
            case Kind::ExitCloseBox:
                return AnswerNo(2, "the close box", [this] { SendMessageW(game_.Window(), WM_SYSCOMMAND, SC_CLOSE, 0); });
            case Kind::Home:
                return OpenPage(Form().HomeItem->controlId, KTUtility::Widen(MyGame::WebAddress), "Home");
            case Kind::Guide: return OpenRules();
            case Kind::Key: return PressKey();
        }
        return "no such event";
    }

    template <typename Filter>
    std::string PressCard(Filter among, const char* what) {
        std::vector<int> shown;
        for (int position = 0; position < MyGame::PositionCount; ++position) {
            if (among(position) && IsWindowVisible(Form().CardPositions[position]->windowHandle)) {
                shown.push_back(position);
            }
        }
        if (shown.empty()) {
            Remember(std::string("no ") + what + " to press");
            return "";
        }
        const int position = shown[std::uniform_int_distribution<std::size_t>(0, shown.size() - 1)(random_)];
        Remember("a press on position " + std::to_string(position));
        return driver_.PressAt(position);
    }

    // The status line, the labels and totals, the banner, the score panel's
    // parts while it is shown and the table itself: none of them does anything.
    std::string PressOther() {
        MyGame::FormMain& form = Form();
        std::vector<std::pair<HWND, const char*>> parts = {
            {form.StatusCell->windowHandle, "the status line"}, {form.PcLabel->windowHandle, "the PC's label"},
            {form.PcTotalCell->windowHandle, "the PC's total"}, {form.PlayerLabel->windowHandle, "the player's label"},
            {form.PlayerTotalCell->windowHandle, "the player's total"}, {form.TitleImage->windowHandle, "the banner"},
            {game_.Window(), "the table's background"}};
        if (form.Match.Phase() == MyGame::MatchPhase::HandOver) {
            parts.insert(parts.end(), {{form.ReportPanel->windowHandle, "the score panel"},
                                       {form.ReportHeading->windowHandle, "the score panel's heading"},
                                       {form.PcReportTitle->windowHandle, "the PC's score title"},
                                       {form.PlayerReportTitle->windowHandle, "the player's score title"}});
            for (int line = 0; line < MyGame::ReportLineCount; ++line) {
                parts.push_back({form.PcReportLines[line]->windowHandle, "a PC's score line"});
                parts.push_back({form.PlayerReportLines[line]->windowHandle, "a player's score line"});
            }
        }
        const auto& part = parts[std::uniform_int_distribution<std::size_t>(0, parts.size() - 1)(random_)];
        Remember(std::string("a press on ") + part.second);
        const TableTest::BoardView before = TableTest::ReadBoard(form);
        const int beeps = game_.beeps;
        const std::size_t sounds = game_.sounds.size();
        game_.PressWindow(part.first, part.first == game_.Window() ? Background : POINT{5, 5});
        const TableTest::BoardView after = TableTest::ReadBoard(form);
        if (!TableTest::Differences(before, after).empty() || game_.beeps != beeps || game_.sounds.size() != sounds) {
            return "it changed the board or was heard";
        }
        return driver_.Check("a press", after);
    }

    std::string Ticks() {
        const int ticks = std::uniform_int_distribution<int>(1, MaxTicksInBurst)(random_);
        Remember(std::to_string(ticks) + " ticks");
        for (int i = 0; i < ticks; ++i) game_.Tick();
        return driver_.Check("a burst of ticks");
    }

    std::string Play() {
        if (ToolkitTest::WindowText(Form().PlayButton->windowHandle) == L"ABBANDONA") {
            Remember("ABBANDONA");
            return driver_.Abandon();
        }
        const unsigned deal = static_cast<unsigned>(random_());
        Remember("GIOCA, deal " + std::to_string(deal));
        ++tally.started;
        return driver_.StartMatch(deal);
    }

    std::string Continue() {
        Remember("Continua");
        return driver_.Advance();
    }

    std::string OpenAbout() {
        Remember("Info");
        game_.Click(*Form().InfoButton);
        ToolkitTest::Pump();
        ++tally.aboutOpened;
        if (!AboutOpen() || !IsWindowVisible(Form().AboutForm->windowHandle)) return "no About form is shown";
        return driver_.Check("Info");
    }

    // The parts of the About form: the two links open their addresses, the
    // rest does nothing.
    std::string PressAboutPart() {
        KTUtility::FormAbout& about = *Form().AboutForm;
        const std::pair<HWND, const char*> parts[] = {
            {about.windowHandle, "the About's background"}, {about.picturePanel->windowHandle, "the About's frame"},
            {about.picture->windowHandle, "the About's picture"}, {about.titleLabel->windowHandle, "the About's title"},
            {about.secondLabel->windowHandle, "the rights line"}, {about.noticeBox->windowHandle, "the notice"},
            {about.webLink->windowHandle, "the web link"}, {about.mailLink->windowHandle, "the mail link"}};
        const auto& part = parts[random_() % (sizeof parts / sizeof parts[0])];
        Remember(std::string("a press on ") + part.second);
        ++tally.aboutPresses;
        const std::size_t calls = game_.shellCalls.size();
        game_.PressWindow(part.first, POINT{5, 5});
        ToolkitTest::Pump();
        const bool link = part.first == about.webLink->windowHandle || part.first == about.mailLink->windowHandle;
        if (game_.shellCalls.size() != calls + (link ? 1 : 0)) return "the shell was called other than once a link";
        if (link) {
            ++tally.shellCalls;
            const std::string mailbox =
                KTUtility::ReplaceAll(MyGame::WebAddress, MyGame::WebPrefix, MyGame::MailboxPrefix);
            const std::wstring expected = KTUtility::Widen(
                part.first == about.webLink->windowHandle ? std::string(MyGame::WebAddress) : "mailto:" + mailbox);
            if (game_.shellCalls.back().target != expected) return "the link opened another address";
        }
        if (!AboutOpen()) return "the About form closed";
        return driver_.Check("a press on the About form");
    }

    template <typename Close>
    std::string CloseAbout(const char* how, Close close) {
        return CloseModal(how, *Form().AboutForm, close);
    }

    template <typename Close>
    std::string CloseRules(const char* how, Close close) {
        return CloseModal(how, *Form().RulesForm, close);
    }

    template <typename Shown, typename Close>
    std::string CloseModal(const char* how, Shown& shown, Close close) {
        Remember(how);
        const HWND window = shown.windowHandle;
        close(shown, game_);
        ToolkitTest::Pump();
        if (IsWindow(window)) return "the window is still open";
        return driver_.Check(how);
    }

    // One of the game's keys at any moment the window has the keyboard: a card
    // key is judged as the press it makes, F1 must open the rules, F2 and Enter
    // while the PC moves must change nothing, the rest only what the board check
    // allows (the coach, the frame).
    std::string PressKey() {
        const UINT keys[] = {'1', '2', '3', VK_NUMPAD1, VK_RETURN, VK_SPACE, VK_F1, VK_F2, 'H',
                             VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_TAB, VK_ESCAPE};
        const UINT key = keys[random_() % (sizeof keys / sizeof keys[0])];
        const bool repeated = random_() % 8 == 0;
        const MyGame::MatchController& match = Form().Match;
        Remember("key " + std::to_string(key) + (repeated ? " repeated" : ""));
        const auto send = [this, key, repeated] { game_.Key(key, repeated); };
        if (match.Phase() == MyGame::MatchPhase::PcTurn && key != VK_F1) {
            return driver_.StrayKey(key, repeated, "in the PC's turn");
        }
        if (repeated && !(key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN || key == VK_TAB)) {
            return driver_.StrayKey(key, repeated, "held down");
        }
        if (key >= '1' && key <= '3' && match.Phase() == MyGame::MatchPhase::PlayerTurn) {
            const int position = MyGame::HandPosition(MyGame::Side::Player, static_cast<int>(key - '1'));
            if (Form().IsPositionShown(position)) return driver_.PressWith(position, send);
        }
        if ((key == VK_RETURN || key == VK_SPACE) && match.Move().AwaitingTableChoice()) {
            return driver_.PressWith(match.Move().TableFocus, send);
        }
        if (key == VK_F1) {
            send();
            ToolkitTest::Pump();
            ++tally.rulesOpened;
            if (!RulesOpen()) return "F1 opened no rules window";
            return driver_.Check("F1");
        }
        // The play button and "Continua" by key belong to the keyboard matches:
        // here they would pass the driver by.
        if (key == VK_F2 || key == VK_RETURN || key == VK_SPACE || key == VK_NUMPAD1) return driver_.Check("no key");
        send();
        return driver_.Check("a key");
    }

    std::string OpenRules() {
        Remember("Guida");
        const std::size_t calls = game_.shellCalls.size();
        game_.ChooseMenuItem(Form().GuideItem->controlId);
        ToolkitTest::Pump();
        ++tally.rulesOpened;
        if (game_.shellCalls.size() != calls) return "Guida called the shell";
        if (!RulesOpen() || !IsWindowVisible(Form().RulesForm->windowHandle)) return "no rules window is shown";
        return driver_.Check("Guida");
    }

    // A press on the rules' text or beside it, or a page of the text scrolled
    // by its bar: the window stays as it is.
    std::string PressRules() {
        KTUtility::FormText& rules = *Form().RulesForm;
        ++tally.rulesPresses;
        switch (random_() % 3) {
            case 0:
                Remember("a press on the rules' text");
                game_.PressWindow(rules.textBox->windowHandle, POINT{20, 20});
                break;
            case 1:
                Remember("a press beside the rules' text");
                game_.PressWindow(rules.windowHandle, POINT{3, 3});
                break;
            default:
                Remember("a page of the rules scrolled");
                SendMessageW(rules.textBox->windowHandle, WM_VSCROLL, random_() % 2 ? SB_PAGEDOWN : SB_PAGEUP, 0);
                break;
        }
        ToolkitTest::Pump();
        if (!RulesOpen()) return "the rules window closed";
        return driver_.Check("a press on the rules window");
    }

    // The exit question answered No, at times with ticks arriving while it is
    // open: the window stays and the match goes on.
    template <typename Ask>
    std::string AnswerNo(int route, const char* how, Ask ask) {
        const int ticks = random_() % 2 ? std::uniform_int_distribution<int>(1, 60)(random_) : 0;
        Remember(std::string("No to the exit question from ") + how + " with " + std::to_string(ticks) + " ticks");
        const std::size_t asked = game_.questions.size();
        game_.answer = IDNO;
        game_.duringQuestion = [this, ticks] {
            for (int i = 0; i < ticks; ++i) game_.Tick();
        };
        ask();
        game_.duringQuestion = nullptr;
        ToolkitTest::Pump();
        if (game_.questions.size() != asked + 1 || game_.questions.back().text != "Vuoi realmente uscire?") {
            return "the exit question was not asked once";
        }
        ++tally.questions[route];
        return driver_.Check(how);
    }

    std::string OpenPage(UINT item, const std::wstring& address, const char* how) {
        Remember(how);
        const std::size_t calls = game_.shellCalls.size();
        game_.ChooseMenuItem(item);
        if (game_.shellCalls.size() != calls + 1 || game_.shellCalls.back().target != address) {
            return "the page was not opened through the shell";
        }
        ++tally.shellCalls;
        return driver_.Check(how);
    }

    // What must hold of the window whatever the event: it lives, it is disabled
    // exactly while the About form or the rules window is open, the PC's wait is
    // within its ticks.
    std::string WindowFault() {
        if (!IsWindow(game_.Window()) || !IsWindowVisible(game_.Window())) return "the game window is gone";
        const bool modalOpen = AboutOpen() || RulesOpen();
        if ((IsWindowEnabled(game_.Window()) != FALSE) == modalOpen) return "the window's enabling is wrong";
        const int ticks = Form().Match.Move().PcTickCount;
        if (ticks < 0 || ticks > MyGame::PcWaitTicks) return "the PC counted " + std::to_string(ticks) + " ticks";
        return "";
    }

    // Cards played in this hand: those out of the stock that are neither in a
    // hand nor among the four the table began with.
    int Played() {
        const MyGame::GameState& state = Form().Match.State;
        int inHands = 0;
        for (int position = 0; position < MyGame::PositionCount; ++position) {
            if (MyGame::IsHandPosition(position) && Form().IsPositionShown(position)) ++inHands;
        }
        return MyGame::DeckSize - state.CardsLeft - 4 - inHands;
    }

    Sample Take() {
        return Sample{Form().Match.Phase() == MyGame::MatchPhase::HandOver,
                      ToolkitTest::WindowText(Form().StatusCell->windowHandle),
                      driver_.facts.matchStarted ? Played() : 0};
    }

    void Count(const Sample& before, const Sample& after) {
        if (after.played > before.played) tally.moves += after.played - before.played;
        if (after.handOver && !before.handOver) ++tally.handsEnded;
        if (after.status != before.status) {
            if (after.status == L"Hai vinto!!") ++tally.won;
            if (after.status == L"Hai perso..") ++tally.lost;
        }
    }

    void Remember(const std::string& event) {
        last_.push_back(std::to_string(tally.events) + ": " + event);
        if (last_.size() > EventsRemembered) last_.pop_front();
    }

    std::string Where() const {
        std::string where = "seed " + std::to_string(seed_) + ", event " + std::to_string(tally.events) + " (";
        for (const std::string& event : last_) where += (event == last_.front() ? "" : "; ") + event;
        return where + ")";
    }

    unsigned seed_;
    std::mt19937 random_;
    GameWindow game_;
    MatchDriver driver_;
    std::deque<std::string> last_;
};

}  // namespace

TEST(GameWindowMonkey, RandomEventsOfEveryKindKeepTheWindowConsistent) {
    const long events = TableTest::LongTests() ? 200000 : 20000;
    const unsigned seed = SeedFromEnvironment();
    Monkey monkey(seed);
    const auto start = std::chrono::steady_clock::now();
    const double processorStart = TableTest::ProcessorSeconds();
    ASSERT_EQ(monkey.Run(events), "") << "replay with LURNA_MONKEY_SEED=" << seed;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const Tally& tally = monkey.tally;
    const TableTest::DriverCounts& counts = monkey.Driver().counts;
    std::cout << "seed " << seed << ": " << events << " events in " << seconds << " s ("
              << TableTest::ProcessorSeconds() - processorStart << " s of processor); " << tally.moves
              << " moves, " << tally.handsEnded << " hands ended, " << tally.started << " matches started, "
              << tally.won << " won, " << tally.lost << " lost, " << counts.abandons << " abandoned; "
              << counts.presses << " card presses (" << counts.ignored << " ignored, " << counts.refused
              << " refused, " << counts.marks << " marks); About opened " << tally.aboutOpened << " times, "
              << tally.aboutPresses << " presses on it; rules opened " << tally.rulesOpened << " times, "
              << tally.rulesPresses << " presses on them; exit answered No " << tally.questions[0] << "/"
              << tally.questions[1] << "/" << tally.questions[2] << " (button/menu/close box); " << tally.shellCalls
              << " pages opened\n";
    // The run reached the states worth reaching.
    EXPECT_GE(tally.handsEnded, events / 1000);
    EXPECT_GE(tally.won + tally.lost, events / 5000);
    EXPECT_GT(counts.abandons, 0);
    EXPECT_GT(counts.marks, 0);
    EXPECT_GT(counts.refused, 0);
    EXPECT_GT(tally.aboutOpened, 0);
    EXPECT_GT(tally.aboutPresses, 0);
    EXPECT_GT(tally.rulesOpened, 0);
    EXPECT_GT(tally.rulesPresses, 0);
    for (long answered : tally.questions) EXPECT_GT(answered, 0);
    EXPECT_GT(tally.shellCalls, 0);
}
