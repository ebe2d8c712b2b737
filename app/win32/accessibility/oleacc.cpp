#include "app/win32/accessibility/oleacc.h"

#include "platform/win32/system_library.h"

namespace speedrail::win32::oleacc {
namespace {

struct Functions {
    // Stays loaded until the process ends: the standard objects it makes
    // live in it, and a client may hold them for as long as it likes.
    SystemLibrary library{L"oleacc.dll"};
    decltype(&::CreateStdAccessibleObject) createStd =
        library.find<decltype(&::CreateStdAccessibleObject)>("CreateStdAccessibleObject");
    decltype(&::LresultFromObject) lresultFromObject =
        library.find<decltype(&::LresultFromObject)>("LresultFromObject");
    decltype(&::AccessibleObjectFromWindow) fromWindow =
        library.find<decltype(&::AccessibleObjectFromWindow)>("AccessibleObjectFromWindow");
};

// Loaded on first use; never changed after.
const Functions& functions() {
    static const Functions loaded;
    return loaded;
}

}  // namespace

HRESULT createStdAccessibleObject(HWND window, LONG objectId, REFIID iid, void** object) {
    const auto function = functions().createStd;
    return function ? function(window, objectId, iid, object) : E_NOTIMPL;
}

LRESULT lresultFromObject(REFIID iid, WPARAM wParam, IUnknown* object) {
    const auto function = functions().lresultFromObject;
    return function ? function(iid, wParam, object) : 0;
}

HRESULT accessibleObjectFromWindow(HWND window, DWORD objectId, REFIID iid, void** object) {
    const auto function = functions().fromWindow;
    return function ? function(window, objectId, iid, object) : E_NOTIMPL;
}

}  // namespace speedrail::win32::oleacc
