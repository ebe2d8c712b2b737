#include "platform/win32/common_controls.h"

#include "platform/win32/system_library.h"

namespace speedrail::win32::common_controls {
namespace {

struct Functions {
    // Stays loaded until the process ends: the controls' window procedures
    // live in it.
    SystemLibrary library{L"comctl32.dll"};
    decltype(&::SetWindowSubclass) setWindowSubclass =
        library.find<decltype(&::SetWindowSubclass)>("SetWindowSubclass");
    decltype(&::RemoveWindowSubclass) removeWindowSubclass =
        library.find<decltype(&::RemoveWindowSubclass)>("RemoveWindowSubclass");
    decltype(&::DefSubclassProc) defSubclassProc =
        library.find<decltype(&::DefSubclassProc)>("DefSubclassProc");
    bool registered = [this] {
        const auto initialize =
            library.find<decltype(&::InitCommonControlsEx)>("InitCommonControlsEx");
        const INITCOMMONCONTROLSEX classes{sizeof(classes),
                                           ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        return initialize && initialize(&classes);
    }();
};

// Loaded on first use, on whichever thread comes first; never changed after.
const Functions& functions() {
    static const Functions loaded;
    return loaded;
}

}  // namespace

bool load() { return functions().registered; }

bool setWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
    const auto function = functions().setWindowSubclass;
    return function && function(window, procedure, id, data);
}

bool removeWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) {
    const auto function = functions().removeWindowSubclass;
    return function && function(window, procedure, id);
}

LRESULT defSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto function = functions().defSubclassProc;
    return function ? function(window, message, wParam, lParam)
                    : ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace speedrail::win32::common_controls
