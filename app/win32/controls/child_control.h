// A control with a window of its own, as one object: it makes its window
// and owns it, with the font and the back brush it is drawn with, draws
// itself and answers for itself. The window it lies on hands it the
// messages its window sends there (WM_COMMAND, WM_DRAWITEM, WM_MEASUREITEM,
// WM_CTLCOLOR*): message reflection, so that the parent neither keeps what
// each control draws with nor asks what kind of control it is.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "app/win32/accessibility/accessible_model.h"
#include "app/win32/accessibility/accessible_window.h"
#include "app/win32/drawing/fonts.h"
#include "form/layout.h"
#include "form/window_ops.h"
#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

struct ChildWindowTraits {  // child windows made with CreateWindowEx
    static HWND invalid() { return nullptr; }
    static bool valid(HWND h) { return h != nullptr; }
    static void close(HWND h) { ::DestroyWindow(h); }
};
using UniqueChildWindow = UniqueHandle<HWND, ChildWindowTraits>;

class ChildControl {
public:
    virtual ~ChildControl() = default;
    ChildControl(const ChildControl&) = delete;
    ChildControl& operator=(const ChildControl&) = delete;

    const layout::Control& layout() const { return control_; }
    HWND hwnd() const { return window_.get(); }

    // Makes the window, a child of `parent` with the id `windowId`, in its
    // place and font at `dpi`; from then on it answers screen readers.
    void create(HWND parent, int windowId, FontFaces& faces, int dpi);
    // Makes the font anew and puts the window in its place at `dpi`.
    void setDpi(FontFaces& faces, int dpi);

    // What the control shows changed, to be drawn at the next paint
    // (Later), or it is to be drawn before the call returns (Now).
    virtual void refresh(Repaint when);
    // Whether Enter presses the control while it has the focus.
    virtual bool pressedByEnter() const { return false; }

    // The messages its window sends the parent about itself: WM_COMMAND's
    // notification, WM_DRAWITEM, WM_MEASUREITEM, and the WM_CTLCOLOR*
    // requests, answered with the brush of its back after setting `dc`'s
    // colours, or null for the system's colours.
    virtual void command(int /*notification*/) {}
    virtual void draw(const DRAWITEMSTRUCT& /*item*/) const {}
    virtual void measure(MEASUREITEMSTRUCT& /*item*/) const {}
    virtual HBRUSH colour(HDC dc) const;

protected:
    // The window's class and its styles beside a child's and a tab stop's.
    struct WindowClass {
        const wchar_t* name;
        DWORD style;
        DWORD extendedStyle;
    };
    ChildControl(const layout::Control& control, WindowClass windowClass);

    int dpi() const { return dpi_; }
    HFONT font() const { return font_.get(); }

private:
    // The window was made.
    virtual void windowCreated() {}
    // The font was made anew; at creation, before the window is.
    virtual void fontChanged() {}
    // What screen readers read of the control.
    virtual std::unique_ptr<AccessibleModel> accessibleModel() = 0;

    const layout::Control& control_;
    const WindowClass class_;
    int dpi_ = 96;
    UniqueFont font_;
    UniqueBrush back_;
    // The window goes before what it is drawn with.
    UniqueChildWindow window_;
    std::optional<AccessibleWindow> accessible_;
};

}  // namespace speedrail::win32
