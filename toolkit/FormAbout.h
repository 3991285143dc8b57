// The ready-made information window: a picture on the left, the product line
// and the rights line at the top right, links to the web site and to the
// contact mailbox, a notice and an "OK" button. It is modal to its owner.
#pragma once

#include "toolkit/ModalForm.h"

#include <memory>
#include <string>

namespace KTUtility {

class Button;
class CellControl;
class FontDescription;
class Image;
class Label;
class PanelChildren;
class TextBox;

// Where BuildContents puts the parts for a client area and a picture width.
struct AboutLayout {
    RECT panel;        // left, top, width, height
    int column;        // left edge of the right column
    int columnWidth;
    POINT webLink;
    POINT mailLink;
    RECT notice;       // left, top, width, height
    POINT okButton;

    static AboutLayout For(int clientWidth, int clientHeight, int pictureWidth, int buttonWidth);
};

class FormAbout : public ModalForm {
public:
    explicit FormAbout(Form* ownerForm);
    ~FormAbout() override;

    // Lays the parts out for the client area the window has while it is being
    // made, which is smaller than the one it then shows by the frame.
    virtual void BuildContents();
    virtual void HandleCommand(GUIElement* element);
    virtual void OnLinkClick(GUIElement* element, int atX, int atY);

    // Owned, and freed in the reverse of this order once the window is gone:
    // the fonts outlive the parts that show them, and the picture goes before
    // the panel it sits in. The form's own font is the body font.
    std::unique_ptr<FontDescription> bodyFont;
    std::unique_ptr<FontDescription> titleFont;
    std::unique_ptr<FontDescription> linkFont;
    std::unique_ptr<PanelChildren> picturePanel;
    std::unique_ptr<Image> picture;
    std::unique_ptr<Label> titleLabel;
    std::unique_ptr<Label> secondLabel;
    std::unique_ptr<CellControl> webLink;
    std::unique_ptr<CellControl> mailLink;
    std::unique_ptr<TextBox> noticeBox;
    std::unique_ptr<Button> okButton;

    // Set by the owner before Create.
    int pictureResource = 0;
    int pictureWidth = 0;
    int pictureHeight = 0;
    std::string titleText;
    std::string secondText;
    std::string noticeText;
    std::string webAddress;
    // The mail link is the web address with the web prefix (scheme and www
    // host label) replaced by the mailbox prefix (local part and "@").
    std::string webPrefix;
    std::string mailboxPrefix;

private:
    std::unique_ptr<CellControl> MakeLink(const std::string& target, int atX, int atY);
};

}  // namespace KTUtility
