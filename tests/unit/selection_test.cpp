#include <gtest/gtest.h>

#include "form/box_controls.h"
#include "services/categories.h"
#include "services/service_handlers.h"
#include "services/text_fold.h"
#include "tests/support/form_fixture.h"

namespace speedrail {
namespace {

using layout::ControlId;
using Ticks = std::vector<bool>;

// One entry per category, plus one that belongs to none.
const std::vector<std::string> kEntries = {"AudioSrv", "RpcSs   ", "KeyIso", "Spooler", "BITS"};

struct SelectionFixture : ::testing::Test, testing::RecordedForm {
    SelectionFixture() { scan(kEntries); }

    void setBoxes(std::initializer_list<Box> ticked) {
        for (const Box box : ticked) form.Click(controlOf(box));
    }
    // While Check5 is ticked, no keep box is.
    void expectInvariants() const {
        if (form.state().box(Box::Check5) != 1) return;
        for (std::size_t row = 0; row < 4; ++row) {
            EXPECT_EQ(form.state().box(static_cast<Box>(row)), 0) << "row " << row;
        }
    }
};

// Ticks or box values as digits in order, 1 for ticked: "01111".
template <typename Values>
std::string digits(const Values& values) {
    std::string text;
    for (const auto value : values) text += value ? '1' : '0';
    return text;
}

struct KeepCase {
    const char* name;
    std::vector<Box> clicks;  // each click toggles its box
    const char* ticks;        // of kEntries
    const char* boxes;        // Check1 to Check5
};

class KeepBoxOutcomes : public SelectionFixture, public ::testing::WithParamInterface<KeepCase> {};

TEST_P(KeepBoxOutcomes, GiveTheTicksAndBoxesOfTheTable) {
    for (const Box box : GetParam().clicks) form.Click(controlOf(box));
    EXPECT_EQ(digits(ticks()), GetParam().ticks);
    EXPECT_EQ(digits(form.state().boxes), GetParam().boxes);
    expectInvariants();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeepBoxOutcomes,
    ::testing::Values(
        KeepCase{"tick_audio", {Box::Check1}, "01111", "10000"},
        KeepCase{"tick_network_and_printing", {Box::Check2, Box::Check4}, "10101", "01010"},
        KeepCase{"untick_one_of_two", {Box::Check2, Box::Check3, Box::Check2}, "11011", "00100"},
        KeepCase{"tick_then_untick_selects_all", {Box::Check3, Box::Check3}, "11111", "00000"},
        KeepCase{"tick_keep_box_ends_selected_only", {Box::Check5, Box::Check4}, "11101", "00010"},
        KeepCase{"selected_only_clears_one_box", {Box::Check1, Box::Check5}, "00000", "00001"},
        KeepCase{"selected_only_clears_two_boxes",
                 {Box::Check1, Box::Check3, Box::Check5},
                 "00000",
                 "00001"},
        KeepCase{"selected_only_with_no_box", {Box::Check5}, "00000", "00001"},
        KeepCase{"untick_selected_only_leaves_nothing",
                 {Box::Check2, Box::Check5, Box::Check5},
                 "00000",
                 "00000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SelectionFixture, HandTicksLastUntilTheNextBoxChange) {
    form.Click(ControlId::Check5);
    form.ToggleEntry(4);  // the user picks BITS by hand
    EXPECT_EQ(ticks(), (Ticks{false, false, false, false, true}));
    form.Click(ControlId::Check1);  // ends the mode: the hand-made pick is lost
    EXPECT_EQ(ticks(), (Ticks{false, true, true, true, true}));
    form.ToggleEntry(2);
    form.Click(ControlId::Check1);
    EXPECT_EQ(ticks(), (Ticks{true, true, true, true, true}));
}

TEST_F(SelectionFixture, SettingABoxToItsValueRunsNothing) {
    Form direct(window, platform);
    SetBox(direct, Box::Check5, 0);
    SetBox(direct, Box::Check1, 0);
    EXPECT_TRUE(window.events.empty());
}

TEST_F(SelectionFixture, TickingSelectedOnlyRunsTheNestedHandlersOnce) {
    setBoxes({Box::Check1, Box::Check2});
    window.events.clear();
    form.Click(ControlId::Check5);
    // Each ticked keep box unticks; the first nested keep handler unticks
    // Check5, which is then ticked again once.
    EXPECT_EQ(window.events,
              (std::vector<std::string>{
                  "set Check5 1", "set Check1 0", "set Check5 0", "repaint Check5", "list changed",
                  "repaint list", "set Check2 0", "repaint list", "set Check5 1", "repaint Check5",
                  "list changed", "repaint Check5", "list changed"}));
    expectInvariants();
}

TEST_F(SelectionFixture, EmptyListStillUpdatesBoxesAndFlags) {
    scan({});
    form.Click(ControlId::Check5);
    form.Click(ControlId::Check3);
    EXPECT_EQ(form.state().box(Box::Check5), 0);
    EXPECT_TRUE(form.state().keepSecurity());
    EXPECT_EQ(window.events.back(), "repaint list");
}

struct MatchCase {
    std::string text;
    bool audio;
};

TEST(MatchingRule, FoldsCaseButNeverTrims) {
    const auto& audio = keepCategories()[0].keywords;
    for (const MatchCase& c :
         {MatchCase{"AudioSrv", true}, MatchCase{"AUDIOENDPOINTBUILDER", true},
          MatchCase{" AudioSrv", false}, MatchCase{"audio     ", true}, MatchCase{"xaudio", false},
          MatchCase{"", false}, MatchCase{"aud", false}}) {
        EXPECT_EQ(matchesCategory(c.text, audio), c.audio) << '"' << c.text << '"';
    }
    EXPECT_TRUE(matchesCategory("SPOOLER   ", keepCategories()[3].keywords));
    // The Kelvin sign folds to a plain k, as the system folds it.
    EXPECT_TRUE(
        matchesCategory("\xE2\x84\xAA"
                        "eyIso",
                        keepCategories()[2].keywords));
}

TEST(MatchingRule, FoldsAccentedCapitals) {
    EXPECT_EQ(foldToLower("ÁÉÍÓÚÑÜ ÀÇ ŒŸ İ ΑΩ ДЯЁ Þ"), "áéíóúñü àç œÿ i αω дяё þ");
    EXPECT_EQ(foldToLower("Mixed Case 123 ×"), "mixed case 123 ×");
    EXPECT_EQ(foldToLower("bad \xFF\xC3 bytes"), "bad \xFF\xC3 bytes");
}

TEST(CategoryTable, HoldsTheSeventeenKeywordsInOrder) {
    const auto& table = keepCategories();
    ASSERT_EQ(table.size(), 4u);
    std::vector<std::size_t> sizes;
    for (const auto& row : table) sizes.push_back(row.keywords.size());
    EXPECT_EQ(sizes, (std::vector<std::size_t>{1, 6, 8, 2}));
    EXPECT_EQ(table[1].keywords.back(), "web");
    EXPECT_EQ(table[2].keywords[6], "securityhealth");
}

TEST(KeepPass, AnEntryMatchingTwoKeptRowsStaysUntickedUntilBothAreOff) {
    // A test table whose rows overlap: "web" belongs to both.
    const std::vector<Category> overlapping = {
        {Box::Check1, {"web"}},
        {Box::Check2, {"webclient", "x"}},
    };
    FormState state;
    state.list.append("WebClient");
    state.list.append("Other");
    const auto ticks = [&] { return Ticks{state.list.selected(0), state.list.selected(1)}; };
    state.boxes = {1, 1, 0, 0, 0};
    applyKeepPass(state, overlapping);
    EXPECT_EQ(ticks(), (Ticks{false, true}));
    state.boxes = {0, 1, 0, 0, 0};
    applyKeepPass(state, overlapping);
    EXPECT_EQ(ticks(), (Ticks{false, true}));
    state.boxes = {0, 0, 0, 0, 0};
    applyKeepPass(state, overlapping);
    EXPECT_EQ(ticks(), (Ticks{true, true}));
}

}  // namespace
}  // namespace speedrail
