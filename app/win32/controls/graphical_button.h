// The look of the graphical command buttons (Command1, Command4, Command5):
// an owner-drawn push button in its back colour with its picture above its
// caption, a raised edge that sinks while pressed, and a focus rectangle.
#pragma once

#include <windows.h>

#include "app/win32/drawing/pictures.h"
#include "form/layout.h"

namespace speedrail::win32 {

// Whether the control is one of these: a command button with a picture.
inline bool isGraphicalButton(const layout::Control& control) {
    return control.kind == layout::ControlKind::CommandButton && control.picture != nullptr;
}

void drawGraphicalButton(const DRAWITEMSTRUCT& item, const layout::Control& control,
                         const Picture* picture, HFONT font, int dpi);

}  // namespace speedrail::win32
