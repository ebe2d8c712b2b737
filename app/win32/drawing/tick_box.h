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

// Where a tick box lies, in pixels at 96 dpi: kTickBoxSize square (never
// taller than its area), `inset` in from the area's left edge and centred
// vertically, with the caption `gap` to its right.
struct TickPlacement {
    int inset;
    int gap;
};
inline constexpr int kTickBoxSize = 13;
inline constexpr TickPlacement kCheckBoxTick{2, 4};  // on a check box's face
inline constexpr TickPlacement kListRowTick{3, 6};   // on a row of the service list

// The tick box in `area` (client pixels) at `dpi`.
RECT tickBoxIn(const RECT& area, const TickPlacement& placement, int dpi);
// Where the caption goes: right of the tick box and its gap, to the area's
// right edge.
RECT captionAreaIn(const RECT& area, const TickPlacement& placement, int dpi);

}  // namespace speedrail::win32
