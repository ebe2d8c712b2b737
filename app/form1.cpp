// Form1 and its event table: which handler a click on each control runs.
#include "app/form1.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "form/box_controls.h"
#include "services/service_handlers.h"
#include "shortcuts/shortcuts.h"
#include "shortcuts/web_pages.h"

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

template <typename Handler>
void Form1::handle(Handler handler) {
    if (handlerRunning_) return;
    const auto ended = [this] {
        handlerRunning_ = false;
        deliverWaitingAnswer();
    };
    handlerRunning_ = true;
    try {
        handler();
    } catch (...) {
        ended();
        throw;
    }
    ended();
}

void Form1::deliverWaitingAnswer() {
    if (handlerRunning_ || !answerWaiting_) return;
    const WebAnswer answer = *std::exchange(answerWaiting_, std::nullopt);
    handle([&] { answerPage(form_, answer); });
}

void Form1::Form_Load() {
    handle([this] { load(); });
}

// A box's click changes its value; the box-change rule then runs the box's
// own handler.
void Form1::Click(ControlId control) {
    if (const std::optional<Box> box = boxOf(control)) {
        handle([&] { ToggleBox(form_, *box); });
    } else if (const Event* event = eventOf(control)) {
        handle([&] { event->handler(form_); });
    }
}

bool Form1::HasClick(ControlId control) { return boxOf(control) || eventOf(control); }

void Form1::ToggleEntry(std::int16_t index) {
    handle([&] { speedrail::ToggleEntry(form_, index); });
}

void Form1::WebAddressAnswered(const WebAnswer& answer) {
    answerWaiting_ = answer;
    deliverWaitingAnswer();
}

}  // namespace speedrail
