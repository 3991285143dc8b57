// The base of every piece of the user interface. An element keeps its own copy
// of what its window shows, so it can be set up before the window exists and
// read back while it lives; the window procedure delivers each window event as
// a call of one of the virtual operations, whose defaults call the plain
// function pointers that the element's owner installed.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace KTUtility {

class FontDescription;
class GUIElement;

// What a header control or a right click notified: OnNotify's kind.
enum class NoticeKind { HeaderItemResized, HeaderItemClicked, RightClick };

// A colour left unset: the system's colour is used instead.
constexpr COLORREF NoColor = 0xFFFFFFFF;

// Event callbacks: plain functions, the element first.
using MouseCallback = int (*)(GUIElement* element, HWND window, int x, int y);
// A key-down callback that returns nonzero has taken the key: the window does
// nothing more with it.
using KeyCallback = int (*)(GUIElement* element, WPARAM key);
using KeyPressCallback = bool (*)(GUIElement* element, WPARAM character);
using EventCallback = int (*)(GUIElement* element);
using ClosingCallback = bool (*)(GUIElement* element);
using MouseMoveCallback = int (*)(GUIElement* element, int x, int y);
using CreateCallback = void (*)(GUIElement* element, HWND window);

class GUIElement {
public:
    explicit GUIElement(HINSTANCE instance);
    virtual ~GUIElement();
    GUIElement(const GUIElement&) = delete;
    GUIElement& operator=(const GUIElement&) = delete;

    // The virtual operations, in this order.
    virtual void SetSize(int newWidth, int newHeight);
    virtual void SetBackColor(COLORREF color);
    virtual void SetEnabled(bool value);
    virtual void SetText(const std::wstring& value);
    virtual void SetText(const std::string& value);
    virtual int OnLeftButtonUp(int atX, int atY);
    virtual int OnLeftButtonDown(int atX, int atY);
    virtual int OnLeftDoubleClick(int atX, int atY);
    virtual int OnRightButtonUp(int atX, int atY);
    virtual int OnRightButtonDown(int atX, int atY);
    virtual int OnRightDoubleClick(int atX, int atY);
    virtual int OnKeyUp(WPARAM key);
    virtual int OnKeyDown(WPARAM key);
    virtual bool OnKeyPress(WPARAM character);
    virtual int OnMouseMove(int atX, int atY);
    virtual int OnMouseHover();
    virtual int OnMouseLeave();
    virtual void Focus();
    virtual int OnMove();
    virtual int OnResize();
    virtual void OnPaint();
    virtual HBRUSH OnControlColor(HDC context);
    virtual bool OnClosing();
    virtual int OnDestroy();
    virtual int OnGotFocus();
    virtual int OnLostFocus();
    virtual int OnActivate();
    virtual int OnDeactivate();
    virtual void OnCreate(HWND window);
    virtual void Refresh();
    virtual bool IsWaitCursor();
    virtual bool IsHandCursor();
    virtual void SetWaitCursor(bool value);
    virtual void SetHandCursor(bool value);
    virtual void OnShow();
    virtual void OnNotify(NoticeKind kind, std::vector<std::string> texts, std::vector<int> numbers);
    virtual void Create() = 0;

    POINT GetPosition();
    void SetPosition(int newX, int newY);
    void Hide();
    std::wstring GetText();
    std::string GetNarrowText();
    void CreateTooltip(HWND owner);
    void UpdateTooltip();

    bool visible = true;
    bool destroyed = false;
    bool waitCursor = false;
    bool handCursor = false;
    HWND tooltipWindow = nullptr;
    HWND windowHandle = nullptr;
    HINSTANCE instanceHandle = nullptr;
    WNDCLASSW windowClass{};
    // The class registered for this element's window alone (every form and
    // panel has one); 0 when none.
    ATOM classAtom = 0;
    // Not owned: the form that builds the element keeps the description (the
    // game window and the ready-made forms declare their fonts before their
    // parts), so it outlives every element that shows it.
    FontDescription* font = nullptr;
    int width = 100;
    int height = 50;
    int x = 100;
    int y = 100;
    bool created = false;
    COLORREF backColor = NoColor;
    std::wstring text;
    std::wstring textOnFocus;
    bool customBackColor = false;
    bool enabled = true;
    UINT controlId = 0;
    std::string typeName;
    std::string tooltipText;
    GUIElement* parent = nullptr;
    WNDPROC previousProcedure = nullptr;
    CreateCallback onCreate = nullptr;
    bool createNotified = false;

    MouseCallback onLeftButtonUp = nullptr;
    MouseCallback onLeftButtonDown = nullptr;
    MouseCallback onLeftDoubleClick = nullptr;
    MouseCallback onRightButtonUp = nullptr;
    MouseCallback onRightButtonDown = nullptr;
    MouseCallback onRightDoubleClick = nullptr;
    KeyCallback onKeyUp = nullptr;
    KeyCallback onKeyDown = nullptr;
    KeyPressCallback onKeyPress = nullptr;
    EventCallback onMove = nullptr;
    EventCallback onResize = nullptr;
    EventCallback onPaint = nullptr;
    ClosingCallback onClosing = nullptr;
    EventCallback onDestroy = nullptr;
    EventCallback onGotFocus = nullptr;
    EventCallback onLostFocus = nullptr;
    EventCallback onActivate = nullptr;
    EventCallback onDeactivate = nullptr;
    EventCallback onTextChanged = nullptr;
    MouseMoveCallback onMouseMove = nullptr;
    EventCallback onMouseHover = nullptr;
    EventCallback onMouseLeave = nullptr;

protected:
    // Whether the window keeps the element's text. A picture static keeps none,
    // so an element over one holds its text itself and never reads it back.
    bool textInWindow = true;

    // The last steps of every control's creation: the tooltip over the new
    // window, and the font of the element's font description.
    void AttachTooltipAndFont();
    // Forgets every callback, so that none runs on an owner being torn down.
    void ClearCallbacks();
};

}  // namespace KTUtility
