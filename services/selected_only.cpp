// The selected-only box: ticking it clears the keep boxes and every tick so
// that the user picks the services to stop by hand.
#include "app/form1.h"

namespace speedrail {

void Form1::Check5_Click() {
    if (window_.boxValue(Box::Check5) == 1) {
        for (const Box box : {Box::Check1, Box::Check2, Box::Check3, Box::Check4}) {
            SetBox(box, 0);
        }
        SetBox(Box::Check5, 1);
    }
    window_.repaintBox(Box::Check5);
    const std::int16_t count = window_.listCount();
    for (std::int16_t i = 0; i < count; ++i) window_.setListSelected(i, false);
}

}  // namespace speedrail
