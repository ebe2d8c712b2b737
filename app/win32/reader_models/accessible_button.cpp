#include "app/win32/reader_models/accessible_button.h"

#include <oleacc.h>

#include "app/win32/reader_models/accessible_texts.h"

namespace speedrail::win32 {

AccessibleButton::AccessibleButton(HWND button, const layout::Control& control,
                                   std::function<bool()> ticked)
    : button_(button), control_(control), ticked_(std::move(ticked)) {}

std::optional<std::string> AccessibleButton::name(long) const { return control_.caption; }

std::optional<std::string> AccessibleButton::description(long) const {
    return accessible_text::toolTip(control_);
}

long AccessibleButton::role(long) const {
    return ticked_ ? ROLE_SYSTEM_CHECKBUTTON : ROLE_SYSTEM_PUSHBUTTON;
}

long AccessibleButton::state(long) const {
    long state = windowState(button_);
    if (ticked_ && ticked_()) state |= STATE_SYSTEM_CHECKED;
    return state;
}

std::optional<std::string> AccessibleButton::defaultAction(long) const {
    if (!ticked_) return accessible_text::kPress;
    return ticked_() ? accessible_text::kUntick : accessible_text::kTick;
}

// The click a mouse would make, posted: the client does not wait while a
// run works or a message box is open.
bool AccessibleButton::doDefaultAction(long) {
    if (!enabledWithParents(button_) || !::IsWindowVisible(button_)) return false;
    return ::PostMessageW(::GetParent(button_), WM_COMMAND,
                          MAKEWPARAM(::GetDlgCtrlID(button_), BN_CLICKED),
                          reinterpret_cast<LPARAM>(button_)) != FALSE;
}

}  // namespace speedrail::win32
