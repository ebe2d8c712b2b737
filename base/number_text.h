// The two ways numbers are written in the window's texts.
#pragma once

#include <string>

namespace speedrail {

// Decimal digits with a leading blank in the place of the sign for numbers
// that are not negative: 3 -> " 3", -3 -> "-3".
inline std::string withSignPlace(long long number) {
    return (number < 0 ? "" : " ") + std::to_string(number);
}

// Plain decimal digits: 12 -> "12".
inline std::string plainDigits(long long number) { return std::to_string(number); }

}  // namespace speedrail
