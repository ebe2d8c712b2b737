#include "services/command_line.h"

#include <gtest/gtest.h>

namespace speedrail {
namespace {

struct QuoteCase {
    std::string entry;
    std::string stop, netStop, start;
};

class ServiceCommandLines : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(ServiceCommandLines, QuoteTheTrimmedName) {
    const auto& c = GetParam();
    EXPECT_EQ(scStopCommand(c.entry), c.stop);
    EXPECT_EQ(netStopCommand(c.entry), c.netStop);
    EXPECT_EQ(scStartCommand(c.entry), c.start);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ServiceCommandLines,
    ::testing::Values(QuoteCase{"Spooler   ", R"(sc stop "Spooler")", R"(net stop "Spooler")",
                                R"(sc start "Spooler")"},
                      QuoteCase{"  Inner Blank Name ", R"(sc stop "Inner Blank Name")",
                                R"(net stop "Inner Blank Name")", R"(sc start "Inner Blank Name")"},
                      QuoteCase{"", R"(sc stop "")", R"(net stop "")", R"(sc start "")"},
                      QuoteCase{"    ", R"(sc stop "")", R"(net stop "")", R"(sc start "")"},
                      QuoteCase{R"(a"b)", R"(sc stop "a\"b")", R"(net stop "a\"b")",
                                R"(sc start "a\"b")"}));

// What a Windows program's argument splitter gives back for one argument.
std::string splitOneArgument(const std::string& commandLineArgument) {
    std::string out;
    bool quoted = false;
    std::size_t backslashes = 0;
    for (const char c : commandLineArgument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            out.append(backslashes / 2, '\\');
            if (backslashes % 2 == 1) {
                out += '"';
            } else {
                quoted = !quoted;
            }
        } else {
            out.append(backslashes, '\\');
            if (c == ' ' && !quoted) return "<split>";
            out += c;
        }
        backslashes = 0;
    }
    out.append(backslashes, '\\');
    return out;
}

TEST(QuoteArgument, HostileNamesComeBackWhole) {
    for (const std::string name : {R"(a"b)", R"(x\)", R"(x\\)", R"(a\"b)", R"(" & calc & ")",
                                   R"(name with "quotes" and \\" tail\)", "\"", "\\"}) {
        EXPECT_EQ(splitOneArgument(quoteArgument(name)), name) << name;
    }
}

}  // namespace
}  // namespace speedrail
