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
#include <string>

#include "app/win32/accessibility/accessible_model.h"
#include "form/layout.h"

namespace speedrail::win32 {

// What the client area's object reads of the window it describes, and the one
// thing it asks of it.
class ClientAreaSite {
public:
    virtual HWND hostWindow() const = 0;
    // The control's own window; null for the windowless ones.
    virtual HWND controlWindow(layout::ControlId id) const = 0;
    // Where the control lies, in client pixels at the window's current DPI.
    virtual RECT controlRect(layout::ControlId id) const = 0;
    // The frontmost windowless control at a client point (pixels).
    virtual std::optional<layout::ControlId> controlAt(POINT client) const = 0;
    // The status line's caption as it is painted.
    virtual const std::string& statusCaption() const = 0;
    // Clicks the control once the window reads its messages again: the
    // reader does not wait for a handler that may open a message box.
    // False when the click cannot be queued.
    virtual bool postClick(layout::ControlId id) = 0;

protected:
    ~ClientAreaSite() = default;
};

// The child id a control has among the window's accessible children.
long clientAreaChildId(layout::ControlId id);

class AccessibleClientArea final : public AccessibleModel {
public:
    explicit AccessibleClientArea(ClientAreaSite& site) : site_(site) {}

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

    ClientAreaSite& site_;
};

}  // namespace speedrail::win32
