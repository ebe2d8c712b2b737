// Paints the window's own surface: its back colour and, back to front, the
// labels, pictures and shapes that have no window of their own. Those stay
// rows of the layout table; the painter keeps what they are drawn with, the
// labels' fonts and the pictures. Painting goes through an off-screen
// bitmap, so a repaint never flickers.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/win32/drawing/fonts.h"
#include "app/win32/drawing/pictures.h"
#include "form/layout.h"
#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

class SurfacePainter {
public:
    SurfacePainter();

    void loadPictures(PictureDecoder& decoder);
    // The fonts at `dpi`, the DPI paint is then called with.
    void makeFonts(FontFaces& faces, int dpi);

    // Paints the part `area` (client pixels) of the surface at `dpi` into
    // `dc`, with `status` as the status line's caption.
    void paint(HDC dc, const RECT& area, int dpi, const std::string& status) const;

private:
    // A windowless control and what it is drawn with.
    struct Painted {
        const layout::Control& control;
        UniqueFont font;
        std::optional<Picture> picture;
    };
    void paintControl(HDC dc, const Painted& painted, int dpi, const std::string& status) const;

    std::vector<Painted> painted_;  // back to front
};

}  // namespace speedrail::win32
