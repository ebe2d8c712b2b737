#include "app/win32/controls/surface_painter.h"

#include <algorithm>

#include "app/win32/drawing/colour.h"
#include "app/win32/drawing/dpi.h"
#include "app/win32/drawing/gdi_scope.h"
#include "platform/win32/wide_text.h"

namespace speedrail::win32 {
namespace {

using layout::Control;
using layout::ControlId;

// The status line keeps its text off its left edge; in pixels at 96 dpi.
constexpr int kStatusInset = 2;

RECT toRect(const layout::PixelRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

void fill(HDC dc, const RECT& rect, layout::Rgb colour) {
    ::SetBkColor(dc, toColorRef(colour));
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void paintShape(HDC dc, const Control& shape, const RECT& rect, int dpi) {
    if (shape.back) fill(dc, rect, *shape.back);
    if (shape.shape.fillStyle == layout::FillStyle::Solid) fill(dc, rect, shape.shape.fill);
    if (shape.shape.borderPixels <= 0) return;
    const UniqueBrush border(::CreateSolidBrush(toColorRef(shape.shape.border)));
    RECT edge = rect;
    const int width = std::max(1, scaleFrom96(shape.shape.borderPixels, dpi));
    for (int i = 0; i < width; ++i) {
        ::FrameRect(dc, &edge, border.get());
        ::InflateRect(&edge, -1, -1);
    }
}

// Labels draw one line of text from their top left corner, clipped to
// their rectangle. The opaque status line centres its line vertically.
void paintLabel(HDC dc, const Control& label, RECT rect, const std::string& caption, HFONT font,
                int dpi) {
    UINT format = DT_LEFT | DT_SINGLELINE | DT_NOPREFIX;
    if (label.back) {
        fill(dc, rect, *label.back);
        format |= DT_VCENTER | DT_END_ELLIPSIS;
        rect.left += scaleFrom96(kStatusInset, dpi);
    } else {
        format |= DT_TOP;
    }
    const SelectedObject selected(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, toColorRef(label.fore.value()));
    const std::wstring text = toWide(caption);
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

// A picture shows at its own size (scaled with the DPI) from the control's
// top left corner; the control's rectangle has that size.
void paintImage(HDC dc, const RECT& rect, const Picture& picture, int dpi) {
    picture.draw(dc, rect.left, rect.top, scaleFrom96(picture.width(), dpi),
                 scaleFrom96(picture.height(), dpi));
}

}  // namespace

SurfacePainter::SurfacePainter() {
    const auto& stacking = layout::windowlessStacking();
    painted_.reserve(stacking.size());
    for (auto it = stacking.rbegin(); it != stacking.rend(); ++it) {
        painted_.push_back(Painted{layout::control(*it), UniqueFont(), std::nullopt});
    }
}

void SurfacePainter::loadPictures(PictureDecoder& decoder) {
    for (Painted& painted : painted_) painted.picture = decoder.load(painted.control.picture);
}

void SurfacePainter::makeFonts(FontFaces& faces, int dpi) {
    for (Painted& painted : painted_) painted.font = createControlFont(painted.control, faces, dpi);
}

void SurfacePainter::paintControl(HDC dc, const Painted& painted, int dpi,
                                  const std::string& status) const {
    const Control& control = painted.control;
    const RECT rect = toRect(layout::toPixels(control.rect, dpi));
    switch (control.kind) {
        case layout::ControlKind::Shape:
            paintShape(dc, control, rect, dpi);
            break;
        case layout::ControlKind::Label:
            paintLabel(dc, control, rect,
                       control.id == ControlId::Label4 ? status : control.caption,
                       painted.font.get(), dpi);
            break;
        case layout::ControlKind::Image:
            if (painted.picture) paintImage(dc, rect, *painted.picture, dpi);
            break;
        default:
            break;
    }
}

void SurfacePainter::paint(HDC dc, const RECT& area, int dpi, const std::string& status) const {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;
    const UniqueMemoryDc buffer(::CreateCompatibleDC(dc));
    const UniqueBitmap bitmap(::CreateCompatibleBitmap(dc, width, height));
    if (!buffer || !bitmap) return;
    {
        const SelectedObject selected(buffer.get(), bitmap.get());
        // Draw in client coordinates; the buffer holds only `area`.
        ::SetViewportOrgEx(buffer.get(), -area.left, -area.top, nullptr);
        fill(buffer.get(), area, layout::window().back);
        for (const Painted& painted : painted_) {
            RECT rect = toRect(layout::toPixels(painted.control.rect, dpi)), visible{};
            if (painted.control.visible && ::IntersectRect(&visible, &rect, &area)) {
                paintControl(buffer.get(), painted, dpi, status);
            }
        }
        ::SetViewportOrgEx(buffer.get(), 0, 0, nullptr);
        ::BitBlt(dc, area.left, area.top, width, height, buffer.get(), 0, 0, SRCCOPY);
    }
}

}  // namespace speedrail::win32
