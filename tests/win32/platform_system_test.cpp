// Win32Platform's time of day.
#include <windows.h>

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

}  // namespace
}  // namespace speedrail::win32::testing
