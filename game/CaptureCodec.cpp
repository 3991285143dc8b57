#include "game/CaptureCodec.h"

#include "toolkit/Text.h"

#include <string_view>

namespace MyGame {

namespace {

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

CaptureToken ReadToken(std::string_view text) {
    CaptureToken token;
    if (AllDigits(text)) {
        token.Kind = TokenKind::Identifier;
        token.Number = KTUtility::TextToInt(text);
    } else if (text.size() > 2 && text.front() == '(' && text.back() == ')' &&
               AllDigits(text.substr(1, text.size() - 2))) {
        token.Kind = TokenKind::Open;
        token.Number = KTUtility::TextToInt(text.substr(1, text.size() - 2));
    }
    return token;
}

void AppendSeparator(std::string& capture) {
    if (!capture.empty()) capture += ';';
}

}  // namespace

bool CaptureReader::Next(CaptureToken& token) {
    if (next_ >= capture_.size()) return false;
    std::size_t end = capture_.find(';', next_);
    if (end == std::string::npos) end = capture_.size();
    token = ReadToken(std::string_view(capture_).substr(next_, end - next_));
    next_ = end + 1;
    return true;
}

std::vector<CaptureToken> ParseCapture(const std::string& capture) {
    std::vector<CaptureToken> tokens;
    CaptureReader reader(capture);
    for (CaptureToken token; reader.Next(token);) tokens.push_back(token);
    return tokens;
}

void AppendIdentifier(std::string& capture, int identifier) {
    AppendSeparator(capture);
    KTUtility::AppendInt(capture, identifier);
}

void AppendOpenToken(std::string& capture, int value) {
    AppendSeparator(capture);
    capture += '(';
    KTUtility::AppendInt(capture, value);
    capture += ')';
}

void AppendToken(std::string& capture, const CaptureToken& token) {
    if (token.Kind == TokenKind::Open) {
        AppendOpenToken(capture, token.Number);
    } else {
        AppendIdentifier(capture, token.Number);
    }
}

bool NamesIdentifier(const std::string& capture, int identifier) {
    CaptureReader reader(capture);
    for (CaptureToken token; reader.Next(token);) {
        if (token.Kind == TokenKind::Identifier && token.Number == identifier) return true;
    }
    return false;
}

bool HasOpenToken(const std::string& capture) {
    CaptureReader reader(capture);
    for (CaptureToken token; reader.Next(token);) {
        if (token.Kind == TokenKind::Open) return true;
    }
    return false;
}

}  // namespace MyGame
