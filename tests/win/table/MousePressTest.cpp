// Presses that the system delivers as a person makes them (SendInput): it picks
// the window under the pointer and stamps every press with its time.
// A press can move or hide the window under the pointer. "Continua" lies over
// the player's hand and a picked extra-row card drops onto the card beneath:
// the second press of a double-click then lands on another card, a window of
// its own, as a plain press, and must not count as a move. A press dragged off
// its window before release leaves nothing behind, and "Continua" held down
// through a key that deals or abandons must not deal when it is released.
#include "BoardView.h"
#include "GameWindow.h"
#include "MatchDriver.h"
#include "TestSupport.h"
#include "table/FormMain.h"
#include "toolkit/Button.h"
#include "toolkit/Image.h"
#include "toolkit/PanelChildren.h"

#include <gtest/gtest.h>

using TableTest::GameWindow;

namespace {

void Mouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(INPUT));
}

void ClickAt(POINT at) {
    SetCursorPos(at.x, at.y);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
}

// Pumps until the condition holds or a second has passed.
template <typename Condition>
bool PumpUntil(Condition holds) {
    const DWORD start = GetTickCount();
    while (!holds()) {
        if (GetTickCount() - start > 1000) return false;
        ToolkitTest::Pump();
        Sleep(5);
    }
    return true;
}

// Lets whatever the last input caused arrive.
void Settle() {
    ToolkitTest::Pump();
    Sleep(100);
    ToolkitTest::Pump();
}

POINT CentreOnScreen(HWND window) {
    RECT box{};
    GetWindowRect(window, &box);
    return POINT{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

int PlayerCardsShown(MyGame::FormMain& form) {
    int shown = 0;
    for (int i = 0; i < MyGame::HandSize; ++i) {
        shown += IsWindowVisible(form.CardPositions[MyGame::PlayerHandFirst + i]->windowHandle) ? 1 : 0;
    }
    return shown;
}

bool ReportShown(MyGame::FormMain& form) {
    return IsWindowVisible(form.ReportPanel->windowHandle);
}

// Plays the match to its count-th score panel, the game window in front.
void PlayToReport(GameWindow& game, TableTest::MatchDriver& driver, int count) {
    SetForegroundWindow(game.Window());
    ASSERT_EQ(driver.StartMatch(2026), "");
    int reports = 0;
    while (!(ReportShown(game.Form()) && ++reports == count)) {
        ASSERT_FALSE(driver.MatchOver());
        ASSERT_EQ(driver.Advance(), "");
    }
}

// The left button pressed on "Continua" and held there; the point it holds.
POINT HoldContinua(MyGame::FormMain& form) {
    const POINT at = CentreOnScreen(form.ContinueButton->windowHandle);
    SetCursorPos(at.x, at.y);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Settle();
    return at;
}

// A longer double-click time while it lives, so that a sequence of presses and
// keys stays within it on a busy machine; the system's own comes back after.
class LongDoubleClickTime {
public:
    LongDoubleClickTime() : saved_(GetDoubleClickTime()) { SetDoubleClickTime(2000); }
    ~LongDoubleClickTime() { SetDoubleClickTime(saved_); }
    LongDoubleClickTime(const LongDoubleClickTime&) = delete;
    LongDoubleClickTime& operator=(const LongDoubleClickTime&) = delete;

private:
    UINT saved_;
};

// The player's press on a hand card was taken: played, or chosen for picking.
bool HandCardTaken(MyGame::FormMain& form) {
    return PlayerCardsShown(form) == 2 || !form.Match.PlayerToMove() || form.Match.Move().AwaitingTableChoice();
}

void Arrange(MyGame::FormMain& form, int position, MyGame::Card card) {
    form.SetCard(position, card);
    form.SetPicture(position, MyGame::CardPicture(card));
    form.ShowPosition(position);
}

// Held down on "Continua", the mouse clicks the button on release even when a
// key in between abandoned the match (F2) or dealt the next hand (Enter): the
// release must change nothing the key left.
void HoldContinuaThrough(WORD key, MyGame::MatchPhase afterKey, const char* playButton) {
    GameWindow game;
    MyGame::FormMain& form = game.Form();
    TableTest::MatchDriver driver(game, TableTest::Player::Strategy, 5);
    ASSERT_NO_FATAL_FAILURE(PlayToReport(game, driver, 1));
    HoldContinua(form);
    ASSERT_TRUE(ReportShown(form)) << "held down, the button has not clicked";
    ToolkitTest::RealKey(key);
    ASSERT_TRUE(PumpUntil([&] { return !ReportShown(form); }));
    ASSERT_EQ(form.Match.Phase(), afterKey);
    const MyGame::CardList deck = form.Match.State.Deck;
    const TableTest::BoardView shown = TableTest::ReadBoard(form);

    Mouse(MOUSEEVENTF_LEFTUP);
    Settle();
    EXPECT_EQ(form.Match.Phase(), afterKey);
    EXPECT_EQ(form.Match.State.Deck, deck) << "dealt again";
    EXPECT_EQ(TableTest::Differences(shown, TableTest::ReadBoard(form)), std::vector<std::string>{});
    EXPECT_EQ(form.PlayButton->GetNarrowText(), playButton);
}

}  // namespace

TEST(GameWindowMousePress, TheSecondPressOfADoubleClickOnContinuaPlaysNoCardAndALaterPressDoes) {
    const LongDoubleClickTime longer;
    GameWindow game;
    MyGame::FormMain& form = game.Form();
    TableTest::MatchDriver driver(game, TableTest::Player::Strategy, 5);
    // The second hand is begun by the PC, so the third by the player.
    ASSERT_NO_FATAL_FAILURE(PlayToReport(game, driver, 2));
    const POINT continueAt = CentreOnScreen(form.ContinueButton->windowHandle);
    const HWND underneath = form.CardPositions[MyGame::PlayerHandFirst + 1]->windowHandle;
    RECT card{};
    GetWindowRect(underneath, &card);
    ASSERT_TRUE(PtInRect(&card, continueAt)) << "\"Continua\" lies over the player's middle card";

    const int beeps = game.beeps;
    ClickAt(continueAt);
    ASSERT_TRUE(PumpUntil([&] { return !ReportShown(form); }));
    ASSERT_EQ(WindowFromPoint(continueAt), underneath);
    ClickAt(continueAt);
    Settle();
    EXPECT_EQ(PlayerCardsShown(form), 3);
    EXPECT_TRUE(form.Match.PlayerToMove());
    EXPECT_FALSE(form.Match.Move().AwaitingTableChoice());
    EXPECT_EQ(TableTest::ReadBoard(form).status, L"Tocca a te");
    EXPECT_EQ(game.beeps, beeps);

    Sleep(GetDoubleClickTime() + 50);
    ClickAt(continueAt);
    ASSERT_TRUE(PumpUntil([&] { return HandCardTaken(form); })) << "a press after the double-click time plays the card";
}

TEST(GameWindowMousePress, APressOnContinuaDraggedOffLeavesNothingToSwallowALaterCardPress) {
    GameWindow game;
    MyGame::FormMain& form = game.Form();
    TableTest::MatchDriver driver(game, TableTest::Player::Strategy, 5);
    ASSERT_NO_FATAL_FAILURE(PlayToReport(game, driver, 2));

    const LongDoubleClickTime longer;
    const DWORD pressedAt = GetTickCount();
    const POINT continueAt = HoldContinua(form);
    SetCursorPos(continueAt.x + 200, continueAt.y);
    Mouse(MOUSEEVENTF_LEFTUP);
    Settle();
    ASSERT_TRUE(ReportShown(form)) << "released off the button, it does not click";
    ToolkitTest::RealKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return !ReportShown(form); }));
    ASSERT_TRUE(form.Match.PlayerToMove());
    // Within the double-click time and rectangle of the press dragged off.
    ASSERT_LT(GetTickCount() - pressedAt, GetDoubleClickTime());
    ClickAt(continueAt);
    ASSERT_TRUE(PumpUntil([&] { return HandCardTaken(form); })) << "the press plays the card";
}

TEST(GameWindowMousePress, ContinuaHeldThroughF2ThatAbandonsDealsNothingOnRelease) {
    HoldContinuaThrough(VK_F2, MyGame::MatchPhase::Idle, "GIOCA");
}

// The second hand is begun by the PC.
TEST(GameWindowMousePress, ContinuaHeldThroughEnterThatDealsDealsNoMoreOnRelease) {
    HoldContinuaThrough(VK_RETURN, MyGame::MatchPhase::PcTurn, "ABBANDONA");
}

// Ten table cards: the tenth lies in the extra row, over the lower part of the
// first. Picked near its top, it drops and uncovers the first card under the
// pointer, where the double-click's second press lands.
TEST(GameWindowMousePress, TheSecondPressOfADoubleClickOnADroppingCardTakesNotTheCardBelow) {
    const LongDoubleClickTime longer;
    GameWindow game;
    MyGame::FormMain& form = game.Form();
    TableTest::MatchDriver driver(game, TableTest::Player::Strategy, 5);
    SetForegroundWindow(game.Window());
    ASSERT_EQ(driver.StartMatch(2026), "");
    // A king to play; a 3 in the extra row keeps several captures open (3+7,
    // 3+2+5, 3+1+6...), and the 7 under it completes one.
    const int extra = MyGame::TablePositions[9];
    const int below = MyGame::TablePositions[0];
    Arrange(form, MyGame::PlayerHandFirst, 10);
    const MyGame::Card table[] = {27, 21, 22, 24, 25, 26, 28, 29, 31, 23};
    for (int place = 0; place < 10; ++place) Arrange(form, MyGame::TablePositions[place], table[place]);
    ClickAt(CentreOnScreen(form.CardPositions[MyGame::PlayerHandFirst]->windowHandle));
    ASSERT_TRUE(PumpUntil([&] { return form.Match.Move().AwaitingTableChoice(); }));
    Sleep(GetDoubleClickTime() + 50);

    const HWND extraCard = form.CardPositions[extra]->windowHandle;
    const HWND belowCard = form.CardPositions[below]->windowHandle;
    RECT box{};
    GetWindowRect(extraCard, &box);
    const POINT nearTop{(box.left + box.right) / 2, box.top + 3};
    ASSERT_EQ(WindowFromPoint(nearTop), extraCard);
    const int beeps = game.beeps;
    ClickAt(nearTop);
    ASSERT_TRUE(PumpUntil([&] { return form.Match.Move().PlayerOptions.size() > 1 && WindowFromPoint(nearTop) == belowCard; }))
        << "the 3 is picked, drops, and uncovers the 7";
    const std::size_t options = form.Match.Move().PlayerOptions.size();
    ClickAt(nearTop);
    Settle();
    EXPECT_TRUE(form.Match.Move().AwaitingTableChoice());
    EXPECT_EQ(form.Match.Move().PlayerOptions.size(), options);
    EXPECT_TRUE(form.Match.State.PlayerPile.empty());
    EXPECT_EQ(game.beeps, beeps);

    Sleep(GetDoubleClickTime() + 50);
    ClickAt(nearTop);
    ASSERT_TRUE(PumpUntil([&] { return !form.Match.Move().AwaitingTableChoice(); }))
        << "a press after the double-click time takes the 7";
    EXPECT_EQ(form.Match.State.PlayerPile.size(), 3u);
}
