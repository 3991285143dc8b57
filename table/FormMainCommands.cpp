// The toolkit's callbacks of the game window, and what the buttons, the menu
// items, the card presses and the timer do: each goes to the match, or opens the
// web site, the About form, the rules or the exit question.
#include "table/FormMain.h"

#include "table/AboutData.h"
#include "table/AskYesNo.h"
#include "table/RulesText.h"
#include "table/Visibility.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/FormAbout.h"
#include "toolkit/FormText.h"
#include "toolkit/SubMenu.h"
#include "toolkit/Timer.h"
#include "toolkit/WindowProcedure.h"

#include <utility>

namespace MyGame {

namespace {

// Comfortable to read, and within the screen of a 640 by 480 game window.
constexpr int RulesClientWidth = 560;
constexpr int RulesClientHeight = 420;

}  // namespace

// The form itself, or the form up the element's parents: a card and a button
// sit on the form, "Continua" in the score panel, a menu item under its menu in
// the bar, the timer on the form.
FormMain* FormMain::FormOf(KTUtility::GUIElement* element) {
    for (KTUtility::GUIElement* level = element; level; level = level->parent) {
        if (auto* form = dynamic_cast<FormMain*>(level)) return form;
    }
    return nullptr;
}

void FormMain::ForwardCreate(KTUtility::GUIElement* element, HWND) {
    if (FormMain* form = FormOf(element)) form->BuildTable();
}

bool FormMain::ForwardClosing(KTUtility::GUIElement* element) {
    FormMain* form = FormOf(element);
    return form ? form->ConfirmExit() : true;
}

int FormMain::ForwardCardPress(KTUtility::GUIElement* element, HWND, int, int) {
    // A press can move or hide the window under the pointer ("Continua" closes
    // the panel over the hand, a picked card drops onto the one below it): the
    // second press of a double-click then lands on another card, which must
    // not take it as a move.
    FormMain* form = FormOf(element);
    if (form && !KTUtility::PressEndsDoubleClick()) form->OnCardClicked(element);
    return 0;
}

void FormMain::ForwardButton(KTUtility::GUIElement* element) {
    auto* button = dynamic_cast<KTUtility::Button*>(element);
    FormMain* form = FormOf(element);
    if (button && form) form->OnButtonCommand(button);
}

void FormMain::ForwardMenu(KTUtility::GUIElement* element) {
    if (FormMain* form = FormOf(element)) form->OnMenuCommand(dynamic_cast<KTUtility::SubMenu*>(element));
}

void FormMain::ForwardTick(KTUtility::Timer* timer) {
    if (FormMain* form = FormOf(timer)) form->OnTurnTimer();
}

void FormMain::OnTurnTimer() {
    Match.OnTurnTimer();
}

void FormMain::OnCardClicked(KTUtility::GUIElement* element) {
    Match.OnCardClicked(static_cast<int>(element->controlId));
}

void FormMain::OnMenuCommand(KTUtility::SubMenu* item) {
    if (!item) return;
    if (item->controlId == ExitItem->controlId) {
        // The closing callback asks, and decides.
        SendMessageW(windowHandle, WM_CLOSE, 0, 0);
    } else if (item->controlId == HomeItem->controlId) {
        KTUtility::ShellOpen(WebAddress);
    } else if (item->controlId == GuideItem->controlId) {
        // The rules come with the game: no page on the web has to exist.
        ShowRules();
    } else if (item->controlId == SuggestItem->controlId) {
        Match.ShowSuggestion();
    } else {
        for (int level = 0; level < PcLevelCount; ++level) {
            if (item->controlId == LevelItems[level]->controlId) Match.SetPcLevel(static_cast<PcLevel>(level));
        }
    }
}

void FormMain::OnButtonCommand(KTUtility::Button* button) {
    if (button->controlId == CloseButton->controlId) {
        OnMenuCommand(ExitItem.get());
    } else if (button->controlId == PlayButton->controlId) {
        // The button's own text says whether a match is under way.
        if (PlayButton->GetNarrowText() == "ABBANDONA") {
            Match.AbandonMatch();
        } else {
            Match.StartMatch();
        }
    } else if (button->controlId == InfoButton->controlId) {
        ShowAbout();
    } else if (button->controlId == ContinueButton->controlId) {
        Match.ContinueAfterHand();
    }
}

bool FormMain::ConfirmExit() {
    UnregisterHotKeys();
    if (!AskYesNo("Vuoi realmente uscire?", "Uscita")) {
        RegisterHotKeys();
        // The question has no owner: as it closes, the system may activate no
        // window at all, and the keys would then reach nothing until a click.
        SetForegroundWindow(windowHandle);
        return false;
    }
    TurnTimer->Stop();
    return true;
}

void FormMain::ShowAbout() {
    // Never freed here: this press may come from a message loop that runs
    // inside one of the earlier form's own handlers (a link whose shell call
    // waits), which must find its form alive when it returns. The message loop
    // frees it between two messages once it is closed.
    if (AboutForm) KTUtility::RetireElement(std::move(AboutForm));
    AboutForm = std::make_unique<KTUtility::FormAbout>(this);
    KTUtility::FormAbout& about = *AboutForm;
    about.pictureResource = AboutPicture;
    about.pictureWidth = AboutPictureWidth;
    about.pictureHeight = AboutPictureHeight;
    about.titleText = std::string(ProductName) + " " + ProductVersion;
    about.secondText = RightsLine;
    about.noticeText = FreewareNotice;
    about.webAddress = WebAddress;
    about.webPrefix = WebPrefix;
    about.mailboxPrefix = MailboxPrefix;
    ShowElement(about);
}

void FormMain::ShowRules() {
    // Retired, never freed here, for the same reasons as an About form.
    if (RulesForm) KTUtility::RetireElement(std::move(RulesForm));
    RulesForm = std::make_unique<KTUtility::FormText>(this, RulesClientWidth, RulesClientHeight);
    RulesForm->SetText(std::string(RulesCaption));
    RulesForm->bodyText = RulesText;
    ShowElement(*RulesForm);
}

}  // namespace MyGame
