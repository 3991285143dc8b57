#include "toolkit/Text.h"

#include <cctype>
#include <climits>

namespace KTUtility {

std::wstring Widen(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        wide[i] = static_cast<wchar_t>(static_cast<unsigned char>(text[i]));
    }
    return wide;
}

std::string Narrow(const std::wstring& text) {
    std::string narrow(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        narrow[i] = static_cast<char>(static_cast<unsigned char>(text[i] & 0xFF));
    }
    return narrow;
}

void AppendInt(std::string& text, std::int64_t value) {
    // Unsigned, so that the most negative value has a magnitude too.
    std::uint64_t magnitude = static_cast<std::uint64_t>(value);
    if (value < 0) {
        text += '-';
        magnitude = 0 - magnitude;
    }
    char digits[20];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    while (count > 0) {
        text += digits[--count];
    }
}

std::string Int64ToText(std::int64_t value) {
    std::string text;
    AppendInt(text, value);
    return text;
}

std::wstring Int64ToWideText(std::int64_t value) {
    return Widen(Int64ToText(value));
}

std::int32_t TextToInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            value = static_cast<long long>(INT_MAX) + 1;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        value = INT_MAX;
    }
    return static_cast<std::int32_t>(value);
}

std::string ReplaceAll(const std::string& text, const std::string& searched, const std::string& replacement) {
    std::string result = text;
    if (searched.empty()) {
        return result;
    }
    // Scanning again from the start catches an occurrence formed across the
    // replacement; it can only go on for ever when the text does not get
    // shorter, so then each scan starts after what was just inserted.
    const bool rescan = replacement.size() < searched.size();
    std::size_t from = 0;
    for (std::size_t at = result.find(searched, from); at != std::string::npos; at = result.find(searched, from)) {
        result.replace(at, searched.size(), replacement);
        from = rescan ? 0 : at + replacement.size();
    }
    return result;
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> pieces;
    if (text.empty() || separator.empty()) {
        return pieces;
    }
    std::size_t current = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, current)) {
        pieces.push_back(text.substr(current, at - current));
        current = at + separator.size();
    }
    if (current < text.size()) {
        pieces.push_back(text.substr(current));
    }
    return pieces;
}

}  // namespace KTUtility
