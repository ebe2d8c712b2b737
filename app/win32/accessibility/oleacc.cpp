#include "app/win32/accessibility/oleacc.h"

#include "platform/win32/system_library.h"

namespace speedrail::win32::oleacc {
namespace {

struct Functions {
    // Stays loaded until the process ends: the standard objects it makes
    // live in it, and a client may hold them for as long as it likes.
    SystemLibrary library{L"oleacc.dll"};
    SPEEDRAIL_SYSTEM_FUNCTION(library, CreateStdAccessibleObject);
    SPEEDRAIL_SYSTEM_FUNCTION(library, LresultFromObject);
    SPEEDRAIL_SYSTEM_FUNCTION(library, AccessibleObjectFromWindow);
};

}  // namespace

HRESULT createStdAccessibleObject(HWND window, LONG objectId, REFIID iid, void** object) {
    const auto function = loadedOnce<Functions>().CreateStdAccessibleObject;
    return function ? function(window, objectId, iid, object) : E_NOTIMPL;
}

LRESULT lresultFromObject(REFIID iid, WPARAM wParam, IUnknown* object) {
    const auto function = loadedOnce<Functions>().LresultFromObject;
    return function ? function(iid, wParam, object) : 0;
}

HRESULT accessibleObjectFromWindow(HWND window, DWORD objectId, REFIID iid, void** object) {
    const auto function = loadedOnce<Functions>().AccessibleObjectFromWindow;
    return function ? function(window, objectId, iid, object) : E_NOTIMPL;
}

}  // namespace speedrail::win32::oleacc
