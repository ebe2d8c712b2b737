// Form1 on Win32: the main window with its 28 controls, built from the
// layout table. It implements WindowOps on the real controls, owns the
// form's handlers (Form1) and calls them on the user's clicks.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/form1.h"
#include "app/win32/accessibility/accessible_window.h"
#include "app/win32/child_controls.h"
#include "app/win32/controls/surface_painter.h"
#include "app/win32/controls/tool_tips.h"
#include "app/win32/drawing/dpi.h"
#include "app/win32/drawing/fonts.h"
#include "app/win32/reader_models/accessible_client_area.h"
#include "form/layout.h"
#include "form/window_ops.h"
#include "platform/platform_ops.h"
#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

struct MainWindowOptions {
    // Draw at this DPI instead of the monitor's (tests check 120 and 144
    // dpi layouts this way); a WM_DPICHANGED still moves it on.
    std::optional<int> dpi;
    // Post WM_QUIT when the window is destroyed: closing it ends the program.
    bool endProgramOnClose = false;
};

class MainWindow final : public WindowOps, private ClientAreaSite {
public:
    // Creates the window hidden, with every control in its opening state,
    // and its Form1 acting on this window and on `platform`.
    explicit MainWindow(PlatformOps& platform, MainWindowOptions options = {});
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    Form1& form() { return form_; }
    const Form1& form() const { return form_; }
    HWND hwnd() const { return hwnd_; }

    // Shows the window and puts the focus on Command1.
    void show(int showCommand);
    // The keyboard interface of the window (TAB, Shift+TAB, space): true
    // when `message` was handled and must not be dispatched again.
    bool translateDialogMessage(MSG& message);

    // WindowOps.
    void setPointer(Pointer pointer) override;
    void processPendingEvents() override;
    void reclaimForeground() override;
    void enableBoxes() override;
    void pageRequestChanged() override { showPointerNow(); }
    void statusChanged(Repaint when) override;
    void boxChanged(Box box, Repaint when) override;
    void listChanged(Repaint when) override;
    void entryChanged(std::int16_t index) override;

private:
    // ClientAreaSite: what the client area's accessible object reads.
    HWND hostWindow() const override { return hwnd_; }
    HWND controlWindow(layout::ControlId id) const override;
    RECT controlRect(layout::ControlId id) const override;
    // The windowless control a click at `client` (pixels) reaches.
    std::optional<layout::ControlId> controlAt(POINT client) const override;
    const std::string& statusCaption() const override { return form_.state().status; }
    bool postClick(layout::ControlId id) override;

    // Creation and layout (main_window_creation.cpp).
    void onCreate();
    void createToolTips();
    void fitClientArea(int x, int y, bool move);
    void onDpiChanged(int dpi, const RECT& suggested);

    // The window procedure and input (main_window_procedure.cpp).
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onGetDefaultId() const;
    void onButtonDown(POINT client);
    void onButtonUp(POINT client);
    HCURSOR cursorFor(layout::PointerStyle style) const;
    layout::PointerStyle pointerAt(HWND target, POINT client) const;
    // The pointer shown over `target`, at the point (client pixels), in the
    // current state.
    HCURSOR cursorAt(HWND target, POINT client) const;
    bool onSetCursor(HWND target, int hitTest);
    void showPointerNow();
    bool onActivate(bool active, bool minimized);
    void onSetFocus();
    void onDestroy();
    LRESULT onNcDestroy(WPARAM wParam, LPARAM lParam);

    // Painting (main_window.cpp).
    void onPaint();

    MainWindowOptions options_;
    Form1 form_;
    HWND hwnd_ = nullptr;
    int dpi_ = kDefaultDpi;

    FontFaces faces_;
    ChildControls children_;
    SurfacePainter surface_;
    ToolTips toolTips_;
    // What screen readers get from the client area; each child window
    // answers for itself.
    std::optional<AccessibleWindow> accessible_;
    HWND focusBeforeDeactivation_ = nullptr;

    UniqueCursor busyCursor_;
    UniqueCursor handCursor_;
    Pointer pointer_ = Pointer::Busy;  // the window's stored style until start-up sets it
    std::optional<layout::ControlId> pressed_;
};

}  // namespace speedrail::win32
