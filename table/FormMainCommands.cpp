// What the buttons, the menu items, the card presses and the timer do: each goes
// to the match, or opens a page, the About form or the exit question.
#include "table/FormMain.h"

#include "table/AboutData.h"
#include "table/AskYesNo.h"
#include "table/Visibility.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/FormAbout.h"
#include "toolkit/SubMenu.h"
#include "toolkit/Timer.h"

namespace MyGame {

void FormMain::OnTurnTimer() {
    Match.OnTurnTimer();
}

void FormMain::OnCardClicked(KTUtility::GUIElement* element) {
    Match.OnCardClicked(static_cast<int>(element->controlId));
}

void FormMain::OnContinuePressed(POINT at) {
    closingClick_.Pressed(at, static_cast<DWORD>(GetMessageTime()));
}

bool FormMain::IsRestOfClosingClick(POINT at) const {
    return closingClick_.IsSecondPress(at, static_cast<DWORD>(GetMessageTime()));
}

void FormMain::OnMenuCommand(KTUtility::SubMenu* item) {
    if (!item) return;
    if (item->controlId == ExitItem->controlId) {
        // The closing callback asks, and decides.
        SendMessageW(windowHandle, WM_CLOSE, 0, 0);
    } else if (item->controlId == HomeItem->controlId) {
        KTUtility::ShellOpen(WebAddress);
    } else if (item->controlId == GuideItem->controlId) {
        KTUtility::ShellOpen(std::string(WebAddress) + "/" + ProductName + ".asp");
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
        closingClick_.Fired();
        Match.ContinueAfterHand();
    }
}

bool FormMain::ConfirmExit() {
    UnregisterHotKeys();
    if (!AskYesNo("Vuoi realmente uscire?", "Uscita")) {
        RegisterHotKeys();
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
    if (AboutForm) KTUtility::RetireElement(AboutForm.release());
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

}  // namespace MyGame
