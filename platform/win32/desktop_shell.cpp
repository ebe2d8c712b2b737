#include "platform/win32/desktop_shell.h"

#include <exdisp.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

#include "platform/win32/unique_bstr.h"
#include "platform/win32/unique_com_ptr.h"
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
    if (windows->FindWindowSW(desktopLocation.get(), noRoot.get(), SWC_DESKTOP, &desktopWindow,
                              SWFO_NEEDDISPATCH, desktop.put()) != S_OK) {
        return {};
    }

    const auto services = queryInterface<IServiceProvider>(desktop.get());
    UniqueComPtr<IShellBrowser> browser;
    if (!services ||
        FAILED(services->QueryService(SID_STopLevelBrowser, IID_PPV_ARGS(browser.put())))) {
        return {};
    }

    UniqueComPtr<IShellView> view;
    if (FAILED(browser->QueryActiveShellView(view.put())) || !view) return {};

    UniqueComPtr<IDispatch> background;
    if (FAILED(view->GetItemObject(SVGIO_BACKGROUND, IID_PPV_ARGS(background.put())))) {
        return {};
    }

    const auto folderView = queryInterface<IShellFolderViewDual>(background.get());
    UniqueComPtr<IDispatch> application;
    if (!folderView || FAILED(folderView->get_Application(application.put()))) return {};

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
    return shell.dispatch->ShellExecute(file.get(), noParameters.value(), noFolder.value(),
                                        verb.value(), show.value());
}

}  // namespace speedrail::win32
