// The main window as a view of the form's state: what the handlers tell it
// (WindowOps), its painting, what its accessible object reads of it, and
// where its controls are. Creation and layout and the window procedure have
// files of their own (main_window_*.cpp).
#include "app/win32/main_window.h"

#include "app/win32/controls/service_list_box.h"
#include "app/win32/drawing/gdi_scope.h"
#include "app/win32/main_window_messages.h"
#include "form/box_controls.h"

namespace speedrail::win32 {

using layout::ControlId;

void MainWindow::show(int showCommand) {
    ::ShowWindow(hwnd_, showCommand);
    // Focus rectangles show from the start, not only after a key press.
    ::SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    ::SetFocus(controlWindow(ControlId::Command1));
    ::UpdateWindow(hwnd_);
}

// ---------------------------------------------------------------------------
// WindowOps.

void MainWindow::setPointer(Pointer pointer) {
    pointer_ = pointer;
    showPointerNow();
}

// Each console a run starts takes the foreground. The click that started
// the run came to this window, so Windows lets it take the foreground back;
// activation then puts the focus back on the control that had it.
void MainWindow::reclaimForeground() {
    if (::GetForegroundWindow() != hwnd_) ::SetForegroundWindow(hwnd_);
}

void MainWindow::processPendingEvents() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Leave it for the message loop, which ends the program.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!translateDialogMessage(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
}

void MainWindow::enableBoxes() {
    for (int box = 0; box < kBoxCount; ++box) {
        ::EnableWindow(controlWindow(controlOf(static_cast<Box>(box))), TRUE);
    }
}

void MainWindow::boxChanged(Box box, Repaint when) {
    if (ChildControl* control = children_.find(controlOf(box))) control->refresh(when);
}

void MainWindow::listChanged(Repaint when) {
    if (auto* list = children_.find<ServiceListBox>(ControlId::List1)) list->refresh(when);
}

void MainWindow::entryChanged(std::int16_t index) {
    if (auto* list = children_.find<ServiceListBox>(ControlId::List1)) list->entryChanged(index);
}

void MainWindow::statusChanged(Repaint when) {
    const RECT rect = controlRect(ControlId::Label4);
    ::InvalidateRect(hwnd_, &rect, FALSE);
    // A screen reader reads the status line out as it changes.
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd_, OBJID_CLIENT,
                     clientAreaChildId(ControlId::Label4));
    if (when == Repaint::Now) ::RedrawWindow(hwnd_, &rect, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// ---------------------------------------------------------------------------
// Painting.

void MainWindow::onPaint() {
    const PaintScope paint(hwnd_);
    surface_.paint(paint.dc(), paint.area(), dpi_, statusCaption());
}

// ---------------------------------------------------------------------------
// Looking controls up.

HWND MainWindow::controlWindow(ControlId id) const {
    const ChildControl* control = children_.find(id);
    return control ? control->hwnd() : nullptr;
}

RECT MainWindow::controlRect(ControlId id) const {
    const layout::PixelRect r = layout::toPixels(layout::control(id).rect, dpi_);
    return RECT{r.left, r.top, r.right, r.bottom};
}

std::optional<ControlId> MainWindow::controlAt(POINT client) const {
    return layout::hitTestPixels(client.x, client.y, dpi_);
}

bool MainWindow::postClick(ControlId id) {
    return ::PostMessageW(hwnd_, kClickControlMessage, static_cast<WPARAM>(id), 0) != FALSE;
}

}  // namespace speedrail::win32
