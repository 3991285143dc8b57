// The fullest table a match can make, 13 cards (four of one value and one of
// every other), laid out on the real window: every card can be seen and
// pressed, its top-left corner with the value and the suit stays in view, and
// the screen shows each card's own picture wherever it lies on top; also with
// the player's marks and the PC's raises applied.
#include "BoardView.h"
#include "GameWindow.h"
#include "MatchDriver.h"
#include "ScreenImage.h"
#include "TestSupport.h"
#include "table/FormMain.h"
#include "toolkit/Image.h"

#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

using TableTest::GameWindow;
using TableTest::ScreenImage;

namespace {

// The index in the card's top-left corner: value and suit.
constexpr int CornerWidth = 16;
constexpr int CornerHeight = 20;

struct Arrangement {
    const char* name;
    int rowDrop;    // the nine places of the table row
    int extraDrop;  // the four extra places
};

const Arrangement Arrangements[] = {
    {"in place", 0, 0},
    {"all marked by the player", 10, 10},
    {"all raised by the PC", -10, -10},
    {"row marked, extras raised", 10, -10},
    {"row raised, extras marked", -10, 10},
};

bool Inside(const RECT& box, int x, int y) {
    return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
}

// Thirteen cards that no hand holds: all four of the first value the hands do
// not touch, then one of each other value, the suits taking turns.
std::vector<MyGame::Card> CrowdedTable(const MyGame::FormMain& form) {
    std::set<MyGame::Card> inHands;
    for (int position = 0; position < 2 * MyGame::HandSize; ++position) inHands.insert(form.CardAt(position));
    int four = 1;
    while (inHands.count(four) || inHands.count(four + 10) || inHands.count(four + 20) || inHands.count(four + 30)) {
        ++four;
    }
    std::vector<MyGame::Card> cards{four, four + 10, four + 20, four + 30};
    for (int value = 1; value <= 10; ++value) {
        if (value == four) continue;
        for (int turn = 0; turn < 4; ++turn) {
            const MyGame::Card card = value + 10 * ((value + turn) % 4);
            if (!inHands.count(card)) {
                cards.push_back(card);
                break;
            }
        }
    }
    return cards;
}

// The card windows shown on the form, topmost first.
std::vector<HWND> ShownCardsTopFirst(const MyGame::FormMain& form) {
    std::set<HWND> cards;
    for (const auto& card : form.CardPositions) cards.insert(card->windowHandle);
    std::vector<HWND> order;
    for (HWND child = GetWindow(form.windowHandle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (cards.count(child) && IsWindowVisible(child)) order.push_back(child);
    }
    return order;
}

// Everything about one table card on the screen; the faults found, empty when
// the card is shown whole wherever it lies on top.
std::string CheckCard(const MyGame::FormMain& form, int position, const ScreenImage& screen,
                      const std::vector<HWND>& topFirst) {
    const HWND window = form.CardPositions[position]->windowHandle;
    const RECT box = TableTest::BoxInParent(window);
    std::map<HWND, RECT> boxes;
    for (HWND other : topFirst) boxes[other] = TableTest::BoxInParent(other);
    // Covered: under a shown card that lies above it.
    auto coveredByOther = [&](int x, int y) {
        for (HWND other : topFirst) {
            if (other == window) return false;
            if (Inside(boxes[other], x, y)) return true;
        }
        return false;
    };
    auto topmostAt = [&](int x, int y) -> HWND {
        for (HWND other : topFirst) {
            if (Inside(boxes[other], x, y)) return other;
        }
        return nullptr;
    };
    std::string faults;
    for (int y = 0; y < CornerHeight; ++y) {
        for (int x = 0; x < CornerWidth; ++x) {
            if (coveredByOther(box.left + x, box.top + y)) {
                return "the corner of position " + std::to_string(position) + " is covered";
            }
        }
    }
    const ScreenImage picture = TableTest::ReadBitmap(form.CardPositions[position]->bitmap);
    if (picture.width != box.right - box.left || picture.height != box.bottom - box.top) {
        return "position " + std::to_string(position) + " has a picture of another size";
    }
    int wrong = 0;
    int onTop = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (topmostAt(box.left + x, box.top + y) != window) continue;
            ++onTop;
            if (screen.At(box.left + x, box.top + y) != picture.At(x, y)) ++wrong;
        }
    }
    if (wrong) {
        return "position " + std::to_string(position) + " shows " + std::to_string(wrong) + " of its " +
               std::to_string(onTop) + " visible pixels wrong";
    }
    // A press in the corner lands on this card.
    POINT press{box.left + CornerWidth / 2, box.top + CornerHeight / 2};
    if (ChildWindowFromPointEx(form.windowHandle, press, CWP_SKIPINVISIBLE) != window) {
        return "the form's child at the corner of position " + std::to_string(position) + " is another window";
    }
    ClientToScreen(form.windowHandle, &press);
    if (WindowFromPoint(press) != window) {
        return "the window at the corner of position " + std::to_string(position) + " is another one";
    }
    return "";
}

std::string FullPath(const char* name) {
    char path[MAX_PATH] = {};
    GetFullPathNameA(name, MAX_PATH, path, nullptr);
    return path;
}

}  // namespace

TEST(GameWindowCrowdedTable, ThirteenCardsAreAllSeenAndPressableWithTheirCornersInView) {
    HDC screenContext = GetDC(nullptr);
    const int depth = GetDeviceCaps(screenContext, BITSPIXEL);
    const int screenWidth = GetDeviceCaps(screenContext, HORZRES);
    const int screenHeight = GetDeviceCaps(screenContext, VERTRES);
    ReleaseDC(nullptr, screenContext);
    ASSERT_GE(depth, 24) << "needs a true-colour screen: xvfb-run -s \"-screen 0 1280x1024x24\"";

    GameWindow game;
    MyGame::FormMain& form = game.Form();
    TableTest::MatchDriver driver(game, TableTest::Player::Strategy, 1);
    ASSERT_EQ(driver.StartMatch(13), "");
    const std::vector<MyGame::Card> cards = CrowdedTable(form);
    ASSERT_EQ(cards.size(), static_cast<std::size_t>(MyGame::TableSize));
    for (int i = 0; i < MyGame::TableSize; ++i) {
        const int position = MyGame::TablePositions[i];
        form.SetCard(position, cards[i]);
        form.SetPicture(position, MyGame::CardPicture(cards[i]));
        form.ShowPosition(position);
    }
    POINT origin{0, 0};
    ClientToScreen(game.Window(), &origin);
    ASSERT_GE(origin.x, 0);
    ASSERT_GE(origin.y, 0);
    ASSERT_LE(origin.x + 640, screenWidth);
    ASSERT_LE(origin.y + 480, screenHeight);
    SetForegroundWindow(game.Window());

    for (const Arrangement& arrangement : Arrangements) {
        for (int i = 0; i < MyGame::TableSize; ++i) {
            form.MoveFromPlace(MyGame::TablePositions[i], i < 9 ? arrangement.rowDrop : arrangement.extraDrop);
        }
        RedrawWindow(game.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        ToolkitTest::Pump();
        const ScreenImage screen = TableTest::CaptureClient(game.Window());
        const std::vector<HWND> topFirst = ShownCardsTopFirst(form);
        for (int position : MyGame::TablePositions) {
            EXPECT_TRUE(IsWindowVisible(form.CardPositions[position]->windowHandle));
            EXPECT_EQ(CheckCard(form, position, screen, topFirst), "") << arrangement.name;
        }
        if (arrangement.rowDrop == 0 && arrangement.extraDrop == 0) {
            ASSERT_TRUE(screen.Save("table13.bmp"));
            std::cout << "the crowded table: " << FullPath("table13.bmp") << "\n";
        }
    }
}
