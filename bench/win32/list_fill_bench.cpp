// How long the real service list takes to take a full scan: 32,767 entries
// appended through WindowOps, each ticked as the scan ticks them, then one
// repaint. Prints the times in milliseconds.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/service_list.h"
#include "app/win32/main_window.h"
#include "tests/support/recording_platform.h"

namespace {

double fillOnce(speedrail::WindowOps& window) {
    const auto start = std::chrono::steady_clock::now();
    window.listClear();
    for (int i = 0; i < speedrail::ServiceList::kMaxEntries; ++i) {
        window.listAppend("Service" + std::to_string(i) + "                 ");
    }
    const std::int16_t count = window.listCount();
    for (std::int16_t i = 0; i < count; ++i) window.setListSelected(i, true);
    window.repaintList();
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(end - start).count();
}

}  // namespace

int main() {
    speedrail::testing::RecordingPlatform platform;
    speedrail::win32::MainWindow window(platform);
    window.show(SW_SHOWNORMAL);
    window.processPendingEvents();

    std::vector<double> times;
    for (int run = 0; run < 7; ++run) {
        times.push_back(fillOnce(window));
        window.processPendingEvents();
    }
    std::sort(times.begin(), times.end());
    std::printf("list fill, %d entries + repaint: median %.1f ms, best %.1f ms, worst %.1f ms\n",
                speedrail::ServiceList::kMaxEntries, times[times.size() / 2], times.front(),
                times.back());
    return 0;
}
