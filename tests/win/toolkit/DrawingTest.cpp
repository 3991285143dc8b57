// Fonts and the drawing surface, read back from GDI and from the pixels of a
// memory surface.
#include "TestSupport.h"
#include "ToolkitTestResources.h"

#include "toolkit/Bitmaps.h"
#include "toolkit/Drawing.h"
#include "toolkit/FontDescription.h"
#include "toolkit/Label.h"

#include <gtest/gtest.h>

#include <string>

using namespace KTUtility;
using ToolkitTest::Canvas;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr COLORREF kPicture = RGB(200, 30, 60);

LOGFONTW Describe(HFONT font) {
    LOGFONTW description{};
    GetObjectW(font, sizeof(description), &description);
    return description;
}

// A surface attached to a memory context, as owner-drawn painting attaches
// the context it is handed.
struct AttachedSurface {
    explicit AttachedSurface(Canvas& canvas) : surface(&owner) { surface.Attach(canvas.Context()); }
    Form owner{nullptr};
    Drawing surface;
};

int errors = 0;
class CountingDrawing : public Drawing {
public:
    using Drawing::Drawing;
    void OnError() override { ++errors; }
};

}  // namespace

TEST(Font, FlagsGiveWeightAndPitch) {
    FontDescription plain("Arial", 14);
    LOGFONTW made = Describe(plain.MakeFont());
    EXPECT_EQ(made.lfWeight, 400);
    EXPECT_EQ(made.lfPitchAndFamily, 0);
    EXPECT_EQ(made.lfHeight, 14);
    EXPECT_STREQ(made.lfFaceName, L"Arial");
    EXPECT_EQ(made.lfQuality, CLEARTYPE_QUALITY);

    FontDescription strong("Lucida Console", 22);
    strong.bold = true;
    strong.fixedPitch = true;
    strong.italic = true;
    made = Describe(strong.MakeFont());
    EXPECT_EQ(made.lfWeight, 700);
    EXPECT_EQ(made.lfPitchAndFamily, FIXED_PITCH);
    EXPECT_TRUE(made.lfItalic);
    EXPECT_FALSE(made.lfUnderline);

    FontDescription system;
    EXPECT_EQ(system.faceName, L"System");
    EXPECT_EQ(system.height, 0);
}

TEST(Font, OneDescriptionGivesEveryElementTheSameFont) {
    auto form = ToolkitTest::MakeForm();
    FontDescription shared("Arial", 14);
    Label first(form.get(), "uno");
    Label second(form.get(), "due");
    first.font = &shared;
    second.font = &shared;
    first.Create();
    second.Create();
    HFONT firstFont = reinterpret_cast<HFONT>(SendMessageW(first.windowHandle, WM_GETFONT, 0, 0));
    EXPECT_NE(firstFont, nullptr);
    EXPECT_EQ(firstFont, shared.fontHandle);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(second.windowHandle, WM_GETFONT, 0, 0)), firstFont);
    EXPECT_EQ(shared.MakeFont(), firstFont);
}

TEST(Drawing, BoxesAreFilledAndFramed) {
    Canvas canvas(40, 40, kWhite);
    AttachedSurface attached(canvas);
    attached.surface.FillBox(5, 5, 10, 10, kGreen);
    EXPECT_EQ(canvas.CountNot(kGreen, 5, 5, 14, 14), 0);
    EXPECT_EQ(canvas.Pixel(16, 16), kWhite);

    attached.surface.FrameBox(20, 20, 10, 10, kGreen);
    EXPECT_EQ(canvas.Pixel(20, 20), kGreen);
    EXPECT_EQ(canvas.Pixel(29, 25), kGreen);
    EXPECT_EQ(canvas.Pixel(25, 25), kWhite);

    // An attached context stays with its owner after End.
    attached.surface.End();
    EXPECT_EQ(attached.surface.deviceContext, nullptr);
    EXPECT_FALSE(attached.surface.external);
    attached.surface.FillBox(0, 0, 40, 40, kGreen);
    EXPECT_EQ(canvas.Pixel(1, 1), kWhite);
}

TEST(Drawing, TextIsClippedToItsBoxUnlessTheBoxIsEmpty) {
    FontDescription font("Arial", 20);
    std::wstring wide(20, L'W');
    {
        Canvas canvas(300, 40, kWhite);
        AttachedSurface attached(canvas);
        attached.surface.WriteText(0, 0, 30, 30, wide, 0, TextAlignment::Left, &font);
        EXPECT_GT(canvas.CountNot(kWhite, 0, 0, 30, 30), 0);
        EXPECT_EQ(canvas.CountNot(kWhite, 30, 0, 300, 40), 0);
    }
    {
        Canvas canvas(300, 40, kWhite);
        AttachedSurface attached(canvas);
        attached.surface.WriteText(0, 0, 0, 30, wide, 0, TextAlignment::Left, &font);
        EXPECT_GT(canvas.CountNot(kWhite, 30, 0, 300, 40), 0);
    }
}

TEST(Drawing, TextIsAlignedInItsBox) {
    FontDescription font("Arial", 20);
    Canvas canvas(200, 90, kWhite);
    AttachedSurface attached(canvas);
    attached.surface.WriteText(0, 0, 200, 30, std::string("I"), 0, TextAlignment::Left, &font);
    attached.surface.WriteText(0, 30, 200, 30, std::string("I"), 0, TextAlignment::Right, &font);
    attached.surface.WriteText(0, 60, 200, 30, std::string("I"), 0, TextAlignment::Center, &font);
    EXPECT_GT(canvas.CountNot(kWhite, 0, 0, 20, 30), 0);
    EXPECT_GT(canvas.CountNot(kWhite, 180, 30, 200, 60), 0);
    EXPECT_GT(canvas.CountNot(kWhite, 90, 60, 110, 90), 0);
    EXPECT_EQ(canvas.CountNot(kWhite, 20, 60, 90, 90) + canvas.CountNot(kWhite, 110, 60, 200, 90), 0);
}

TEST(Drawing, TextIsCutAfter1023CodeUnits) {
    FontDescription font("Arial", 16);
    Canvas probe(10, 10, kWhite);
    SelectObject(probe.Context(), font.MakeFont());
    SIZE extent{};
    GetTextExtentPoint32W(probe.Context(), std::wstring(1023, L' ').c_str(), 1023, &extent);
    int width = extent.cx + 60;

    Canvas shown(width, 30, kWhite);
    AttachedSurface first(shown);
    first.surface.WriteText(0, 0, 0, 0, std::wstring(1022, L' ') + L"W", 0, TextAlignment::Left, &font);
    EXPECT_GT(shown.CountNot(kWhite, 0, 0, width, 30), 0);

    Canvas cut(width, 30, kWhite);
    AttachedSurface second(cut);
    second.surface.WriteText(0, 0, 0, 0, std::wstring(1023, L' ') + std::wstring(977, L'W'), 0, TextAlignment::Left, &font);
    EXPECT_EQ(cut.CountNot(kWhite, 0, 0, width, 30), 0);
}

TEST(Drawing, TextHeightNeedsASurfaceAndAFont) {
    FontDescription font("Arial", 20);
    Form owner(nullptr);
    Drawing loose(&owner);
    EXPECT_EQ(loose.TextHeight(&font), -1);

    Canvas canvas(10, 10, kWhite);
    AttachedSurface attached(canvas);
    EXPECT_EQ(attached.surface.TextHeight(nullptr), -1);
    EXPECT_EQ(attached.surface.TextHeight(&font), 20);
}

TEST(Drawing, TransparentPictureKeepsTheBackgroundUnderBlack) {
    HBITMAP picture = LoadBitmapResource(BITMAP_QUARTER);
    ASSERT_NE(picture, nullptr);
    Canvas canvas(60, 60, kGreen);
    AttachedSurface attached(canvas);
    attached.surface.DrawTransparent(10, 10, 0, 0, picture);
    EXPECT_EQ(canvas.Pixel(10, 10), kGreen);
    EXPECT_EQ(canvas.Pixel(17, 17), kGreen);
    EXPECT_EQ(canvas.Pixel(18, 10), kPicture);
    EXPECT_EQ(canvas.Pixel(10, 18), kPicture);
    EXPECT_EQ(canvas.Pixel(25, 25), kPicture);
    EXPECT_EQ(canvas.Pixel(26, 26), kGreen);
    DeleteObject(picture);
}

TEST(Drawing, StretchedPictureIsDoubledWithBlackStillSeeThrough) {
    HBITMAP picture = LoadBitmapResource(BITMAP_QUARTER);
    Canvas canvas(60, 60, kGreen);
    AttachedSurface attached(canvas);
    attached.surface.DrawTransparent(10, 10, 32, 32, picture);
    EXPECT_EQ(canvas.CountNot(kGreen, 10, 10, 26, 26), 0);
    EXPECT_EQ(canvas.CountNot(kPicture, 26, 10, 42, 42), 0);
    EXPECT_EQ(canvas.CountNot(kPicture, 10, 26, 26, 42), 0);
    EXPECT_EQ(canvas.Pixel(42, 42), kGreen);
    DeleteObject(picture);
}

TEST(Drawing, TransparentPictureIgnoresTheSurfacesColours) {
    // White text on red, as on a coloured button: the mask must still cut
    // exactly the picture's opaque pixels, and the colours come back after.
    HBITMAP picture = LoadBitmapResource(BITMAP_QUARTER);
    Canvas canvas(60, 60, kGreen);
    SetTextColor(canvas.Context(), kWhite);
    SetBkColor(canvas.Context(), RGB(255, 0, 0));
    AttachedSurface attached(canvas);
    attached.surface.DrawTransparent(10, 10, 0, 0, picture);
    EXPECT_EQ(canvas.Pixel(12, 12), kGreen);
    EXPECT_EQ(canvas.Pixel(20, 20), kPicture);
    EXPECT_EQ(canvas.Pixel(5, 5), kGreen);
    EXPECT_EQ(GetTextColor(canvas.Context()), kWhite);
    EXPECT_EQ(GetBkColor(canvas.Context()), RGB(255, 0, 0));
    DeleteObject(picture);
}

TEST(Drawing, FailedGdiCallsAreReportedAndPaintingGoesOn) {
    HBITMAP picture = LoadBitmapResource(BITMAP_QUARTER);
    HDC gone = CreateCompatibleDC(nullptr);
    DeleteDC(gone);
    Form owner(nullptr);
    CountingDrawing surface(&owner);
    surface.Attach(gone);
    surface.DrawTransparent(0, 0, 0, 0, picture);
    EXPECT_GT(errors, 0);

    Canvas canvas(20, 20, kGreen);
    surface.Attach(canvas.Context());
    surface.FillBox(0, 0, 5, 5, kWhite);
    EXPECT_EQ(canvas.Pixel(1, 1), kWhite);
    DeleteObject(picture);
}

TEST(Drawing, BeginAndEndPaintTheElementsWindow) {
    auto form = ToolkitTest::MakeForm();
    InvalidateRect(form->windowHandle, nullptr, FALSE);
    Drawing surface(form.get());
    surface.Begin();
    EXPECT_NE(surface.deviceContext, nullptr);
    EXPECT_FALSE(surface.external);
    surface.End();
    surface.End();
    EXPECT_EQ(surface.deviceContext, nullptr);
    RECT pending{};
    EXPECT_FALSE(GetUpdateRect(form->windowHandle, &pending, FALSE));
}
