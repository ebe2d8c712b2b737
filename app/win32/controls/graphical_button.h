// The graphical command buttons (Command1, Command4, Command5): an
// owner-drawn push button in its back colour with its picture above its
// caption, a raised edge that sinks while pressed, and a focus rectangle.
// Enter presses the one with the focus, as a dialog's default button.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "app/win32/controls/button.h"
#include "app/win32/drawing/pictures.h"

namespace speedrail::win32 {

class GraphicalButton final : public Button {
public:
    // Without a picture (one that cannot be decoded) only the caption shows.
    GraphicalButton(const layout::Control& control, std::function<void()> click,
                    std::optional<Picture> picture)
        : Button(control, std::move(click), BS_OWNERDRAW), picture_(std::move(picture)) {}

    bool pressedByEnter() const override { return true; }

private:
    void draw(const DRAWITEMSTRUCT& item) const override;

    std::optional<Picture> picture_;
};

}  // namespace speedrail::win32
