// Win32Platform's time of day and shell request.
#include <windows.h>
#include <shellapi.h>

#include <cmath>

#include "platform_test_folder.h"

namespace speedrail::win32::testing {
namespace {

using PlatformSystemTest = PlatformTest;

TEST_F(PlatformSystemTest, SecondsSinceMidnightFollowTheLocalClock) {
    Win32Platform platform;
    SYSTEMTIME before{};
    ::GetLocalTime(&before);
    const float seconds = platform.secondsSinceMidnight();
    const double expected = before.wHour * 3600.0 + before.wMinute * 60.0 + before.wSecond +
                            before.wMilliseconds / 1000.0;
    EXPECT_GE(seconds, 0.0f);
    EXPECT_LT(seconds, 86400.0f);
    // Midnight may pass between the two readings.
    const double difference = std::fabs(seconds - expected);
    EXPECT_TRUE(difference < 0.1 || difference > 86399.9) << seconds << " vs " << expected;
}

TEST_F(PlatformSystemTest, ShellExecuteReturnsTheShellsErrorCode) {
    Win32Platform platform;
    EXPECT_EQ(platform.shellExecute(0, "open", "missing.txt", "", "", SW_SHOWNORMAL),
              SE_ERR_FNF);
}

}  // namespace
}  // namespace speedrail::win32::testing
