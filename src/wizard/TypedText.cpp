#include "wizard/TypedText.h"

#include "common/Cp1252.h"

namespace quorvix {

std::optional<std::string> typedTextProblem(std::string_view utf8)
{
    if (utf8.find('"') != std::string_view::npos)
        return std::string("Bitte keine Anführungszeichen (\") eingeben!");
    // One engine reads a backslash before the closing quote as an escaped
    // quote, so the value would swallow the rest of the line.
    if (utf8.find('\\') != std::string_view::npos)
        return std::string("Bitte keinen umgekehrten Schrägstrich (\\) eingeben!");
    const auto encoded = encodeCp1252(utf8);
    if (encoded.unencodable) {
        std::string shown;
        appendUtf8(shown, *encoded.unencodable);
        return "Das Zeichen \u201E" + shown
               + "\u201C kann nicht in die Config geschrieben werden!";
    }
    for (const char c : encoded.bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F
            || b == 0x90 || b == 0x9D)
            return std::string("Bitte keine Steuerzeichen (z.B. Tabulator) eingeben!");
    }
    if (encoded.bytes.size() > kMaxTypedLength)
        return "Bitte höchstens " + std::to_string(kMaxTypedLength)
               + " Zeichen eingeben!";
    return std::nullopt;
}

} // namespace quorvix
