#include "toolkit/Text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using namespace KTUtility;

TEST(WidenNarrow, ReadBytesAsLatin1AndKeepLength) {
    EXPECT_EQ(Widen(""), L"");
    EXPECT_EQ(Widen("\xE0"), std::wstring(1, wchar_t(0xE0)));
    EXPECT_EQ(Widen("Pi\xF9 s\xEC"), L"Pi\u00F9 s\u00EC");
    EXPECT_EQ(Narrow(L"\u00E8"), "\xE8");
    EXPECT_EQ(Narrow(L"\u20AC"), "\xAC");
    const std::string inside = Narrow(std::wstring(L"a") + wchar_t(0x100) + L"b");
    ASSERT_EQ(inside.size(), 3u);
    EXPECT_EQ(inside[1], '\0');
    std::string allBytes;
    for (int b = 1; b < 256; ++b) {
        allBytes.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(Narrow(Widen(allBytes)), allBytes);
}

TEST(NumberText, WritesSignedDecimalWithoutPadding) {
    EXPECT_EQ(Int64ToText(0), "0");
    EXPECT_EQ(Int64ToText(-5), "-5");
    EXPECT_EQ(Int64ToText(4294967295LL), "4294967295");
    const std::string smallest = Int64ToText(std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(smallest, "-9223372036854775808");
    EXPECT_EQ(smallest.size(), 20u);
    EXPECT_EQ(Int64ToWideText(1101), L"1101");
    std::string text = "12;";
    AppendInt(text, -3);
    AppendInt(text, 40);
    EXPECT_EQ(text, "12;-340");
}

TEST(NumberText, ReadsLeadingDigitsAsAtoiDoes) {
    EXPECT_EQ(TextToInt(""), 0);
    EXPECT_EQ(TextToInt("12;3"), 12);
    EXPECT_EQ(TextToInt("  -7x"), -7);
    EXPECT_EQ(TextToInt("+40"), 40);
    EXPECT_EQ(TextToInt("(3)"), 0);
    EXPECT_EQ(TextToInt("99999999999999"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(TextToInt("-99999999999999"), std::numeric_limits<std::int32_t>::min());
}

TEST(ReplaceAll, RescansFromTheStart) {
    EXPECT_EQ(ReplaceAll("aab", "ab", "b"), "b");
    EXPECT_EQ(ReplaceAll("a(b(c", "(", ""), "abc");
    EXPECT_EQ(ReplaceAll("21;18;0;10;", "21;", "7 "), "7 18;0;10;");
    EXPECT_EQ(ReplaceAll("nothing here", "zz", "y"), "nothing here");
}

TEST(ReplaceAll, AlwaysEnds) {
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAll("a.b.c", ".", ".."), "a..b..c");
    EXPECT_EQ(ReplaceAll("ab", "ab", "xaby"), "xaby");
    EXPECT_EQ(ReplaceAll("", "a", "b"), "");
    // Each replacement makes a new occurrence across its left edge.
    EXPECT_EQ(ReplaceAll("aaba", "aba", "baab"), "abaab");
    EXPECT_EQ(ReplaceAll("aab", "ab", "ba"), "aba");
}

TEST(Split, KeepsInnerEmptyPiecesButNoTrailingOne) {
    using Pieces = std::vector<std::string>;
    EXPECT_EQ(Split("9;1", ";"), (Pieces{"9", "1"}));
    EXPECT_EQ(Split("21;18;", ";"), (Pieces{"21", "18"}));
    EXPECT_EQ(Split(";5", ";"), (Pieces{"", "5"}));
    EXPECT_EQ(Split("a;;b", ";"), (Pieces{"a", "", "b"}));
    EXPECT_EQ(Split(";", ";"), (Pieces{""}));
    EXPECT_EQ(Split("7", ";"), (Pieces{"7"}));
    EXPECT_TRUE(Split("", ";").empty());
    EXPECT_TRUE(Split("abc", "").empty());
    EXPECT_EQ(Split("a\r\nb", "\r\n"), (Pieces{"a", "b"}));
}
