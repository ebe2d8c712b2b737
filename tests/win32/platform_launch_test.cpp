// Win32Platform::launch under the real process machinery.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"
#include "platform_test_folder.h"
#include "tests/win32/dropped_tools.h"
#include "tests/win32/service_states.h"

namespace speedrail::win32::testing {
namespace {

using ::speedrail::testing::ensureServiceRunning;
using ::speedrail::testing::waitForServiceState;

constexpr std::uint32_t kChildTimeoutMs = 30000;

class PlatformLaunchTest : public PlatformTest {
protected:
    // Runs the stdin probe with this style and input; returns its report.
    std::string probe(WindowStyle style, ChildInput input, const std::string& arguments = "") {
        const std::string commandLine =
            "\"" + childPath("stdin_probe.exe") + "\" report.txt" + arguments;
        auto process = platform_.launch(commandLine, ProgramLookup::SystemSearch, style, input);
        EXPECT_TRUE(process->waitForExit(kChildTimeoutMs)) << "child still waiting";
        return platform_.readFile("report.txt", 1000).value_or("no report");
    }

    Win32Platform platform_;
};

TEST_F(PlatformLaunchTest, NullDeviceGivesEndOfInputAtOnceAndTheAskedWindowStyle) {
    struct Case {
        WindowStyle style;
        const char* show;
    };
    for (const Case& c :
         {Case{WindowStyle::Normal, "show=1\n"}, Case{WindowStyle::MinimizedNoFocus, "show=7\n"}}) {
        SCOPED_TRACE(c.show);
        EXPECT_EQ(probe(c.style, ChildInput::NullDevice),
                  std::string(c.show) + "stdhandles=1\nconsole=0\ninput=eof\n");
    }
}

TEST_F(PlatformLaunchTest, ConsoleInputLeavesTheChildItsOwnConsole) {
    EXPECT_EQ(probe(WindowStyle::Normal, ChildInput::Console),
              "show=1\nstdhandles=0\nconsole=1\ninput=unread\n");
}

// An inheritable handle the program happens to hold when it launches (here
// a file the child could read) stays out of the child.
TEST_F(PlatformLaunchTest, TheChildInheritsNoOtherHandleThanTheNullDevice) {
    createFile("secret.txt", "secret");
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    const UniqueKernelHandle secret(::CreateFileW(L"secret.txt", GENERIC_READ, FILE_SHARE_READ,
                                                  &inheritable, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(secret);
    const std::string value = std::to_string(reinterpret_cast<std::uintptr_t>(secret.get()));
    EXPECT_EQ(probe(WindowStyle::MinimizedNoFocus, ChildInput::NullDevice, " " + value),
              "show=7\nstdhandles=1\nconsole=0\ninput=eof\nhandle=none\n");
}

TEST_F(PlatformLaunchTest, ScriptByBareNameRunsFromTheCurrentFolderWithItsArguments) {
    createFile("probe.cmd", "@echo %1> cmd_ran.txt\r\n");
    for (ChildInput input : {ChildInput::NullDevice, ChildInput::Console}) {
        SCOPED_TRACE(input == ChildInput::NullDevice ? "null device" : "console");
        ::DeleteFileW(L"cmd_ran.txt");
        auto process = platform_.launch("probe.cmd hello", ProgramLookup::SystemSearch,
                                        WindowStyle::MinimizedNoFocus, input);
        ASSERT_TRUE(process->waitForExit(kChildTimeoutMs));
        EXPECT_EQ(platform_.readFile("cmd_ran.txt", 100), std::optional<std::string>("hello\r\n"));
    }
}

// Started by its full path, the script is never looked for elsewhere, and
// the interpreter running it is told not to look for programs in the
// working folder. (Wine's interpreter ignores that variable, so a test can
// only check that it is there.)
TEST_F(PlatformLaunchTest, WorkingFolderScriptRunsByItsFullPathWithoutWorkingFolderSearch) {
    createFile("probe.cmd",
               "@echo %~0 %1> script.txt\r\n"
               "@if defined NoDefaultCurrentDirectoryInExePath echo no search>> script.txt\r\n");
    auto process = platform_.launch("probe.cmd hello", ProgramLookup::WorkingFolder,
                                    WindowStyle::MinimizedNoFocus, ChildInput::NullDevice);
    ASSERT_TRUE(process->waitForExit(kChildTimeoutMs));
    EXPECT_EQ(platform_.readFile("script.txt", 1000),
              toUtf8(folder_) + "\\probe.cmd hello\r\nno search\r\n");
}

// The system's tools come from the system folder, never from beside the
// program (here the test program) or from the working folder, where a
// download may have left an sc.exe of its own. A program named alone would
// be looked for beside the program first, then in the working folder: net
// lies in the working folder alone, so that each folder is looked in first
// for one of the tools.
TEST_F(PlatformLaunchTest, SystemToolsRunFromTheSystemFolderNotBesideTheProgram) {
    const DroppedTools dropped(
        childPath("tool_mark.exe"),
        {toWide(childPath("sc.exe")), folder_ + L"\\sc.exe", folder_ + L"\\net.exe"});
    const ::speedrail::testing::ServicesLeftAsFound servicesAsFound;
    ASSERT_TRUE(ensureServiceRunning(L"Spooler", kChildTimeoutMs));
    for (const auto& [commandLine, state] : {std::pair{"sc stop Spooler", SERVICE_STOPPED},
                                             std::pair{"net start Spooler", SERVICE_RUNNING}}) {
        SCOPED_TRACE(commandLine);
        EXPECT_TRUE(platform_
                        .launch(commandLine, ProgramLookup::SystemFolder,
                                WindowStyle::MinimizedNoFocus, ChildInput::NullDevice)
                        ->waitForExit(kChildTimeoutMs));
        EXPECT_TRUE(waitForServiceState(L"Spooler", state, kChildTimeoutMs))
            << "the system's tool did not run";
    }
    EXPECT_EQ(dropped.thoseThatRan(), std::vector<std::string>{});
    EXPECT_TRUE(ensureServiceRunning(L"Spooler", kChildTimeoutMs));
}

TEST_F(PlatformLaunchTest, CommandLineThatCannotStartThrowsLaunchError) {
    struct Case {
        std::string commandLine;
        ProgramLookup lookup;
    };
    const std::vector<Case> cases = {
        {"speedrail_no_such_program.exe", ProgramLookup::SystemSearch},
        {"no_such_folder\\program.exe", ProgramLookup::SystemSearch},
        {"missing.cmd", ProgramLookup::SystemSearch},
        {"", ProgramLookup::SystemSearch},
        {"speedrail_no_such_tool stop x", ProgramLookup::SystemFolder},
        {"", ProgramLookup::SystemFolder},
        {"missing.cmd", ProgramLookup::WorkingFolder},
        // A program that exists, but outside the working folder.
        {childPath("stdin_probe.exe"), ProgramLookup::WorkingFolder},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine);
        EXPECT_THROW(platform_.launch(c.commandLine, c.lookup, WindowStyle::MinimizedNoFocus,
                                      ChildInput::NullDevice),
                     LaunchError);
    }
}

}  // namespace
}  // namespace speedrail::win32::testing
