// Paints the window's own surface: its back colour and, back to front, the
// labels, pictures and shapes that have no window of their own. Painting
// goes through an off-screen bitmap, so a repaint never flickers.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "app/win32/pictures.h"
#include "form/layout.h"

namespace speedrail::win32 {

// What the painter draws with, per control.
struct FormLook {
    int dpi = 96;
    std::array<HFONT, layout::kControlCount> fonts{};
    std::array<const Picture*, layout::kControlCount> pictures{};
    const std::string* status = nullptr;  // Label4's caption: the form's
};

// Paints the part `area` (client pixels) of the window's surface into `dc`.
void paintForm(HDC dc, const RECT& area, const FormLook& look);

}  // namespace speedrail::win32
