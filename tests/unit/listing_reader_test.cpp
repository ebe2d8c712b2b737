#include "services/listing_reader.h"

#include <gtest/gtest.h>

#include "base/utf8.h"

namespace speedrail {
namespace {

std::string latin1ToUtf8(const std::string& bytes) {
    std::string utf8;
    for (const char byte : bytes) appendUtf8(utf8, static_cast<unsigned char>(byte));
    return utf8;
}

std::string utf16le(const std::u16string& text, bool mark = true) {
    std::string bytes = mark ? "\xFF\xFE" : "";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

std::vector<std::string> entriesOf(const std::string& bytes) {
    return listingEntries(decodeListing(bytes, latin1ToUtf8), 32767);
}

using Entries = std::vector<std::string>;

struct LineCase {
    const char* name;
    std::string listing;
    Entries expected;
};

class ListingLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(ListingLines, SplitsAfterTheHeader) {
    EXPECT_EQ(entriesOf(GetParam().listing), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListingLines,
    ::testing::Values(
        LineCase{"three_names",
                 "Name  \r\nBITS  \r\nSpooler\r\nRpcSs \r\n",
                 {"BITS  ", "Spooler", "RpcSs "}},
        LineCase{"header_only", "Name\r\n", {}}, LineCase{"empty", "", {}},
        LineCase{"no_final_line_end", "Name\r\nA\r\nB", {"A", "B"}},
        LineCase{"empty_lines_stay", "Name\r\nA\r\n\r\n\r\nB\r\n", {"A", "", "", "B"}},
        LineCase{"lone_cr_ends_a_line", "Name\rA\rB\r", {"A", "B"}},
        LineCase{"lone_lf_is_text", "Name\r\nA\nB\r\n", {"A\nB"}},
        LineCase{"lf_cr_is_text_then_end", "Name\r\nA\n\r\nB", {"A\n", "B"}},
        LineCase{"duplicates_stay", "Name\r\nX\r\nX\r\n", {"X", "X"}},
        LineCase{"code_page_text", "Name\r\nServicio\xF1o\r\n", {"Servicio\xC3\xB1o"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListingDecoding, Utf16WithMarkAsTheListingToolWritesIt) {
    const auto entries =
        entriesOf(utf16le(u"Name     \r\nSpooler  \r\nRpcSs    \r\nSe\u00F1al\r\n"));
    EXPECT_EQ(entries, (Entries{"Spooler  ", "RpcSs    ",
                                "Se\xC3\xB1"
                                "al"}));
}

TEST(ListingDecoding, Utf8MarkIsDropped) {
    EXPECT_EQ(entriesOf("\xEF\xBB\xBFName\r\nA\xC3\xB1\r\n"), (Entries{"A\xC3\xB1"}));
}

TEST(ListingDecoding, BrokenUtf16NeverFailsTheRead) {
    // An unpaired surrogate and an odd last byte: the names still come through.
    std::string bytes = utf16le(
        u"Name\r\nA\xD800"
        u"B\r\nC\r\n");
    bytes += 'x';
    EXPECT_EQ(entriesOf(bytes), (Entries{"A\xEF\xBF\xBD"
                                         "B",
                                         "C"}));
}

TEST(ListingDecoding, SurrogatePairsBecomeOneCharacter) {
    EXPECT_EQ(entriesOf(utf16le(u"Name\r\n\U0001F600\r\n")), (Entries{"\xF0\x9F\x98\x80"}));
}

TEST(ListingEntries, StopsAtTheLimit) {
    std::string text = "Name\r\n";
    for (int i = 0; i < 10; ++i) text += "S" + std::to_string(i) + "\r\n";
    const auto entries = listingEntries(text, 3);
    EXPECT_EQ(entries, (Entries{"S0", "S1", "S2"}));
}

}  // namespace
}  // namespace speedrail
