// The main window's client area as screen readers see it: its controls in
// reading order, top to bottom. The check boxes, buttons and list are child
// windows with objects of their own; the labels and pictures, which the
// window paints itself, are simple elements answered here: the labels as
// static text named by their captions (the status line by what it shows),
// the pictures as links or buttons named by their tool tips, whose default
// action runs their click.
#pragma once

#include <windows.h>

#include <optional>

#include "app/win32/accessibility/accessible_model.h"
#include "form/layout.h"

namespace speedrail::win32 {

class MainWindow;

// Posted to the main window by a reader's default action on a picture or
// label: wParam is the control's layout::ControlId.
constexpr UINT kAccessibleClickMessage = WM_APP + 2;

// The child id a control has among the window's accessible children.
long formChildId(layout::ControlId id);

class AccessibleForm final : public AccessibleModel {
public:
    explicit AccessibleForm(const MainWindow& window) : window_(window) {}

    long childCount() const override;
    HWND childWindow(long child) const override;
    std::optional<std::string> name(long child) const override;
    std::optional<std::string> description(long child) const override;
    long role(long child) const override;
    long state(long child) const override;
    std::optional<std::string> defaultAction(long child) const override;
    bool doDefaultAction(long child) override;
    std::optional<RECT> location(long child) const override;
    std::optional<long> childAt(POINT screen) const override;
    std::optional<long> focusedChild() const override;

private:
    std::optional<long> childOfWindow(HWND window) const;

    const MainWindow& window_;
};

}  // namespace speedrail::win32
