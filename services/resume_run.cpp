// The resume run: two start commands for every listed entry, ticked or not,
// a pause between the passes, then the count.
#include "base/number_text.h"
#include "services/command_line.h"
#include "services/service_handlers.h"
#include "services/service_pass.h"

namespace speedrail {

void Command5_Click(Form& form) {
    form.window.setPointer(Pointer::Busy);
    Spinner spinner(form.state.spinnerFrames);
    showStatus(form, " > Reanudando servicios ...", Repaint::Now);
    const auto startEntry = [&](std::int16_t i) {
        launchServiceCommand(form.platform, scStartCommand(form.state.list.text(i)));
    };
    runServicePass(form, spinner, " > Reanudando servicios ", startEntry);
    form.platform.sleep(3000);
    const std::int16_t resumed =
        runServicePass(form, spinner, " > Reanudando servicios ", startEntry);
    showStatus(form, " > Reanudados " + plainDigits(resumed) + " servicios ", Repaint::Later);
    form.window.setPointer(Pointer::Default);
    form.window.reclaimForeground();
}

}  // namespace speedrail
