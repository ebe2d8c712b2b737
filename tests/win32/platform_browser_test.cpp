// Opening a web address: the system's browser launcher starts once, with
// the address alone, in a window that shows. Under Wine the launcher is
// winebrowser.exe; a logging stand-in takes its place for the test.
#include <gtest/gtest.h>
#include <windows.h>
// shellapi.h and tlhelp32.h build on the types windows.h declares.
#include <shellapi.h>
#include <tlhelp32.h>

#include <string>

#include "platform/win32/shell_open_result.h"
#include "platform/win32/system_library.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"
#include "tests/win32/confirming_platform.h"
#include "tests/win32/platform_test_folder.h"
#include "tests/win32/polling.h"
#include "tests/win32/under_wine.h"

namespace speedrail::win32::testing {
namespace {

bool launcherRunning() {
    const UniqueKernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more;
         more = ::Process32NextW(snapshot.get(), &entry)) {
        if (::lstrcmpiW(entry.szExeFile, L"winebrowser.exe") == 0) return true;
    }
    return false;
}

// For as long as it lives, the stand-in (browser_probe.exe) is the system's
// winebrowser.exe, run as native code: by default Wine runs its own build
// whatever file lies there. Wine reads the override for every new process
// from the registry. A copy of the real launcher left over from a run that
// died is put back first.
class StandInBrowserLauncher {
public:
    explicit StandInBrowserLauncher(const std::wstring& probe) {
        if (::GetFileAttributesW(original_.c_str()) != INVALID_FILE_ATTRIBUTES) restore();
        EXPECT_TRUE(::CopyFileW(launcher_.c_str(), original_.c_str(), FALSE));
        EXPECT_TRUE(::CopyFileW(probe.c_str(), launcher_.c_str(), FALSE));
        ::DeleteFileW(log().c_str());
        const std::wstring native = L"native";
        EXPECT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, kOverrides, kName, REG_SZ, native.c_str(),
                                    static_cast<DWORD>((native.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }
    ~StandInBrowserLauncher() {
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kOverrides, kName);
        restore();
        ::DeleteFileW(log().c_str());
    }
    StandInBrowserLauncher(const StandInBrowserLauncher&) = delete;
    StandInBrowserLauncher& operator=(const StandInBrowserLauncher&) = delete;

    // One line per start of the launcher.
    std::wstring log() const { return launcher_ + L".log"; }

private:
    void restore() {
        ::MoveFileExW(original_.c_str(), launcher_.c_str(), MOVEFILE_REPLACE_EXISTING);
    }

    static constexpr const wchar_t* kOverrides = L"Software\\Wine\\DllOverrides";
    static constexpr const wchar_t* kName = L"winebrowser.exe";
    const std::wstring launcher_ = systemFolder() + L"\\winebrowser.exe";
    const std::wstring original_ = launcher_ + L".speedrail-original";
};

using WebAddress = PlatformTest;

TEST_F(WebAddress, StartsTheBrowserLauncherOnceWithTheAddressAloneAndShown) {
    if (!underWine()) GTEST_SKIP() << "the stand-in replaces Wine's browser launcher";
    const StandInBrowserLauncher launcher(toWide(childPath("browser_probe.exe")));
    Win32Platform platform;

    EXPECT_GT(platform.openWebAddress("https://speedrail.example.org/versión"), 32);

    const auto logged = [&] {
        return platform.readFile(toUtf8(launcher.log()), 4096).value_or("");
    };
    ASSERT_TRUE(waitFor([&] { return !logged().empty(); }, 30000))
        << "the browser launcher never started";
    // A second start would have come at the same moment as the first.
    ASSERT_TRUE(waitFor([] { return !launcherRunning(); }, 30000));
    // Show command 1: a normal window. The quotes are the association's own
    // ("%1"); nothing else follows the address.
    EXPECT_EQ(logged(), "show=1|args=\"https://speedrail.example.org/versión\"\n");
}

TEST(ShellOpenResult, OnlyAPlainSuccessCountsAsOpened) {
    EXPECT_GT(shellOpenResult(S_OK), 32);
    EXPECT_LE(shellOpenResult(S_FALSE), 32);  // the shell started nothing
    EXPECT_EQ(shellOpenResult(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(shellOpenResult(E_FAIL), SE_ERR_NOASSOC);
}

// The desktop's shell missing, or hung until the platform goes.
class WithoutDesktopShell : public ConfirmingPlatform {
public:
    explicit WithoutDesktopShell(bool hung) : hung_(hung) {}
    ~WithoutDesktopShell() override { ::SetEvent(release_.get()); }

private:
    DesktopShellRoute desktopShellRoute() const override {
        if (!hung_) return {[](const std::wstring&) { return std::optional<HRESULT>(); }};
        const HANDLE release = release_.get();
        return {[release](const std::wstring&) {
                    ::WaitForSingleObject(release, INFINITE);
                    return std::optional<HRESULT>(S_OK);
                },
                500};
    }

    bool hung_;
    UniqueKernelHandle release_{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
};

// Under Wine every process is elevated: nothing may start the browser with
// its rights, so the user gets the address to open by hand.
TEST_F(WebAddress, WithoutAnAnsweringDesktopShellNothingStartsAndTheAddressIsShown) {
    if (!underWine()) GTEST_SKIP() << "the stand-in replaces Wine's browser launcher";
    const StandInBrowserLauncher launcher(toWide(childPath("browser_probe.exe")));
    for (const bool hung : {false, true}) {
        SCOPED_TRACE(hung ? "hung" : "missing");
        WithoutDesktopShell platform(hung);
        EXPECT_EQ(platform.openWebAddress("https://speedrail.example.org/versión"),
                  SE_ERR_ACCESSDENIED);
        EXPECT_EQ(platform.boxesShown, 1);
        EXPECT_EQ(platform.lastText,
                  "No se ha podido abrir la página como usuario del escritorio. Ábrala en su "
                  "navegador:\n\nhttps://speedrail.example.org/versión");
    }
    // The shell's open function returns once the launcher's process exists.
    EXPECT_FALSE(launcherRunning());
    EXPECT_EQ(::GetFileAttributesW(launcher.log().c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace speedrail::win32::testing
