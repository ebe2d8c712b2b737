// The layout's colours as GDI colours.
#pragma once

#include <windows.h>

#include "form/layout.h"

namespace speedrail::win32 {

inline COLORREF toColorRef(layout::Rgb colour) {
    return RGB(colour.red(), colour.green(), colour.blue());
}

}  // namespace speedrail::win32
