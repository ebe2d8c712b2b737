// The selected-only box: ticking it clears the keep boxes and every tick so
// that the user picks the services to stop by hand.
#include "services/service_handlers.h"

namespace speedrail {

void Check5_Click(Form& form) {
    if (form.state.box(Box::Check5) == 1) {
        for (const Box box : {Box::Check1, Box::Check2, Box::Check3, Box::Check4}) {
            SetBox(form, box, 0);
        }
        SetBox(form, Box::Check5, 1);
    }
    form.window.boxChanged(Box::Check5, Repaint::Now);
    ServiceList& list = form.state.list;
    for (std::int16_t i = 0; i < list.count(); ++i) list.setSelected(i, false);
    form.window.listChanged(Repaint::Later);
}

}  // namespace speedrail
