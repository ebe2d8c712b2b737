// What the handlers tell the main window. The window shows the form's state
// (form_state.h) and reads it itself; these calls only say what changed and
// whether it must be drawn before the handler goes on, because the runs do
// not return to the event loop until they end. The Win32 window implements
// them on real controls; tests implement them with a recording fake.
#pragma once

#include <cstdint>

#include "form/form_state.h"

namespace speedrail {

// Mouse pointer styles of the window.
enum class Pointer : int {
    Default = 0,  // the system's arrow
    Busy = 99,    // the window's own hourglass image
};

// When a change is drawn: at the window's next paint, or before the call
// returns.
enum class Repaint { Later, Now };

class WindowOps {
public:
    virtual ~WindowOps() = default;

    virtual void setPointer(Pointer pointer) = 0;
    // Handles the window events that are pending, once, and returns.
    virtual void processPendingEvents() = 0;
    // Brings the window back in front of the consoles a run started, with
    // the keyboard focus where it was. Nothing when it is still in front.
    virtual void reclaimForeground() = 0;
    // Enables Check1 to Check5, in that order.
    virtual void enableBoxes() = 0;
    // A web page was requested, or its request ended: the pointer shows
    // that one is under way (FormState::pageRequested).
    virtual void pageRequestChanged() = 0;

    // The status line's caption changed.
    virtual void statusChanged(Repaint when) = 0;
    // The box's value changed, or (Now) it is to be drawn at once.
    virtual void boxChanged(Box box, Repaint when) = 0;
    // The list's entries or ticks changed, or (Now) it is to be drawn at once.
    virtual void listChanged(Repaint when) = 0;
    // The tick of one entry changed by the user's hand.
    virtual void entryChanged(std::int16_t index) = 0;
};

}  // namespace speedrail
