// "Info" and the help menu: the About form over a disabled game window, a new
// About form for every press with the earlier, closed one freed, every text of
// it whole; the rules window that "&Guida" opens, in the same way, with every
// rule in it and every line of it whole; the home page opened through the
// shell.
#include "GameWindow.h"
#include "TestSupport.h"
#include "table/AboutData.h"
#include "table/FormMain.h"
#include "table/RulesText.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/CellControl.h"
#include "toolkit/FontDescription.h"
#include "toolkit/FormAbout.h"
#include "toolkit/FormText.h"
#include "toolkit/Label.h"
#include "toolkit/Registry.h"
#include "toolkit/PanelChildren.h"
#include "toolkit/SubMenu.h"
#include "toolkit/Text.h"
#include "toolkit/TextBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using TableTest::GameWindow;
using ToolkitTest::TextExtent;
using ToolkitTest::WindowFont;

namespace {

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

// A message loop as the system runs one inside a call: it dispatches, and it
// knows nothing of the toolkit's retired elements.
void SystemPump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// A shell that runs a message loop while it opens the page (it may show a
// message box, or wait on the browser). Meanwhile the player closes the About
// form and presses "Info" again.
MyGame::FormMain* pressedAgainOn = nullptr;
HINSTANCE WINAPI ShellThatPumps(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT) {
    PostMessageW(pressedAgainOn->AboutForm->okButton->windowHandle, BM_CLICK, 0, 0);
    SystemPump();
    PostMessageW(pressedAgainOn->InfoButton->windowHandle, BM_CLICK, 0, 0);
    SystemPump();
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

// The text, drawn in the font, fits a room of the width and of the window's
// client height.
void ExpectFits(HWND window, HFONT font, const std::wstring& text, int room, const std::string& what) {
    const SIZE extent = TextExtent(window, font, text);
    EXPECT_GT(extent.cx, 0) << what;
    EXPECT_LE(extent.cx, room) << what << ": \"" << KTUtility::Narrow(text) << "\"";
    EXPECT_LE(extent.cy, ClientSize(window).cy) << what;
}

// The width an edit control has for its text: its client area less its margins.
int TextRoom(HWND box) {
    const LRESULT margins = SendMessageW(box, EM_GETMARGINS, 0, 0);
    return ClientSize(box).cx - LOWORD(margins) - HIWORD(margins);
}

std::vector<std::wstring> LinesOf(const std::wstring& text) {
    std::vector<std::wstring> lines;
    for (const std::string& line : KTUtility::Split(KTUtility::Narrow(text), "\r\n")) {
        lines.push_back(KTUtility::Widen(line));
    }
    return lines;
}

void ExpectShownOverTheDisabledGame(GameWindow& game, KTUtility::Form& shown) {
    ASSERT_TRUE(IsWindow(shown.windowHandle));
    EXPECT_TRUE(IsWindowVisible(shown.windowHandle));
    EXPECT_FALSE(IsWindowEnabled(game.Window()));
    EXPECT_EQ(game.Form().companion, &shown);
}

void ExpectClosedAndTheGameBack(GameWindow& game, KTUtility::Form& closed, const char* how) {
    EXPECT_FALSE(IsWindow(closed.windowHandle)) << how;
    EXPECT_TRUE(IsWindowEnabled(game.Window())) << how;
    EXPECT_EQ(game.Form().companion, nullptr) << how;
}

}  // namespace

// The link's press is still being handled when its form is closed and
// replaced: the form and the link must outlive that press, and the closed form
// is freed afterwards, between two messages.
TEST(GameWindowCommands, AnAboutFormClosedAndReplacedWhileItsLinkOpensThePageIsFreedOnlyAfterThePress) {
    GameWindow game;
    MyGame::FormMain& form = game.Form();
    game.Click(*form.InfoButton);
    ToolkitTest::Pump();
    KTUtility::FormAbout* first = form.AboutForm.get();
    const UINT firstOk = first->okButton->controlId;
    pressedAgainOn = &form;
    KTUtility::shellExecute = ShellThatPumps;

    game.PressWindow(first->webLink->windowHandle, POINT{5, 5});
    ASSERT_NE(form.AboutForm.get(), first) << "\"Info\" made a new About form during the shell's loop";
    ToolkitTest::Pump();
    EXPECT_EQ(KTUtility::FindById(firstOk), nullptr) << "the closed form is freed once the press is over";
    ASSERT_NE(form.AboutForm, nullptr);
    EXPECT_TRUE(IsWindowVisible(form.AboutForm->windowHandle));
    EXPECT_FALSE(IsWindowEnabled(game.Window()));
    game.Click(*form.AboutForm->okButton);
    ToolkitTest::Pump();
    EXPECT_TRUE(IsWindowEnabled(game.Window()));
}

TEST(GameWindowCommands, InfoOpensAnAboutFormThatDisablesTheGameUntilItsOkAndEachPressMakesANewOne) {
    GameWindow game;
    MyGame::FormMain& form = game.Form();
    EXPECT_EQ(form.AboutForm, nullptr);

    game.Click(*form.InfoButton);
    ToolkitTest::Pump();
    ASSERT_NE(form.AboutForm, nullptr);
    KTUtility::FormAbout* first = form.AboutForm.get();
    ASSERT_TRUE(IsWindow(first->windowHandle));
    const std::wstring firstClasses[] = {ClassName(first->windowHandle), ClassName(first->picturePanel->windowHandle)};
    EXPECT_TRUE(IsWindowVisible(first->windowHandle));
    EXPECT_EQ(ToolkitTest::WindowText(first->windowHandle), L"Info...");
    EXPECT_EQ(ToolkitTest::WindowText(first->titleLabel->windowHandle), L"LurnaGame 1.2.0.0");
    EXPECT_FALSE(IsWindowEnabled(game.Window()));

    game.Click(*first->okButton);
    ToolkitTest::Pump();
    EXPECT_FALSE(IsWindow(first->windowHandle));
    EXPECT_TRUE(IsWindowEnabled(game.Window()));
    const UINT firstOk = first->okButton->controlId;
    const HWND firstWindow = first->windowHandle;

    game.Click(*form.InfoButton);
    ToolkitTest::Pump();
    ASSERT_NE(form.AboutForm, nullptr);
    KTUtility::FormAbout* second = form.AboutForm.get();
    // A new form, with windows of its own (its memory may be the first's).
    EXPECT_NE(second->windowHandle, firstWindow);
    EXPECT_NE(second->okButton->controlId, firstOk);
    EXPECT_TRUE(IsWindowVisible(second->windowHandle));
    EXPECT_FALSE(IsWindowEnabled(game.Window()));
    // The first, closed, is freed with its parts and the window classes of its
    // own: kept to the end of the program, every press would hold its fonts,
    // its picture and the icons the system made for its class.
    EXPECT_EQ(KTUtility::FindById(firstOk), nullptr);
    for (const std::wstring& name : firstClasses) {
        WNDCLASSW registered{};
        EXPECT_FALSE(GetClassInfoW(GetModuleHandleW(nullptr), name.c_str(), &registered)) << KTUtility::Narrow(name);
    }

    // Only a program can press "Info" while an About form is open: that one may
    // be inside its own messages, so it is kept until the message loop ends.
    const UINT secondOk = second->okButton->controlId;
    game.Click(*form.InfoButton);
    ToolkitTest::Pump();
    ASSERT_NE(form.AboutForm.get(), second);
    EXPECT_EQ(KTUtility::FindById(secondOk), second->okButton.get());
    game.Click(*form.AboutForm->okButton);
    ToolkitTest::Pump();
    EXPECT_TRUE(IsWindowEnabled(game.Window()));
    game.answer = IDYES;
    game.Click(*form.CloseButton);
    KTUtility::MessageLoop(&form);
    EXPECT_EQ(KTUtility::FindById(secondOk), nullptr);
    EXPECT_EQ(game.questions.size(), 1u);
}

TEST(GameWindowCommands, TheAboutFormComesUpAtItsSizeWithEveryTextWhole) {
    GameWindow game;
    game.Click(*game.Form().InfoButton);
    ToolkitTest::Pump();
    ASSERT_NE(game.Form().AboutForm, nullptr);
    KTUtility::FormAbout& about = *game.Form().AboutForm;
    const SIZE client = ClientSize(about.windowHandle);
    EXPECT_EQ(client.cx, 600);
    EXPECT_EQ(client.cy, 300);

    for (KTUtility::Label* label : {about.titleLabel.get(), about.secondLabel.get()}) {
        HWND window = label->windowHandle;
        ExpectFits(window, WindowFont(window), label->GetText(), ClientSize(window).cx, "a label");
    }
    // A cell paints its text itself, in its element's font.
    for (KTUtility::CellControl* link : {about.webLink.get(), about.mailLink.get()}) {
        HWND window = link->windowHandle;
        ExpectFits(window, link->font->MakeFont(), link->GetText(), ClientSize(window).cx, "a link");
    }
    HWND notice = about.noticeBox->windowHandle;
    const std::vector<std::wstring> lines = LinesOf(about.noticeBox->GetText());
    EXPECT_EQ(lines.size(), 3u);
    for (const std::wstring& line : lines) ExpectFits(notice, WindowFont(notice), line, TextRoom(notice), "the notice");
    // The caption stays clear of the button's raised edge.
    HWND ok = about.okButton->windowHandle;
    ExpectFits(ok, WindowFont(ok), about.okButton->GetText(), ClientSize(ok).cx - 6, "the OK button");
}

TEST(GameWindowCommands, GuideShowsTheRulesOverTheDisabledGameUntilOkEnterEscapeOrTheCloseBox) {
    GameWindow game;
    MyGame::FormMain& form = game.Form();
    struct Close {
        const char* how;
        void (*close)(KTUtility::FormText& rules, GameWindow& game);
    };
    const Close closes[] = {
        {"OK", [](KTUtility::FormText& rules, GameWindow& window) { window.Click(*rules.okButton); }},
        {"Enter", [](KTUtility::FormText& rules, GameWindow&) {
             SendMessageW(rules.textBox->windowHandle, WM_CHAR, VK_RETURN, 0);
         }},
        {"Escape", [](KTUtility::FormText& rules, GameWindow&) {
             // As the keyboard makes it: a key going down in the focused text.
             PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
             ToolkitTest::Pump();
             (void)rules;
         }},
        {"the close box", [](KTUtility::FormText& rules, GameWindow&) {
             SendMessageW(rules.windowHandle, WM_SYSCOMMAND, SC_CLOSE, 0);
         }},
    };
    for (const Close& close : closes) {
        game.ChooseMenuItem(form.GuideItem->controlId);
        ToolkitTest::Pump();
        ASSERT_NE(form.RulesForm, nullptr);
        KTUtility::FormText& rules = *form.RulesForm;
        ExpectShownOverTheDisabledGame(game, rules);
        EXPECT_EQ(ToolkitTest::WindowText(rules.windowHandle), L"Regole del gioco");
        const SIZE client = ClientSize(rules.windowHandle);
        EXPECT_EQ(client.cx, 560);
        EXPECT_EQ(client.cy, 420);
        const RECT outer = ToolkitTest::WindowBox(rules.windowHandle);
        EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
        EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2);
        EXPECT_EQ(GetFocus(), rules.textBox->windowHandle);
        EXPECT_EQ(rules.textBox->GetNarrowText(), MyGame::RulesText);

        close.close(rules, game);
        ToolkitTest::Pump();
        ExpectClosedAndTheGameBack(game, rules, close.how);
    }
    // No web page stands in for the rules.
    EXPECT_TRUE(game.shellCalls.empty());
    EXPECT_TRUE(game.questions.empty());
}

TEST(GameWindowCommands, EveryLineOfTheRulesShowsWhole) {
    GameWindow game;
    game.ChooseMenuItem(game.Form().GuideItem->controlId);
    ToolkitTest::Pump();
    ASSERT_NE(game.Form().RulesForm, nullptr);
    HWND box = game.Form().RulesForm->textBox->windowHandle;
    const DWORD style = ToolkitTest::Style(box);
    EXPECT_EQ(style & (ES_AUTOHSCROLL | WS_HSCROLL), 0u);
    EXPECT_NE(style & WS_VSCROLL, 0u);
    EXPECT_NE(style & ES_READONLY, 0u);

    // The lines as the box wraps them, each within its width.
    HFONT font = WindowFont(box);
    ASSERT_NE(font, nullptr);
    const std::wstring text = game.Form().RulesForm->textBox->GetText();
    const int room = TextRoom(box);
    const int shownLines = static_cast<int>(SendMessageW(box, EM_GETLINECOUNT, 0, 0));
    for (int line = 0; line < shownLines; ++line) {
        const LRESULT start = SendMessageW(box, EM_LINEINDEX, line, 0);
        const LRESULT length = SendMessageW(box, EM_LINELENGTH, start, 0);
        std::wstring shown = text.substr(start, length);
        while (!shown.empty() && shown.back() == L' ') shown.pop_back();
        if (shown.empty()) continue;
        ExpectFits(box, font, shown, room, "line " + std::to_string(line));
    }
    // The paragraphs are longer than the box is wide: they were wrapped.
    EXPECT_GT(shownLines, static_cast<int>(LinesOf(text).size()) + 20);
}

// What a person who has never played needs, from the deal to the end of the
// match, as the game plays it.
TEST(GameWindowCommands, TheRulesTellTheWholeGame) {
    const std::string rules = MyGame::RulesText;
    const char* const told[] = {
        "40 carte", "denari, coppe, spade e bastoni", "l'asso, che vale 1", "il fante, che vale 8",
        "il cavallo, che vale 9", "il re, che vale 10", "settebello",
        // The deal.
        "il PC riceve tre carte coperte", "tu ne ricevi tre scoperte", "quattro carte vanno scoperte in tavola",
        "tre o quattro re", "altre tre a testa", "La prima mano di ogni partita la cominci tu",
        // Captures.
        "dello stesso valore", "due o pi\xF9 carte", "solo una carta di quel valore e nessuna somma",
        "l'asso prende solo un asso", "deve prendere", "viene posata in tavola",
        // The sweep and the end of the hand.
        "lurna", "L'ultima giocata della mano per\xF2 non \xE8 mai una lurna", "chi ha fatto l'ultima presa",
        "nessuno ha preso niente, vanno al PC",
        // The points.
        "cinque tipi", "almeno 21", "20 carte a testa", "almeno 6", "5 e 5", "il 7 di denari", "primiera",
        "il 7 vale 21", "il 6 vale 18", "l'asso 16", "il 5 vale 15", "il 4 vale 14", "il 3 vale 13",
        "il 2 vale 12", "(fante, cavallo e re) 10", "un punto per ogni lurna",
        // The match.
        "almeno 11 punti e pi\xF9 punti dell'altro", "11 a 11",
        // The mouse and the buttons.
        "Tocca a te", "Selezionare le carte dal tavolo", "si abbassa", "\"GIOCA\"", "\"ABBANDONA\"",
        "\"Info\"", "\"Chiudi\"", "\"Continua\"", "\"Guida\"", "\"Home\""};
    for (const char* part : told) EXPECT_NE(rules.find(part), std::string::npos) << part;
}

TEST(GameWindowCommands, HomeOpensTheSiteThroughTheShell) {
    GameWindow game;
    MyGame::FormMain& form = game.Form();
    game.ChooseMenuItem(form.HomeItem->controlId);
    ASSERT_EQ(game.shellCalls.size(), 1u);
    EXPECT_EQ(game.shellCalls[0].verb, L"open");
    EXPECT_EQ(game.shellCalls[0].target, KTUtility::Widen(MyGame::WebAddress));
    EXPECT_TRUE(game.questions.empty());
    EXPECT_TRUE(IsWindowVisible(game.Window()));
}
