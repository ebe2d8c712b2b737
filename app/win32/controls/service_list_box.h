// List1: an owner-drawn, no-data list box showing the form's service list.
// The control holds only the number of rows; each row is drawn from the
// list as a tick box and the entry's text, so filling 32,767 entries costs
// one count update and one repaint, not a message per entry. The user's
// toggles go to the form, which owns the ticks.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

#include "form/layout.h"
#include "form/service_list.h"

namespace speedrail::win32 {

class ServiceListBox {
public:
    // Shows `model`; a toggle by the user goes to `toggle`, whose owner
    // changes the tick and then calls entryChanged.
    ServiceListBox(const layout::Control& control, const ServiceList& model,
                   std::function<void(std::int16_t)> toggle)
        : control_(control), model_(model), toggle_(std::move(toggle)) {}
    ~ServiceListBox();
    ServiceListBox(const ServiceListBox&) = delete;
    ServiceListBox& operator=(const ServiceListBox&) = delete;

    // Creates the control with the font set by setFont; `parent` answers
    // its WM_MEASUREITEM with itemHeight() and sends its WM_DRAWITEM to draw().
    HWND create(HWND parent, int controlId, const layout::PixelRect& rect);
    HWND hwnd() const { return hwnd_; }

    const ServiceList& model() const { return model_; }

    // The list's entries or ticks changed: the rows follow its count and
    // are drawn now, or at the next paint.
    void modelChanged(bool drawNow);
    // One entry's tick changed: its row is redrawn and screen readers hear.
    void entryChanged(std::int16_t index);
    // The user's toggle of one entry's tick: a click on its row, Space at
    // the caret, a screen reader's default action.
    void toggle(std::int16_t index);

    // The font (owned by the caller) and the row height at the window's DPI.
    void setFont(HFONT font, int dpi);
    int itemHeight() const { return itemHeight_; }
    void draw(const DRAWITEMSTRUCT& item) const;

    // The whole row of entry `index`, in the list's client coordinates.
    RECT rowRect(std::int16_t index) const;
    // Whether any of the entry's row is scrolled into view.
    bool entryInView(std::int16_t index) const;
    // The entry whose row holds the point (client coordinates); nothing
    // below the last entry.
    std::optional<std::int16_t> entryAt(POINT point) const;
    // The entry at the caret, or -1; moving the caret scrolls it into view.
    int caret() const;
    void moveCaret(std::int16_t index);

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void onButtonDown(POINT point);
    void invalidateRow(int index);
    void notifyTickChanged(std::int16_t index) const;
    void announceCaret(bool focusArrived);
    void invalidateAll();

    const layout::Control& control_;
    const ServiceList& model_;
    std::function<void(std::int16_t)> toggle_;
    HWND hwnd_ = nullptr;
    HFONT font_ = nullptr;
    bool invalidated_ = false;  // a full redraw is already pending
    int announcedCaret_ = -1;   // the entry screen readers were last told has the focus
    int dpi_ = 96;
    int itemHeight_ = 16;
};

}  // namespace speedrail::win32
