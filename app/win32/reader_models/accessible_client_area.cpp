#include "app/win32/reader_models/accessible_client_area.h"

#include <oleacc.h>

#include <algorithm>
#include <vector>

#include "app/form1.h"
#include "app/win32/reader_models/accessible_texts.h"

namespace speedrail::win32 {
namespace {

using layout::ControlId;
using layout::ControlKind;

// Every control in the table's order, which is the reading order, but the
// shapes and the player: they are no part of what a reader reads.
const std::vector<ControlId>& children() {
    static const std::vector<ControlId> read = [] {
        std::vector<ControlId> ids;
        for (const layout::Control& control : layout::controls()) {
            if (control.kind != ControlKind::Shape && control.kind != ControlKind::MediaPlayer) {
                ids.push_back(control.id);
            }
        }
        return ids;
    }();
    return read;
}

ControlId controlOf(long child) { return children()[static_cast<std::size_t>(child - 1)]; }

// What a windowless control is to a reader: a label is text, a picture
// without a click of its own a graphic, any other picture a link or a button.
enum class Kind { StaticText, Link, Button, Graphic };

Kind kindOf(ControlId id) {
    const layout::Control& control = layout::control(id);
    if (control.kind != ControlKind::Image) return Kind::StaticText;
    if (!Form1::HasClick(id)) return Kind::Graphic;
    return control.link ? Kind::Link : Kind::Button;
}

}  // namespace

long clientAreaChildId(ControlId id) {
    const auto found = std::find(children().begin(), children().end(), id);
    return found == children().end() ? CHILDID_SELF
                                     : static_cast<long>(found - children().begin()) + 1;
}

long AccessibleClientArea::childCount() const { return static_cast<long>(children().size()); }

HWND AccessibleClientArea::childWindow(long child) const {
    return child == CHILDID_SELF ? nullptr : site_.controlWindow(controlOf(child));
}

// The window's own name (its caption) comes from the standard object.
std::optional<std::string> AccessibleClientArea::name(long child) const {
    if (child == CHILDID_SELF) return std::nullopt;
    const ControlId id = controlOf(child);
    const layout::Control& control = layout::control(id);
    if (id == ControlId::Label4) return site_.statusCaption();
    if (control.kind == ControlKind::Label) return control.caption;
    return accessible_text::toolTip(control);
}

// A label that has a tool tip (the version) says it beside its caption.
std::optional<std::string> AccessibleClientArea::description(long child) const {
    if (child == CHILDID_SELF) return std::nullopt;
    const layout::Control& control = layout::control(controlOf(child));
    if (control.kind != ControlKind::Label) return std::nullopt;
    return accessible_text::toolTip(control);
}

long AccessibleClientArea::role(long child) const {
    if (child == CHILDID_SELF) return ROLE_SYSTEM_CLIENT;
    switch (kindOf(controlOf(child))) {
        case Kind::Link:
            return ROLE_SYSTEM_LINK;
        case Kind::Button:
            return ROLE_SYSTEM_PUSHBUTTON;
        case Kind::Graphic:
            return ROLE_SYSTEM_GRAPHIC;
        case Kind::StaticText:
            break;
    }
    return ROLE_SYSTEM_STATICTEXT;
}

// Painted controls never take the focus, and are unavailable while the
// window is disabled.
long AccessibleClientArea::state(long child) const {
    if (child == CHILDID_SELF) return windowState(site_.hostWindow());
    const ControlId id = controlOf(child);
    long state = STATE_SYSTEM_READONLY;
    if (!enabledWithParents(site_.hostWindow())) state |= STATE_SYSTEM_UNAVAILABLE;
    if (kindOf(id) == Kind::Link) state |= STATE_SYSTEM_LINKED;
    if (!layout::control(id).visible) state |= STATE_SYSTEM_INVISIBLE;
    return state;
}

std::optional<std::string> AccessibleClientArea::defaultAction(long child) const {
    if (child == CHILDID_SELF || !Form1::HasClick(controlOf(child))) return std::nullopt;
    return kindOf(controlOf(child)) == Kind::Button ? accessible_text::kPress
                                                    : accessible_text::kOpen;
}

bool AccessibleClientArea::doDefaultAction(long child) {
    if (child == CHILDID_SELF || !Form1::HasClick(controlOf(child)) ||
        !enabledWithParents(site_.hostWindow())) {
        return false;
    }
    return site_.postClick(controlOf(child));
}

std::optional<RECT> AccessibleClientArea::location(long child) const {
    RECT place = site_.controlRect(controlOf(child));
    ::MapWindowPoints(site_.hostWindow(), nullptr, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

std::optional<long> AccessibleClientArea::childOfWindow(HWND window) const {
    for (long child = 1; window && child <= childCount(); ++child) {
        if (childWindow(child) == window) return child;
    }
    return std::nullopt;
}

// A child window at the point, else the frontmost painted control.
std::optional<long> AccessibleClientArea::childAt(POINT screen) const {
    POINT client = screen;
    ::ScreenToClient(site_.hostWindow(), &client);
    const HWND under = ::ChildWindowFromPointEx(site_.hostWindow(), client, CWP_SKIPINVISIBLE);
    if (const std::optional<long> child = childOfWindow(under)) return child;
    const std::optional<ControlId> painted = site_.controlAt(client);
    const long child = painted ? clientAreaChildId(*painted) : CHILDID_SELF;
    if (child == CHILDID_SELF) return std::nullopt;
    return child;
}

std::optional<long> AccessibleClientArea::focusedChild() const {
    return childOfWindow(::GetFocus());
}

}  // namespace speedrail::win32
