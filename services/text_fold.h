// Lower-case folding of UTF-8 text with the simple one-to-one mapping the
// system uses for ordinary text (accented capitals included).
#pragma once

#include <string>

namespace speedrail {

std::string foldToLower(const std::string& utf8);

}  // namespace speedrail
