#include "table/FormMain.h"

#include "app/ResourceIds.h"
#include "game/Deal.h"
#include "table/TableLayout.h"
#include "toolkit/Button.h"
#include "toolkit/CellControl.h"
#include "toolkit/FontDescription.h"
#include "toolkit/FormAbout.h"
#include "toolkit/FormText.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Menu.h"
#include "toolkit/MenuBar.h"
#include "toolkit/PanelChildren.h"
#include "toolkit/Registry.h"
#include "toolkit/SubMenu.h"
#include "toolkit/Timer.h"

namespace MyGame {

namespace {

constexpr COLORREF PlayButtonText = 0xFFFFFF;
constexpr COLORREF PlayButtonBack = 0x0000FF;  // red, as a COLORREF
constexpr COLORREF ControlText = 0x000000;
constexpr COLORREF ControlBack = 0xDCDCDC;

}  // namespace

FormMain::FormMain(HINSTANCE instance, const std::string& title)
    : Form(instance),
      Match(*this, RunRandom()),
      FormFont(std::make_unique<KTUtility::FontDescription>("Lucida Console", 14)),
      StatusFont(std::make_unique<KTUtility::FontDescription>("Arial", 22)),
      ReportFont(std::make_unique<KTUtility::FontDescription>("Arial", 14)) {
    StatusFont->bold = true;
    // Create sends the form's font to the window.
    font = FormFont.get();
    SetText(title);
    // No maximize box, and so no sizing border: the table is laid out once.
    minimizeBox = true;
    maximizeBox = false;
    const SIZE outer = OuterSizeFor(FormWidth, FormHeight);
    SetSize(outer.cx, outer.cy);
    onCreate = &FormMain::ForwardCreate;
    onClosing = &FormMain::ForwardClosing;
    onKeyDown = &FormMain::ForwardKeyDown;
    SetBackColor(TableGreen);
    // Only stored before the window exists: Create gives it to the window
    // class, whose big icon is the one the taskbar and Alt+Tab show.
    SetIcon(LURNA_PROGRAM_ICON);
    // Builds the table inside the window's creation and shows the window.
    Create();
    SetIcon(LURNA_PROGRAM_ICON);
    // The table is laid out for this client area. The window was made at about
    // its size already; the frame and the menu bar of the running system may
    // still differ from the computed ones.
    SetClientSize(FormWidth, FormHeight);
}

SIZE FormMain::OuterSizeFor(int clientWidth, int clientHeight) const {
    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, WindowStyle(), TRUE, ExtendedStyle());
    return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

FormMain::~FormMain() {
    // As every form: the window goes first, while all its parts still exist,
    // and with it the turn timer's ticks; destroyed rather than closed, so that
    // no exit question is asked of a form that is going away. The parts are
    // freed after this body, in the reverse of their declaration.
    DestroyFormWindow();
    if (ControlBrush) DeleteObject(ControlBrush);
}

void FormMain::OnPaint() {
    // The form has no clipping of its children, so its paint covers them: they
    // are redrawn after it. Only real windows: the menu bar holds a menu, and an
    // element whose window could not be made holds none, and refreshing a null
    // window would redraw the whole desktop on every paint.
    for (KTUtility::Child* child : KTUtility::ChildrenOf(windowHandle)) {
        if (child->windowHandle && IsWindow(child->windowHandle)) child->Refresh();
    }
    GUIElement::OnPaint();
}

HBRUSH FormMain::OnControlColor(HDC context) {
    if (ControlBrush) DeleteObject(ControlBrush);
    SelectObject(context, FormFont->MakeFont());
    const bool isPlayButton = PlayButton && WindowFromDC(context) == PlayButton->windowHandle;
    const COLORREF back = isPlayButton ? PlayButtonBack : ControlBack;
    ::SetTextColor(context, isPlayButton ? PlayButtonText : ControlText);
    SetBkColor(context, back);
    ControlBrush = CreateSolidBrush(back);
    return ControlBrush;
}

}  // namespace MyGame
