#include "services/text_fold.h"

#include <cstdint>

#include "base/utf8.h"

namespace speedrail {
namespace {

std::uint32_t lowerCodePoint(std::uint32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 0x20;
    if (c < 0xC0) return c;
    if (c <= 0xDE) return c == 0xD7 ? c : c + 0x20;  // Latin-1 capitals, not the sign ×
    if (c >= 0x100 && c <= 0x137) return c == 0x130 ? 'i' : (c | 1);  // İ folds to i
    if (c >= 0x139 && c <= 0x148) return (c & 1) ? c + 1 : c;
    if (c >= 0x14A && c <= 0x177) return c | 1;
    if (c == 0x178) return 0xFF;  // Ÿ
    if (c >= 0x179 && c <= 0x17E) return (c & 1) ? c + 1 : c;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;  // Greek
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;                // Cyrillic
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;
    if (c == 0x212A) return 'k';   // Kelvin sign
    if (c == 0x212B) return 0xE5;  // Angstrom sign
    return c;
}

}  // namespace

std::string foldToLower(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (lead < 0x80) {
            out += static_cast<char>(lowerCodePoint(lead));
            ++i;
            continue;
        }
        bool valid = lead >= 0xC2 && i + length <= utf8.size();
        std::uint32_t c = lead & (0x7F >> length);
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!valid) {  // not UTF-8: keep the byte as it is
            out += utf8[i++];
            continue;
        }
        appendUtf8(out, lowerCodePoint(c));
        i += length;
    }
    return out;
}

}  // namespace speedrail
