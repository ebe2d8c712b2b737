// List1: an owner-drawn, no-data list box over the ServiceList model. The
// control holds only the number of rows; each row is drawn from the model
// as a tick box and the entry's text, so filling 32,767 entries costs one
// count update and one repaint, not a message per entry.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "app/layout.h"
#include "app/service_list.h"

namespace speedrail::win32 {

class ServiceListBox {
public:
    explicit ServiceListBox(const layout::Control& control) : control_(control) {}
    ~ServiceListBox();
    ServiceListBox(const ServiceListBox&) = delete;
    ServiceListBox& operator=(const ServiceListBox&) = delete;

    // Creates the control with the font set by setFont; `parent` answers
    // its WM_MEASUREITEM with itemHeight(), sends its WM_DRAWITEM to draw()
    // and its kSyncListMessage to syncCount().
    HWND create(HWND parent, int controlId, const layout::PixelRect& rect);
    HWND hwnd() const { return hwnd_; }

    ServiceList& model() { return model_; }
    const ServiceList& model() const { return model_; }

    // Model changes. Appending only notes that the control's row count is
    // behind; it catches up at the next repaint (or message loop turn).
    bool append(const std::string& text);
    void clear();
    void setSelected(std::int16_t index, bool selected);
    // The user's toggle of one entry's tick: a click on its row, Space at
    // the caret, a screen reader's default action.
    void toggle(std::int16_t index);

    // Brings the row count up to date and redraws at once.
    void repaint();
    // Brings the row count up to date without drawing.
    void syncCount();

    // The font (owned by the caller) and the row height at the window's DPI.
    void setFont(HFONT font, int dpi);
    int itemHeight() const { return itemHeight_; }
    void draw(const DRAWITEMSTRUCT& item) const;

    // Where the tick box of row `index` is, in the list's client
    // coordinates (while the row is scrolled into view).
    RECT tickRect(std::int16_t index) const;
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
    RECT tickIn(const RECT& row) const;

    const layout::Control& control_;
    ServiceList model_;
    HWND hwnd_ = nullptr;
    HWND parent_ = nullptr;
    HFONT font_ = nullptr;
    bool countBehind_ = false;
    bool invalidated_ = false;  // a full redraw is already pending
    int announcedCaret_ = -1;   // the entry screen readers were last told has the focus
    int dpi_ = 96;
    int itemHeight_ = 16;
};

// Posted to the parent when the list's row count fell behind its model, so
// that the count catches up even when nothing repaints the list.
constexpr UINT kSyncListMessage = WM_APP + 1;

}  // namespace speedrail::win32
