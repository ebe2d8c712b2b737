// The main window as a view of the form's state: what the handlers tell it
// (WindowOps), what its accessible object reads of it, and where its
// controls are. Creation and layout, painting and the window procedure
// have files of their own (main_window_*.cpp).
#include "app/win32/main_window.h"

#include "app/win32/main_window_messages.h"
#include "form/box_controls.h"

namespace speedrail::win32 {

using layout::ControlId;

void MainWindow::show(int showCommand) {
    ::ShowWindow(hwnd_, showCommand);
    // Focus rectangles show from the start, not only after a key press.
    ::SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    ::SetFocus(children_[indexOf(ControlId::Command1)]);
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

HWND MainWindow::boxWindow(Box box) const { return children_[indexOf(controlOf(box))]; }

bool MainWindow::ticked(ControlId control) const {
    const std::optional<Box> box = boxOf(control);
    return box && form_.state().box(*box) == 1;
}

void MainWindow::enableBoxes() {
    for (int box = 0; box < kBoxCount; ++box) {
        ::EnableWindow(boxWindow(static_cast<Box>(box)), TRUE);
    }
}

void MainWindow::boxChanged(Box box, Repaint when) {
    if (when == Repaint::Now) {
        ::RedrawWindow(boxWindow(box), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return;
    }
    ::InvalidateRect(boxWindow(box), nullptr, FALSE);
    ::NotifyWinEvent(EVENT_OBJECT_STATECHANGE, boxWindow(box), OBJID_CLIENT, CHILDID_SELF);
}

void MainWindow::listChanged(Repaint when) { list_.modelChanged(when == Repaint::Now); }

void MainWindow::entryChanged(std::int16_t index) { list_.entryChanged(index); }

void MainWindow::statusChanged(Repaint when) {
    const RECT rect = controlRect(ControlId::Label4);
    ::InvalidateRect(hwnd_, &rect, FALSE);
    // A screen reader reads the status line out as it changes.
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd_, OBJID_CLIENT,
                     clientAreaChildId(ControlId::Label4));
    if (when == Repaint::Now) ::RedrawWindow(hwnd_, &rect, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// ---------------------------------------------------------------------------
// Looking controls up.

HWND MainWindow::controlWindow(ControlId id) const { return children_[indexOf(id)]; }

RECT MainWindow::controlRect(ControlId id) const {
    const layout::PixelRect r = layout::toPixels(layout::control(id).rect, look_.dpi);
    return RECT{r.left, r.top, r.right, r.bottom};
}

std::optional<ControlId> MainWindow::controlOfWindow(HWND window) const {
    if (!window) return std::nullopt;
    for (std::size_t i = 0; i < children_.size(); ++i) {
        if (children_[i] == window) return static_cast<ControlId>(i);
    }
    return std::nullopt;
}

std::optional<ControlId> MainWindow::controlAt(POINT client) const {
    return layout::hitTestPixels(client.x, client.y, look_.dpi);
}

bool MainWindow::postClick(ControlId id) {
    return ::PostMessageW(hwnd_, kClickControlMessage, static_cast<WPARAM>(id), 0) != FALSE;
}

}  // namespace speedrail::win32
