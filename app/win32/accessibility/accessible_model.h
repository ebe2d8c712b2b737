// What one of the window's accessible objects tells a screen reader, child
// by child: child 0 is the object itself, children are counted from 1. The
// COM object (accessible_object.h) turns these answers into IAccessible;
// whatever a model leaves open comes from the system's standard object for
// the same window.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace speedrail::win32 {

class AccessibleModel {
public:
    virtual ~AccessibleModel() = default;

    // The children: simple elements, or child windows with objects of their own.
    virtual long childCount() const { return 0; }
    // The window of a child that is a full object; null for a simple element.
    virtual HWND childWindow(long) const { return nullptr; }

    // Nothing: the standard object answers (for the object itself), or the
    // child has no such property.
    virtual std::optional<std::string> name(long child) const = 0;
    virtual std::optional<std::string> description(long) const { return std::nullopt; }
    virtual long role(long child) const = 0;   // ROLE_SYSTEM_*
    virtual long state(long child) const = 0;  // STATE_SYSTEM_*
    virtual std::optional<std::string> defaultAction(long) const { return std::nullopt; }
    // False when the child has no default action now (unavailable).
    virtual bool doDefaultAction(long) { return false; }

    // Where a child lies, in screen pixels; nothing for the object itself.
    virtual std::optional<RECT> location(long) const { return std::nullopt; }
    // The child at a screen point; nothing: not over any child.
    virtual std::optional<long> childAt(POINT) const { return std::nullopt; }
    // The child with the keyboard focus, while the object has it.
    virtual std::optional<long> focusedChild() const { return std::nullopt; }
    // The selected child (a list's caret entry).
    virtual std::optional<long> selectedChild() const { return std::nullopt; }
    // Moves the focus or the selection to a child (SELFLAG_*); false when
    // the object cannot.
    virtual bool select(long, long) { return false; }
};

// Whether the window and every window it is a child of are enabled. A
// message box disables its owner, and with it each control on it: no
// default action may run then.
bool enabledWithParents(HWND window);

// The state bits every window shows: unavailable while it or a window it
// lies in is disabled, otherwise focusable; focused; invisible while hidden.
long windowState(HWND window);

}  // namespace speedrail::win32
