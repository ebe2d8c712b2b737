#include "app/win32/controls/button.h"

#include "app/win32/reader_models/accessible_button.h"

namespace speedrail::win32 {

std::unique_ptr<AccessibleModel> Button::accessibleModel() {
    return std::make_unique<AccessibleButton>(hwnd(), layout(), nullptr);
}

void Button::command(int notification) {
    if (notification == BN_CLICKED || notification == BN_DOUBLECLICKED) click_();
}

}  // namespace speedrail::win32
