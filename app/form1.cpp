// Form1 and its event table: which handler a click on each control runs.
#include "app/form1.h"

#include <algorithm>
#include <iterator>

#include "form/box_controls.h"
#include "services/service_handlers.h"
#include "shortcuts/shortcuts.h"

namespace speedrail {
namespace {

using layout::ControlId;

struct Event {
    ControlId control;
    void (*handler)(Form&);
};

// Beside the five boxes, whose click is their own (below): labels, Image4,
// the shapes and the hidden buttons have no click of their own.
constexpr Event kEvents[] = {
    {ControlId::Command1, Command1_Click}, {ControlId::Command4, Command4_Click},
    {ControlId::Command5, Command5_Click}, {ControlId::Image1, Image1_Click},
    {ControlId::Image2, Image2_Click},     {ControlId::Image3, Image3_Click},
    {ControlId::Image5, Image5_Click},     {ControlId::Image6, Image6_Click},
    {ControlId::Image7, Image7_Click},     {ControlId::Image8, Image8_Click},
    {ControlId::Label2, Label2_Click},
};

const Event* eventOf(ControlId control) {
    const auto found = std::find_if(std::begin(kEvents), std::end(kEvents),
                                    [control](const Event& e) { return e.control == control; });
    return found == std::end(kEvents) ? nullptr : found;
}

}  // namespace

Form1::Form1(WindowOps& window, PlatformOps& platform) : form_(window, platform) {
    form_.state.status = layout::control(ControlId::Label4).caption;
}

// A box's click changes its value; the box-change rule then runs the box's
// own handler.
void Form1::Click(ControlId control) {
    if (const std::optional<Box> box = boxOf(control)) {
        ToggleBox(form_, *box);
    } else if (const Event* event = eventOf(control)) {
        event->handler(form_);
    }
}

bool Form1::HasClick(ControlId control) { return boxOf(control) || eventOf(control); }

void Form1::ToggleEntry(std::int16_t index) { speedrail::ToggleEntry(form_, index); }

}  // namespace speedrail
