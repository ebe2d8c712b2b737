// A window for tests: keeps the controls' state in memory and records, in
// order, every operation that is not per list entry.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/service_list.h"
#include "app/window_ops.h"

namespace speedrail::testing {

class RecordingWindow : public WindowOps {
public:
    void setPointer(Pointer pointer) override;
    void reclaimForeground() override;
    void processPendingEvents() override;
    int boxValue(Box box) const override;
    void setBoxValue(Box box, int value) override;
    void enableBox(Box box) override;
    void repaintBox(Box box) override;
    std::int16_t listCount() const override { return list.count(); }
    std::string listText(std::int16_t index) const override { return list.text(index); }
    bool listSelected(std::int16_t index) const override { return list.selected(index); }
    void setListSelected(std::int16_t index, bool selected) override;
    void listAppend(const std::string& text) override;
    void listClear() override;
    void repaintList() override;
    void setStatus(const std::string& caption) override;
    void repaintStatus() override;

    // Test set-up and inspection.
    void fillList(const std::vector<std::string>& texts, bool selected);
    std::vector<bool> ticks() const;
    bool boxEnabled(Box box) const;

    ServiceList list;
    Pointer pointer = Pointer::Busy;
    std::string status;
    std::vector<std::string> events;  // e.g. "status: > x", "repaint list"
    int selectionWrites = 0;

private:
    std::array<int, kBoxCount> boxValues_{};
    std::array<bool, kBoxCount> boxEnabled_{};
};

const char* boxName(Box box);

}  // namespace speedrail::testing
