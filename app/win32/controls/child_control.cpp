#include "app/win32/controls/child_control.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "app/win32/drawing/colour.h"
#include "platform/win32/wide_text.h"

namespace speedrail::win32 {

ChildControl::ChildControl(const layout::Control& control, WindowClass windowClass)
    : control_(control), class_(windowClass) {
    if (control.back) back_.reset(::CreateSolidBrush(toColorRef(*control.back)));
}

void ChildControl::create(HWND parent, int windowId, FontFaces& faces, int dpi) {
    dpi_ = dpi;
    font_ = createControlFont(control_, faces, dpi);
    fontChanged();
    DWORD style = WS_CHILD | WS_TABSTOP | class_.style;
    if (control_.visible) style |= WS_VISIBLE;
    if (!control_.enabled) style |= WS_DISABLED;
    const layout::PixelRect rect = layout::toPixels(control_.rect, dpi);
    const std::wstring caption = toWide(control_.caption);
    window_.reset(::CreateWindowExW(class_.extendedStyle, class_.name, caption.c_str(), style,
                                    rect.left, rect.top, rect.width(), rect.height(), parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(windowId)),
                                    ::GetModuleHandleW(nullptr), nullptr));
    if (!window_) throw std::runtime_error(std::string("cannot create ") + control_.name);
    ::SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
    windowCreated();
    accessible_.emplace(hwnd(), accessibleModel());
}

// The parent redraws itself and every child after a DPI change.
void ChildControl::setDpi(FontFaces& faces, int dpi) {
    dpi_ = dpi;
    // The window keeps its old font until the new one is set.
    const UniqueFont old = std::exchange(font_, createControlFont(control_, faces, dpi));
    ::SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
    fontChanged();
    const layout::PixelRect rect = layout::toPixels(control_.rect, dpi);
    ::SetWindowPos(hwnd(), nullptr, rect.left, rect.top, rect.width(), rect.height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void ChildControl::refresh(Repaint when) {
    if (when == Repaint::Now) {
        ::RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    } else {
        ::InvalidateRect(hwnd(), nullptr, FALSE);
    }
}

HBRUSH ChildControl::colour(HDC dc) const {
    if (!back_) return nullptr;
    ::SetBkColor(dc, toColorRef(*control_.back));
    if (control_.fore) ::SetTextColor(dc, toColorRef(*control_.fore));
    return back_.get();
}

}  // namespace speedrail::win32
