// Appending one Unicode code point to UTF-8 text.
#pragma once

#include <cstdint>
#include <string>

namespace speedrail {

void appendUtf8(std::string& out, std::uint32_t codePoint);

}  // namespace speedrail
