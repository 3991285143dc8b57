// Capture texts, written and read in one place. A capture (an option) is a text
// of tokens joined by ";": a table position's identifier in decimal, or an open
// token "(v)" for some one table card of value v, left open because the table
// holds more cards of that value than the capture needs. The empty text takes
// nothing: the card is laid.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace MyGame {

enum class TokenKind { Identifier, Open, Bad };

struct CaptureToken {
    TokenKind Kind = TokenKind::Bad;
    // The identifier, or the value an open token leaves open; 0 for a bad token.
    int Number = 0;
};

// Reads a capture's tokens in order, in place: the PC's strategy reads every
// option of every card it weighs, and must not allocate for it.
class CaptureReader {
public:
    explicit CaptureReader(const std::string& capture) : capture_(capture) {}

    // The next token; false after the last one. A token that is neither digits
    // nor digits in parentheses comes out as TokenKind::Bad.
    bool Next(CaptureToken& token);

private:
    const std::string& capture_;
    std::size_t next_ = 0;
};

// Every token of the capture, for the callers that keep them.
std::vector<CaptureToken> ParseCapture(const std::string& capture);

// Append one token, with the separator when the capture already holds one.
void AppendIdentifier(std::string& capture, int identifier);
void AppendOpenToken(std::string& capture, int value);
// A token as parsed: an identifier or an open token (a bad one is never written).
void AppendToken(std::string& capture, const CaptureToken& token);

// Whether the capture names the identifier itself (not through an open token).
bool NamesIdentifier(const std::string& capture, int identifier);
bool HasOpenToken(const std::string& capture);

}  // namespace MyGame
