// Timers: one system timer per start, ticks delivered to the handler, and no
// tick left behind by a timer that is gone.
#include "TestSupport.h"

#include "toolkit/Button.h"
#include "toolkit/Timer.h"

#include <gtest/gtest.h>

using namespace KTUtility;
using ToolkitTest::MakeForm;
using ToolkitTest::Pump;
using ToolkitTest::Style;

namespace {

int ticks = 0;
Timer* tickedBy = nullptr;
void CountTick(Timer* timer) {
    ++ticks;
    tickedBy = timer;
}

// Pumps messages until `count` ticks have arrived or two seconds have passed.
bool WaitForTicks(int count) {
    DWORD start = GetTickCount();
    while (ticks < count) {
        if (GetTickCount() - start > 2000) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        Pump();
    }
    return true;
}

bool TimerMessageWaiting(HWND window) {
    Sleep(60);
    MSG message;
    return PeekMessageW(&message, window, WM_TIMER, WM_TIMER, PM_NOREMOVE) != FALSE;
}

}  // namespace

TEST(Timer, SecondStartKeepsTheFirstSystemTimer) {
    auto form = MakeForm();
    Timer timer(form.get());
    timer.tickHandler = CountTick;
    timer.Start();
    EXPECT_TRUE(timer.running);
    // Had the second start set the timer again, it would tick only after a minute.
    timer.interval = 60000;
    timer.Start();
    EXPECT_TRUE(timer.running);
    ASSERT_TRUE(WaitForTicks(3));
    EXPECT_EQ(tickedBy, &timer);

    timer.Stop();
    EXPECT_FALSE(timer.running);
    EXPECT_FALSE(KillTimer(form->windowHandle, timer.controlId));  // already gone
}

TEST(Timer, TickWithAButtonsIdReachesNoHandler) {
    auto form = MakeForm();
    Timer timer(form.get());
    timer.tickHandler = CountTick;
    timer.Create();
    Button button(form.get(), "OK");
    button.Create();
    SendMessageW(form->windowHandle, WM_TIMER, button.controlId, 0);
    EXPECT_EQ(ticks, 0);
    SendMessageW(form->windowHandle, WM_TIMER, timer.controlId, 0);
    EXPECT_EQ(ticks, 1);
}

TEST(Timer, DestroyingARunningTimerStopsIt) {
    auto form = MakeForm();
    auto* timer = new Timer(form.get());
    timer->interval = 10;
    timer->Start();
    UINT id = timer->controlId;
    EXPECT_TRUE(TimerMessageWaiting(form->windowHandle));
    Pump();
    delete timer;
    EXPECT_FALSE(KillTimer(form->windowHandle, id));
    EXPECT_FALSE(TimerMessageWaiting(form->windowHandle));
}

// A WM_TIMER carries only an id, and any window can be sent one: the timer
// ticks for its own parent window's messages, not for a button's or another
// form's that happen to carry its id.
TEST(Timer, TicksOnlyForTheTimerMessagesOfItsParentWindow) {
    auto form = MakeForm();
    auto other = MakeForm();
    Button button(form.get(), "OK");
    button.Create();
    Timer timer(form.get());
    timer.tickHandler = CountTick;
    timer.Create();
    ticks = 0;
    SendMessageW(other->windowHandle, WM_TIMER, timer.controlId, 0);
    SendMessageW(button.windowHandle, WM_TIMER, timer.controlId, 0);
    EXPECT_EQ(ticks, 0);
    SendMessageW(form->windowHandle, WM_TIMER, timer.controlId, 0);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(tickedBy, &timer);
}
