#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvix {

// Windows-1252, the code page the game reads its configs in. Decoding maps
// all 256 byte values (the five undefined ones to the C1 controls of the
// same value, as Windows does), so decode followed by encode gives back
// every byte.
std::string decodeCp1252(std::string_view bytes);
// The same as UTF-16 into `out`, which takes exactly bytes.size() units:
// every character of the code page is a single unit.
void decodeCp1252Utf16(std::string_view bytes, char16_t* out);

struct Cp1252Encoding {
    std::string bytes;                     // valid when `unencodable` is empty
    std::optional<char32_t> unencodable;   // first character the page lacks
};

// Encodes UTF-8 text. Malformed UTF-8 is reported as U+FFFD.
Cp1252Encoding encodeCp1252(std::string_view utf8);

// The first character of `utf8` that Windows-1252 cannot hold, if any.
std::optional<char32_t> firstUnencodable(std::string_view utf8);

// Appends the UTF-8 form of one code point.
void appendUtf8(std::string& out, char32_t codePoint);

} // namespace quorvix
