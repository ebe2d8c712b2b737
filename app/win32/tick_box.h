// The tick box drawn in front of a check box's caption and of each entry
// of the service list: a framed square with a tick mark, drawn at any size
// so that it scales with the DPI.
#pragma once

#include <windows.h>

#include "form/layout.h"

namespace speedrail::win32 {

struct TickColours {
    layout::Rgb frame;
    layout::Rgb fill;
    layout::Rgb mark;
};

void drawTickBox(HDC dc, const RECT& box, bool ticked, const TickColours& colours);

}  // namespace speedrail::win32
