// A button: a click on it runs `click`, and so does a double click, which
// counts as a second click. As it stands, a push button the system draws
// (the hidden Command2 and Command3); the boxes and the graphical buttons
// build on it and draw themselves.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "app/win32/controls/child_control.h"
#include "app/win32/reader_models/accessible_button.h"

namespace speedrail::win32 {

class Button : public ChildControl {
public:
    // `style` is BS_OWNERDRAW for a button that draws itself.
    Button(const layout::Control& control, std::function<void()> click, DWORD style = BS_PUSHBUTTON)
        : ChildControl(control, {L"BUTTON", style, 0}), click_(std::move(click)) {}

private:
    std::unique_ptr<AccessibleModel> accessibleModel() override {
        return std::make_unique<AccessibleButton>(hwnd(), layout(), nullptr);
    }
    void command(int notification) override {
        if (notification == BN_CLICKED || notification == BN_DOUBLECLICKED) click_();
    }

    std::function<void()> click_;
};

}  // namespace speedrail::win32
