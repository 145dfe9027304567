#include "common/GameNumber.h"

#include <charconv>

namespace quorvix {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isPlainNumber(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool separator = false;
    bool digits = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c))
            digits = true;
        else if ((c == '.' || c == ',') && !separator)
            separator = true;
        else
            return false;
    }
    return digits;
}

} // namespace

std::string numberAsMeant(std::string_view typed)
{
    if (!isPlainNumber(typed))
        return std::string(typed);
    std::string meant(typed.substr(typed.front() == '+' ? 1 : 0));
    if (const auto comma = meant.find(','); comma != std::string::npos)
        meant[comma] = '.';
    return meant;
}

std::optional<double> plainNumber(std::string_view typed)
{
    if (!isPlainNumber(typed))
        return std::nullopt;
    const std::string meant = numberAsMeant(typed);
    double value = 0;
    const char* end = meant.data() + meant.size();
    const auto [stop, error] = std::from_chars(meant.data(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

} // namespace quorvix
