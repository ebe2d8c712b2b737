// Paints the window's own surface: its back colour and, back to front, the
// labels, pictures and shapes that have no window of their own. Painting
// goes through an off-screen bitmap, so a repaint never flickers.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "app/win32/drawing/pictures.h"
#include "form/layout.h"

namespace speedrail::win32 {

// What the painter draws with, per control.
struct SurfaceLook {
    int dpi = 96;
    std::array<HFONT, layout::kControlCount> fonts{};
    std::array<const Picture*, layout::kControlCount> pictures{};
};

// Paints the part `area` (client pixels) of the window's surface into `dc`,
// with `status` as the status line's caption.
void paintSurface(HDC dc, const RECT& area, const SurfaceLook& look, const std::string& status);

}  // namespace speedrail::win32
