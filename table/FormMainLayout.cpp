// Building the table inside the window's creation. Every element is created
// right after it is made: until an element has its window, the toolkit hands
// the messages of unknown windows to the element made last.
#include "table/FormMain.h"

#include "app/ResourceIds.h"
#include "table/TableLayout.h"
#include "toolkit/Button.h"
#include "toolkit/CellControl.h"
#include "toolkit/FontDescription.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Menu.h"
#include "toolkit/MenuBar.h"
#include "toolkit/PanelChildren.h"
#include "toolkit/SubMenu.h"
#include "toolkit/Timer.h"

namespace MyGame {

namespace {

constexpr int ReportWidth = 300;
constexpr int ReportTop = 110;
constexpr int ReportLineStep = 18;

// Keeps a window from painting over the windows lying on it: the extra table
// places over the table row, the score panel over the cards and the status line.
void ClipSiblings(HWND window) {
    if (window) SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) | WS_CLIPSIBLINGS);
}

void BringToTop(HWND window) {
    if (window) SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

void FormMain::BuildTable() {
    BuildMenu();
    // Laid out for the client area the window ends with: the constructor sets
    // it once the window exists, and nothing is laid out again.
    const int clientWidth = FormWidth;
    const int clientHeight = FormHeight;

    TitleImage = std::make_unique<KTUtility::Image>(this, LURNA_TITLE_PICTURE);
    TitleImage->SetSize(200, 60);
    TitleImage->SetPosition(RowLeft, 10);
    TitleImage->Create();
    BuildTotals();
    BuildCardPositions(clientWidth, clientHeight);
    BuildButtons(clientWidth);
    BuildStatus(clientWidth, clientHeight);
    BuildReportPanel(clientWidth);

    TurnTimer = std::make_unique<KTUtility::Timer>(this);
    TurnTimer->tickHandler = &FormMain::ForwardTick;
    TurnTimer->Start();
}

void FormMain::BuildMenu() {
    MainMenu = std::make_unique<KTUtility::MenuBar>(this);
    FileMenu = std::make_unique<KTUtility::Menu>(MainMenu.get(), "&File");
    ExitItem = std::make_unique<KTUtility::SubMenu>(FileMenu.get(), "&Esci");
    LevelMenu = std::make_unique<KTUtility::Menu>(MainMenu.get(), "&Livello");
    const char* const levelCaptions[PcLevelCount] = {"&Principiante", "&Normale", "&Esperto"};
    for (int level = 0; level < PcLevelCount; ++level) {
        auto& item = LevelItems[level];
        item = std::make_unique<KTUtility::SubMenu>(LevelMenu.get(), levelCaptions[level]);
        item->radio = true;
        item->checked = static_cast<PcLevel>(level) == Match.Level();
        item->commandHandler = &FormMain::ForwardMenu;
    }
    HelpMenu = std::make_unique<KTUtility::Menu>(MainMenu.get(), "&?");
    // The text after the tab is the item's key, shown at the menu's right edge.
    GuideItem = std::make_unique<KTUtility::SubMenu>(HelpMenu.get(), "&Guida\tF1");
    SuggestItem = std::make_unique<KTUtility::SubMenu>(HelpMenu.get(), "&Suggerimento\tH");
    HomeItem = std::make_unique<KTUtility::SubMenu>(HelpMenu.get(), "&Home");
    for (KTUtility::SubMenu* item : {ExitItem.get(), GuideItem.get(), SuggestItem.get(), HomeItem.get()}) {
        item->commandHandler = &FormMain::ForwardMenu;
    }
    MainMenu->Create();
}

std::unique_ptr<KTUtility::CellControl> FormMain::MakeTotalsCell(int atX, int atY, bool isLabel,
                                                                const std::string& cellText) {
    auto cell = std::make_unique<KTUtility::CellControl>(this);
    if (isLabel) {
        cell->SetSize(90, 22);
        cell->SetBackColor(TableGreen);
        cell->textColor = White;
        cell->textAlignment = KTUtility::TextAlignment::Left;
    } else {
        cell->SetSize(50, 22);
        cell->border = true;
    }
    cell->SetPosition(atX, atY);
    cell->font = FormFont.get();
    cell->SetText(cellText);
    cell->Create();
    return cell;
}

void FormMain::BuildTotals() {
    PcLabel = MakeTotalsCell(298, 10, true, "PC:");
    PcTotalCell = MakeTotalsCell(388, 10, false, "0");
    PlayerLabel = MakeTotalsCell(298, 35, true, "Giocatore:");
    PlayerTotalCell = MakeTotalsCell(388, 35, false, "0");
}

void FormMain::BuildCardPositions(int clientWidth, int clientHeight) {
    const int tableRowY = TableRowYFor(clientHeight);
    Match.TableRowY = tableRowY;
    const int playerHandX = clientWidth - PlayerHandFromRight;
    for (int i = 0; i < HandSize; ++i) {
        places_[HandPosition(Side::Pc, i)] = POINT{RowLeft + CardStep * i, PcHandY};
        places_[HandPosition(Side::Player, i)] = POINT{playerHandX + CardStep * i, clientHeight - PlayerHandFromBottom};
    }
    int k = 0;
    for (int left = RowLeft; left < TableRowEnd; left += CardStep) places_[TablePositions[k++]] = POINT{left, tableRowY};
    for (int extra = 0; k < TableSize; ++k, ++extra) {
        places_[TablePositions[k]] = POINT{RowLeft + CardStep * extra, tableRowY + ExtraRowDrop};
    }

    // In position order, so that the identifiers rise with the positions.
    for (int position = 0; position < PositionCount; ++position) {
        if (position == StockPosition) {
            // The stock lines up with the player's hand as its window reports it.
            places_[position] = POINT{CardPositions[PlayerHandFirst]->GetPosition().x, StockY};
        }
        auto card = std::make_unique<KTUtility::Image>(this, CardBackPicture);
        card->SetSize(CardWidth, CardHeight);
        card->SetPosition(places_[position].x, places_[position].y);
        card->onLeftButtonDown = &FormMain::ForwardCardPress;
        card->Create();
        ClipSiblings(card->windowHandle);
        CardPositions[position] = std::move(card);
    }
    // The four extra table places lie over the first row and appear only when
    // the table needs them.
    for (int position = StockPosition + 1; position < PositionCount; ++position) {
        BringToTop(CardPositions[position]->windowHandle);
        HidePosition(position);
    }
}

std::unique_ptr<KTUtility::Button> FormMain::MakeFormButton(const std::string& buttonText, int atX, int atY) {
    auto button = std::make_unique<KTUtility::Button>(this, buttonText);
    button->ownerDrawn = true;
    button->SetSize(ButtonWidth, ButtonHeight);
    button->SetPosition(atX, atY);
    button->commandHandler = &FormMain::ForwardButton;
    button->onKeyDown = &FormMain::ForwardKeyDown;
    return button;
}

void FormMain::BuildButtons(int clientWidth) {
    const int left = clientWidth - ButtonsFromRight;
    InfoButton = MakeFormButton("Info", left, 70);
    InfoButton->Create();
    CloseButton = MakeFormButton("Chiudi", left, 120);
    CloseButton->Create();
    PlayButton = MakeFormButton("GIOCA", left, 20);
    PlayButton->SetHandCursor(true);
    PlayButton->Create();
}

void FormMain::BuildStatus(int clientWidth, int clientHeight) {
    StatusCell = std::make_unique<KTUtility::CellControl>(this);
    StatusCell->SetBackColor(TableGreen);
    StatusCell->textColor = White;
    StatusCell->SetSize(clientWidth / 2, 45);
    StatusCell->SetPosition(10, clientHeight - 60);
    StatusCell->font = StatusFont.get();
    StatusCell->Create();
    ClipSiblings(StatusCell->windowHandle);
}

void FormMain::MakeReportColumn(std::unique_ptr<KTUtility::CellControl>& title,
                                std::unique_ptr<KTUtility::Label> (&lines)[ReportLineCount], int top) {
    title = std::make_unique<KTUtility::CellControl>(ReportPanel.get());
    title->SetText(std::string("title"));
    title->textAlignment = KTUtility::TextAlignment::Left;
    title->SetBackColor(White);
    title->textColor = Black;
    title->SetSize(200, 18);
    title->SetPosition(10, top);
    title->bold = true;
    title->fontFace = "Arial";
    title->fontHeight = 16;
    title->Create();
    for (int i = 0; i < ReportLineCount; ++i) {
        lines[i] = std::make_unique<KTUtility::Label>(ReportPanel.get(), "xxxx");
        lines[i]->SetSize(200, 18);
        lines[i]->SetPosition(10, top + 20 + ReportLineStep * i);
        lines[i]->font = FormFont.get();
        lines[i]->Create();
    }
}

void FormMain::BuildReportPanel(int clientWidth) {
    ReportPanel = std::make_unique<KTUtility::PanelChildren>(this);
    ReportPanel->SetBackColor(White);
    ReportPanel->panelColor = White;
    ReportPanel->childTextColor = Black;
    ReportPanel->SetSize(ReportWidth, 300);
    ReportPanel->SetPosition((clientWidth - ReportWidth) / 2, ReportTop);
    ReportPanel->border = true;
    ReportPanel->flatBorder = true;
    ReportPanel->font = ReportFont.get();
    ReportPanel->Create();

    ReportHeading = std::make_unique<KTUtility::CellControl>(ReportPanel.get());
    ReportHeading->SetBackColor(White);
    ReportHeading->textColor = Black;
    ReportHeading->SetText(std::string("Punteggio"));
    ReportHeading->SetSize(150, 25);
    ReportHeading->SetPosition(75, 10);
    ReportHeading->bold = true;
    ReportHeading->fontFace = "Arial";
    ReportHeading->fontHeight = 22;
    ReportHeading->Create();

    MakeReportColumn(PcReportTitle, PcReportLines, 40);
    MakeReportColumn(PlayerReportTitle, PlayerReportLines, 157);

    ContinueButton = std::make_unique<KTUtility::Button>(ReportPanel.get(), "Continua");
    ContinueButton->SetSize(ButtonWidth, ButtonHeight);
    ContinueButton->SetPosition(190, 250);
    ContinueButton->commandHandler = &FormMain::ForwardButton;
    ContinueButton->onKeyDown = &FormMain::ForwardKeyDown;
    ContinueButton->font = FormFont.get();
    ContinueButton->Create();

    // Above every card, so that nothing under it can paint over it or take its
    // presses.
    BringToTop(ReportPanel->windowHandle);
    ReportPanel->Hide();
}

}  // namespace MyGame
