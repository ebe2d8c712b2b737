// End to end under the real platform: the real listing tool, sc and net.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"
#include "services/command_line.h"
#include "tests/support/recording_window.h"
#include "tests/win32/platform_test_folder.h"
#include "tests/win32/service_states.h"

namespace speedrail {
namespace {

using testing::RecordingWindow;

// The real platform, with the stop run's confirmation answered Yes.
class ConfirmingPlatform : public win32::Win32Platform {
public:
    std::int32_t messageBox(const std::string&, std::int32_t, const std::string&) override {
        ++boxesShown;
        return message_box::kAnswerYes;
    }
    int boxesShown = 0;
};

// Stand-ins for the system's tools, each leaving a mark when it runs, put
// into folders for as long as the object lives.
class DroppedTools {
public:
    DroppedTools(const std::string& tool, std::vector<std::wstring> paths)
        : paths_(std::move(paths)) {
        for (const auto& path : paths_) {
            ::DeleteFileW((path + L".ran").c_str());  // a mark an aborted run left
            EXPECT_TRUE(::CopyFileW(win32::toWide(tool).c_str(), path.c_str(), FALSE))
                << win32::toUtf8(path);
        }
    }
    // A stand-in that did run may still be on its way out for a moment.
    ~DroppedTools() {
        const ULONGLONG deadline = ::GetTickCount64() + 10000;
        for (const auto& path : paths_) {
            while (!::DeleteFileW(path.c_str()) && ::GetLastError() != ERROR_FILE_NOT_FOUND &&
                   ::GetTickCount64() < deadline) {
                ::Sleep(50);
            }
            ::DeleteFileW((path + L".ran").c_str());
        }
    }
    DroppedTools(const DroppedTools&) = delete;
    DroppedTools& operator=(const DroppedTools&) = delete;

    std::vector<std::string> thoseThatRan() const {
        std::vector<std::string> ran;
        for (const auto& path : paths_) {
            if (::GetFileAttributesW((path + L".ran").c_str()) != INVALID_FILE_ATTRIBUTES) {
                ran.push_back(win32::toUtf8(path));
            }
        }
        return ran;
    }

private:
    std::vector<std::wstring> paths_;
};

// Each test runs in a fresh working folder.
struct EndToEnd : win32::testing::PlatformTest {
    RecordingWindow window;
    ConfirmingPlatform platform;
    Form1 form{window, platform};

    std::int16_t entryNamed(const std::string& name) const {
        for (std::int16_t i = 0; i < window.list.count(); ++i) {
            if (trimBlanks(window.list.text(i)) == name) return i;
        }
        return -1;
    }
};

TEST_F(EndToEnd, ScanListsThePrefixServicesThroughTheRealListingTool) {
    form.Command1_Click();

    EXPECT_EQ(platform.readFile("srv.cmd", 100), "@wmic service get name > srv.tmp\r\n@exit\r\n");
    ASSERT_GE(entryNamed("Spooler"), 0);
    ASSERT_GE(entryNamed("RpcSs"), 0);
    // The names keep the blanks the listing tool pads them with.
    EXPECT_NE(window.list.text(entryNamed("Spooler")), "Spooler");
    EXPECT_EQ(window.status,
              " >  " + std::to_string(window.list.count()) + " servicios detectados ");
    for (std::int16_t i = 0; i < window.list.count(); ++i) EXPECT_TRUE(window.list.selected(i));
}

// The tools run are the system's own, whatever lies beside the program (here
// the test program) or in the working folder. A wmic.exe in the working
// folder is left out: Wine's command interpreter runs it although the
// script's environment forbids that (the platform test checks the
// environment instead).
TEST_F(EndToEnd, StopRunStopsOnlyTheTickedServiceAndResumeStartsItAgain) {
    const std::wstring programFolder = win32::toWide(childPath(""));
    const DroppedTools dropped(
        childPath("tool_mark.exe"),
        {programFolder + L"sc.exe", programFolder + L"net.exe", programFolder + L"wmic.exe",
         folder_ + L"\\sc.exe", folder_ + L"\\net.exe"});
    ASSERT_TRUE(testing::ensureServiceRunning(L"Spooler", 30000));
    form.Command1_Click();
    const std::int16_t spooler = entryNamed("Spooler");
    ASSERT_GE(spooler, 0);
    form.ToggleBox(Box::Check5);  // pick by hand: nothing ticked
    window.setListSelected(spooler, true);

    const auto before = testing::allServiceStates();
    form.Command4_Click();
    EXPECT_EQ(platform.boxesShown, 1);
    EXPECT_TRUE(testing::waitForServiceState(L"Spooler", SERVICE_STOPPED, 30000));
    // Every other service that ran before still runs.
    const auto after = testing::allServiceStates();
    for (const auto& [name, state] : before) {
        if (name == L"Spooler" || state != SERVICE_RUNNING) continue;
        EXPECT_EQ(after.count(name) ? after.at(name) : 0, static_cast<DWORD>(SERVICE_RUNNING))
            << name;
    }
    EXPECT_EQ(window.status, " > Se han intentado detener 1 servicios ");

    form.Command5_Click();
    EXPECT_TRUE(testing::waitForServiceState(L"Spooler", SERVICE_RUNNING, 30000));
    EXPECT_EQ(window.status,
              " > Reanudados " + std::to_string(window.list.count()) + " servicios ");
    EXPECT_EQ(dropped.thoseThatRan(), std::vector<std::string>{});
}

}  // namespace
}  // namespace speedrail
