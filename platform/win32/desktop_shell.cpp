#include "platform/win32/desktop_shell.h"

#include <exdisp.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

#include <memory>
#include <system_error>
#include <thread>

#include "platform/win32/com_apartment.h"
#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

namespace {

template <typename Interface>
UniqueComPtr<Interface> queryInterface(IUnknown* object) {
    UniqueComPtr<Interface> result;
    if (object) object->QueryInterface(IID_PPV_ARGS(result.put()));
    return result;
}

// A VARIANT that frees what it holds.
class Variant {
public:
    Variant() { ::VariantInit(&value_); }
    explicit Variant(long number) : Variant() {
        value_.vt = VT_I4;
        value_.lVal = number;
    }
    explicit Variant(const wchar_t* text) : Variant() {
        value_.bstrVal = ::SysAllocString(text);
        if (value_.bstrVal) value_.vt = VT_BSTR;
    }
    ~Variant() { ::VariantClear(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;

    VARIANT* get() { return &value_; }
    const VARIANT& value() const { return value_; }

private:
    VARIANT value_;
};

// The desktop's folder view and the process of the shell that shows it.
struct DesktopShell {
    UniqueComPtr<IShellDispatch2> dispatch;
    DWORD process = 0;
};

// The route the shell offers to its own desktop: the desktop's browser in
// the shell's window list, its active view, that view's automation object
// and the shell application behind it.
DesktopShell findDesktopShell() {
    UniqueComPtr<IShellWindows> windows;
    if (FAILED(::CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER,
                                  IID_PPV_ARGS(windows.put())))) {
        return {};
    }

    Variant desktopLocation(static_cast<long>(CSIDL_DESKTOP));
    Variant noRoot;
    long desktopWindow = 0;
    UniqueComPtr<IDispatch> desktop;
    // S_FALSE: no desktop window in the list.
    if (windows.get()->FindWindowSW(desktopLocation.get(), noRoot.get(), SWC_DESKTOP,
                                    &desktopWindow, SWFO_NEEDDISPATCH, desktop.put()) != S_OK) {
        return {};
    }

    const auto services = queryInterface<IServiceProvider>(desktop.get());
    UniqueComPtr<IShellBrowser> browser;
    if (!services ||
        FAILED(services.get()->QueryService(SID_STopLevelBrowser, IID_PPV_ARGS(browser.put())))) {
        return {};
    }

    UniqueComPtr<IShellView> view;
    if (FAILED(browser.get()->QueryActiveShellView(view.put())) || !view) return {};

    UniqueComPtr<IDispatch> background;
    if (FAILED(view.get()->GetItemObject(SVGIO_BACKGROUND, IID_PPV_ARGS(background.put())))) {
        return {};
    }

    const auto folderView = queryInterface<IShellFolderViewDual>(background.get());
    UniqueComPtr<IDispatch> application;
    if (!folderView || FAILED(folderView.get()->get_Application(application.put()))) return {};

    DesktopShell shell;
    shell.dispatch = queryInterface<IShellDispatch2>(application.get());
    ::GetWindowThreadProcessId(reinterpret_cast<HWND>(static_cast<LONG_PTR>(desktopWindow)),
                               &shell.process);
    return shell;
}

}  // namespace

std::optional<HRESULT> openThroughDesktopShell(const std::wstring& address) {
    const DesktopShell shell = findDesktopShell();
    if (!shell.dispatch) return std::nullopt;

    // The user's click came to this program, so only it may pass the
    // foreground on: let the shell hand it to the browser it starts.
    if (shell.process) ::AllowSetForegroundWindow(shell.process);

    const UniqueBstr file(::SysAllocString(address.c_str()));
    if (!file) return E_OUTOFMEMORY;
    Variant noParameters;
    Variant noFolder;
    Variant verb(L"open");
    Variant show(static_cast<long>(SW_SHOWNORMAL));
    return shell.dispatch.get()->ShellExecute(file.get(), noParameters.value(), noFolder.value(),
                                              verb.value(), show.value());
}

namespace {

// What the worker and the waiting thread share. The worker keeps it alive
// after a wait has given up, so a late answer lands here and goes nowhere.
struct PendingRequest {
    UniqueKernelHandle answered{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    std::optional<HRESULT> answer;
};

}  // namespace

std::optional<HRESULT> askWithin(DesktopShellRequest request, const std::wstring& address,
                                 DWORD limitMs) {
    const auto pending = std::make_shared<PendingRequest>();
    if (!pending->answered) return std::nullopt;
    try {
        std::thread([pending, request = std::move(request), address] {
            try {
                const ComApartment apartment;
                pending->answer = request(address);
            } catch (...) {
                // Nothing may leave the thread: the request simply has no answer.
            }
            ::SetEvent(pending->answered.get());
        }).detach();
    } catch (const std::system_error&) {
        return std::nullopt;  // no thread to ask from
    }

    const ULONGLONG deadline = ::GetTickCount64() + limitMs;
    for (;;) {
        const ULONGLONG now = ::GetTickCount64();
        const DWORD left = now < deadline ? static_cast<DWORD>(deadline - now) : 0;
        const HANDLE answered = pending->answered.get();
        const DWORD woken = ::MsgWaitForMultipleObjects(1, &answered, FALSE, left, QS_SENDMESSAGE);
        // The event orders the worker's write of the answer before this read.
        if (woken == WAIT_OBJECT_0) return pending->answer;
        if (woken != WAIT_OBJECT_0 + 1) return std::nullopt;  // out of time, or the wait failed
        // Runs the messages sent to this thread, and takes nothing else.
        MSG message;
        ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace speedrail::win32
