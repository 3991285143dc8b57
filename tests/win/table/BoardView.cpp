#include "BoardView.h"

#include "TestSupport.h"
#include "table/FormMain.h"
#include "table/TableLayout.h"
#include "toolkit/Button.h"
#include "toolkit/CellControl.h"
#include "toolkit/Image.h"
#include "toolkit/PanelChildren.h"
#include "toolkit/Text.h"

namespace TableTest {

namespace {

// The frame's colour between two dark lines at the picture's edge, seen on the
// left and at the bottom.
bool IsFramed(HBITMAP shown) {
    return ToolkitTest::PixelOf(shown, 0, 50) == MyGame::Black && ToolkitTest::PixelOf(shown, 2, 50) == MyGame::FocusFrame &&
           ToolkitTest::PixelOf(shown, 4, 50) == MyGame::Black && ToolkitTest::PixelOf(shown, 30, 98) == MyGame::FocusFrame;
}

CardView ReadCard(const KTUtility::Image& image) {
    CardView view;
    HWND window = image.windowHandle;
    view.visible = IsWindowVisible(window) != FALSE;
    view.box = BoxInParent(window);
    auto shown = reinterpret_cast<HBITMAP>(SendMessageW(window, STM_GETIMAGE, IMAGE_BITMAP, 0));
    view.picture = shown && shown == image.bitmap ? image.resourceNumber : -1;
    view.framed = shown && IsFramed(shown);
    view.card = KTUtility::TextToInt(KTUtility::Narrow(image.text));
    view.identifier = static_cast<int>(image.controlId);
    return view;
}

bool SameBox(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void Compare(std::vector<std::string>& found, bool same, const std::string& name) {
    if (!same) found.push_back(name);
}

}  // namespace

RECT BoxInParent(HWND window) {
    RECT box = ToolkitTest::WindowBox(window);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&box), 2);
    return box;
}

BoardView ReadBoard(const MyGame::FormMain& form) {
    BoardView view;
    for (int position = 0; position < MyGame::PositionCount; ++position) {
        view.cards[position] = ReadCard(*form.CardPositions[position]);
    }
    view.status = ToolkitTest::WindowText(form.StatusCell->windowHandle);
    view.pcTotal = ToolkitTest::WindowText(form.PcTotalCell->windowHandle);
    view.playerTotal = ToolkitTest::WindowText(form.PlayerTotalCell->windowHandle);
    view.playButton = ToolkitTest::WindowText(form.PlayButton->windowHandle);
    view.reportShown = IsWindowVisible(form.ReportPanel->windowHandle) != FALSE;
    view.pcReportTitle = ToolkitTest::WindowText(form.PcReportTitle->windowHandle);
    view.playerReportTitle = ToolkitTest::WindowText(form.PlayerReportTitle->windowHandle);
    return view;
}

std::vector<std::string> Differences(const BoardView& before, const BoardView& after) {
    std::vector<std::string> found;
    for (int position = 0; position < MyGame::PositionCount; ++position) {
        const CardView& a = before.cards[position];
        const CardView& b = after.cards[position];
        const std::string name = "card " + std::to_string(position);
        Compare(found, a.visible == b.visible, name + " visible");
        Compare(found, SameBox(a.box, b.box), name + " box");
        Compare(found, a.picture == b.picture, name + " picture");
        Compare(found, a.framed == b.framed, name + " frame");
        Compare(found, a.card == b.card, name + " card");
        Compare(found, a.identifier == b.identifier, name + " identifier");
    }
    Compare(found, before.status == after.status, "status");
    Compare(found, before.pcTotal == after.pcTotal && before.playerTotal == after.playerTotal, "totals");
    Compare(found, before.playButton == after.playButton, "play button");
    Compare(found, before.reportShown == after.reportShown, "report shown");
    Compare(found, before.pcReportTitle == after.pcReportTitle && before.playerReportTitle == after.playerReportTitle,
            "report titles");
    return found;
}

Places::Places(int w, int h) : tableRowY((h - 121 + 175) / 2 - 50) {
    for (int i = 0; i < 3; ++i) {
        card[i] = POINT{28 + 65 * i, 70};
        card[3 + i] = POINT{w - 305 + 65 * i, h - 121};
    }
    for (int k = 0; k < 9; ++k) card[6 + k] = POINT{28 + 65 * k, tableRowY};
    card[15] = POINT{w - 305, 70};
    // The four extra table places: a second row, 60 pixels lower, under the
    // first four places of the table row.
    for (int e = 0; e < 4; ++e) card[16 + e] = POINT{28 + 65 * e, tableRowY + 60};
}

}  // namespace TableTest
