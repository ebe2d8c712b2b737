#include "tests/support/recording_window.h"

namespace speedrail::testing {

const char* boxName(Box box) {
    static const char* const names[kBoxCount] = {"Check1", "Check2", "Check3", "Check4",
                                                 "Check5"};
    return names[static_cast<int>(box)];
}

void RecordingWindow::setPointer(Pointer value) {
    pointer = value;
    events.push_back("pointer " + std::to_string(static_cast<int>(value)));
}

void RecordingWindow::reclaimForeground() { events.push_back("foreground"); }

void RecordingWindow::processPendingEvents() { events.push_back("process events"); }

int RecordingWindow::boxValue(Box box) const { return boxValues_[static_cast<int>(box)]; }

void RecordingWindow::setBoxValue(Box box, int value) {
    boxValues_[static_cast<int>(box)] = value;
    events.push_back(std::string("set ") + boxName(box) + " " + std::to_string(value));
}

void RecordingWindow::enableBox(Box box) {
    boxEnabled_[static_cast<int>(box)] = true;
    events.push_back(std::string("enable ") + boxName(box));
}

void RecordingWindow::repaintBox(Box box) {
    events.push_back(std::string("repaint ") + boxName(box));
}

void RecordingWindow::setListSelected(std::int16_t index, bool selected) {
    list.setSelected(index, selected);
    ++selectionWrites;
}

void RecordingWindow::listAppend(const std::string& text) { list.append(text); }

void RecordingWindow::listClear() {
    list.clear();
    events.push_back("clear list");
}

void RecordingWindow::repaintList() { events.push_back("repaint list"); }

void RecordingWindow::setStatus(const std::string& caption) {
    status = caption;
    events.push_back("status " + caption);
}

void RecordingWindow::repaintStatus() { events.push_back("repaint status"); }

void RecordingWindow::fillList(const std::vector<std::string>& texts, bool selected) {
    list.clear();
    for (const auto& text : texts) {
        list.append(text);
        list.setSelected(static_cast<std::int16_t>(list.count() - 1), selected);
    }
}

std::vector<bool> RecordingWindow::ticks() const {
    std::vector<bool> result;
    for (std::int16_t i = 0; i < list.count(); ++i) result.push_back(list.selected(i));
    return result;
}

bool RecordingWindow::boxEnabled(Box box) const { return boxEnabled_[static_cast<int>(box)]; }

}  // namespace speedrail::testing
