// Win32Platform's time of day.
#include <windows.h>

#include <cmath>

#include "platform_test_folder.h"

namespace speedrail::win32::testing {
namespace {

// The local time of day from the system clock's count of 100 ns since a
// midnight (1 January 1601), turned local: a reading that shares nothing
// with the platform's.
double localSecondsSinceMidnight() {
    FILETIME utc{}, local{};
    ::GetSystemTimeAsFileTime(&utc);
    ::FileTimeToLocalFileTime(&utc, &local);
    const ULONGLONG ticks =
        (static_cast<ULONGLONG>(local.dwHighDateTime) << 32) | local.dwLowDateTime;
    return static_cast<double>(ticks % (86400ull * 10000000)) / 1e7;
}

using PlatformSystemTest = PlatformTest;

TEST_F(PlatformSystemTest, SecondsSinceMidnightFollowTheLocalClock) {
    Win32Platform platform;
    const double expected = localSecondsSinceMidnight();
    const float seconds = platform.secondsSinceMidnight();
    EXPECT_GE(seconds, 0.0f);
    EXPECT_LT(seconds, 86400.0f);
    // Midnight may pass between the two readings.
    const double difference = std::fabs(seconds - expected);
    EXPECT_TRUE(difference < 0.1 || difference > 86399.9) << seconds << " vs " << expected;
}

}  // namespace
}  // namespace speedrail::win32::testing
