// Form1, the program's one window, as its controls see it: start-up, and
// the event table that runs the handler of each control a user clicks. The
// handlers live in the layers below; this is where controls meet them.
#pragma once

#include <cstdint>
#include <optional>

#include "form/form.h"
#include "form/layout.h"

namespace speedrail {

class Form1 {
public:
    Form1(WindowOps& window, PlatformOps& platform);

    // Start-up, run once while the window is still hidden.
    void Form_Load();

    // A click on a control, by mouse, key or screen reader: runs its
    // handler (a box first takes its other value). Nothing for a control
    // that has no click of its own, and nothing while another handler runs
    // (inside a message box it shows): handlers run one at a time.
    void Click(layout::ControlId control);
    // Whether a click on the control runs a handler.
    static bool HasClick(layout::ControlId control);
    // A click on a list entry: its tick changes, as for Click.
    void ToggleEntry(std::int16_t index);
    // The platform's answer to the web page requested last. One that comes
    // while a handler runs waits until the handler has ended: a scan or a
    // run is never interrupted by it.
    void WebAddressAnswered(const WebAnswer& answer);

    const FormState& state() const { return form_.state; }

private:
    // Runs `handler` unless another one runs, then the answer that came
    // while it ran, even when it failed.
    template <typename Handler>
    void handle(Handler handler);
    // The waiting answer, once no handler runs.
    void deliverWaitingAnswer();
    // Form_Load's steps.
    void load();

    Form form_;
    bool handlerRunning_ = false;
    std::optional<WebAnswer> answerWaiting_;
};

}  // namespace speedrail
