// The element model on real windows: defaults, setters before and after
// creation, the registry, the callbacks' rules and the tooltips.
#include "TestSupport.h"

#include "toolkit/ControlId.h"
#include "toolkit/Label.h"
#include "toolkit/Registry.h"
#include "toolkit/WindowProcedure.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

using namespace KTUtility;
using ToolkitTest::MakeForm;
using ToolkitTest::Pump;
using ToolkitTest::WindowText;

namespace {

int createCalls = 0;
HWND createdWith = nullptr;
void CountCreate(GUIElement*, HWND window) {
    ++createCalls;
    createdWith = window;
}

int textChanges = 0;
int CountTextChange(GUIElement*) {
    ++textChanges;
    return 0;
}

}  // namespace

TEST(Element, NewElementHasTheDefaults) {
    Form form(GetModuleHandleW(nullptr));
    EXPECT_EQ(form.width, 100);
    EXPECT_EQ(form.height, 50);
    EXPECT_EQ(form.x, 100);
    EXPECT_EQ(form.y, 100);
    EXPECT_EQ(form.backColor, 0xFFFFFFFFu);
    EXPECT_TRUE(form.enabled);
    EXPECT_TRUE(form.visible);
    EXPECT_FALSE(form.created);
    EXPECT_EQ(form.windowHandle, nullptr);
    EXPECT_EQ(form.typeName, "form");
    EXPECT_FALSE(form.dialog);
    EXPECT_TRUE(form.topmost);

    Form dialog(GetModuleHandleW(nullptr), DialogFrame{});
    EXPECT_TRUE(dialog.dialog);

    Label label(&form, "caption");
    EXPECT_EQ(label.width, 80);
    EXPECT_EQ(label.height, 30);
    EXPECT_EQ(label.parent, &form);
    EXPECT_EQ(label.typeName, "label");
    EXPECT_EQ(label.instanceHandle, nullptr);
}

TEST(Element, SettersBeforeCreateOnlyStoreAndCreateAppliesThem) {
    auto form = MakeForm();
    Label label(form.get(), "");
    label.SetText(std::string("Giocatore:"));
    label.SetSize(120, 25);
    label.SetPosition(30, 40);
    label.SetEnabled(false);
    EXPECT_EQ(label.windowHandle, nullptr);
    EXPECT_EQ(label.controlId, 0u);

    label.Create();
    ASSERT_NE(label.windowHandle, nullptr);
    EXPECT_EQ(WindowText(label.windowHandle), L"Giocatore:");
    RECT box = ToolkitTest::WindowBox(label.windowHandle);
    EXPECT_EQ(box.right - box.left, 120);
    EXPECT_EQ(box.bottom - box.top, 25);
    POINT place = ToolkitTest::PlaceInParent(label.windowHandle);
    EXPECT_EQ(place.x, 30);
    EXPECT_EQ(place.y, 40);
    EXPECT_FALSE(IsWindowEnabled(label.windowHandle));

    // Once created, the setters act on the window at once.
    label.SetText(std::string("Pi\xF9"));
    EXPECT_EQ(WindowText(label.windowHandle), L"Pi\u00F9");
    label.SetPosition(60, 70);
    label.SetSize(90, 20);
    label.SetEnabled(true);
    place = ToolkitTest::PlaceInParent(label.windowHandle);
    EXPECT_EQ(place.x, 60);
    EXPECT_EQ(place.y, 70);
    box = ToolkitTest::WindowBox(label.windowHandle);
    EXPECT_EQ(box.right - box.left, 90);
    EXPECT_TRUE(IsWindowEnabled(label.windowHandle));

    // GetPosition reads the window back in the parent's coordinates.
    MoveWindow(label.windowHandle, 15, 25, 90, 20, TRUE);
    POINT read = label.GetPosition();
    EXPECT_EQ(read.x, 15);
    EXPECT_EQ(read.y, 25);
    EXPECT_EQ(label.x, 15);

    // Text typed into the window (not through the element) is read back.
    SetWindowTextW(label.windowHandle, L"nuovo");
    EXPECT_EQ(label.GetNarrowText(), "nuovo");
    SetWindowTextW(label.windowHandle, L"");
    EXPECT_EQ(label.GetText(), L"");

    label.Hide();
    EXPECT_FALSE(label.visible);
    EXPECT_FALSE(IsWindowVisible(label.windowHandle));
}

TEST(Element, SetBackColorPaintsTheClientAreaAndAgainOnEveryPaint) {
    auto form = MakeForm();
    Form stored(nullptr);
    stored.SetBackColor(RGB(0, 0, 255));
    EXPECT_FALSE(stored.customBackColor);

    form->SetBackColor(RGB(0, 0, 255));
    EXPECT_TRUE(form->customBackColor);
    HDC context = GetDC(form->windowHandle);
    EXPECT_EQ(GetPixel(context, 10, 10), RGB(0, 0, 255));
    InvalidateRect(form->windowHandle, nullptr, TRUE);
    UpdateWindow(form->windowHandle);
    EXPECT_EQ(GetPixel(context, 20, 20), RGB(0, 0, 255));
    ReleaseDC(form->windowHandle, context);
}

TEST(Registry, FindByHandleFallsBackToTheLastElementWhileItHasNoWindow) {
    auto form = MakeForm();
    HWND stranger = CreateWindowExW(0, L"static", L"", WS_CHILD, 0, 0, 1, 1, form->windowHandle, nullptr, nullptr,
                                    nullptr);
    EXPECT_EQ(FindByHandle(stranger), nullptr);

    Label label(form.get(), "x");
    EXPECT_EQ(FindByHandle(stranger), &label);
    EXPECT_EQ(FindByHandle(form->windowHandle), form.get());

    label.Create();
    EXPECT_EQ(FindByHandle(stranger), nullptr);
    EXPECT_EQ(FindByHandle(label.windowHandle), &label);
    EXPECT_EQ(FindById(label.controlId), &label);
}

TEST(Registry, ADeletedElementIsNeverFoundAgain) {
    auto form = MakeForm();
    auto* label = new Label(form.get(), "x");
    label->Create();
    HWND window = label->windowHandle;
    UINT id = label->controlId;
    Label keeper(form.get(), "k");
    keeper.Create();

    delete label;
    EXPECT_EQ(FindById(id), nullptr);
    EXPECT_EQ(FindByHandle(window), nullptr);
    auto children = ChildrenOf(form->windowHandle);
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(children[0], &keeper);

    // The orphaned window no longer passes through the toolkit.
    EXPECT_NE(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)), WindowProcedure);
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"ancora"));
    EXPECT_EQ(WindowText(window), L"ancora");
}

TEST(Registry, ADeletedElementWithATooltipLeavesTheToolkitToo) {
    auto form = MakeForm();
    auto* label = new Label(form.get(), "x");
    label->tooltipText = "suggerimento";
    label->Create();
    HWND window = label->windowHandle;
    delete label;

    // An element still without a window would take the orphan's messages.
    static int stolen = 0;
    Label later(form.get(), "dopo");
    later.onLeftButtonDown = [](GUIElement*, HWND, int, int) { return ++stolen; };
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(stolen, 0);
    // The static's own procedure answers again.
    EXPECT_EQ(SendMessageW(window, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
}

TEST(Registry, ChildrenOfListsOnlyTheFormsOwnChildren) {
    auto form = MakeForm();
    auto other = std::make_unique<Form>(GetModuleHandleW(nullptr));
    other->Create();
    Label first(form.get(), "1");
    Label elsewhere(other.get(), "2");
    Label second(form.get(), "3");
    for (Label* label : {&first, &elsewhere, &second}) label->Create();

    auto children = ChildrenOf(form->windowHandle);
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0], &first);
    EXPECT_EQ(children[1], &second);
}

TEST(Element, OnCreateKeepsTheFirstHandleAndNotifiesOnce) {
    Form form(GetModuleHandleW(nullptr));
    form.onCreate = CountCreate;
    HWND first = reinterpret_cast<HWND>(0x1234);
    HWND second = reinterpret_cast<HWND>(0x5678);
    form.OnCreate(first);
    form.OnCreate(second);
    EXPECT_EQ(form.windowHandle, first);
    EXPECT_EQ(createCalls, 1);
    EXPECT_EQ(createdWith, first);
    form.windowHandle = nullptr;  // not a real window: nothing to destroy
}

TEST(Element, TextChangedFiresOnlyOnARealChange) {
    auto form = MakeForm();
    Label label(form.get(), "uno");
    label.onTextChanged = CountTextChange;
    label.Create();

    SendMessageW(label.windowHandle, WM_SETFOCUS, 0, 0);
    SetWindowTextW(label.windowHandle, L"due");
    SetWindowTextW(label.windowHandle, L"uno");
    SendMessageW(label.windowHandle, WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(textChanges, 0);

    SendMessageW(label.windowHandle, WM_SETFOCUS, 0, 0);
    SetWindowTextW(label.windowHandle, L"unO");
    SendMessageW(label.windowHandle, WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(textChanges, 1);
}

TEST(ControlId, FormsAndControlsDrawFromOneCounter) {
    EXPECT_EQ(CurrentControlId(), 0u);
    auto form = MakeForm();
    EXPECT_EQ(form->controlId, 1u);
    wchar_t className[64] = {};
    GetClassNameW(form->windowHandle, className, 64);
    EXPECT_STREQ(className, L"Window0");

    Label label(form.get(), "a");
    label.Create();
    label.Create();
    EXPECT_EQ(label.controlId, 2u);
    EXPECT_EQ(GetDlgCtrlID(label.windowHandle), 2);
    EXPECT_EQ(CurrentControlId(), 2u);

    Form second(GetModuleHandleW(nullptr));
    second.Create();
    GetClassNameW(second.windowHandle, className, 64);
    EXPECT_STREQ(className, L"Window2");
    EXPECT_EQ(second.controlId, 3u);
}

TEST(Tooltip, LongTextIsCutAndAnEmptyTextMakesNoTooltip) {
    auto form = MakeForm();
    Label plain(form.get(), "senza");
    plain.Create();
    EXPECT_EQ(plain.tooltipWindow, nullptr);

    // With a text set later, UpdateTooltip makes the tooltip it could not before.
    plain.tooltipText = "suggerimento";
    plain.UpdateTooltip();
    ASSERT_NE(plain.tooltipWindow, nullptr);
    EXPECT_EQ(SendMessageW(plain.tooltipWindow, TTM_GETTOOLCOUNT, 0, 0), 1);

    Label tipped(form.get(), "con");
    std::string longText(2023, 'a');
    longText += std::string(977, 'b');
    tipped.tooltipText = longText;
    tipped.Create();
    ASSERT_NE(tipped.tooltipWindow, nullptr);
    EXPECT_EQ(SendMessageW(tipped.tooltipWindow, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_TRUE(ToolkitTest::ExtendedStyle(tipped.tooltipWindow) & WS_EX_TOPMOST);

    std::wstring read(4096, L'\0');
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = tipped.windowHandle;
    info.uId = reinterpret_cast<UINT_PTR>(tipped.windowHandle);
    info.lpszText = &read[0];
    SendMessageW(tipped.tooltipWindow, TTM_GETTEXTW, read.size(), reinterpret_cast<LPARAM>(&info));
    std::wstring shown = read.c_str();
    // The tooltip never holds a "b"; how much of the text a read hands back
    // differs between systems, so only its start is compared.
    ASSERT_GE(shown.size(), 80u);
    EXPECT_EQ(shown.find(L'b'), std::wstring::npos);
    EXPECT_EQ(shown, std::wstring(shown.size(), L'a'));

    tipped.tooltipText = "corto";
    tipped.SetSize(50, 20);
    read.assign(4096, L'\0');
    info.lpszText = &read[0];
    SendMessageW(tipped.tooltipWindow, TTM_GETTEXTW, read.size(), reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(read.c_str(), L"corto");
}
