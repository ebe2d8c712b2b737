// List1 as screen readers know a check-box list: its children are the
// entries, each named by its text, checked when ticked, and focused and
// selected at the caret. The default action toggles an entry's tick, as a
// click does. Every answer is read from the model at once, so a list of
// 32,767 entries costs no more than one of three.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "app/win32/accessibility/accessible_model.h"
#include "form/layout.h"
#include "form/service_list.h"

namespace speedrail::win32 {

// What the list's object reads of the list control, and asks of it.
class CheckListView {
public:
    // The entries shown, with their ticks.
    virtual const ServiceList& entries() const = 0;
    // The whole row of entry `index`, in the list's client coordinates.
    virtual RECT rowRect(std::int16_t index) const = 0;
    // Whether any of the entry's row is scrolled into view.
    virtual bool entryInView(std::int16_t index) const = 0;
    // The entry whose row holds the point (client coordinates); nothing
    // below the last entry.
    virtual std::optional<std::int16_t> entryAt(POINT point) const = 0;
    // The entry at the caret, or -1; moving the caret scrolls it into view.
    virtual int caret() const = 0;
    virtual void moveCaret(std::int16_t index) = 0;
    // The user's toggle of one entry's tick: a click on its row, Space at
    // the caret, a screen reader's default action.
    virtual void toggle(std::int16_t index) = 0;

protected:
    ~CheckListView() = default;
};

class AccessibleList final : public AccessibleModel {
public:
    AccessibleList(HWND window, CheckListView& list, const layout::Control& control)
        : window_(window), list_(list), control_(control) {}

    long childCount() const override;
    std::optional<std::string> name(long child) const override;
    long role(long child) const override;
    long state(long child) const override;
    std::optional<std::string> defaultAction(long child) const override;
    bool doDefaultAction(long child) override;
    std::optional<RECT> location(long child) const override;
    std::optional<long> childAt(POINT screen) const override;
    std::optional<long> focusedChild() const override;
    std::optional<long> selectedChild() const override;
    bool select(long flags, long child) override;

private:
    static std::int16_t entryOf(long child) { return static_cast<std::int16_t>(child - 1); }
    std::optional<long> caretChild() const;

    HWND window_;
    CheckListView& list_;
    const layout::Control& control_;
};

}  // namespace speedrail::win32
