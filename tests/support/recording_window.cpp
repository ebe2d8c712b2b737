#include "tests/support/recording_window.h"

namespace speedrail::testing {

const char* boxName(Box box) {
    static const char* const names[kBoxCount] = {"Check1", "Check2", "Check3", "Check4", "Check5"};
    return names[static_cast<int>(box)];
}

void RecordingWindow::setPointer(Pointer value) {
    pointer = value;
    events.push_back("pointer " + std::to_string(static_cast<int>(value)));
}

void RecordingWindow::processPendingEvents() { events.push_back("process events"); }

void RecordingWindow::reclaimForeground() { events.push_back("foreground"); }

void RecordingWindow::enableBoxes() {
    boxesEnabled = true;
    events.push_back("enable boxes");
}

void RecordingWindow::pageRequestChanged() {
    events.push_back(state_ && state_->pageRequested ? "page pending" : "page ended");
}

void RecordingWindow::statusChanged(Repaint when) {
    events.push_back("status " + (state_ ? state_->status : std::string("?")));
    if (when == Repaint::Now) events.push_back("repaint status");
}

void RecordingWindow::boxChanged(Box box, Repaint when) {
    if (when == Repaint::Now) {
        events.push_back(std::string("repaint ") + boxName(box));
    } else {
        events.push_back(std::string("set ") + boxName(box) + " " +
                         (state_ ? std::to_string(state_->box(box)) : std::string("?")));
    }
}

void RecordingWindow::listChanged(Repaint when) {
    events.push_back(when == Repaint::Now ? "repaint list" : "list changed");
}

void RecordingWindow::entryChanged(std::int16_t index) {
    events.push_back("entry " + std::to_string(index));
}

}  // namespace speedrail::testing
