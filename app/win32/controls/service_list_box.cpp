#include "app/win32/controls/service_list_box.h"

#include <algorithm>

#include "app/win32/drawing/colour.h"
#include "app/win32/drawing/dpi.h"
#include "app/win32/drawing/gdi_scope.h"
#include "app/win32/drawing/tick_box.h"
#include "platform/win32/common_controls.h"
#include "platform/win32/wide_text.h"

namespace speedrail::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr DWORD kStyle =
    WS_VSCROLL | LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;

// The colours of a row beside the layout's: the caret's row, and the inside
// of each tick box.
constexpr layout::Rgb kCaretRowBack{0x585858};
constexpr layout::Rgb kEmptyTickBack{0x2C2C2C};

// What a row holds beside its text and its tick box, in pixels at 96 dpi.
constexpr int kTextPadding = 2;
constexpr int kTickBoxPadding = 4;

}  // namespace

ServiceListBox::ServiceListBox(const layout::Control& control, const ServiceList& entries,
                               std::function<void(std::int16_t)> toggle)
    : ChildControl(control, {L"LISTBOX", kStyle, WS_EX_CLIENTEDGE}),
      entries_(entries),
      toggle_(std::move(toggle)) {}

ServiceListBox::~ServiceListBox() {
    if (hwnd()) common_controls::removeWindowSubclass(hwnd(), subclassProc, kSubclassId);
}

void ServiceListBox::windowCreated() {
    common_controls::setWindowSubclass(hwnd(), subclassProc, kSubclassId,
                                       reinterpret_cast<DWORD_PTR>(this));
}

std::unique_ptr<AccessibleModel> ServiceListBox::accessibleModel() {
    CheckListView& view = *this;
    return std::make_unique<AccessibleList>(hwnd(), view, layout());
}

void ServiceListBox::refresh(Repaint when) {
    const auto rows = static_cast<int>(::SendMessageW(hwnd(), LB_GETCOUNT, 0, 0));
    if (rows != entries_.count()) {
        announcedCaret_ = -1;
        ::SendMessageW(hwnd(), LB_SETCOUNT, static_cast<WPARAM>(entries_.count()), 0);
    }
    if (when == Repaint::Now) {
        ::RedrawWindow(hwnd(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    } else {
        invalidateAll();
    }
}

// Screen readers hear of each tick that changes; the entries are the list
// object's children, counted from 1.
void ServiceListBox::entryChanged(std::int16_t index) {
    const RECT row = rowRect(index);
    ::InvalidateRect(hwnd(), &row, FALSE);
    ::NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd(), OBJID_CLIENT, index + 1);
}

void ServiceListBox::toggle(std::int16_t index) {
    if (index >= 0 && index < entries_.count()) toggle_(index);
}

// The rows are as high as the font's text, and no lower than a tick box
// (the height, too, of a font that cannot be measured). At creation the
// window does not exist yet: it measures its rows as it is made.
void ServiceListBox::fontChanged() {
    int textHeight = 0;
    {
        const WindowDc screen(nullptr);
        const SelectedObject selected(screen.get(), font());
        TEXTMETRICW metrics{};
        if (font() && ::GetTextMetricsW(screen.get(), &metrics)) textHeight = metrics.tmHeight;
    }
    itemHeight_ = std::max(textHeight + scaleFrom96(kTextPadding, dpi()),
                           scaleFrom96(kTickBoxSize + kTickBoxPadding, dpi()));
    if (hwnd()) {
        ::SendMessageW(hwnd(), LB_SETITEMHEIGHT, 0, itemHeight_);
        invalidateAll();
    }
}

void ServiceListBox::measure(MEASUREITEMSTRUCT& item) const {
    item.itemHeight = static_cast<UINT>(itemHeight_);
}

RECT ServiceListBox::rowRect(std::int16_t index) const {
    RECT row{};
    ::SendMessageW(hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&row));
    return row;
}

bool ServiceListBox::entryInView(std::int16_t index) const {
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    if (itemHeight_ <= 0) return false;
    const auto top = static_cast<int>(::SendMessageW(hwnd(), LB_GETTOPINDEX, 0, 0));
    const int rows = (client.bottom + itemHeight_ - 1) / itemHeight_;
    return index >= top && index < top + rows;
}

std::optional<std::int16_t> ServiceListBox::entryAt(POINT point) const {
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    if (!::PtInRect(&client, point) || itemHeight_ <= 0) return std::nullopt;
    const auto top = static_cast<int>(::SendMessageW(hwnd(), LB_GETTOPINDEX, 0, 0));
    const int index = top + point.y / itemHeight_;
    if (index < 0 || index >= entries_.count()) return std::nullopt;
    return static_cast<std::int16_t>(index);
}

int ServiceListBox::caret() const {
    return static_cast<int>(::SendMessageW(hwnd(), LB_GETCARETINDEX, 0, 0));
}

void ServiceListBox::moveCaret(std::int16_t index) {
    ::SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ServiceListBox::draw(const DRAWITEMSTRUCT& item) const {
    const HDC dc = item.hDC;
    const RECT& row = item.rcItem;
    const bool caret = (item.itemState & ODS_SELECTED) != 0;
    const layout::Rgb fore = layout().fore.value();
    ::SetBkColor(dc, toColorRef(caret ? kCaretRowBack : layout().back.value()));
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &row, nullptr, 0, nullptr);

    const int index = static_cast<int>(item.itemID);
    if (index < 0 || index >= entries_.count()) return;
    const auto entry = static_cast<std::int16_t>(index);

    // The tick box: a frame in the text colour, with a tick when selected.
    drawTickBox(dc, tickBoxIn(row, kListRowTick, dpi()), entries_.selected(entry),
                TickColours{fore, kEmptyTickBack, fore});

    // The entry's text, exactly as stored.
    RECT text = captionAreaIn(row, kListRowTick, dpi());
    const SelectedObject selectedFont(dc, font());
    ::SetTextColor(dc, toColorRef(fore));
    ::SetBkMode(dc, TRANSPARENT);
    const std::wstring wide = toWide(entries_.text(entry));
    ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &text,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);

    if (item.itemState & ODS_FOCUS) ::DrawFocusRect(dc, &row);
}

// One invalidation per paint, however many entries change in between: a
// keep rule rewrites every tick and must not cost a redraw request each.
void ServiceListBox::invalidateAll() {
    if (invalidated_ || !hwnd()) return;
    invalidated_ = true;
    ::InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT ServiceListBox::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            invalidated_ = false;  // this paint covers what was pending
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // As in a check-box list, a click anywhere on an entry's row
            // toggles it (a double click is a second click); the list box
            // then moves its caret there.
            if (const std::optional<std::int16_t> entry = entryAt(POINT{
                    static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))})) {
                toggle(*entry);
            }
            break;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE) {
                toggle(static_cast<std::int16_t>(caret()));
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == L' ') return 0;  // handled as a key; no search by letter
            break;
        case WM_NCDESTROY:
            common_controls::removeWindowSubclass(window, subclassProc, kSubclassId);
            break;
        default:
            break;
    }
    const LRESULT result = common_controls::defSubclassProc(window, message, wParam, lParam);
    switch (message) {
        case WM_SETFOCUS:
            announceCaret(true);
            break;
        case WM_MOUSEMOVE:  // dragging with the button down moves the caret
            if (wParam & MK_LBUTTON) announceCaret(false);
            break;
        case WM_KEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case LB_SETCURSEL:
        case LB_SETCARETINDEX:
            announceCaret(false);
            break;
        default:
            break;
    }
    return result;
}

// Screen readers follow the caret through focus events on the entry under
// it, while the list has the focus: when the caret moves, and when the
// focus comes to the list.
void ServiceListBox::announceCaret(bool focusArrived) {
    if (!hwnd() || ::GetFocus() != hwnd()) return;
    const int entry = caret();
    if (entry < 0 || entry >= entries_.count() || (!focusArrived && entry == announcedCaret_)) {
        return;
    }
    announcedCaret_ = entry;
    ::NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd(), OBJID_CLIENT, entry + 1);
}

LRESULT CALLBACK ServiceListBox::subclassProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    try {
        return reinterpret_cast<ServiceListBox*>(self)->handle(window, message, wParam, lParam);
    } catch (...) {
        // Nothing may cross into the system's code; the list goes on as is.
        return common_controls::defSubclassProc(window, message, wParam, lParam);
    }
}

}  // namespace speedrail::win32
