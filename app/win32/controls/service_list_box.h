// List1: an owner-drawn, no-data list box showing the form's service list.
// The control holds only the number of rows; each row is drawn from the
// list as a tick box and the entry's text, so filling 32,767 entries costs
// one count update and one repaint, not a message per entry. The user's
// toggles go to the form, which owns the ticks.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "app/win32/controls/child_control.h"
#include "app/win32/reader_models/accessible_list.h"
#include "form/service_list.h"

namespace speedrail::win32 {

class ServiceListBox final : public ChildControl, private CheckListView {
public:
    // Shows `entries`; a toggle by the user goes to `toggle`, whose owner
    // changes the tick and then calls entryChanged.
    ServiceListBox(const layout::Control& control, const ServiceList& entries,
                   std::function<void(std::int16_t)> toggle);
    ~ServiceListBox() override;

    // The list's entries or ticks changed: the rows follow its count.
    void refresh(Repaint when) override;
    // One entry's tick changed: its row is redrawn and screen readers hear.
    void entryChanged(std::int16_t index);

private:
    // CheckListView.
    const ServiceList& entries() const override { return entries_; }
    RECT rowRect(std::int16_t index) const override;
    bool entryInView(std::int16_t index) const override;
    std::optional<std::int16_t> entryAt(POINT point) const override;
    int caret() const override;
    void moveCaret(std::int16_t index) override;
    void toggle(std::int16_t index) override;

    // ChildControl.
    void windowCreated() override;
    void fontChanged() override;
    std::unique_ptr<AccessibleModel> accessibleModel() override;
    void draw(const DRAWITEMSTRUCT& item) const override;
    void measure(MEASUREITEMSTRUCT& item) const override;

    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void announceCaret(bool focusArrived);
    void invalidateAll();

    const ServiceList& entries_;
    std::function<void(std::int16_t)> toggle_;
    bool invalidated_ = false;  // a full redraw is already pending
    int announcedCaret_ = -1;   // the entry screen readers were last told has the focus
    int itemHeight_ = 16;
};

}  // namespace speedrail::win32
