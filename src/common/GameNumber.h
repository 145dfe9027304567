#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvix {

// The game reads a number up to the first character that cannot belong to
// one and knows no plus sign: "2,5" reads as 2 and "+100" as 0. A player
// typing either meant 2.5 and 100.
//
// When the whole text is one decimal number (an optional sign, digits and
// at most one decimal point or comma), returns it as the game reads what was
// meant: the comma becomes a point and a leading plus goes. Any other text
// ("+-5", "1,2,3", blanks, letters, nothing) comes back as typed; it is not
// a number the player wrote plainly, so guessing would be worse.
std::string numberAsMeant(std::string_view typed);

// The value of a text that is one decimal number as above ("99,5", "+100",
// "-5", ".5"); nothing for any other text.
std::optional<double> plainNumber(std::string_view typed);

} // namespace quorvix
