#include "app/win32/controls/check_box.h"

#include <algorithm>
#include <string>

#include "app/win32/drawing/colour.h"
#include "app/win32/drawing/gdi_scope.h"
#include "app/win32/drawing/tick_box.h"
#include "platform/win32/wide_text.h"

namespace speedrail::win32 {
namespace {

// Halfway between two colours: a disabled caption in its band's tones.
layout::Rgb midway(layout::Rgb a, layout::Rgb b) {
    const auto mix = [](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint32_t>((x + y) / 2);
    };
    return layout::Rgb{(mix(a.red(), b.red()) << 16) | (mix(a.green(), b.green()) << 8) |
                       mix(a.blue(), b.blue())};
}

// The tick box of the system's classic check boxes: white, or grey while
// the box is disabled.
constexpr TickColours kEnabledTick{layout::Rgb{0x202020}, layout::Rgb{0xFFFFFF},
                                   layout::Rgb{0x000000}};
constexpr TickColours kPressedTick{layout::Rgb{0x202020}, layout::Rgb{0xD8D8D8},
                                   layout::Rgb{0x000000}};
constexpr TickColours kDisabledTick{layout::Rgb{0x808080}, layout::Rgb{0xE8E8E8},
                                    layout::Rgb{0x808080}};

// A dotted frame in the caption's colour. The system's focus rectangle
// inverts what lies under it, which leaves it invisible on mid grey.
void drawFocusFrame(HDC dc, const RECT& frame, COLORREF colour) {
    const LOGBRUSH brush{BS_SOLID, colour, 0};
    const UniquePen pen(::ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr));
    const SelectedObject selectedPen(dc, pen.get());
    const SelectedObject selectedBrush(dc, ::GetStockObject(NULL_BRUSH));
    ::Rectangle(dc, frame.left, frame.top, frame.right, frame.bottom);
}

}  // namespace

void CheckBox::refresh(Repaint when) {
    Button::refresh(when);
    if (when == Repaint::Later) {
        ::NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd(), OBJID_CLIENT, CHILDID_SELF);
    }
}

std::unique_ptr<AccessibleModel> CheckBox::accessibleModel() {
    return std::make_unique<AccessibleButton>(hwnd(), layout(), ticked_);
}

void CheckBox::draw(const DRAWITEMSTRUCT& item) const {
    const layout::Control& control = layout();
    const HDC dc = item.hDC;
    const RECT& face = item.rcItem;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const layout::Rgb back = control.back.value();
    const layout::Rgb fore = control.fore.value();

    ::SetBkColor(dc, toColorRef(back));
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &face, nullptr, 0, nullptr);

    const TickColours& tick = disabled ? kDisabledTick : pressed ? kPressedTick : kEnabledTick;
    drawTickBox(dc, tickBoxIn(face, kCheckBoxTick, dpi()), ticked_(), tick);

    const std::wstring caption = toWide(control.caption);
    RECT text = captionAreaIn(face, kCheckBoxTick, dpi());
    const SelectedObject selected(dc, font());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, toColorRef(disabled ? midway(fore, back) : fore));
    const UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, format);

    if (item.itemState & ODS_FOCUS) {
        // Around the caption only, as the system's check boxes do.
        RECT measured = text;
        ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measured,
                    format | DT_CALCRECT);
        RECT focus{text.left - 1, face.top + 1, std::min(measured.right + 1, face.right),
                   face.bottom - 1};
        drawFocusFrame(dc, focus, toColorRef(disabled ? midway(fore, back) : fore));
    }
}

}  // namespace speedrail::win32
