// One pass of a stop or resume run over the list: an action per entry, and
// after each entry the next spinner frame on the status line.
#pragma once

#include <string>

#include "base/spinner.h"
#include "base/try_step.h"
#include "form/form.h"

namespace speedrail {

// Returns the number of entries the pass walked.
template <typename EntryAction>
std::int16_t runServicePass(Form& form, Spinner& spinner, const std::string& statusPrefix,
                            EntryAction&& action) {
    const std::int16_t count = form.state.list.count();
    for (std::int16_t i = 0; i < count; ++i) {
        action(i);
        showStatus(form, statusPrefix + spinner.step(), Repaint::Now);
    }
    return count;
}

// Starts a service command (sc or net, always the system folder's own) in a
// minimised window; a command that cannot be started is skipped. Nothing
// waits for it, and it can never wait for a key.
inline void launchServiceCommand(PlatformOps& platform, const std::string& commandLine) {
    tryStep([&] {
        platform.launch(commandLine, ProgramLookup::SystemFolder, WindowStyle::MinimizedNoFocus,
                        ChildInput::NullDevice);
    });
}

}  // namespace speedrail
