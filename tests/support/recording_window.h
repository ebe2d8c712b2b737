// A window for tests: records, in order, what the handlers tell the window,
// reading the form's state where a change names it.
#pragma once

#include <string>
#include <vector>

#include "form/form_state.h"
#include "form/window_ops.h"

namespace speedrail::testing {

class RecordingWindow : public WindowOps {
public:
    void setPointer(Pointer pointer) override;
    void processPendingEvents() override;
    void reclaimForeground() override;
    void enableBoxes() override;
    void pageRequestChanged() override;
    void statusChanged(Repaint when) override;
    void boxChanged(Box box, Repaint when) override;
    void listChanged(Repaint when) override;
    void entryChanged(std::int16_t index) override;

    // The state the window shows (the form's, once it exists).
    void show(const FormState& state) { state_ = &state; }

    // E.g. "pointer 99", "status  > x", "repaint status", "set Check5 1",
    // "repaint Check5", "list changed", "repaint list", "entry 3", "page pending".
    std::vector<std::string> events;
    Pointer pointer = Pointer::Busy;
    bool boxesEnabled = false;

private:
    const FormState* state_ = nullptr;
};

const char* boxName(Box box);

}  // namespace speedrail::testing
