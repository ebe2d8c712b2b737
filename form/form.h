// What every handler works on: the form's state, the window that shows it
// and the platform the program acts through.
#pragma once

#include <string>
#include <utility>

#include "form/form_state.h"
#include "form/window_ops.h"
#include "platform/platform_ops.h"

namespace speedrail {

struct Form {
    FormState state;
    WindowOps& window;
    PlatformOps& platform;

    Form(WindowOps& windowOps, PlatformOps& platformOps)
        : window(windowOps), platform(platformOps) {}
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
};

// Writes the status line's caption and tells the window.
inline void showStatus(Form& form, std::string caption, Repaint when) {
    form.state.status = std::move(caption);
    form.window.statusChanged(when);
}

}  // namespace speedrail
