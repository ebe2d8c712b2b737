// Turns the bytes of the service listing into list entries.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace speedrail {

// Converts single-byte text in the system code page to UTF-8.
using CodePageDecoder = std::function<std::string(const std::string&)>;

// The listing as UTF-8 text: UTF-16LE after its byte-order mark, UTF-8 after
// its mark, otherwise single-byte text in the system code page.
std::string decodeListing(const std::string& bytes, const CodePageDecoder& fromCodePage);

// Lines end at a carriage return or at a carriage return and line feed; a
// lone line feed is part of its line; a final line end adds no empty line.
// The first line is a header and is dropped. At most `maxEntries` entries.
std::vector<std::string> listingEntries(const std::string& text, std::size_t maxEntries);

}  // namespace speedrail
