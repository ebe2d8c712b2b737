// Win32Platform's file operations in the current folder.
#include <windows.h>

#include <algorithm>
#include <set>
#include <string>

#include "platform/win32/wide_text.h"
#include "platform_test_folder.h"

namespace speedrail::win32::testing {
namespace {

class PlatformFilesTest : public PlatformTest {
protected:
    std::set<std::string> findAll(const std::string& pattern) {
        std::set<std::string> names;
        auto search = platform_.findNormalFiles(pattern);
        while (auto name = search->next()) names.insert(*name);
        EXPECT_EQ(search->next(), std::nullopt) << "an exhausted search must stay exhausted";
        return names;
    }

    Win32Platform platform_;
};

TEST_F(PlatformFilesTest, OnlyNormalFilesAreFoundAndExist) {
    struct Entry {
        const char* name;
        DWORD attributes;  // 0: folder
        bool normal;
    };
    const Entry entries[] = {
        {"a.mid", FILE_ATTRIBUTE_NORMAL, true},
        {" 3.mid", FILE_ATTRIBUTE_NORMAL, true},  // the leading blank is part of the name
        {"readonly.mid", FILE_ATTRIBUTE_READONLY, true},
        {"archive.mid", FILE_ATTRIBUTE_ARCHIVE, true},
        {"hidden.mid", FILE_ATTRIBUTE_HIDDEN, false},
        {"system.mid", FILE_ATTRIBUTE_SYSTEM, false},
        {"folder.mid", 0, false},
        {"notes.txt", FILE_ATTRIBUTE_NORMAL, true},
        {"canci\303\263n.mid", FILE_ATTRIBUTE_NORMAL, true},  // UTF-8 both ways
    };
    for (const Entry& e : entries) {
        const std::wstring name = toWide(e.name);
        if (e.attributes == 0) {
            ASSERT_TRUE(::CreateDirectoryW(name.c_str(), nullptr));
        } else {
            createFile(e.name, "x");
            ASSERT_TRUE(::SetFileAttributesW(name.c_str(), e.attributes));
        }
    }
    for (const Entry& e : entries) {
        EXPECT_EQ(platform_.normalFileExists(e.name), e.normal) << e.name;
    }
    EXPECT_FALSE(platform_.normalFileExists("missing.mid"));
    EXPECT_FALSE(platform_.normalFileExists(""));

    EXPECT_EQ(findAll("*.mid"), (std::set<std::string>{" 3.mid", "a.mid", "archive.mid",
                                                       "canci\303\263n.mid", "readonly.mid"}));
    EXPECT_EQ(findAll("*.txt"), (std::set<std::string>{"notes.txt"}));
    EXPECT_EQ(findAll("*.wav"), std::set<std::string>{});
}

TEST_F(PlatformFilesTest, ReadFileGivesAtMostMaxBytesFromTheStartOrNothing) {
    createFile("ten.txt", "0123456789");
    ASSERT_TRUE(::CreateDirectoryW(L"folder", nullptr));
    struct Case {
        const char* name;
        std::size_t maxBytes;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"ten.txt", 0, ""},
        {"ten.txt", 4, "0123"},
        {"ten.txt", 10, "0123456789"},
        {"ten.txt", 1 << 30, "0123456789"},
        {"missing.txt", 100, std::nullopt},
        {"folder", 100, std::nullopt},
        {"no_such_folder\\x.txt", 100, std::nullopt},
        {"", 100, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform_.readFile(c.name, c.maxBytes), c.expected)
            << c.name << " " << c.maxBytes;
    }
}

TEST_F(PlatformFilesTest, ReadFileOfALargeFileStopsAtMaxBytes) {
    // Larger than one read, so the pieces must join up exactly.
    std::string large(3 * 1024 * 1024 + 17, '\0');
    for (std::size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>(i * 7 % 251);
    createFile("large.bin", large);
    const std::size_t limit = 2 * 1024 * 1024 + 5;
    EXPECT_EQ(platform_.readFile("large.bin", limit), large.substr(0, limit));
    EXPECT_EQ(platform_.readFile("large.bin", large.size() + 1), large);
}

TEST_F(PlatformFilesTest, WriteFileCreatesOrReplacesWithExactlyTheBytes) {
    const std::string binary("line\r\n\0\xff end", 12);
    for (const std::string& bytes :
         {std::string("a much longer first content"), binary, std::string()}) {
        ASSERT_TRUE(platform_.writeFile("srv.cmd", bytes));
        EXPECT_EQ(platform_.readFile("srv.cmd", 1000), bytes);
    }
}

TEST_F(PlatformFilesTest, WriteFileFailsCleanlyWhereItCannotWrite) {
    ASSERT_TRUE(::CreateDirectoryW(L"folder", nullptr));
    for (const char* name : {"no_such_folder\\srv.cmd", "folder", ""}) {
        EXPECT_FALSE(platform_.writeFile(name, "data")) << name;
    }
    EXPECT_EQ(::GetFileAttributesW(L"no_such_folder"), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(::GetFileAttributesW(L"folder") & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST_F(PlatformFilesTest, SystemCodePageBytesBecomeUtf8) {
    // The bytes "Espa\361a \351" (0xF1 and 0xE9) read in each code page,
    // written as UTF-8 in octal.
    struct Case {
        UINT codePage;
        const char* utf8;
    };
    const Case cases[] = {
        {1252, "Espa\303\261a \303\251"},  // Western European: n tilde, e acute
        {1250, "Espa\305\204a \303\251"},  // Central European: n acute, e acute
        {1251, "Espa\321\201a \320\271"},  // Cyrillic: es, short i
    };
    const UINT codePage = ::GetACP();
    const auto match = std::find_if(std::begin(cases), std::end(cases),
                                    [&](const Case& c) { return c.codePage == codePage; });
    if (match == std::end(cases)) GTEST_SKIP() << "no case for code page " << codePage;
    EXPECT_EQ(platform_.systemCodePageToUtf8("Espa\361a \351"), match->utf8);
    EXPECT_EQ(platform_.systemCodePageToUtf8("plain ASCII"), "plain ASCII");
    EXPECT_EQ(platform_.systemCodePageToUtf8(""), "");
}

}  // namespace
}  // namespace speedrail::win32::testing
