// Text boxes: the options as window styles, applied again to a created box,
// the password character and the length limit.
#include "TestSupport.h"

#include "toolkit/TextBox.h"

#include <gtest/gtest.h>

using namespace KTUtility;
using ToolkitTest::MakeForm;
using ToolkitTest::Style;
using ToolkitTest::WindowText;

TEST(TextBox, PasswordCharacterFollowsApplyOptions) {
    auto form = MakeForm();
    TextBox box(form.get(), "segreto");
    box.Create();
    EXPECT_EQ(SendMessageW(box.windowHandle, EM_GETPASSWORDCHAR, 0, 0), 0);
    box.password = true;
    box.ApplyOptions();
    EXPECT_EQ(SendMessageW(box.windowHandle, EM_GETPASSWORDCHAR, 0, 0), '*');
    box.password = false;
    box.ApplyOptions();
    EXPECT_EQ(SendMessageW(box.windowHandle, EM_GETPASSWORDCHAR, 0, 0), 0);

    TextBox hidden(form.get(), "");
    hidden.password = true;
    hidden.Create();
    EXPECT_EQ(SendMessageW(hidden.windowHandle, EM_GETPASSWORDCHAR, 0, 0), '*');
}

TEST(TextBox, UpperCaseWinsOverLowerAndRightOverCentre) {
    auto form = MakeForm();
    TextBox box(form.get(), "");
    box.upperCase = true;
    box.lowerCase = true;
    box.rightAligned = true;
    box.centred = true;
    box.Create();
    DWORD style = Style(box.windowHandle);
    EXPECT_EQ(style & (ES_UPPERCASE | ES_LOWERCASE), static_cast<DWORD>(ES_UPPERCASE));
    EXPECT_EQ(style & (ES_RIGHT | ES_CENTER), static_cast<DWORD>(ES_RIGHT));
    for (wchar_t letter : std::wstring(L"abc")) SendMessageW(box.windowHandle, WM_CHAR, letter, 0);
    EXPECT_EQ(WindowText(box.windowHandle), L"ABC");
}

TEST(TextBox, ApplyOptionsChangesACreatedBoxOnly) {
    auto form = MakeForm();
    TextBox box(form.get(), "");
    box.readOnly = true;
    box.ApplyOptions();  // no window yet: nothing to change
    EXPECT_EQ(box.windowHandle, nullptr);
    box.multiLine = true;
    box.wordWrap = true;
    box.verticalBar = true;
    box.Create();
    DWORD style = Style(box.windowHandle);
    EXPECT_EQ(style & (ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN), 0x1044u);
    EXPECT_EQ(style & ES_AUTOHSCROLL, 0u);
    EXPECT_EQ(style & ES_READONLY, static_cast<DWORD>(ES_READONLY));
    EXPECT_EQ(style & WS_VSCROLL, static_cast<DWORD>(WS_VSCROLL));

    box.readOnly = false;
    box.digitsOnly = true;
    box.ApplyOptions();
    style = Style(box.windowHandle);
    EXPECT_EQ(style & ES_READONLY, 0u);
    EXPECT_EQ(style & ES_NUMBER, static_cast<DWORD>(ES_NUMBER));
}

TEST(TextBox, LengthLimitIsSentAfterCreation) {
    auto form = MakeForm();
    TextBox box(form.get(), "");
    box.lengthLimit = 3;
    box.Create();
    EXPECT_EQ(SendMessageW(box.windowHandle, EM_GETLIMITTEXT, 0, 0), 3);
    for (wchar_t letter : std::wstring(L"12345")) SendMessageW(box.windowHandle, WM_CHAR, letter, 0);
    EXPECT_EQ(WindowText(box.windowHandle), L"123");
}
