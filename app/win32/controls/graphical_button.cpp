#include "app/win32/controls/graphical_button.h"

#include <algorithm>
#include <string>

#include "app/win32/drawing/colour.h"
#include "app/win32/drawing/dpi.h"
#include "app/win32/drawing/gdi_scope.h"
#include "platform/win32/wide_text.h"

namespace speedrail::win32 {
namespace {

// In pixels at 96 dpi.
constexpr int kPictureSize = 16;
constexpr int kPictureToCaption = 3;
constexpr int kFocusInset = 4;

constexpr layout::Rgb kDisabledText{0x808080};

}  // namespace

void GraphicalButton::draw(const DRAWITEMSTRUCT& item) const {
    const layout::Control& control = layout();
    const Picture* picture = picture_ ? &*picture_ : nullptr;
    const HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;

    ::SetBkColor(dc, toColorRef(control.back.value()));
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &face, nullptr, 0, nullptr);
    // The focused button wears a dark outline, as the default button does.
    if (focused) {
        ::FrameRect(dc, &face, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::InflateRect(&face, -1, -1);
    }
    ::DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    // The content moves one pixel right and down while the button is down.
    const int shift = pressed ? 1 : 0;
    const std::wstring caption = toWide(control.caption);
    const SelectedObject selectedFont(dc, font());
    RECT measured{0, 0, face.right - face.left, 0};
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measured,
                DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const int textHeight = static_cast<int>(measured.bottom - measured.top);
    const int pictureSize = picture ? scaleFrom96(kPictureSize, dpi()) : 0;
    const int gap = picture ? scaleFrom96(kPictureToCaption, dpi()) : 0;
    const int spare = static_cast<int>(face.bottom - face.top) - pictureSize - gap - textHeight;
    const int contentTop = static_cast<int>(face.top) + std::max(0, spare / 2) + shift;

    if (picture) {
        const int left = face.left + (face.right - face.left - pictureSize) / 2 + shift;
        picture->draw(dc, left, contentTop, pictureSize, pictureSize);
    }
    RECT text{face.left + shift, contentTop + pictureSize + gap, face.right + shift,
              contentTop + pictureSize + gap + textHeight};
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, toColorRef(disabled ? kDisabledText : control.fore.value()));
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);

    if (focused) {
        RECT focus = face;
        const int inset = scaleFrom96(kFocusInset, dpi()) - 1;
        ::InflateRect(&focus, -inset, -inset);
        ::SetTextColor(dc, RGB(0, 0, 0));
        ::SetBkColor(dc, RGB(255, 255, 255));
        ::DrawFocusRect(dc, &focus);
    }
}

}  // namespace speedrail::win32
