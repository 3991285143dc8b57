// What the game window shows, read back from its windows: for every card
// position whether it is visible, where its window sits, which picture it
// shows and which card its element holds; the texts of the status line, the
// totals and the play button; the score panel. Plain data, compared whole.
#pragma once

#include "game/Board.h"

#include <windows.h>

#include <string>
#include <vector>

namespace MyGame {
class FormMain;
}

namespace TableTest {

struct CardView {
    bool visible = false;
    // In the form's client coordinates.
    RECT box{};
    // The element's resource number when the window shows the element's own
    // bitmap, else -1.
    int picture = -1;
    // The picture shown carries the keyboard's focus frame.
    bool framed = false;
    MyGame::Card card = MyGame::NoCard;
    int identifier = 0;
};

struct BoardView {
    CardView cards[MyGame::PositionCount];
    std::wstring status;
    std::wstring pcTotal;
    std::wstring playerTotal;
    std::wstring playButton;
    bool reportShown = false;
    std::wstring pcReportTitle;
    std::wstring playerReportTitle;
};

BoardView ReadBoard(const MyGame::FormMain& form);

// The parts in which two views differ, named "status", "card 6 box" and so on;
// empty when they show the same.
std::vector<std::string> Differences(const BoardView& before, const BoardView& after);

// The client area the game window ends with, which its table is laid out for.
constexpr int ClientWidth = 640;
constexpr int ClientHeight = 480;

// The layout of a client area of width w and height h, computed here from the
// stated offsets: every position's place and the table row.
struct Places {
    Places(int w = ClientWidth, int h = ClientHeight);
    int tableRowY;
    POINT card[MyGame::PositionCount];
};

// The window's rectangle in its parent's client coordinates.
RECT BoxInParent(HWND window);

}  // namespace TableTest
