// Opening a web address: the system's browser launcher starts once, with
// the address alone, in a window that shows. Under Wine the launcher is
// winebrowser.exe; a logging stand-in takes its place for the test.
#include <gtest/gtest.h>
#include <windows.h>
// shellapi.h builds on the types windows.h declares.
#include <shellapi.h>

#include <atomic>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "app/win32/main_window.h"
#include "bundle/win32/process_token.h"
#include "form/site_info.h"
#include "platform/win32/page_route.h"
#include "platform/win32/shell_open_result.h"
#include "platform/win32/system_library.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/web_request.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"
#include "tests/win32/confirming_platform.h"
#include "tests/win32/platform_test_folder.h"
#include "tests/win32/polling.h"
#include "tests/win32/running_programs.h"
#include "tests/win32/under_wine.h"

namespace speedrail::win32::testing {
namespace {

bool launcherRunning() { return programRunning({L"winebrowser.exe"}); }

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

// A platform of the test's type behind a real main window, which takes the
// answers of its web requests.
template <typename Platform>
struct AnsweredInWindow {
    Platform platform;
    MainWindow window{platform};

    template <typename... Arguments>
    explicit AnsweredInWindow(Arguments... arguments) : platform(arguments...) {
        platform.setOwnerWindow(window.hwnd());
    }
    // Handles the window's messages until `condition` holds, or until a
    // request's answer has come.
    template <typename Condition>
    bool pumpUntil(Condition condition) {
        return waitFor(
            [&] {
                window.processPendingEvents();
                return condition();
            },
            kWaitMs);
    }
    bool answered() {
        return pumpUntil([&] { return window.form().state().msgAnswer != 0; });
    }
};

using WebAddress = PlatformTest;

TEST_F(WebAddress, StartsTheBrowserLauncherOnceWithTheAddressAloneAndShown) {
    if (!underWine()) GTEST_SKIP() << "the stand-in replaces Wine's browser launcher";
    const StandInBrowserLauncher launcher(toWide(childPath("browser_probe.exe")));
    AnsweredInWindow<Win32Platform> asking;

    asking.platform.openWebAddress("https://speedrail.example.org/versión");
    ASSERT_TRUE(asking.answered());
    EXPECT_GT(asking.window.form().state().msgAnswer, 32);

    const auto logged = [&] {
        return asking.platform.readFile(toUtf8(launcher.log()), 4096).value_or("");
    };
    ASSERT_TRUE(waitFor([&] { return !logged().empty(); }, 30000))
        << "the browser launcher never started";
    // A second start would have come at the same moment as the first.
    ASSERT_TRUE(waitFor([] { return !launcherRunning(); }, 30000));
    // Show command 1: a normal window. The quotes are the association's own
    // ("%1"); nothing else follows the address.
    EXPECT_EQ(logged(), "show=1|args=\"https://speedrail.example.org/versión\"\n");
}

// For as long as it lives, a URL protocol of the current user's, its
// addresses opened by the browser probe, which writes down who it runs as.
class ProbeProtocol {
public:
    explicit ProbeProtocol(const std::wstring& probe) {
        const std::wstring command = L"\"" + probe + L"\" \"%1\"";
        EXPECT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, key_.c_str(), L"URL Protocol", REG_SZ, L"",
                                    sizeof(wchar_t)),
                  ERROR_SUCCESS);
        EXPECT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, (key_ + L"\\shell\\open\\command").c_str(),
                                    nullptr, REG_SZ, command.c_str(),
                                    static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }
    ~ProbeProtocol() { ::RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str()); }
    ProbeProtocol(const ProbeProtocol&) = delete;
    ProbeProtocol& operator=(const ProbeProtocol&) = delete;

    const std::wstring scheme = L"speedrail-probe-" + std::to_wstring(::GetCurrentProcessId());

private:
    const std::wstring key_ = L"Software\\Classes\\" + scheme;
};

// Whatever rights the program has, the browser a web picture starts runs as
// the desktop's user with the desktop's rights: asked of the desktop's shell
// when the program is above it, opened by its own shell otherwise.
TEST_F(WebAddress, TheBrowserRunsAsTheDesktopsUserWithTheDesktopsRights) {
    if (underWine()) {
        GTEST_SKIP() << "Wine opens every address with its own browser launcher, and gives every "
                        "process, the desktop's too, the same full token";
    }
    const auto shell = desktopShellTokenFacts();
    if (!shell) GTEST_SKIP() << "no desktop shell to compare with";
    const std::string probe = childPath("browser_probe.exe");
    const ProbeProtocol protocol(toWide(probe));
    ::DeleteFileW(toWide(probe + ".token").c_str());
    AnsweredInWindow<Win32Platform> asking;
    asking.platform.openWebAddress(toUtf8(protocol.scheme) + ":check");
    ASSERT_TRUE(asking.answered());
    std::string token;
    ASSERT_TRUE(waitFor(
        [&] {
            return !(token = asking.platform.readFile(probe + ".token", 1000).value_or("")).empty();
        },
        kWaitMs))
        << "the probe never started";
    EXPECT_EQ(token,
              "user=" + toUtf8(shell->user) + "|elevation=" + elevationName(shell->elevation));
    ::DeleteFileW(toWide(probe + ".token").c_str());
}

TEST(ShellOpenResult, OnlyAPlainSuccessCountsAsOpened) {
    EXPECT_GT(shellOpenResult(S_OK), 32);
    EXPECT_LE(shellOpenResult(S_FALSE), 32);  // the shell started nothing
    EXPECT_EQ(shellOpenResult(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(shellOpenResult(E_FAIL), SE_ERR_NOASSOC);
}

// The browser must run as the desktop's user with the desktop's rights.
TEST(PageRoute, OnlyTheDesktopsOwnUserWithNoMoreRightsOpensPagesItself) {
    EXPECT_EQ(pageRoute(TokenElevationTypeDefault, true), PageRoute::OwnShell);  // UAC off
    EXPECT_EQ(pageRoute(TokenElevationTypeLimited, true), PageRoute::OwnShell);
    EXPECT_EQ(pageRoute(TokenElevationTypeDefault, false),
              PageRoute::DesktopShell);  // another user
    EXPECT_EQ(pageRoute(TokenElevationTypeLimited, false), PageRoute::DesktopShell);
    EXPECT_EQ(pageRoute(TokenElevationTypeFull, true), PageRoute::DesktopShell);
    EXPECT_EQ(pageRoute(std::nullopt, true), PageRoute::DesktopShell);
}

// A full queue refuses the answer for a while: it is posted again until
// taken, and no longer once the window is gone.
TEST(PostUntilTaken, TriesAgainUntilTakenOrTheWindowIsGone) {
    const HWND window =
        ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    int tries = 0;
    EXPECT_TRUE(postUntilTaken(window, [&] { return ++tries == 3; }));
    EXPECT_EQ(tries, 3);
    ::DestroyWindow(window);
    EXPECT_FALSE(postUntilTaken(window, [] { return false; }));
}

// The desktop's shell as the test has it: it answers `answer`, at once or
// only once released, or throws. The request owns what it waits on, so that
// a worker that starts late never waits on a closed handle.
class StandInShell : public ConfirmingPlatform {
public:
    enum Behaviour { AtOnce, Held, Throwing };
    struct Gate {
        UniqueKernelHandle released{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
        std::atomic<int> requests{0};
        std::atomic<bool> answered{false};
    };

    StandInShell(std::optional<HRESULT> answer, Behaviour behaviour)
        : answer_(answer), behaviour_(behaviour) {}
    ~StandInShell() override { release(); }
    void release() const { ::SetEvent(gate->released.get()); }

    const std::shared_ptr<Gate> gate = std::make_shared<Gate>();

private:
    DesktopShellRequest desktopShellRoute() const override {
        return [gate = gate, answer = answer_, behaviour = behaviour_](const std::wstring&) {
            ++gate->requests;
            if (behaviour == Throwing) throw std::runtime_error("the shell failed");
            if (behaviour == Held) ::WaitForSingleObject(gate->released.get(), kWaitMs);
            gate->answered = true;
            return answer;
        };
    }

    std::optional<HRESULT> answer_;
    Behaviour behaviour_;
};

using PageRequest = PlatformTest;

bool askedOfDesktopShell() { return pageRouteOfThisProcess() == PageRoute::DesktopShell; }

// The shell is held past the time a page may take: the click returns at
// once, the pointer shows the request, the user is told once that it is
// slow, and the late "opened" adds nothing.
TEST_F(PageRequest, AHeldShellLeavesTheWindowFreeIsAskedOnceAndIsToldSlowOnce) {
    if (!askedOfDesktopShell()) GTEST_SKIP() << "only the desktop's shell is stood in for";
    AnsweredInWindow<StandInShell> asking(S_OK, StandInShell::Held);
    Form1& form = asking.window.form();
    const HWND window = asking.window.hwnd();
    asking.window.setPointer(Pointer::Default);  // as start-up leaves it

    const ULONGLONG clicked = ::GetTickCount64();
    form.Click(layout::ControlId::Image1);
    EXPECT_FALSE(asking.platform.gate->answered) << "the click waited for the shell";
    ::SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_APPSTARTING));
    ASSERT_TRUE(asking.pumpUntil([&] { return asking.platform.boxesShown > 0; }));
    EXPECT_GE(::GetTickCount64() - clicked, kSlowWebAnswerMs);
    EXPECT_NE(asking.platform.lastText.find("tardando"), std::string::npos);

    asking.platform.release();
    ASSERT_TRUE(asking.answered());
    EXPECT_GT(form.state().msgAnswer, 32);
    EXPECT_EQ(asking.platform.boxesShown, 1);
    EXPECT_EQ(asking.platform.gate->requests, 1);
}

// A shell that throws: the answer still comes, with the address, and the
// next click asks again.
TEST_F(PageRequest, AShellThatThrowsStillAnswersAndTheNextClickAsksAgain) {
    if (!askedOfDesktopShell()) GTEST_SKIP() << "only the desktop's shell is stood in for";
    AnsweredInWindow<StandInShell> asking(S_OK, StandInShell::Throwing);
    asking.window.form().Click(layout::ControlId::Image1);
    ASSERT_TRUE(asking.answered());
    EXPECT_EQ(asking.platform.boxesShown, 1);
    asking.window.form().Click(layout::ControlId::Image1);
    EXPECT_TRUE(waitFor([&] { return asking.platform.gate->requests == 2; }, kWaitMs));
}

// No shell to ask, one that fails, and one that starts nothing: the user
// gets the address, and nothing starts a browser with the program's rights.
TEST_F(PageRequest, EveryUnopenedPageShowsItsAddressAndStartsNothing) {
    if (!underWine()) GTEST_SKIP() << "the stand-in replaces Wine's browser launcher";
    const StandInBrowserLauncher launcher(toWide(childPath("browser_probe.exe")));
    for (const std::optional<HRESULT> answer :
         {std::optional<HRESULT>(), std::optional(E_FAIL), std::optional(S_FALSE)}) {
        SCOPED_TRACE(answer ? *answer : 0);
        AnsweredInWindow<StandInShell> asking(answer, StandInShell::AtOnce);
        asking.window.form().Click(layout::ControlId::Image1);
        ASSERT_TRUE(asking.answered());
        EXPECT_EQ(asking.platform.boxesShown, 1);
        const std::string address = std::string("\r\n\r\n") + site::kProgramPage;
        EXPECT_EQ(asking.platform.lastText.substr(asking.platform.lastText.size() - address.size()),
                  address);
    }
    EXPECT_FALSE(launcherRunning());
    EXPECT_EQ(::GetFileAttributesW(launcher.log().c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace speedrail::win32::testing
