// The program's pictures, icon, sounds, manifest and version, read from the built
// program itself.
#include <windows.h>

#include "app/ResourceIds.h"
#include "table/AboutData.h"
#include "tests/win/app/ProgramPath.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

std::uint32_t Read32(const unsigned char* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t Read16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

struct RawResource {
    const unsigned char* data = nullptr;
    DWORD size = 0;
};

class ProgramResources : public testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExW(ProgramPath().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr) << "cannot load " << LURNA_PROGRAM_PATH << ", error " << GetLastError();
    }

    void TearDown() override {
        if (module_ != nullptr) {
            FreeLibrary(module_);
        }
    }

    RawResource Find(int id, const wchar_t* type) const {
        RawResource raw;
        HRSRC info = FindResourceW(module_, MAKEINTRESOURCEW(id), type);
        if (info != nullptr) {
            raw.data = static_cast<const unsigned char*>(LockResource(LoadResource(module_, info)));
            raw.size = SizeofResource(module_, info);
        }
        return raw;
    }

    // Loads the bitmap as the program shows it and checks its size and depth,
    // both as loaded and as stored (uncompressed).
    void ExpectBitmap(int id, int width, int height, int bitsPerPixel) const {
        SCOPED_TRACE("bitmap " + std::to_string(id));
        HANDLE image = LoadImageW(module_, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
        ASSERT_NE(image, nullptr);
        BITMAP info{};
        ASSERT_NE(GetObjectW(image, sizeof info, &info), 0);
        EXPECT_EQ(info.bmWidth, width);
        EXPECT_EQ(info.bmHeight, height);
        EXPECT_EQ(info.bmBitsPixel, bitsPerPixel);
        DeleteObject(image);

        const RawResource raw = Find(id, MAKEINTRESOURCEW(2));  // RT_BITMAP
        ASSERT_GE(raw.size, 40u);
        EXPECT_EQ(Read16(raw.data + 14), bitsPerPixel);
        EXPECT_EQ(Read32(raw.data + 16), static_cast<std::uint32_t>(BI_RGB));
    }

    // Checks the RIFF header of a "WAVE" resource: 16-bit PCM of the given
    // channels and rate, lasting `seconds` give or take `slack`.
    void ExpectWave(int id, int channels, int rate, double seconds, double slack) const {
        SCOPED_TRACE("sound " + std::to_string(id));
        const RawResource raw = Find(id, L"WAVE");
        ASSERT_NE(raw.data, nullptr);
        ASSERT_GE(raw.size, 44u);
        ASSERT_EQ(std::memcmp(raw.data, "RIFF", 4), 0);
        ASSERT_EQ(std::memcmp(raw.data + 8, "WAVE", 4), 0);
        EXPECT_LE(Read32(raw.data + 4) + 8, raw.size);
        const unsigned char* format = nullptr;
        std::uint32_t dataBytes = 0;
        for (DWORD at = 12; at + 8 <= raw.size;) {
            const std::uint32_t chunk = Read32(raw.data + at + 4);
            if (std::memcmp(raw.data + at, "fmt ", 4) == 0 && chunk >= 16) {
                format = raw.data + at + 8;
            } else if (std::memcmp(raw.data + at, "data", 4) == 0) {
                dataBytes = chunk;
                EXPECT_LE(at + 8 + chunk, raw.size);
            }
            at += 8 + chunk + (chunk & 1);
        }
        ASSERT_NE(format, nullptr);
        EXPECT_EQ(Read16(format), 1);  // PCM
        EXPECT_EQ(Read16(format + 2), channels);
        EXPECT_EQ(Read32(format + 4), static_cast<std::uint32_t>(rate));
        EXPECT_EQ(Read32(format + 8), static_cast<std::uint32_t>(rate * channels * 2));
        EXPECT_EQ(Read16(format + 12), channels * 2);
        EXPECT_EQ(Read16(format + 14), 16);
        EXPECT_NEAR(dataBytes / (rate * channels * 2.0), seconds, slack);
    }

    HMODULE module_ = nullptr;
};

TEST_F(ProgramResources, CardBackAndFacesAre63By101At4Bits) {
    for (int id = LURNA_CARD_BACK_PICTURE; id <= LURNA_CARD_BACK_PICTURE + 40; ++id) {
        ExpectBitmap(id, 63, 101, 4);
    }
}

TEST_F(ProgramResources, AboutPictureAndBannerAre24Bits) {
    ExpectBitmap(LURNA_ABOUT_PICTURE, 163, 50, 24);
    ExpectBitmap(LURNA_TITLE_PICTURE, 200, 50, 24);
}

TEST_F(ProgramResources, NoBitmapBeyondTheDeck) {
    EXPECT_EQ(Find(LURNA_CARD_BACK_PICTURE - 1, MAKEINTRESOURCEW(2)).data, nullptr);
    EXPECT_EQ(Find(LURNA_CARD_BACK_PICTURE + 41, MAKEINTRESOURCEW(2)).data, nullptr);
}

TEST_F(ProgramResources, IconGroupHolds16And32And48Pixels) {
    const RawResource group = Find(LURNA_PROGRAM_ICON, MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(group.data, nullptr);
    ASSERT_GE(group.size, 6u);
    const int count = Read16(group.data + 4);
    ASSERT_EQ(count, 3);
    ASSERT_GE(group.size, 6u + 14u * count);
    int sizes = 0;
    for (int i = 0; i < count; ++i) {
        sizes |= group.data[6 + 14 * i];
    }
    EXPECT_EQ(sizes, 16 | 32 | 48);

    for (int size : {16, 32, 48}) {
        SCOPED_TRACE("icon " + std::to_string(size));
        HICON icon = static_cast<HICON>(LoadImageW(module_, MAKEINTRESOURCEW(LURNA_PROGRAM_ICON), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        ASSERT_NE(GetObjectW(info.hbmColor, sizeof colour, &colour), 0);
        EXPECT_EQ(colour.bmWidth, size);
        EXPECT_EQ(colour.bmHeight, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST_F(ProgramResources, ClickIsATenthOfASecondMono) {
    ExpectWave(LURNA_CLICK_SOUND, 1, 44100, 0.1, 0.03);
}

TEST_F(ProgramResources, CheerIsStereoOfAbout1Point8Seconds) {
    ExpectWave(LURNA_PLAYER_SOUND, 2, 48000, 1.8, 0.15);
}

TEST_F(ProgramResources, LamentIsStereoOfAbout2Point1Seconds) {
    ExpectWave(LURNA_PC_SOUND, 2, 48000, 2.1, 0.15);
}

}  // namespace

TEST_F(ProgramResources, ManifestAsksForTheCurrentControlsAndNoDpiAwareness) {
    const RawResource raw = Find(1, MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(raw.data, nullptr);
    const std::string manifest(reinterpret_cast<const char*>(raw.data), raw.size);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    // Windows 7, 8, 8.1, and 10 and 11.
    for (const char* os : {"35138b9a", "4a2f28e3", "1f676c76", "8e0f7a12"}) {
        EXPECT_NE(manifest.find(std::string("{") + os), std::string::npos) << os;
    }
    // Laid out in pixels: Windows scales it on high-DPI screens.
    EXPECT_EQ(manifest.find("dpiAware"), std::string::npos);
}

// The About form's title is the product name and this version; the version
// record (numbers and texts) and the manifest must say the same.
TEST_F(ProgramResources, VersionRecordAndManifestAgreeWithTheAboutTitle) {
    const std::wstring path = ProgramPath();
    DWORD unused = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &unused);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, &block[0]));
    auto value = [&](const wchar_t* name) {
        wchar_t* text = nullptr;
        UINT length = 0;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\041004E4\\") + name;
        if (!VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length) || !text) return std::string();
        std::string narrow;
        for (const wchar_t* p = text; *p; ++p) narrow.push_back(static_cast<char>(*p));
        return narrow;
    };
    auto dotted = [](DWORD high, DWORD low) {
        return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." + std::to_string(HIWORD(low)) +
               "." + std::to_string(LOWORD(low));
    };
    const std::string about = std::string(MyGame::ProductName) + " " + MyGame::ProductVersion;
    EXPECT_EQ(value(L"ProductName") + " " + value(L"ProductVersion"), about);
    EXPECT_EQ(value(L"ProductName") + " " + value(L"FileVersion"), about);
    EXPECT_EQ(value(L"LegalCopyright"), MyGame::RightsLine);
    EXPECT_EQ(value(L"OriginalFilename"), "LurnaGame.exe");

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(value(L"ProductName") + " " + dotted(fixed->dwFileVersionMS, fixed->dwFileVersionLS), about);
    EXPECT_EQ(value(L"ProductName") + " " + dotted(fixed->dwProductVersionMS, fixed->dwProductVersionLS), about);

    const RawResource raw = Find(1, MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(raw.data, nullptr);
    const std::string manifest(reinterpret_cast<const char*>(raw.data), raw.size);
    const std::string identity = "<assemblyIdentity type=\"win32\" name=\"" + std::string(MyGame::ProductName) +
                                 "\" version=\"" + MyGame::ProductVersion + "\"";
    EXPECT_NE(manifest.find(identity), std::string::npos) << manifest.substr(0, 300);
}
