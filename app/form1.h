// The main window's behaviour: its form state and its event handlers. The
// window layer calls the handlers; the handlers act through WindowOps and
// PlatformOps only.
#pragma once

#include <cstddef>

#include "app/form_state.h"
#include "app/window_ops.h"
#include "platform/platform_ops.h"

namespace speedrail {

class Form1 {
public:
    Form1(WindowOps& window, PlatformOps& platform) : window_(window), platform_(platform) {}
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Start-up, run once while the window is still hidden.
    void Form_Load();

    // The service runs.
    void Command1_Click();  // scan
    void Command4_Click();  // stop
    void Command5_Click();  // resume

    // The keep boxes and the selected-only box.
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Check5_Click();

    // Shortcuts.
    void Image1_Click();
    void Image2_Click();
    void Image3_Click();
    void Image5_Click();
    void Image6_Click();
    void Image7_Click();
    void Image8_Click();
    void Label2_Click();

    // The box-change rule: a box set to a new value runs its click handler
    // at once, whoever sets it; setting the value it already has runs nothing.
    void SetBox(Box box, int value);
    // A click of the user on a box: it takes the other value.
    void ToggleBox(Box box);

    const FormState& state() const { return state_; }

private:
    void RunBoxHandler(Box box);
    void ApplyKeepRules(std::size_t row);
    void PlayMidiFile();

    FormState state_;
    WindowOps& window_;
    PlatformOps& platform_;
};

}  // namespace speedrail
