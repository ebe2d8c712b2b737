#include "app/win32/accessibility/accessible_model.h"

#include <oleacc.h>

namespace speedrail::win32 {

long windowState(HWND window) {
    long state = 0;
    if (!::IsWindowVisible(window)) state |= STATE_SYSTEM_INVISIBLE;
    state |= ::IsWindowEnabled(window) ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE;
    if (::GetFocus() == window) state |= STATE_SYSTEM_FOCUSED;
    return state;
}

}  // namespace speedrail::win32
