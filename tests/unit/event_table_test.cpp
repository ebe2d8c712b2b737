#include <gtest/gtest.h>

#include <map>

#include "form/box_controls.h"
#include "tests/support/form_fixture.h"

namespace speedrail {
namespace {

using layout::ControlId;
using Texts = std::vector<std::string>;

// What a click on each control does, told by its first call to the
// platform; a box's click ticks it. Every other control runs nothing.
TEST(EventTable, EachClickRunsItsControlsHandlerAndNothingElse) {
    const std::string open = "open https://speedrail.example.org/";
    const std::map<ControlId, std::string> firstCall = {
        {ControlId::Command1, "exists srv.cmd"},
        {ControlId::Command4, "message box 4 | Información - SpeeDRaiL"},
        {ControlId::Command5, "sleep 3000"},
        {ControlId::Image1, open},
        {ControlId::Label2, open},
        {ControlId::Image6, "open https://retrobench.example.org/"},
        {ControlId::Image2, "url "},
        {ControlId::Image3, "random"},
        {ControlId::Image5, "message box 48 | Información - SpeeDRaiL"},
        {ControlId::Image7, "launch srvopen.cmd | style 1 | console input | system search"},
        {ControlId::Image8, "launch fix_W7-10.cmd | style 1 | console input | system search"},
    };
    for (int i = 0; i < layout::kControlCount; ++i) {
        const auto control = static_cast<ControlId>(i);
        SCOPED_TRACE(layout::control(control).name);
        testing::RecordedForm recorded;
        recorded.platform.messageBoxAnswers = {7};
        recorded.form.Click(control);

        const std::optional<Box> box = boxOf(control);
        for (int b = 0; b < kBoxCount; ++b) {
            EXPECT_EQ(recorded.form.state().box(static_cast<Box>(b)), box == static_cast<Box>(b));
        }
        const auto expected = firstCall.find(control);
        EXPECT_EQ(Form1::HasClick(control), box || expected != firstCall.end());
        if (expected == firstCall.end()) {
            EXPECT_EQ(recorded.platform.calls, Texts{});
            if (!box) EXPECT_EQ(recorded.window.events, Texts{});
        } else {
            ASSERT_FALSE(recorded.platform.calls.empty());
            EXPECT_EQ(recorded.platform.calls.front(), expected->second);
        }
    }
}

// A click on an entry changes its tick and tells the window of it; nothing
// else changes, and an entry that is not there is no entry.
TEST(EntryToggle, ChangesOneTickOnly) {
    testing::RecordedForm recorded;
    recorded.scan({"A", "B", "C"});
    const FormState before = recorded.form.state();
    recorded.form.ToggleEntry(1);
    recorded.form.ToggleEntry(-1);
    recorded.form.ToggleEntry(3);
    EXPECT_EQ(recorded.ticks(), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(recorded.window.events, Texts{"entry 1"});
    EXPECT_EQ(recorded.platform.calls, Texts{});
    EXPECT_EQ(recorded.form.state().boxes, before.boxes);
    EXPECT_EQ(recorded.form.state().status, before.status);
    recorded.form.ToggleEntry(1);
    EXPECT_EQ(recorded.ticks(), (std::vector<bool>{true, true, true}));
}

}  // namespace
}  // namespace speedrail
