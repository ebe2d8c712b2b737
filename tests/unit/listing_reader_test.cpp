#include "services/listing_reader.h"

#include <gtest/gtest.h>

#include "tests/support/listing.h"

namespace speedrail {
namespace {

using testing::ListingEncoding;
using testing::listingNaming;
using testing::utf16le;

std::vector<std::string> entriesOf(const std::string& bytes) {
    return listingEntries(decodeListing(bytes, testing::latin1ToUtf8), 32767);
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
        entriesOf(listingNaming({"Spooler  ", "RpcSs    ", "Se\xF1or"}, ListingEncoding::Utf16));
    EXPECT_EQ(entries, (Entries{"Spooler  ", "RpcSs    ", "Se\xC3\xB1or"}));
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
    const auto entries = listingEntries(listingNaming({"S0", "S1", "S2", "S3", "S4"}), 3);
    EXPECT_EQ(entries, (Entries{"S0", "S1", "S2"}));
}

}  // namespace
}  // namespace speedrail
