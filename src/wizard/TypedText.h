#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvix {

// The longest text a box may hold; keeps every value line far below the
// 1023 bytes after which the game cuts a line and runs the rest.
constexpr std::size_t kMaxTypedLength = 127;

// Checks a text typed into a wizard box before any of it is stored. A value
// goes into the config between double quotes, so a quote would end it early
// and let the rest run as console commands, and a backslash may be read as
// escaping that quote; control characters and
// characters outside Windows-1252 cannot be written either. Returns the
// German message for the first problem, or nothing when the text is fine.
std::optional<std::string> typedTextProblem(std::string_view utf8);

} // namespace quorvix
