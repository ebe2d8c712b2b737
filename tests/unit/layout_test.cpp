#include "form/layout.h"

#include <gtest/gtest.h>

#include <string>

namespace speedrail::layout {
namespace {

struct HitCase {
    const char* where;
    int x, y;  // twips
    std::optional<ControlId> expected;
};

class LayoutHitTest : public ::testing::TestWithParam<HitCase> {};

// At 96 dpi every edge is a whole pixel: a point in twips falls in the
// pixel that holds it.
TEST_P(LayoutHitTest, FrontmostWindowlessControlWins) {
    const HitCase& c = GetParam();
    const auto floorDiv = [](int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
    EXPECT_EQ(hitTestPixels(floorDiv(c.x, 15), floorDiv(c.y, 15), 96), c.expected) << c.where;
}

INSTANTIATE_TEST_SUITE_P(
    Points, LayoutHitTest,
    ::testing::Values(
        // The logo text and the web picture lie behind Image6.
        HitCase{"Label7 'web'", 3600, 5700, ControlId::Image6},
        HitCase{"Label1 first piece", 4100, 5700, ControlId::Image6},
        HitCase{"Label5 second piece", 4700, 5700, ControlId::Image6},
        HitCase{"Label6 third piece", 5300, 5900, ControlId::Image6},
        HitCase{"Image4 web picture", 3200, 5650, ControlId::Image6},
        HitCase{"Image6 left edge", 2820, 5580, ControlId::Image6},
        HitCase{"just left of Image6", 2819, 5700, std::nullopt},
        HitCase{"just right of Image6", 5715, 5700, std::nullopt},
        // The version label lies in front of everything.
        HitCase{"Label2", 2200, 5650, ControlId::Label2},
        // The status line lies in front of its frame; the frame shows around it.
        HitCase{"Label4 inside Shape1", 1000, 3800, ControlId::Label4},
        HitCase{"Shape1 border above Label4", 1000, 3680, ControlId::Shape1},
        // The banner, partly outside the client area.
        HitCase{"Image1 top left corner", 0, 0, ControlId::Image1},
        HitCase{"Image1 outside the client area", -30, -45, ControlId::Image1},
        HitCase{"panel between two boxes", 150, 2000, ControlId::Shape2},
        HitCase{"small pictures", 150, 5600, ControlId::Image2},
        HitCase{"Image3", 600, 5600, ControlId::Image3},
        HitCase{"Image7", 1000, 5600, ControlId::Image7},
        HitCase{"Image8", 1400, 5600, ControlId::Image8},
        HitCase{"Image5", 1800, 5600, ControlId::Image5},
        HitCase{"bare window", 60, 5500, std::nullopt}));

std::vector<std::string> names(const std::vector<ControlId>& ids) {
    std::vector<std::string> out;
    for (const ControlId id : ids) out.emplace_back(control(id).name);
    return out;
}

TEST(LayoutFocus, TabOrderCoversLabelsAndPlayerByTabIndex) {
    EXPECT_EQ(names(tabOrder()),
              (std::vector<std::string>{"Command1", "Command2", "Command3", "Command4", "Command5",
                                        "List1", "Label4", "Label1", "WindowsMediaPlayer1",
                                        "Check1", "Label5", "Label6", "Label7", "Label2", "Check3",
                                        "Check2", "Check4", "Check5"}));
}

// The table's order is the order screen readers read the controls in
// (they skip the shapes and the player).
TEST(LayoutReading, TableRunsDownTheWindowThenAlongTheBottomRow) {
    std::vector<ControlId> ids;
    for (const Control& c : controls()) ids.push_back(c.id);
    EXPECT_EQ(names(ids), (std::vector<std::string>{
                              "Image1",   "Command1", "Command2", "Command3",
                              "Command4", "Command5", "Shape2",   "Check1",
                              "Check2",   "Check3",   "Check4",   "Check5",
                              "Shape1",   "Label4",   "List1",    "Image2",
                              "Image3",   "Image7",   "Image8",   "Image5",
                              "Label2",   "Image4",   "Image6",   "Label7",
                              "Label1",   "Label5",   "Label6",   "WindowsMediaPlayer1"}));
}

struct TwipsCase {
    int twips, dpi, pixels;
};

class LayoutTwips : public ::testing::TestWithParam<TwipsCase> {};

TEST_P(LayoutTwips, RoundsToTheNearestPixel) {
    const TwipsCase& c = GetParam();
    EXPECT_EQ(twipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi;
}

INSTANTIATE_TEST_SUITE_P(
    Dpis, LayoutTwips,
    ::testing::Values(TwipsCase{5670, 96, 378}, TwipsCase{5895, 96, 393}, TwipsCase{-45, 96, -3},
                      TwipsCase{5670, 120, 473},                             // 472.5 rounds up
                      TwipsCase{5895, 120, 491},                             // 491.25
                      TwipsCase{195, 120, 16},                               // 16.25
                      TwipsCase{-30, 120, -3},                               // -2.5 away from 0
                      TwipsCase{5670, 144, 567}, TwipsCase{5895, 144, 590},  // 589.5
                      TwipsCase{-45, 144, -5},                               // -4.5
                      TwipsCase{7, 96, 0}, TwipsCase{8, 96, 1}, TwipsCase{0, 144, 0}));

// A click anywhere on the logo text or the web picture reaches Image6 at
// every DPI: rounding each edge keeps the covered rectangles inside it.
TEST(LayoutHitTestPixels, LogoTextReachesImage6AtEveryDpi) {
    for (const int dpi : {96, 120, 144, 192}) {
        for (const ControlId id : {ControlId::Label7, ControlId::Label1, ControlId::Label5,
                                   ControlId::Label6, ControlId::Image4}) {
            const PixelRect r = toPixels(control(id).rect, dpi);
            for (int y = r.top; y < r.bottom; ++y) {
                for (int x = r.left; x < r.right; ++x) {
                    ASSERT_EQ(hitTestPixels(x, y, dpi), ControlId::Image6)
                        << control(id).name << " pixel " << x << "," << y << " at " << dpi;
                }
            }
        }
    }
}

}  // namespace
}  // namespace speedrail::layout
