// Listings as the listing tool writes them, built from names, and text in
// the encodings the tests read listings in. The tests' code page is
// Latin-1: each byte is the character of that code point.
#pragma once

#include <string>
#include <vector>

namespace speedrail::testing {

enum class ListingEncoding {
    CodePage,  // single bytes in the tests' code page
    Utf16,     // UTF-16LE after its byte-order mark, as the listing tool writes
};

// A header, then one name a line, each line ended by CR LF. The names are
// text in the tests' code page.
std::string listingNaming(const std::vector<std::string>& names,
                          ListingEncoding encoding = ListingEncoding::CodePage);
// `text` as UTF-16LE after its byte-order mark.
std::string utf16le(const std::u16string& text);
// Text in the tests' code page as UTF-8.
std::string latin1ToUtf8(const std::string& bytes);

}  // namespace speedrail::testing
