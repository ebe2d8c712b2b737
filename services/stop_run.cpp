// The stop run: after a confirmation, two stop commands for every ticked
// entry, "sc stop" first and "net stop" after a pause, then the count.
#include "base/number_text.h"
#include "services/command_line.h"
#include "services/service_handlers.h"
#include "services/service_pass.h"

namespace speedrail {

void Command4_Click(Form& form) {
    form.state.msgAnswer = form.platform.messageBox(
        "¿Está plenamente seguro de querer detener los servicios indicados?", message_box::kYesNo,
        message_box::kTitle);
    if (form.state.msgAnswer != message_box::kAnswerYes) return;

    form.window.setPointer(Pointer::Busy);
    const ServiceList& list = form.state.list;
    std::int16_t stopCount = 0;
    Spinner spinner(form.state.spinnerFrames);
    showStatus(form, " > Deteniendo ... ", Repaint::Now);
    runServicePass(form, spinner, " > Deteniendo servicios ", [&](std::int16_t i) {
        if (!list.selected(i)) return;
        ++stopCount;  // an attempt counts even when its command cannot start
        launchServiceCommand(form.platform, scStopCommand(list.text(i)));
    });
    form.platform.sleep(5000);
    runServicePass(form, spinner, " > Deteniendo servicios ", [&](std::int16_t i) {
        if (list.selected(i)) launchServiceCommand(form.platform, netStopCommand(list.text(i)));
    });
    form.platform.sleep(3000);
    showStatus(form, " > Se han intentado detener " + plainDigits(stopCount) + " servicios ",
               Repaint::Later);
    form.window.setPointer(Pointer::Default);
    form.window.reclaimForeground();
}

}  // namespace speedrail
