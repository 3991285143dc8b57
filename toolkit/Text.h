// Text and number helpers shared by the game and the toolkit. Portable: no
// Windows header, so the rules and their tests build natively too.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace KTUtility {

// Each byte becomes the code unit of the same value (Latin-1 reading).
std::wstring Widen(const std::string& text);
// Keeps the low 8 bits of each code unit; the exact inverse of Widen below 256.
std::string Narrow(const std::wstring& text);

// The one writer of numbers in decimal: appends without allocating beyond the
// text's own growth, so that the rules can write capture texts in their inner
// loops.
void AppendInt(std::string& text, std::int64_t value);
std::string Int64ToText(std::int64_t value);
std::wstring Int64ToWideText(std::int64_t value);
// The one reader of numbers, as atoi reads: leading blanks, a sign, digits up to
// the first other character; no digits gives 0. Values beyond 32 bits saturate.
std::int32_t TextToInt(std::string_view text);

// Replaces every occurrence of searched. While each replacement shortens the
// text, the scan starts again from the start, so that an occurrence formed across
// a replacement is replaced too ("aab", "ab" -> "b" gives "b"); otherwise it goes
// on after the inserted replacement. An empty searched text leaves the text
// unchanged. The call always ends.
std::string ReplaceAll(const std::string& text, const std::string& searched, const std::string& replacement);

// Pieces between separators; a trailing separator gives no empty last piece, and
// an empty text or separator gives no pieces.
std::vector<std::string> Split(const std::string& text, const std::string& separator);

}  // namespace KTUtility
