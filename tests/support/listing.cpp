#include "tests/support/listing.h"

#include "base/utf8.h"

namespace speedrail::testing {

std::string listingNaming(const std::vector<std::string>& names, ListingEncoding encoding) {
    std::string listing = "Name\r\n";
    for (const auto& name : names) listing += name + "\r\n";
    if (encoding == ListingEncoding::CodePage) return listing;
    std::u16string wide;
    for (const char byte : listing) wide += static_cast<char16_t>(static_cast<unsigned char>(byte));
    return utf16le(wide);
}

std::string utf16le(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

std::string latin1ToUtf8(const std::string& bytes) {
    std::string utf8;
    for (const char byte : bytes) appendUtf8(utf8, static_cast<unsigned char>(byte));
    return utf8;
}

}  // namespace speedrail::testing
