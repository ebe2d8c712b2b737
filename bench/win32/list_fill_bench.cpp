// How long the real window takes to take a full scan: a listing of 32,767
// entries read into the form's list, each ticked, then the list drawn at
// once (the listing tool and the waits are the recording platform's). Then what a screen reader
// waits for on the full list: its child count, and the name and state of the last entry. Prints the
// times.
#include <windows.h>
// oleacc.h builds on the types windows.h declares.
#include <oleacc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/win32/control_window_ids.h"
#include "app/win32/main_window.h"
#include "form/service_list.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/unique_com_ptr.h"
#include "platform/win32/unique_handle.h"
#include "tests/support/listing.h"
#include "tests/support/recording_platform.h"

namespace {

double fillOnce(speedrail::win32::MainWindow& window) {
    const auto start = std::chrono::steady_clock::now();
    window.form().Click(speedrail::layout::ControlId::Command1);
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Microseconds per read of the child count, and of the last entry's name
// and state, through the list's accessible object.
void readAsAScreenReader(HWND list) {
    using speedrail::win32::UniqueComPtr;
    UniqueComPtr<IAccessible> accessible;
    if (FAILED(::AccessibleObjectFromWindow(list, static_cast<DWORD>(OBJID_CLIENT),
                                            IID_PPV_ARGS(accessible.put())))) {
        std::printf("no accessible object for the list\n");
        return;
    }
    VARIANT last;
    ::VariantInit(&last);
    last.vt = VT_I4;
    last.lVal = speedrail::ServiceList::kMaxEntries;
    constexpr int kReads = 1000;
    std::vector<double> count, entry;
    for (int run = 0; run < 7; ++run) {
        auto start = std::chrono::steady_clock::now();
        long children = 0;
        for (int i = 0; i < kReads; ++i) accessible->get_accChildCount(&children);
        auto end = std::chrono::steady_clock::now();
        count.push_back(std::chrono::duration<double, std::micro>(end - start).count() / kReads);
        start = std::chrono::steady_clock::now();
        for (int i = 0; i < kReads; ++i) {
            BSTR name = nullptr;
            accessible->get_accName(last, &name);
            ::SysFreeString(name);
            VARIANT state;
            ::VariantInit(&state);
            accessible->get_accState(last, &state);
        }
        end = std::chrono::steady_clock::now();
        entry.push_back(std::chrono::duration<double, std::micro>(end - start).count() / kReads);
    }
    std::printf(
        "screen reader on %d entries: child count %.2f us, last entry's name and state "
        "%.2f us (medians)\n",
        speedrail::ServiceList::kMaxEntries, median(count), median(entry));
}

}  // namespace

int main() {
    const speedrail::win32::ComApartment apartment;  // the reader's objects come through COM
    speedrail::testing::RecordingPlatform platform;
    std::vector<std::string> names;
    for (int i = 0; i < speedrail::ServiceList::kMaxEntries; ++i) {
        names.push_back("Service" + std::to_string(i) + "                 ");
    }
    platform.files["srv.tmp"] = speedrail::testing::listingNaming(names);
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
    readAsAScreenReader(::GetDlgItem(
        window.hwnd(), speedrail::win32::controlWindowId(speedrail::layout::ControlId::List1)));
    return 0;
}
