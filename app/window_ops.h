// The operations the handlers use on the main window and its controls.
// The Win32 window implements them on real controls; tests implement them
// with a recording fake.
#pragma once

#include <cstdint>
#include <string>

namespace speedrail {

// The five check boxes, in their order on the window.
enum class Box { Check1, Check2, Check3, Check4, Check5 };
constexpr int kBoxCount = 5;

// Mouse pointer styles of the window.
enum class Pointer : int {
    Default = 0,  // the system's arrow
    Busy = 99,    // the window's own hourglass image
};

class WindowOps {
public:
    virtual ~WindowOps() = default;

    virtual void setPointer(Pointer pointer) = 0;
    // Brings the window back in front of the consoles a run started, with
    // the keyboard focus where it was. Nothing when it is still in front.
    virtual void reclaimForeground() = 0;
    // Handles the window events that are pending, once, and returns.
    virtual void processPendingEvents() = 0;

    // Check boxes. Setting a value here only changes the box; the rule that
    // runs the box's click handler lives in Form1::SetBox.
    virtual int boxValue(Box box) const = 0;
    virtual void setBoxValue(Box box, int value) = 0;
    virtual void enableBox(Box box) = 0;
    virtual void repaintBox(Box box) = 0;

    // The service list List1: entries counted from 0, each with its tick.
    virtual std::int16_t listCount() const = 0;
    virtual std::string listText(std::int16_t index) const = 0;
    virtual bool listSelected(std::int16_t index) const = 0;
    virtual void setListSelected(std::int16_t index, bool selected) = 0;
    virtual void listAppend(const std::string& text) = 0;
    virtual void listClear() = 0;
    virtual void repaintList() = 0;

    // The status line Label4.
    virtual void setStatus(const std::string& caption) = 0;
    virtual void repaintStatus() = 0;
};

}  // namespace speedrail
