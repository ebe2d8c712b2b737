// The stop run: after a confirmation, two stop commands for every ticked
// entry, "sc stop" first and "net stop" after a pause, then the count.
#include "app/form1.h"
#include "app/messages.h"
#include "base/number_text.h"
#include "services/command_line.h"
#include "services/service_pass.h"

namespace speedrail {

void Form1::Command4_Click() {
    state_.msgAnswer =
        platform_.messageBox("¿Está plenamente seguro de querer detener los servicios indicados?",
                             message_box::kYesNo, kMessageTitle);
    if (state_.msgAnswer != message_box::kAnswerYes) return;

    window_.setPointer(Pointer::Busy);
    std::int16_t stopCount = 0;
    Spinner spinner(state_.spinnerFrames);
    tryStep([&] {
        window_.setStatus(" > Deteniendo ... ");
        window_.repaintStatus();
    });
    runServicePass(window_, spinner, " > Deteniendo servicios ", [&](std::int16_t i) {
        if (!window_.listSelected(i)) return;
        ++stopCount;  // an attempt counts even when its command cannot start
        launchServiceCommand(platform_, scStopCommand(window_.listText(i)));
    });
    tryStep([&] { platform_.sleep(5000); });
    runServicePass(window_, spinner, " > Deteniendo servicios ", [&](std::int16_t i) {
        if (window_.listSelected(i)) {
            launchServiceCommand(platform_, netStopCommand(window_.listText(i)));
        }
    });
    tryStep([&] { platform_.sleep(3000); });
    tryStep([&] {
        window_.setStatus(" > Se han intentado detener " + plainDigits(stopCount) + " servicios ");
    });
    window_.setPointer(Pointer::Default);
    window_.reclaimForeground();
}

}  // namespace speedrail
