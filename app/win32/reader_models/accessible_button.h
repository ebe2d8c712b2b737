// Check boxes and push buttons as screen readers know them from the
// system's own: role, caption, state (a box's tick among it) and a default
// action that clicks the control as the mouse does.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "app/win32/accessibility/accessible_model.h"
#include "form/layout.h"

namespace speedrail::win32 {

class AccessibleButton final : public AccessibleModel {
public:
    // `ticked` gives a check box's value; empty for a push button.
    AccessibleButton(HWND button, const layout::Control& control, std::function<bool()> ticked);

    std::optional<std::string> name(long child) const override;
    std::optional<std::string> description(long child) const override;
    long role(long child) const override;
    long state(long child) const override;
    std::optional<std::string> defaultAction(long child) const override;
    bool doDefaultAction(long child) override;

private:
    HWND button_;
    const layout::Control& control_;
    std::function<bool()> ticked_;
};

}  // namespace speedrail::win32
