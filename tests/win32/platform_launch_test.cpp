// Win32Platform::launch under the real process machinery.
#include <string>

#include "platform_test_folder.h"

namespace speedrail::win32::testing {
namespace {

constexpr std::uint32_t kChildTimeoutMs = 30000;

class PlatformLaunchTest : public PlatformTest {
protected:
    // Runs the stdin probe with this style and input; returns its report.
    std::string probe(WindowStyle style, ChildInput input) {
        const std::string commandLine = "\"" + childPath("stdin_probe.exe") + "\" report.txt";
        auto process = platform_.launch(commandLine, style, input);
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
         {Case{WindowStyle::Normal, "show=1\n"}, Case{WindowStyle::Minimized, "show=2\n"}}) {
        SCOPED_TRACE(c.show);
        EXPECT_EQ(probe(c.style, ChildInput::NullDevice),
                  std::string(c.show) + "stdhandles=1\nconsole=0\ninput=eof\n");
    }
}

TEST_F(PlatformLaunchTest, ConsoleInputLeavesTheChildItsOwnConsole) {
    EXPECT_EQ(probe(WindowStyle::Normal, ChildInput::Console),
              "show=1\nstdhandles=0\nconsole=1\ninput=unread\n");
}

TEST_F(PlatformLaunchTest, ScriptByBareNameRunsFromTheCurrentFolderWithItsArguments) {
    createFile("probe.cmd", "@echo %1> cmd_ran.txt\r\n");
    for (ChildInput input : {ChildInput::NullDevice, ChildInput::Console}) {
        SCOPED_TRACE(input == ChildInput::NullDevice ? "null device" : "console");
        ::DeleteFileW(L"cmd_ran.txt");
        auto process = platform_.launch("probe.cmd hello", WindowStyle::Minimized, input);
        ASSERT_TRUE(process->waitForExit(kChildTimeoutMs));
        EXPECT_EQ(platform_.readFile("cmd_ran.txt", 100), std::optional<std::string>("hello\r\n"));
    }
}

TEST_F(PlatformLaunchTest, CommandLineThatCannotStartThrowsLaunchError) {
    for (const char* commandLine :
         {"speedrail_no_such_program.exe", "no_such_folder\\program.exe", "missing.cmd", ""}) {
        SCOPED_TRACE(commandLine);
        EXPECT_THROW(platform_.launch(commandLine, WindowStyle::Minimized, ChildInput::NullDevice),
                     LaunchError);
    }
}

}  // namespace
}  // namespace speedrail::win32::testing
