// One of the five check boxes: an owner-drawn button in its band's back and
// text colours, with the tick box in front of the caption. The system's own
// check box would draw a disabled caption in fixed greys that vanish on the
// light bands; this one dims the caption's own colour. The box's value is
// the form's, not the control's: `ticked` reads it, and a click asks the
// form to change it, which runs the box's handler.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "app/win32/controls/button.h"

namespace speedrail::win32 {

class CheckBox final : public Button {
public:
    CheckBox(const layout::Control& control, std::function<void()> click,
             std::function<bool()> ticked)
        : Button(control, std::move(click), BS_OWNERDRAW), ticked_(std::move(ticked)) {}

    // A change of the value (Later) is told to screen readers as well.
    void refresh(Repaint when) override;

private:
    std::unique_ptr<AccessibleModel> accessibleModel() override;
    void draw(const DRAWITEMSTRUCT& item) const override;

    std::function<bool()> ticked_;
};

}  // namespace speedrail::win32
