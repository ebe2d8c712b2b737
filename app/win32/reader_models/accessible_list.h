// List1 as screen readers know a check-box list: its children are the
// entries, each named by its text, checked when ticked, and focused and
// selected at the caret. The default action toggles an entry's tick, as a
// click does. Every answer is read from the model at once, so a list of
// 32,767 entries costs no more than one of three.
#pragma once

#include <windows.h>

#include "app/win32/accessibility/accessible_model.h"
#include "app/win32/controls/service_list_box.h"
#include "form/layout.h"

namespace speedrail::win32 {

class AccessibleList final : public AccessibleModel {
public:
    AccessibleList(ServiceListBox& list, const layout::Control& control)
        : list_(list), control_(control) {}

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

    ServiceListBox& list_;
    const layout::Control& control_;
};

}  // namespace speedrail::win32
