// The resume run: two start commands for every listed entry, ticked or not,
// a pause between the passes, then the count.
#include "app/form1.h"
#include "base/number_text.h"
#include "services/command_line.h"
#include "services/service_pass.h"

namespace speedrail {

void Form1::Command5_Click() {
    window_.setPointer(Pointer::Busy);
    Spinner spinner(state_.spinnerFrames);
    tryStep([&] {
        window_.setStatus(" > Reanudando servicios ...");
        window_.repaintStatus();
    });
    const auto startEntry = [&](std::int16_t i) {
        launchServiceCommand(platform_, scStartCommand(window_.listText(i)));
    };
    runServicePass(window_, spinner, " > Reanudando servicios ", startEntry);
    tryStep([&] { platform_.sleep(3000); });
    const std::int16_t resumed =
        runServicePass(window_, spinner, " > Reanudando servicios ", startEntry);
    tryStep([&] { window_.setStatus(" > Reanudados " + plainDigits(resumed) + " servicios "); });
    window_.setPointer(Pointer::Default);
    window_.reclaimForeground();
}

}  // namespace speedrail
