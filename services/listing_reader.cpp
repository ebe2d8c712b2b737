#include "services/listing_reader.h"

#include <cstdint>

#include "base/utf8.h"

namespace speedrail {
namespace {

// UTF-16LE to UTF-8; an unpaired surrogate becomes U+FFFD and an odd last
// byte is dropped.
std::string utf16leToUtf8(const std::string& bytes, std::size_t start) {
    constexpr std::uint32_t kReplacement = 0xFFFD;
    std::string out;
    out.reserve((bytes.size() - start) / 2);
    const auto unitAt = [&](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
    };
    for (std::size_t i = start; i + 1 < bytes.size(); i += 2) {
        const std::uint32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const std::uint32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        appendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit);
    }
    return out;
}

bool startsWith(const std::string& bytes, const char* mark, std::size_t length) {
    return bytes.compare(0, length, mark, length) == 0;
}

}  // namespace

std::string decodeListing(const std::string& bytes, const CodePageDecoder& fromCodePage) {
    if (startsWith(bytes, "\xFF\xFE", 2)) return utf16leToUtf8(bytes, 2);
    if (startsWith(bytes, "\xEF\xBB\xBF", 3)) return bytes.substr(3);
    return fromCodePage(bytes);
}

std::vector<std::string> listingEntries(const std::string& text, std::size_t maxEntries) {
    std::vector<std::string> entries;
    bool header = true;
    std::size_t start = 0;
    while (start < text.size() && entries.size() < maxEntries) {
        std::size_t end = text.find('\r', start);
        if (end == std::string::npos) end = text.size();
        if (header) {
            header = false;
        } else {
            entries.emplace_back(text, start, end - start);
        }
        start = end + 1;
        if (start < text.size() && text[start] == '\n') ++start;
    }
    return entries;
}

}  // namespace speedrail
