// The game window: the table with both hands, the table row and the stock, the
// match totals, the status line, the score panel, the three buttons and the menu
// bar. It holds the match and is the board the match is shown on: every press,
// tick and button goes to the MatchController, and what the match asks to show
// is done here on the window's elements. The window decides no rule.
//
// FormMain.cpp holds its life and painting, FormMainLayout.cpp the building of
// the table, FormMainBoard.cpp the board on the elements and FormMainCommands.cpp
// the toolkit's callbacks and what they do: the presses, the ticks, the menu, the
// buttons, the exit question, the About form and the rules; FormMainKeys.cpp the
// keyboard's play.
#pragma once

#include "game/Board.h"
#include "game/MatchController.h"
#include "toolkit/Form.h"

#include <memory>
#include <string>

namespace KTUtility {
class Button;
class CellControl;
class FontDescription;
class FormAbout;
class FormText;
class Image;
class Label;
class Menu;
class MenuBar;
class PanelChildren;
class SubMenu;
class Timer;
}  // namespace KTUtility

namespace MyGame {

// Lines of each side's column in the score panel: cards, coins, settebello,
// primiera, sweeps.
constexpr int ReportLineCount = 5;

class FormMain : public KTUtility::Form, public Board {
public:
    // Builds and shows the window with the table laid out in it and the turn
    // timer running.
    FormMain(HINSTANCE instance, const std::string& title);
    // Destroys the window first, as Form asks of every form, then frees the
    // parts in the reverse of their declaration. Asks nothing: no exit question.
    ~FormMain() override;

    void OnPaint() override;
    HBRUSH OnControlColor(HDC context) override;

    // Board: the match shown on the elements.
    bool IsPositionShown(int position) const override;
    void ShowPosition(int position) override;
    void HidePosition(int position) override;
    Card CardAt(int position) const override;
    void SetCard(int position, Card card) override;
    int Identifier(int position) const override;
    void SetPicture(int position, int bitmap) override;
    void ReturnToPlace(int position) override;
    void MoveFromPlace(int position, int offsetY) override;
    void SetPositionCursor(int position, bool on) override;
    void SetPositionFocus(int position, bool on) override;
    void SetStatusText(const std::string& status) override;
    void SetTotals(const std::string& pcTotal, const std::string& playerTotal) override;
    void ShowReport(const HandReport& report) override;
    void HideReport() override;
    void SetPlayButtonText(const std::string& buttonText) override;
    void PlaySoundResource(int resource) override;
    void Beep() override;

    MatchController Match;

    // Owned, like every element below; declared before the elements that share
    // them, so they outlive them.
    std::unique_ptr<KTUtility::FontDescription> FormFont;
    std::unique_ptr<KTUtility::FontDescription> StatusFont;
    std::unique_ptr<KTUtility::FontDescription> ReportFont;
    // The brush last handed out for a control's colours; owned.
    HBRUSH ControlBrush = nullptr;

    std::unique_ptr<KTUtility::PanelChildren> ReportPanel;
    std::unique_ptr<KTUtility::CellControl> ReportHeading;
    std::unique_ptr<KTUtility::CellControl> PcReportTitle;
    std::unique_ptr<KTUtility::Label> PcReportLines[ReportLineCount];
    std::unique_ptr<KTUtility::CellControl> PlayerReportTitle;
    std::unique_ptr<KTUtility::Label> PlayerReportLines[ReportLineCount];
    std::unique_ptr<KTUtility::Button> ContinueButton;

    std::unique_ptr<KTUtility::CellControl> StatusCell;
    std::unique_ptr<KTUtility::CellControl> PcLabel;
    std::unique_ptr<KTUtility::CellControl> PcTotalCell;
    std::unique_ptr<KTUtility::CellControl> PlayerLabel;
    std::unique_ptr<KTUtility::CellControl> PlayerTotalCell;
    std::unique_ptr<KTUtility::Image> CardPositions[PositionCount];
    std::unique_ptr<KTUtility::Image> TitleImage;
    std::unique_ptr<KTUtility::Button> InfoButton;
    std::unique_ptr<KTUtility::Button> PlayButton;
    std::unique_ptr<KTUtility::Button> CloseButton;

    // A menu does not own its items: the form owns the whole bar.
    std::unique_ptr<KTUtility::MenuBar> MainMenu;
    std::unique_ptr<KTUtility::Menu> FileMenu;
    std::unique_ptr<KTUtility::SubMenu> ExitItem;
    // The PC's level: three radio items, "Normale" at every start.
    std::unique_ptr<KTUtility::Menu> LevelMenu;
    std::unique_ptr<KTUtility::SubMenu> LevelItems[PcLevelCount];
    std::unique_ptr<KTUtility::Menu> HelpMenu;
    std::unique_ptr<KTUtility::SubMenu> GuideItem;
    std::unique_ptr<KTUtility::SubMenu> SuggestItem;
    std::unique_ptr<KTUtility::SubMenu> HomeItem;

    // The About window last shown. A closed one is freed when the next one is
    // shown; one still open then waits on the toolkit's retired list until the
    // message loop ends.
    std::unique_ptr<KTUtility::FormAbout> AboutForm;
    // The rules window last shown, kept and freed as the About window.
    std::unique_ptr<KTUtility::FormText> RulesForm;
    std::unique_ptr<KTUtility::Timer> TurnTimer;

private:
    // The toolkit's callbacks (FormMainCommands.cpp): each finds the game
    // window that holds the element and calls its handler below.
    static FormMain* FormOf(KTUtility::GUIElement* element);
    static void ForwardCreate(KTUtility::GUIElement* element, HWND window);
    static bool ForwardClosing(KTUtility::GUIElement* element);
    static int ForwardCardPress(KTUtility::GUIElement* element, HWND window, int atX, int atY);
    static void ForwardButton(KTUtility::GUIElement* element);
    static void ForwardMenu(KTUtility::GUIElement* element);
    static void ForwardTick(KTUtility::Timer* timer);
    static int ForwardKeyDown(KTUtility::GUIElement* element, WPARAM key);

    // Inside the window's creation: the menu bar, the elements of the table, the
    // hidden score panel, then the turn timer.
    void BuildTable();
    // The close request: the exit question; true lets the window close.
    bool ConfirmExit();
    void OnTurnTimer();
    void OnMenuCommand(KTUtility::SubMenu* item);
    void OnCardClicked(KTUtility::GUIElement* element);
    void OnButtonCommand(KTUtility::Button* button);
    // A key down on the window or on one of its buttons (a click leaves the
    // focus on a button): the keyboard's play. True when the key is the game's,
    // whether or not the moment lets it act.
    bool OnGameKey(WPARAM key);

    // The window's outer size for this client area with the menu bar.
    SIZE OuterSizeFor(int clientWidth, int clientHeight) const;
    void BuildMenu();
    void BuildTotals();
    void BuildCardPositions(int clientWidth, int clientHeight);
    void BuildButtons(int clientWidth);
    void BuildStatus(int clientWidth, int clientHeight);
    void BuildReportPanel(int clientWidth);
    std::unique_ptr<KTUtility::CellControl> MakeTotalsCell(int atX, int atY, bool isLabel, const std::string& cellText);
    std::unique_ptr<KTUtility::Button> MakeFormButton(const std::string& buttonText, int atX, int atY);
    void MakeReportColumn(std::unique_ptr<KTUtility::CellControl>& title,
                          std::unique_ptr<KTUtility::Label> (&lines)[ReportLineCount], int top);
    void ShowAbout();
    void ShowRules();

    // Each card position's own place in the layout, which moves are relative to.
    POINT places_[PositionCount] = {};
};

}  // namespace MyGame
