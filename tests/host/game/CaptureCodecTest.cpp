// Capture texts: what the writers write the reader reads back, and a token that is
// neither an identifier nor an open token is told apart, never read as a number.
#include "game/CaptureCodec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace MyGame {

// Found by argument lookup from the assertions, so beside the token's own type.
bool operator==(const CaptureToken& a, const CaptureToken& b) {
    return a.Kind == b.Kind && a.Number == b.Number;
}

namespace {

TEST(CaptureCodec, WhatIsWrittenReadsBackTokenByToken) {
    const std::vector<CaptureToken> tokens = {{TokenKind::Identifier, 16},   {TokenKind::Open, 3},
                                              {TokenKind::Identifier, 1109}, {TokenKind::Open, 10},
                                              {TokenKind::Identifier, 0},    {TokenKind::Open, 3}};
    std::string capture;
    for (const CaptureToken& token : tokens) AppendToken(capture, token);
    EXPECT_EQ(capture, "16;(3);1109;(10);0;(3)");
    EXPECT_EQ(ParseCapture(capture), tokens);

    std::string written;
    AppendIdentifier(written, 16);
    AppendOpenToken(written, 3);
    EXPECT_EQ(written, "16;(3)");
    // The empty capture takes nothing.
    EXPECT_TRUE(ParseCapture("").empty());
}

TEST(CaptureCodec, NamesOnlyWholeIdentifiersAndSeesOpenTokens) {
    EXPECT_TRUE(NamesIdentifier("16;112;(3)", 112));
    EXPECT_TRUE(NamesIdentifier("16;112;(3)", 16));
    EXPECT_FALSE(NamesIdentifier("16;112;(3)", 12));
    EXPECT_FALSE(NamesIdentifier("16;112;(3)", 11));
    EXPECT_FALSE(NamesIdentifier("16;112;(3)", 3));
    EXPECT_TRUE(HasOpenToken("16;(3)"));
    EXPECT_FALSE(HasOpenToken("16;3"));
    EXPECT_FALSE(HasOpenToken(""));
}

TEST(CaptureCodec, RefusesEveryMalformedToken) {
    for (const char* bad : {"", "12a", "a12", "-4", "+4", " 12", "12 ", "(3", "3)", "()", "(x)", "(-3)", "((3))"}) {
        SCOPED_TRACE(bad);
        const std::vector<CaptureToken> tokens = ParseCapture(std::string("16;") + bad + ";(2)");
        ASSERT_EQ(tokens.size(), 3u);
        EXPECT_EQ(tokens[0], (CaptureToken{TokenKind::Identifier, 16}));
        EXPECT_EQ(tokens[1], (CaptureToken{TokenKind::Bad, 0}));
        EXPECT_EQ(tokens[2], (CaptureToken{TokenKind::Open, 2}));
    }
    // A bad token names nothing and opens nothing.
    EXPECT_FALSE(NamesIdentifier("12a", 12));
    EXPECT_FALSE(HasOpenToken("(3"));
}

}  // namespace
}  // namespace MyGame
