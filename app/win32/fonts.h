// The layout's fonts as GDI fonts at a DPI. Where a face is not installed
// (Wine has no Calibri, Consolas or Arial Rounded MT Bold), a close face of
// the same size takes its place.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "form/layout.h"
#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

// The face a font is made with, and whether it is drawn bold to stand in
// for a heavy face (Arial Rounded MT Bold is heavy at regular weight).
struct ResolvedFace {
    std::wstring face;
    bool bold = false;
};

// Finds the installed face for each named face once and remembers it.
class FontFaces {
public:
    const ResolvedFace& resolve(const char* face);

private:
    std::map<std::string, ResolvedFace> resolved_;
};

// The font `look` at `dpi`: its size in points is kept whatever face is used.
UniqueFont createFont(const layout::FontLook& look, FontFaces& faces, int dpi);

}  // namespace speedrail::win32
