// A button: a click on it runs `click`, and so does a double click, which
// counts as a second click. As it stands, a push button the system draws
// (the hidden Command2 and Command3); the boxes and the graphical buttons
// build on it and draw themselves.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "app/win32/controls/child_control.h"

namespace speedrail::win32 {

class Button : public ChildControl {
public:
    // `style` is BS_OWNERDRAW for a button that draws itself.
    Button(const layout::Control& control, std::function<void()> click, DWORD style = BS_PUSHBUTTON)
        : ChildControl(control), click_(std::move(click)), style_(style) {}

private:
    WindowClass windowClass() const override { return {L"BUTTON", style_, 0}; }
    std::unique_ptr<AccessibleModel> accessibleModel() override;
    void command(int notification) override;

    std::function<void()> click_;
    DWORD style_;
};

}  // namespace speedrail::win32
