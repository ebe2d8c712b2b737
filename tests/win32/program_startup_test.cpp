// The real program from its distribution folder: the warning appears before
// the main window, and closing the main window ends the program. A copy of
// it loads no DLL dropped beside it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/wide_text.h"
#include "tests/win32/started_program.h"
#include "tests/win32/under_wine.h"

namespace speedrail::win32::testing {
namespace {

// Under Wine, for as long as the object lives, programs named SpeeDRaiL.exe
// load these DLLs "native, then builtin", which gives Windows' search order
// (the program's folder first) for them; by default Wine's own builds come
// first. Wine reads WINEDLLOVERRIDES from the environment the test run was
// started with, not from the one a process hands its child, so the setting
// goes where Wine also looks: the program's own key in the registry.
// Outside Wine nothing needs doing.
class SearchedLikeWindows {
public:
    explicit SearchedLikeWindows(const std::vector<std::wstring>& dlls) : dlls_(dlls) {
        if (!underWine()) return;
        const LSTATUS created = ::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0,
                                                  KEY_SET_VALUE, nullptr, &key_, nullptr);
        EXPECT_EQ(created, ERROR_SUCCESS);
        if (created != ERROR_SUCCESS) {
            key_ = nullptr;
            return;
        }
        const std::wstring order = L"native,builtin";
        for (const auto& dll : dlls_) {
            EXPECT_EQ(::RegSetValueExW(key_, dll.c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(order.c_str()),
                                       static_cast<DWORD>((order.size() + 1) * sizeof(wchar_t))),
                      ERROR_SUCCESS);
        }
    }
    ~SearchedLikeWindows() {
        if (!key_) return;
        for (const auto& dll : dlls_) ::RegDeleteValueW(key_, dll.c_str());
        ::RegCloseKey(key_);
        ::RegDeleteKeyW(HKEY_CURRENT_USER, kKey);
        ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\SpeeDRaiL.exe");
    }
    SearchedLikeWindows(const SearchedLikeWindows&) = delete;
    SearchedLikeWindows& operator=(const SearchedLikeWindows&) = delete;

private:
    static constexpr const wchar_t* kKey =
        L"Software\\Wine\\AppDefaults\\SpeeDRaiL.exe\\DllOverrides";
    std::vector<std::wstring> dlls_;
    HKEY key_ = nullptr;
};

using ProgramStartup = ProgramTest;

TEST_F(ProgramStartup, WarningComesFirstThenTheWindowAndClosingItEndsTheProgram) {
    ASSERT_TRUE(start(folder_));
    EXPECT_FALSE(shown(windows().main)) << "the main window showed before the message was answered";
    ASSERT_TRUE(answerWarning());
    EXPECT_EQ(windows().warning, nullptr);
    EXPECT_TRUE(close());
}

// The DLLs the program loads that are not among the system's known DLLs,
// each dropped beside a copy of the program as a DLL that leaves a mark when
// loaded, and searched for as Windows searches. Left out are the DLLs that
// Wine's own builds of known DLLs import (version, zlib1, win32u, ucrtbase,
// combase, shcore): Wine loads those before the program's first
// instruction, where Windows takes a known DLL's imports from the system
// folder.
TEST_F(ProgramStartup, DllsDroppedBesideTheProgramAreNeverLoadedAndTheWindowStillOpens) {
    const std::vector<std::wstring> dropped = {
        L"comctl32", L"uxtheme", L"msimg32", L"windowscodecs", L"propsys", L"winmm", L"msacm32",
        L"mpr",      L"wmp",     L"dsound",  L"msvfw32",       L"quartz",  L"oleacc"};
    const std::wstring program = folder_ + L"\\SpeeDRaiL.exe";
    ASSERT_TRUE(::CopyFileW(distributedProgram().c_str(), program.c_str(), TRUE));
    for (const auto& name : dropped) {
        const std::wstring path = folder_ + L"\\" + name + L".dll";
        ASSERT_TRUE(
            ::CopyFileW(toWide(childPath("load_mark_dll.dll")).c_str(), path.c_str(), TRUE));
    }
    const SearchedLikeWindows searched(dropped);
    ASSERT_TRUE(start(folder_, program));
    ASSERT_TRUE(answerWarning());
    EXPECT_TRUE(close());

    for (const auto& name : dropped) {
        EXPECT_EQ(::GetFileAttributesW((folder_ + L"\\" + name + L".dll.loaded").c_str()),
                  INVALID_FILE_ATTRIBUTES)
            << toUtf8(name) << ".dll was loaded from the program's folder";
    }
}

}  // namespace
}  // namespace speedrail::win32::testing
