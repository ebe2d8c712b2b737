#include "app/win32/child_controls.h"

#include <array>
#include <cstdint>
#include <functional>
#include <utility>

#include "app/win32/control_window_ids.h"
#include "app/win32/controls/button.h"
#include "app/win32/controls/check_box.h"
#include "app/win32/controls/graphical_button.h"
#include "app/win32/controls/service_list_box.h"
#include "form/box_controls.h"

namespace speedrail::win32 {
namespace {

using layout::ControlId;
using layout::ControlKind;

using Made = std::unique_ptr<ChildControl>;
using Maker = Made (*)(const layout::Control&, Form1&, PictureDecoder&);

std::function<void()> clickOf(const layout::Control& control, Form1& form) {
    return [&form, id = control.id] { form.Click(id); };
}

Made makeCheckBox(const layout::Control& control, Form1& form, PictureDecoder&) {
    return std::make_unique<CheckBox>(
        control, clickOf(control, form),
        [&form, box = boxOf(control.id).value()] { return form.state().box(box) == 1; });
}

Made makeButton(const layout::Control& control, Form1& form, PictureDecoder&) {
    return std::make_unique<Button>(control, clickOf(control, form));
}

Made makeGraphicalButton(const layout::Control& control, Form1& form, PictureDecoder& pictures) {
    return std::make_unique<GraphicalButton>(control, clickOf(control, form),
                                             pictures.load(control.picture));
}

Made makeList(const layout::Control& control, Form1& form, PictureDecoder&) {
    return std::make_unique<ServiceListBox>(
        control, form.state().list, [&form](std::int16_t entry) { form.ToggleEntry(entry); });
}

// The class each kind of control is made as, in ControlKind order. The
// labels, pictures and shapes are painted on the window's surface, and the
// player shows nothing: they have no window.
struct KindMaker {
    ControlKind kind;
    Maker make;
};
constexpr std::array<KindMaker, layout::kKindCount> kMakers{{
    {ControlKind::CheckBox, makeCheckBox},
    {ControlKind::CommandButton, makeButton},
    {ControlKind::GraphicalButton, makeGraphicalButton},
    {ControlKind::ListBox, makeList},
    {ControlKind::Label, nullptr},
    {ControlKind::Image, nullptr},
    {ControlKind::Shape, nullptr},
    {ControlKind::MediaPlayer, nullptr},
}};

constexpr bool makersInKindOrder() {
    for (std::size_t kind = 0; kind < kMakers.size(); ++kind) {
        if (static_cast<std::size_t>(kMakers[kind].kind) != kind) return false;
    }
    return true;
}
static_assert(makersInKindOrder(), "every kind needs its row in kMakers, in ControlKind order");

}  // namespace

void ChildControls::create(HWND parent, Form1& form, PictureDecoder& pictures, FontFaces& faces,
                           int dpi) {
    for (const ControlId id : layout::tabOrder()) {
        const layout::Control& control = layout::control(id);
        const Maker make = kMakers[static_cast<std::size_t>(control.kind)].make;
        if (!make) continue;
        // Listed before its window is made: the list measures its rows then.
        controls_.push_back(make(control, form, pictures));
        controls_.back()->create(parent, controlWindowId(id), faces, dpi);
    }
}

void ChildControls::setDpi(FontFaces& faces, int dpi) {
    for (const auto& control : controls_) control->setDpi(faces, dpi);
}

// While they go, their windows' last messages find none of them.
void ChildControls::clear() {
    const std::vector<std::unique_ptr<ChildControl>> going = std::move(controls_);
}

ChildControl* ChildControls::find(ControlId id) const {
    for (const auto& control : controls_) {
        if (control->layout().id == id) return control.get();
    }
    return nullptr;
}

ChildControl* ChildControls::find(HWND window) const {
    for (const auto& control : controls_) {
        if (window && control->hwnd() == window) return control.get();
    }
    return nullptr;
}

ChildControl* ChildControls::findById(UINT windowId) const {
    const std::optional<ControlId> id = controlOfWindowId(static_cast<int>(windowId));
    return id ? find(*id) : nullptr;
}

// WM_MEASUREITEM comes while the list's window is made, before its handle
// is known: the window ids name the senders. The colour requests name the
// sender's window.
std::optional<LRESULT> ChildControls::reflect(UINT message, WPARAM wParam, LPARAM lParam) const {
    switch (message) {
        case WM_COMMAND:
            if (ChildControl* sender = findById(LOWORD(wParam))) {
                sender->command(HIWORD(wParam));
                return 0;
            }
            break;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (const ChildControl* sender = findById(item.CtlID)) {
                sender->draw(item);
                return TRUE;
            }
            break;
        }
        case WM_MEASUREITEM: {
            auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (const ChildControl* sender = findById(item.CtlID)) {
                sender->measure(item);
                return TRUE;
            }
            break;
        }
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
            if (const ChildControl* sender = find(reinterpret_cast<HWND>(lParam))) {
                if (const HBRUSH back = sender->colour(reinterpret_cast<HDC>(wParam))) {
                    return reinterpret_cast<LRESULT>(back);
                }
            }
            break;
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace speedrail::win32
