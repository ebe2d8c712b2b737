// End to end under the real platform: the real listing tool, sc and net.
#include <gtest/gtest.h>

#include "app/form1.h"
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

TEST_F(EndToEnd, StopRunStopsOnlyTheTickedServiceAndResumeStartsItAgain) {
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
}

}  // namespace
}  // namespace speedrail
