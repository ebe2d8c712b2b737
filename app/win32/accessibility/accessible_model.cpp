#include "app/win32/accessibility/accessible_model.h"

#include <oleacc.h>

namespace speedrail::win32 {

bool enabledWithParents(HWND window) {
    for (; window; window = (::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0
                                ? ::GetParent(window)
                                : nullptr) {
        if (!::IsWindowEnabled(window)) return false;
    }
    return true;
}

long windowState(HWND window) {
    long state = 0;
    if (!::IsWindowVisible(window)) state |= STATE_SYSTEM_INVISIBLE;
    state |= enabledWithParents(window) ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE;
    if (::GetFocus() == window) state |= STATE_SYSTEM_FOCUSED;
    return state;
}

}  // namespace speedrail::win32
