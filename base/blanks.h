// Blanks around a text: the service listing pads names with them.
#pragma once

#include <string>

namespace speedrail {

// The text without blanks at either end.
inline std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace speedrail
