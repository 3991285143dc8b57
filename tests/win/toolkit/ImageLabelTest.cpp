// Pictures and labels: their styles, their bitmaps and the text a picture holds.
#include "TestSupport.h"
#include "ToolkitTestResources.h"

#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace KTUtility;
using ToolkitTest::MakeForm;
using ToolkitTest::PixelOf;
using ToolkitTest::Style;

namespace {

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP description{};
    if (!GetObjectW(bitmap, sizeof(description), &description)) return SIZE{0, 0};
    return SIZE{description.bmWidth, description.bmHeight};
}

HBITMAP Shown(const Image& image) {
    return reinterpret_cast<HBITMAP>(SendMessageW(image.windowHandle, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

// A 2 x 3 24-bit bitmap file in the temporary folder.
std::string WriteBitmapFile() {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    std::string path = Narrow(folder) + "toolkit-test.bmp";
    const unsigned char file[] = {
        'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
        40, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 24, 0, 0, 0,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // info header
        255, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 0,  // rows
    };
    std::FILE* out = std::fopen(path.c_str(), "wb");
    std::fwrite(file, 1, sizeof(file), out);
    std::fclose(out);
    return path;
}

}  // namespace

TEST(Image, AFrameIsDrawnOverTheEdgeAndTakenAwayAgain) {
    auto form = MakeForm();
    Image image(form.get(), BITMAP_QUARTER);
    image.Create();
    const COLORREF corner = PixelOf(image.bitmap, 2, 2);
    const COLORREF inside = PixelOf(image.bitmap, 8, 8);
    constexpr COLORREF Yellow = RGB(255, 215, 0);

    image.SetFrameColor(Yellow);
    HBITMAP framed = image.bitmap;
    EXPECT_EQ(Shown(image), framed);
    EXPECT_EQ(image.resourceNumber, BITMAP_QUARTER);
    EXPECT_EQ(PixelOf(framed, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(PixelOf(framed, 2, 2), Yellow);
    EXPECT_EQ(PixelOf(framed, 13, 8), Yellow);
    EXPECT_EQ(PixelOf(framed, 4, 8), RGB(0, 0, 0));
    EXPECT_EQ(PixelOf(framed, 8, 8), inside);

    // The same colour again changes nothing; a new picture keeps the frame.
    image.SetFrameColor(Yellow);
    EXPECT_EQ(image.bitmap, framed);
    image.SetBitmapResource(BITMAP_QUARTER);
    EXPECT_EQ(PixelOf(image.bitmap, 2, 2), Yellow);

    image.SetFrameColor(NoColor);
    EXPECT_EQ(Shown(image), image.bitmap);
    EXPECT_EQ(PixelOf(image.bitmap, 2, 2), corner);
    EXPECT_EQ(BitmapSize(framed).cx, 0);  // freed
}

TEST(Image, StylesFollowTheFlags) {
    auto form = MakeForm();
    Image plain(form.get(), BITMAP_QUARTER);
    plain.Create();
    EXPECT_EQ(Style(plain.windowHandle), 0x5000010Eu);
    EXPECT_EQ(plain.typeName, "image");

    Image disabled(form.get(), BITMAP_QUARTER);
    disabled.SetEnabled(false);
    disabled.Create();
    EXPECT_EQ(Style(disabled.windowHandle), 0x5800010Eu);

    Image bordered(form.get(), BITMAP_QUARTER);
    bordered.border = true;
    bordered.Create();
    EXPECT_EQ(Style(bordered.windowHandle) & WS_BORDER, static_cast<DWORD>(WS_BORDER));
    EXPECT_TRUE(ToolkitTest::ExtendedStyle(bordered.windowHandle) & WS_EX_CLIENTEDGE);
}

TEST(Image, ShowsItsResourceOnceCreated) {
    auto form = MakeForm();
    Image image(form.get(), 0);
    image.SetBitmapResource(BITMAP_QUARTER);
    EXPECT_EQ(image.bitmap, nullptr);
    EXPECT_EQ(image.resourceNumber, BITMAP_QUARTER);

    image.Create();
    ASSERT_NE(image.bitmap, nullptr);
    EXPECT_EQ(Shown(image), image.bitmap);
    SIZE size = BitmapSize(image.bitmap);
    EXPECT_EQ(size.cx, 16);
    EXPECT_EQ(size.cy, 16);

    // Number 0 records itself and leaves the picture.
    HBITMAP before = image.bitmap;
    image.SetBitmapResource(0);
    EXPECT_EQ(image.resourceNumber, 0);
    EXPECT_TRUE(image.filePath.empty());
    EXPECT_EQ(image.bitmap, before);
    EXPECT_EQ(Shown(image), before);
}

TEST(Image, NewPictureReplacesAndFreesTheOld) {
    auto form = MakeForm();
    Image image(form.get(), BITMAP_QUARTER);
    image.Create();
    HBITMAP old = image.bitmap;
    image.SetBitmapResource(BITMAP_BLUE);
    EXPECT_NE(image.bitmap, old);
    EXPECT_EQ(Shown(image), image.bitmap);
    EXPECT_EQ(BitmapSize(image.bitmap).cx, 8);
    EXPECT_EQ(BitmapSize(old).cx, 0);
}

TEST(Image, FailedLoadKeepsTheCurrentPicture) {
    auto form = MakeForm();
    Image image(form.get(), BITMAP_QUARTER);
    image.Create();
    HBITMAP current = image.bitmap;

    image.SetBitmapResource(4321);
    EXPECT_EQ(image.bitmap, current);
    EXPECT_EQ(Shown(image), current);
    EXPECT_EQ(BitmapSize(current).cx, 16);

    image.SetBitmapFile("C:\\nowhere\\missing.bmp");
    EXPECT_EQ(image.resourceNumber, -1);
    EXPECT_EQ(image.bitmap, current);
    EXPECT_EQ(BitmapSize(current).cx, 16);
}

TEST(Image, AWindowOutlivingItsImageShowsNoFreedBitmap) {
    auto form = MakeForm();
    auto* image = new Image(form.get(), BITMAP_QUARTER);
    image->Create();
    HWND window = image->windowHandle;
    ASSERT_NE(Shown(*image), nullptr);
    delete image;

    HBITMAP left = reinterpret_cast<HBITMAP>(SendMessageW(window, STM_GETIMAGE, IMAGE_BITMAP, 0));
    EXPECT_EQ(left, nullptr);
}

TEST(Image, ShowsABitmapFile) {
    std::string path = WriteBitmapFile();
    auto form = MakeForm();
    Image image(form.get(), 0);
    image.SetBitmapFile(path);
    EXPECT_EQ(image.resourceNumber, -1);
    image.Create();
    ASSERT_NE(image.bitmap, nullptr);
    EXPECT_EQ(BitmapSize(image.bitmap).cx, 2);
    EXPECT_EQ(BitmapSize(image.bitmap).cy, 3);
    EXPECT_EQ(Shown(image), image.bitmap);
    DeleteFileW(Widen(path).c_str());
}

TEST(Image, HoldsItsTextThoughThePictureControlKeepsNone) {
    auto form = MakeForm();
    Image card(form.get(), BITMAP_QUARTER);
    card.Create();
    card.SetText(std::string("7"));
    EXPECT_EQ(TextToInt(card.GetNarrowText()), 7);
    EXPECT_EQ(card.GetText(), L"7");

    // Focus changes read the text back; the card must survive them.
    SendMessageW(card.windowHandle, WM_SETFOCUS, 0, 0);
    SendMessageW(card.windowHandle, WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(TextToInt(card.GetNarrowText()), 7);

    card.SetText(std::wstring());
    EXPECT_EQ(TextToInt(card.GetNarrowText()), 0);
}

TEST(Image, ClicksReachTheElement) {
    auto form = MakeForm();
    Image card(form.get(), BITMAP_QUARTER);
    static GUIElement* clicked = nullptr;
    card.onLeftButtonDown = [](GUIElement* element, HWND, int, int) {
        clicked = element;
        return 0;
    };
    card.Create();
    SendMessageW(card.windowHandle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_EQ(clicked, &card);
}

TEST(Label, AlignmentAndStyles) {
    auto form = MakeForm();
    Label left(form.get(), "a");
    Label centred(form.get(), "b");
    centred.centred = true;
    Label right(form.get(), "c");
    right.rightAligned = true;
    right.centred = true;
    Label disabled(form.get(), "d");
    disabled.SetEnabled(false);
    disabled.border = true;
    for (Label* label : {&left, &centred, &right, &disabled}) label->Create();

    EXPECT_EQ(Style(left.windowHandle), 0x50000100u);
    EXPECT_EQ(Style(centred.windowHandle), 0x50000101u);
    EXPECT_EQ(Style(right.windowHandle), 0x50000102u);
    EXPECT_EQ(Style(disabled.windowHandle), 0x58800100u);
    EXPECT_TRUE(ToolkitTest::ExtendedStyle(disabled.windowHandle) & WS_EX_CLIENTEDGE);
    wchar_t text[8] = {};
    GetWindowTextW(right.windowHandle, text, 8);
    EXPECT_STREQ(text, L"c");
}
