#include "platform/win32/idle_signal.h"

#include <map>

namespace speedrail::win32 {
namespace {

// The events waiting for their timers, on the thread that set them.
thread_local std::map<UINT_PTR, std::shared_ptr<const UniqueKernelHandle>> waiting;

void CALLBACK timerFired(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    const auto found = waiting.find(timer);
    if (found == waiting.end()) return;
    ::SetEvent(found->second->get());
    waiting.erase(found);
}

}  // namespace

std::shared_ptr<const UniqueKernelHandle> signalWhenIdle() {
    auto event =
        std::make_shared<const UniqueKernelHandle>(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const UINT_PTR timer = *event ? ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, timerFired) : 0;
    if (timer) {
        waiting[timer] = event;
    } else if (*event) {
        ::SetEvent(event->get());  // no timer to wait for
    }
    return event;
}

}  // namespace speedrail::win32
