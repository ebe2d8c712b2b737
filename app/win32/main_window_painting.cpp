// The main window's painting: its own surface (the windowless controls),
// the colours of its child windows, and the owner-drawn boxes, buttons and
// list rows.
#include "app/win32/control_window_ids.h"
#include "app/win32/controls/check_box.h"
#include "app/win32/controls/graphical_button.h"
#include "app/win32/drawing/colour.h"
#include "app/win32/drawing/gdi_scope.h"
#include "app/win32/main_window.h"

namespace speedrail::win32 {

using layout::ControlId;
using layout::ControlKind;

void MainWindow::onPaint() {
    const PaintScope paint(hwnd_);
    paintSurface(paint.dc(), paint.area(), look_, statusCaption());
}

LRESULT MainWindow::onControlColour(UINT message, HDC dc, HWND window) {
    const std::optional<ControlId> id = controlOfWindow(window);
    if (!id || !backBrushes_[indexOf(*id)]) {
        return ::DefWindowProcW(hwnd_, message, reinterpret_cast<WPARAM>(dc),
                                reinterpret_cast<LPARAM>(window));
    }
    const layout::Control& control = layout::control(*id);
    ::SetBkColor(dc, toColorRef(*control.back));
    if (control.fore) ::SetTextColor(dc, toColorRef(*control.fore));
    return reinterpret_cast<LRESULT>(backBrushes_[indexOf(*id)].get());
}

void MainWindow::onDrawItem(const DRAWITEMSTRUCT& item) {
    const std::optional<ControlId> drawn = controlOfWindowId(static_cast<int>(item.CtlID));
    if (!drawn) return;
    const ControlId id = *drawn;
    if (id == ControlId::List1) {
        list_.draw(item);
    } else if (layout::control(id).kind == ControlKind::CheckBox) {
        drawCheckBox(item, layout::control(id), ticked(id), fonts_[indexOf(id)].get(), look_.dpi);
    } else if (item.CtlType == ODT_BUTTON) {
        drawGraphicalButton(item, layout::control(id), look_.pictures[indexOf(id)],
                            fonts_[indexOf(id)].get(), look_.dpi);
    }
}

void MainWindow::onMeasureItem(MEASUREITEMSTRUCT& item) const {
    if (item.CtlType == ODT_LISTBOX) item.itemHeight = static_cast<UINT>(list_.itemHeight());
}

}  // namespace speedrail::win32
