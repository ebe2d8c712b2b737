// The layout's fonts as GDI fonts at a DPI. Where a face is not installed
// (Windows without Office has no Arial Rounded MT Bold, Wine no Calibri or
// Consolas), a close face of the same size takes its place.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <optional>
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

// The face a system draws for `face`, or nothing when it lacks it.
using FaceLookup = std::function<std::optional<std::wstring>(const std::wstring& face)>;

// Finds the installed face for each named face once and remembers it.
class FontFaces {
public:
    // The faces installed on this system.
    FontFaces();
    // The faces `lookup` knows: tests model another system's fonts.
    explicit FontFaces(FaceLookup lookup);

    const ResolvedFace& resolve(const char* face);

private:
    FaceLookup lookup_;
    std::map<std::string, ResolvedFace> resolved_;
};

// The font `control` is drawn in at `dpi`: its size in points is kept
// whatever face is used, with one exception. A label without a back colour
// clips its caption at its edge: its font is made a pixel smaller at a time
// until the caption ends at least a pixel inside the label, so that a
// stand-in face a little wider than the one designed for cannot cut the
// last letter. Every other control's font is as designed.
UniqueFont createControlFont(const layout::Control& control, FontFaces& faces, int dpi);

// How far `caption` reaches when drawn in the font selected into `dc`: its
// advance, plus the overhang of an italic last letter.
int captionWidth(HDC dc, const std::wstring& caption);

}  // namespace speedrail::win32
