#include "platform/music_file_name.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace speedrail {
namespace {

TEST(MusicFileName, PrefersTheExactNameThenTheNameWithoutLeadingBlanks) {
    struct Case {
        const char* name;
        std::set<std::string> folder;
        const char* expected;
    };
    const Case cases[] = {
        {" 3.mid", {" 3.mid", "3.mid"}, " 3.mid"},  // exact name wins
        {" 3.mid", {"3.mid"}, "3.mid"},
        {" 3.mid", {}, "3.mid"},  // missing: still the trimmed name
        {" 3.mid", {" 4.mid", "4.mid"}, "3.mid"},
        {"   12.mid", {"12.mid"}, "12.mid"},  // every leading blank goes
        {"3.mid", {}, "3.mid"},
        {"3.mid ", {}, "3.mid "},     // trailing blanks are not touched
        {" a b.mid", {}, "a b.mid"},  // inner blanks are not touched
        {"", {}, ""},
        {"   ", {}, "   "},  // nothing left to trim to
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.name + "\"");
        const auto exists = [&](const std::string& name) { return c.folder.count(name) > 0; };
        EXPECT_EQ(resolveMusicFileName(c.name, exists), c.expected);
    }
}

}  // namespace
}  // namespace speedrail
