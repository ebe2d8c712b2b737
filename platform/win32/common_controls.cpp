#include "platform/win32/common_controls.h"

#include "platform/win32/system_library.h"

namespace speedrail::win32::common_controls {
namespace {

struct Functions {
    // Stays loaded until the process ends: the controls' window procedures
    // live in it.
    SystemLibrary library{L"comctl32.dll"};
    SPEEDRAIL_SYSTEM_FUNCTION(library, InitCommonControlsEx);
    SPEEDRAIL_SYSTEM_FUNCTION(library, SetWindowSubclass);
    SPEEDRAIL_SYSTEM_FUNCTION(library, RemoveWindowSubclass);
    SPEEDRAIL_SYSTEM_FUNCTION(library, DefSubclassProc);
    bool registered = [this] {
        const INITCOMMONCONTROLSEX classes{sizeof(classes),
                                           ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        return InitCommonControlsEx && InitCommonControlsEx(&classes);
    }();
};

}  // namespace

bool load() { return loadedOnce<Functions>().registered; }

bool setWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
    const auto function = loadedOnce<Functions>().SetWindowSubclass;
    return function && function(window, procedure, id, data);
}

bool removeWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) {
    const auto function = loadedOnce<Functions>().RemoveWindowSubclass;
    return function && function(window, procedure, id);
}

LRESULT defSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto function = loadedOnce<Functions>().DefSubclassProc;
    return function ? function(window, message, wParam, lParam)
                    : ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace speedrail::win32::common_controls
