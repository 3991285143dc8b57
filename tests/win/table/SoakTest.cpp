// Hundreds of whole matches on one game window, the ticks sent as fast as the
// window takes them, the About form opened and closed now and then: after each
// match the process must hold the GDI objects, the windows and, within a small
// slack, the private memory it held after the first few. The counters are
// checked first against objects and memory the test makes itself.
// LURNA_LONG_TESTS=1 plays ten times as many matches.
#include "BoardCheck.h"
#include "BoardView.h"
#include "GameWindow.h"
#include "ProcessResources.h"
#include "TestSupport.h"
#include "game/PcStrategy.h"
#include "game/Table.h"
#include "table/FormMain.h"
#include "toolkit/Button.h"
#include "toolkit/FormAbout.h"
#include "toolkit/PanelChildren.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

using TableTest::GameWindow;

namespace {

constexpr int WarmUpMatches = 5;
constexpr int AboutEvery = 25;
// Ticks and presses one match may take before the test gives up on it: a match
// takes about 7,000.
constexpr long MaxEventsPerMatch = 200000;
constexpr std::size_t Mebibyte = 1024 * 1024;
// Private memory may move between matches by what the heap keeps for reuse:
// the late matches may not go above the highest early reading by more than
// this. A leak of a few hundred bytes a match passes it only in a run too short
// to matter; one of a kilobyte a match exceeds it within the default run.
constexpr std::size_t MemorySlack = 256 * 1024;

int Matches() {
    return TableTest::LongTests() ? 5000 : 500;
}

struct Reading {
    long gdiObjects;
    int windows;
    std::size_t privateBytes;
};

Reading Read() {
    return Reading{TableTest::GdiObjectCount(), TableTest::ThreadWindowCount(), TableTest::PrivateBytes()};
}

// The GDI counter sees objects of three kinds appear and go; the private
// memory moves by eight touched mebibytes and back.
void ExpectTheCountersWork() {
    HDC screen = GetDC(nullptr);
    const long before = TableTest::GdiObjectCount();
    std::vector<HGDIOBJ> made;
    for (int i = 0; i < 100; ++i) made.push_back(CreateSolidBrush(RGB(i, 0, 0)));
    EXPECT_EQ(TableTest::GdiObjectCount(), before + 100) << "brushes";
    for (int i = 0; i < 100; ++i) made.push_back(CreateCompatibleBitmap(screen, 8, 8));
    EXPECT_EQ(TableTest::GdiObjectCount(), before + 200) << "bitmaps";
    std::vector<HDC> contexts;
    for (int i = 0; i < 100; ++i) contexts.push_back(CreateCompatibleDC(screen));
    EXPECT_EQ(TableTest::GdiObjectCount(), before + 300) << "memory contexts";
    for (HDC context : contexts) DeleteDC(context);
    for (HGDIOBJ object : made) DeleteObject(object);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(TableTest::GdiObjectCount(), before) << "all deleted";

    const std::size_t idle = TableTest::PrivateBytes();
    const std::size_t size = 8 * Mebibyte;
    auto* block = static_cast<char*>(VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    ASSERT_NE(block, nullptr);
    std::memset(block, 1, size);
    const std::size_t touched = TableTest::PrivateBytes();
    VirtualFree(block, 0, MEM_RELEASE);
    const std::size_t freed = TableTest::PrivateBytes();
    EXPECT_GE(touched, idle + size) << idle << " before, " << touched << " with the block";
    EXPECT_LE(freed, idle + Mebibyte) << idle << " before, " << freed << " after freeing the block";
}

// The player's side played by the PC's own strategy straight on the window.
void PlayStrategyMove(GameWindow& game) {
    MyGame::FormMain& form = game.Form();
    const MyGame::PcMove move = MyGame::ChooseMove(form.Match.State, form, MyGame::Side::Player);
    if (move.HandIndex < 0) return;
    game.Press(MyGame::HandPosition(MyGame::Side::Player, move.HandIndex));
    for (const MyGame::CaptureToken& token : MyGame::ParseCapture(move.CaptureText)) {
        if (!form.Match.Move().AwaitingTableChoice()) break;
        game.Press(MyGame::PositionNamed(form, token));
    }
}

// A whole seeded match with nothing checked on the way; the end of it is
// judged as the board of an ended match. The window paints twice a match: under
// the first score panel, so that every part and the panel's colours are drawn
// in every match, and at the end. A paint every hand would cost a fifth of the
// run and reach nothing more.
std::string PlayMatch(GameWindow& game, unsigned seed) {
    MyGame::FormMain& form = game.Form();
    const MyGame::MatchController& match = form.Match;
    MyGame::RunRandom().seed(seed);
    game.Click(*form.PlayButton);
    bool panelPainted = false;
    for (long events = 0;; ++events) {
        if (events > MaxEventsPerMatch) return "the match does not end";
        if (match.HandActive()) {
            if (match.PlayerToMove()) {
                PlayStrategyMove(game);
            } else {
                game.Tick();
            }
        } else if (match.Phase() == MyGame::MatchPhase::HandOver) {
            if (!panelPainted) ToolkitTest::Pump();
            panelPainted = true;
            game.Click(*form.ContinueButton);
        } else {
            break;
        }
    }
    ToolkitTest::Pump();
    const TableTest::BoardView view = TableTest::ReadBoard(form);
    TableTest::BoardFacts ended;
    ended.matchStarted = true;
    const std::string fault = TableTest::CheckBoard(
        view, form, TableTest::Places(), ended);
    if (!fault.empty()) return fault;
    if (view.status != L"Hai vinto!!" && view.status != L"Hai perso..") {
        return "the match ended with \"" + KTUtility::Narrow(view.status) + "\"";
    }
    return "";
}

// "Info", then its "OK": the About form's windows must be gone with it.
std::string OpenAndCloseAbout(GameWindow& game) {
    MyGame::FormMain& form = game.Form();
    const int windows = TableTest::ThreadWindowCount();
    game.Click(*form.InfoButton);
    ToolkitTest::Pump();
    if (!form.AboutForm || !IsWindowVisible(form.AboutForm->windowHandle)) return "\"Info\" shows no About form";
    const HWND about = form.AboutForm->windowHandle;
    game.Click(*form.AboutForm->okButton);
    ToolkitTest::Pump();
    if (IsWindow(about) || !IsWindowEnabled(game.Window())) return "\"OK\" leaves the About form";
    const int left = TableTest::ThreadWindowCount();
    if (left != windows) {
        return "the About form leaves " + std::to_string(left - windows) + " windows behind";
    }
    return "";
}

std::string Describe(const char* when, const Reading& reading) {
    return std::string(when) + " " + std::to_string(reading.gdiObjects) + " GDI objects, " +
           std::to_string(reading.windows) + " windows, " + std::to_string(reading.privateBytes / 1024) +
           " KiB private";
}

}  // namespace

TEST(GameWindowSoak, WholeMatchesGiveBackTheirGdiObjectsWindowsAndMemory) {
    ExpectTheCountersWork();
    GameWindow game;
    const int matches = Matches();
    const auto start = std::chrono::steady_clock::now();
    const double processorStart = TableTest::ProcessorSeconds();
    // Every reading's room is made and touched before the first match, and the
    // sounds the window records are dropped after each: the test's own records
    // must not be what the memory reading sees grow.
    std::vector<Reading> readings(static_cast<std::size_t>(matches));
    for (int played = 1; played <= matches; ++played) {
        ASSERT_EQ(PlayMatch(game, static_cast<unsigned>(played)), "") << "match " << played;
        game.sounds.clear();
        // The first About form is in the warm-up: the form keeps the last one.
        if (played % AboutEvery == 1) {
            ASSERT_EQ(OpenAndCloseAbout(game), "") << "after match " << played;
        }
        Reading& reading = readings[static_cast<std::size_t>(played) - 1];
        reading = Read();
        const Reading& settled = readings[static_cast<std::size_t>(std::min(played, WarmUpMatches)) - 1];
        if (played > WarmUpMatches) {
            ASSERT_EQ(reading.gdiObjects, settled.gdiObjects) << "after match " << played;
            ASSERT_EQ(reading.windows, settled.windows) << "after match " << played;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    // The highest private memory of the early matches bounds the late ones.
    const std::size_t tenth = readings.size() / 10;
    std::size_t early = 0;
    std::size_t late = 0;
    for (std::size_t i = WarmUpMatches; i < WarmUpMatches + tenth; ++i) early = std::max(early, readings[i].privateBytes);
    for (std::size_t i = readings.size() - tenth; i < readings.size(); ++i) late = std::max(late, readings[i].privateBytes);
    EXPECT_LE(late, early + MemorySlack) << "highest early " << early << ", highest late " << late;

    std::cout << matches << " matches in " << seconds << " s (" << TableTest::ProcessorSeconds() - processorStart
              << " s of processor)\n"
              << Describe("after the first:", readings.front()) << "\n"
              << Describe("after the warm-up:", readings[WarmUpMatches - 1]) << "\n"
              << Describe("in the middle:", readings[readings.size() / 2]) << "\n"
              << Describe("at the end:", readings.back()) << "\n"
              << "highest private memory: early " << early / 1024 << " KiB, late " << late / 1024 << " KiB\n"
              << "private KiB at every tenth:";
    for (std::size_t i = tenth - 1; i < readings.size(); i += tenth) std::cout << " " << readings[i].privateBytes / 1024;
    std::cout << "\n";
}
