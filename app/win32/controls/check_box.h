// The look of the five check boxes: owner-drawn buttons in their band's
// back and text colours, with the tick box in front of the caption. The
// system's own check box would draw a disabled caption in fixed greys that
// vanish on the light bands; this one dims the caption's own colour.
#pragma once

#include <windows.h>

#include "form/layout.h"

namespace speedrail::win32 {

void drawCheckBox(const DRAWITEMSTRUCT& item, const layout::Control& control, bool ticked,
                  HFONT font, int dpi);

}  // namespace speedrail::win32
