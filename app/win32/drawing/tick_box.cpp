#include "app/win32/drawing/tick_box.h"

#include <algorithm>
#include <array>

#include "app/win32/drawing/colour.h"
#include "app/win32/drawing/dpi.h"
#include "app/win32/drawing/gdi_scope.h"

namespace speedrail::win32 {

void drawTickBox(HDC dc, const RECT& box, bool ticked, const TickColours& colours) {
    const int size = std::min<int>(box.right - box.left, box.bottom - box.top);
    if (size <= 0) return;
    // Frame and mark grow with the box: one pixel and two at kTickBoxSize.
    const int frameWidth = std::max(1, size / kTickBoxSize);
    ::SetBkColor(dc, toColorRef(colours.frame));
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr);
    RECT inside = box;
    ::InflateRect(&inside, -frameWidth, -frameWidth);
    ::SetBkColor(dc, toColorRef(colours.fill));
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &inside, nullptr, 0, nullptr);
    if (!ticked) return;

    const UniquePen pen(::CreatePen(PS_SOLID, std::max(2, size / 6), toColorRef(colours.mark)));
    const SelectedObject selected(dc, pen.get());
    const std::array<POINT, 3> mark{{
        {box.left + size * 24 / 100, box.top + size * 50 / 100},
        {box.left + size * 43 / 100, box.top + size * 70 / 100},
        {box.left + size * 76 / 100, box.top + size * 30 / 100},
    }};
    ::Polyline(dc, mark.data(), static_cast<int>(mark.size()));
}

RECT tickBoxIn(const RECT& area, const TickPlacement& placement, int dpi) {
    const int size = std::min<int>(scaleFrom96(kTickBoxSize, dpi), area.bottom - area.top);
    const int left = static_cast<int>(area.left) + scaleFrom96(placement.inset, dpi);
    const int top =
        static_cast<int>(area.top) + (static_cast<int>(area.bottom - area.top) - size) / 2;
    return RECT{left, top, left + size, top + size};
}

RECT captionAreaIn(const RECT& area, const TickPlacement& placement, int dpi) {
    return RECT{tickBoxIn(area, placement, dpi).right + scaleFrom96(placement.gap, dpi), area.top,
                area.right, area.bottom};
}

}  // namespace speedrail::win32
