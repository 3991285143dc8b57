#include "toolkit/FormAbout.h"

#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/CellControl.h"
#include "toolkit/FontDescription.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/PanelChildren.h"
#include "toolkit/Text.h"
#include "toolkit/TextBox.h"

namespace KTUtility {

namespace {

constexpr int ClientWidth = 600;
constexpr int ClientHeight = 300;
constexpr COLORREF LinkColor = 0xFF0000;  // blue

// The About form that holds the element: itself, its parent, or further up
// (the picture sits in a panel).
FormAbout* AboutOf(GUIElement* element) {
    for (GUIElement* level = element; level; level = level->parent) {
        if (auto* about = dynamic_cast<FormAbout*>(level)) return about;
    }
    return nullptr;
}

void ForwardCommand(GUIElement* element) {
    if (FormAbout* about = AboutOf(element)) about->HandleCommand(element);
}

int ForwardLinkClick(GUIElement* element, HWND, int atX, int atY) {
    if (FormAbout* about = AboutOf(element)) about->OnLinkClick(element, atX, atY);
    return 0;
}

void ForwardCreate(GUIElement* element, HWND) {
    if (auto* about = dynamic_cast<FormAbout*>(element)) about->BuildContents();
}

}  // namespace

AboutLayout AboutLayout::For(int clientWidth, int clientHeight, int pictureWidth, int buttonWidth) {
    AboutLayout layout{};
    layout.panel = RECT{10, 10, pictureWidth + 20, clientHeight - 20};
    layout.column = pictureWidth + 45;
    layout.columnWidth = clientWidth - layout.column - 10;
    layout.webLink = POINT{layout.column, 55};
    layout.mailLink = POINT{layout.column + 160, 55};
    layout.notice = RECT{layout.column, 85, layout.columnWidth, clientHeight - 145};
    layout.okButton = POINT{layout.columnWidth / 2 - buttonWidth / 2 + layout.column, clientHeight - 50};
    return layout;
}

FormAbout::FormAbout(Form* ownerForm)
    : ModalForm(ownerForm, ClientWidth, ClientHeight),
      bodyFont(std::make_unique<FontDescription>("Arial", 14)),
      titleFont(std::make_unique<FontDescription>("Arial", 16)),
      linkFont(std::make_unique<FontDescription>("Arial", 16)) {
    font = bodyFont.get();
    titleFont->bold = true;
    linkFont->underline = true;
    SetText(std::string("Info..."));
    onCreate = ForwardCreate;
}

FormAbout::~FormAbout() {
    DestroyModalWindow();
}

void FormAbout::BuildContents() {
    int clientWidth = ClientWidth;
    int clientHeight = ClientHeight;
    RECT client{};
    if (windowHandle && GetClientRect(windowHandle, &client)) {
        clientWidth = width = client.right;
        clientHeight = height = client.bottom;
    }
    AboutLayout layout = AboutLayout::For(clientWidth, clientHeight, pictureWidth, 0);

    picturePanel = std::make_unique<PanelChildren>(this);
    picturePanel->SetSize(layout.panel.right, layout.panel.bottom);
    picturePanel->SetPosition(layout.panel.left, layout.panel.top);
    picturePanel->SetBorder(true);
    picturePanel->onKeyPress = ForwardKey;
    picturePanel->Create();

    picture = std::make_unique<Image>(picturePanel.get(), pictureResource);
    picture->SetSize(pictureWidth, pictureHeight);
    picture->SetPosition(5, 5);
    picture->onKeyPress = ForwardKey;
    picture->Create();

    titleLabel = std::make_unique<Label>(this, titleText);
    titleLabel->SetSize(layout.columnWidth, 25);
    titleLabel->SetPosition(layout.column, 10);
    titleLabel->font = titleFont.get();
    titleLabel->onKeyPress = ForwardKey;
    titleLabel->Create();

    secondLabel = std::make_unique<Label>(this, secondText);
    secondLabel->SetSize(layout.columnWidth, 25);
    secondLabel->SetPosition(layout.column, 35);
    secondLabel->font = bodyFont.get();
    secondLabel->onKeyPress = ForwardKey;
    secondLabel->Create();

    webLink = MakeLink(webAddress, layout.webLink.x, layout.webLink.y);
    mailLink = MakeLink(ReplaceAll(webAddress, webPrefix, mailboxPrefix), layout.mailLink.x, layout.mailLink.y);

    noticeBox = std::make_unique<TextBox>(this, noticeText);
    noticeBox->SetSize(layout.notice.right, layout.notice.bottom);
    noticeBox->SetPosition(layout.notice.left, layout.notice.top);
    noticeBox->multiLine = true;
    noticeBox->readOnly = true;
    noticeBox->verticalBar = true;
    noticeBox->ApplyOptions();
    noticeBox->onKeyPress = ForwardKey;
    noticeBox->Create();

    okButton = std::make_unique<Button>(this, "OK");
    okButton->SetSize(80, 25);
    POINT okPlace = AboutLayout::For(clientWidth, clientHeight, pictureWidth, okButton->width).okButton;
    okButton->SetPosition(okPlace.x, okPlace.y);
    okButton->commandHandler = ForwardCommand;
    okButton->onKeyPress = ForwardKey;
    okButton->Create();
    if (okButton->windowHandle) SetFocus(okButton->windowHandle);
}

std::unique_ptr<CellControl> FormAbout::MakeLink(const std::string& target, int atX, int atY) {
    auto link = std::make_unique<CellControl>(this);
    link->SetTextColor(LinkColor);
    link->SetTextAlignment(TextAlignment::Left);
    link->SetText(target);
    link->SetHandCursor(true);
    link->onLeftButtonDown = ForwardLinkClick;
    link->font = linkFont.get();
    link->SetSize(150, 22);
    link->SetPosition(atX, atY);
    link->onKeyPress = ForwardKey;
    link->Create();
    return link;
}

void FormAbout::HandleCommand(GUIElement* element) {
    if (!element || !okButton || element->controlId != okButton->controlId) return;
    Dismiss();
}

void FormAbout::OnLinkClick(GUIElement* element, int, int) {
    if (webLink && element->controlId == webLink->controlId) {
        ShellOpen(webAddress);
    } else if (mailLink && element->controlId == mailLink->controlId) {
        ShellOpen("mailto:" + mailLink->GetNarrowText());
    }
}

}  // namespace KTUtility
