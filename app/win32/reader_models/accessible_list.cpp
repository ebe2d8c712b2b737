#include "app/win32/reader_models/accessible_list.h"

#include <oleacc.h>

#include "app/win32/reader_models/accessible_texts.h"

namespace speedrail::win32 {

long AccessibleList::childCount() const { return list_.entries().count(); }

// The list has no caption; its tool tip says what it holds.
std::optional<std::string> AccessibleList::name(long child) const {
    if (child == CHILDID_SELF) return accessible_text::toolTip(control_);
    return trimBlanks(list_.entries().text(entryOf(child)));
}

long AccessibleList::role(long child) const {
    return child == CHILDID_SELF ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM;
}

long AccessibleList::state(long child) const {
    if (child == CHILDID_SELF) return windowState(window_);
    long state = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (list_.entries().selected(entryOf(child))) state |= STATE_SYSTEM_CHECKED;
    if (caretChild() == child) {
        state |= STATE_SYSTEM_SELECTED;
        if (::GetFocus() == window_) state |= STATE_SYSTEM_FOCUSED;
    }
    if (!list_.entryInView(entryOf(child))) state |= STATE_SYSTEM_OFFSCREEN;
    return state;
}

std::optional<std::string> AccessibleList::defaultAction(long child) const {
    if (child == CHILDID_SELF) return std::nullopt;
    return list_.entries().selected(entryOf(child)) ? accessible_text::kUntick
                                                    : accessible_text::kTick;
}

bool AccessibleList::doDefaultAction(long child) {
    if (child == CHILDID_SELF || !enabledWithParents(window_)) return false;
    list_.toggle(entryOf(child));
    return true;
}

std::optional<RECT> AccessibleList::location(long child) const {
    RECT row = list_.rowRect(entryOf(child));
    ::MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&row), 2);
    return row;
}

std::optional<long> AccessibleList::childAt(POINT screen) const {
    ::ScreenToClient(window_, &screen);
    const std::optional<std::int16_t> entry = list_.entryAt(screen);
    if (!entry) return std::nullopt;
    return *entry + 1L;
}

std::optional<long> AccessibleList::caretChild() const {
    const int caret = list_.caret();
    if (caret < 0 || caret >= list_.entries().count()) return std::nullopt;
    return caret + 1L;
}

std::optional<long> AccessibleList::focusedChild() const {
    if (::GetFocus() != window_) return std::nullopt;
    return caretChild();
}

std::optional<long> AccessibleList::selectedChild() const { return caretChild(); }

// Focus and selection go to the caret; the ticks stay as they are.
bool AccessibleList::select(long flags, long child) {
    if (flags & SELFLAG_TAKEFOCUS) ::SetFocus(window_);
    if (flags & (SELFLAG_TAKESELECTION | SELFLAG_TAKEFOCUS)) list_.moveCaret(entryOf(child));
    return true;
}

}  // namespace speedrail::win32
