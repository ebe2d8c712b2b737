#include "platform/win32/web_request.h"

// shellapi.h builds on the types windows.h declares.
#include <shellapi.h>

#include <thread>
#include <utility>

#include "platform/win32/com_apartment.h"
#include "platform/win32/page_route.h"
#include "platform/win32/shell_open_result.h"

namespace speedrail::win32 {

namespace {

constexpr WebAnswer kNotOpened{WebOutcome::Failed, SE_ERR_NOASSOC};

// The address alone, in a normal window. No error dialog: the user gets the
// address from the program instead.
WebAnswer openThroughOwnShell(const std::wstring& address) {
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    // The worker ends right after the call, so the shell must finish first.
    request.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    request.lpVerb = L"open";
    request.lpFile = address.c_str();
    request.nShow = SW_SHOWNORMAL;
    const bool opened = ::ShellExecuteExW(&request) != FALSE;
    // The shell's result is a pseudo instance handle that fits in 32 bits.
    const auto result = static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(request.hInstApp));
    if (opened) return {WebOutcome::Opened, result};
    return {WebOutcome::Failed, result > 32 ? kNotOpened.result : result};
}

void post(HWND window, const WebAnswer& answer) {
    postUntilTaken(window, [&] {
        return ::PostMessageW(window, kWebAnswerMessage, static_cast<WPARAM>(answer.outcome),
                              static_cast<LPARAM>(answer.result)) != FALSE;
    });
}

// The Slow notice, posted once the request has taken kSlowWebAnswerMs
// unless it ended before. Its end waits for a notice on its way, which so
// always comes before the answer.
class SlowNotice {
public:
    explicit SlowNotice(HWND window) : window_(window) {
        if (!::CreateTimerQueueTimer(&timer_, nullptr, fire, this, kSlowWebAnswerMs, 0,
                                     WT_EXECUTEONLYONCE)) {
            timer_ = nullptr;
        }
    }
    ~SlowNotice() {
        if (timer_) ::DeleteTimerQueueTimer(nullptr, timer_, INVALID_HANDLE_VALUE);
    }
    SlowNotice(const SlowNotice&) = delete;
    SlowNotice& operator=(const SlowNotice&) = delete;

private:
    static void CALLBACK fire(void* self, BOOLEAN) {
        post(static_cast<SlowNotice*>(self)->window_, {WebOutcome::Slow, 0});
    }

    HWND window_;
    HANDLE timer_ = nullptr;
};

}  // namespace

WebAnswer webAnswerOf(WPARAM wParam, LPARAM lParam) {
    const auto outcome = wParam <= static_cast<WPARAM>(WebOutcome::Slow)
                             ? static_cast<WebOutcome>(wParam)
                             : WebOutcome::Failed;
    return {outcome, static_cast<std::int32_t>(lParam)};
}

WebAnswer openWebAddressNow(const DesktopShellRequest& desktopShell, const std::wstring& address) {
    if (pageRouteOfThisProcess() == PageRoute::OwnShell) return openThroughOwnShell(address);
    const std::optional<HRESULT> answer = desktopShell(address);
    if (!answer) return {WebOutcome::NoDesktopShell, SE_ERR_ACCESSDENIED};
    const std::int32_t result = shellOpenResult(*answer);
    return {result > 32 ? WebOutcome::Opened : WebOutcome::Failed, result};
}

void openOnWorker(HWND window, DesktopShellRequest desktopShell, std::wstring address) {
    std::thread([window, desktopShell = std::move(desktopShell), address = std::move(address)] {
        WebAnswer answer = kNotOpened;
        {
            const SlowNotice slow(window);
            try {
                const ComApartment apartment;
                answer = openWebAddressNow(desktopShell, address);
            } catch (...) {
                // Nothing may leave the thread: the page simply did not open.
            }
        }
        post(window, answer);
    }).detach();
}

bool postUntilTaken(HWND window, const std::function<bool()>& post) {
    constexpr DWORD kRetryMs = 100;
    while (!post()) {
        if (!::IsWindow(window)) return false;
        ::Sleep(kRetryMs);
    }
    return true;
}

}  // namespace speedrail::win32
