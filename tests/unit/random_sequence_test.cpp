#include "platform/random_sequence.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace speedrail {
namespace {

std::vector<float> draw(RandomSequence& sequence, int count) {
    std::vector<float> values;
    for (int i = 0; i < count; ++i) values.push_back(sequence.next());
    return values;
}

// Times of day as start-up seeds them, plus the extremes a float can hold.
constexpr std::array<float, 8> kSeeds = {0.0f,       1.0f,      -1.0f, 3600.5f,
                                         43200.125f, 86399.99f, 1e30f, -1e-30f};

TEST(RandomSequence, EveryStateOfTheFullPeriodGivesAValueBelowOne) {
    // The generator has period 2^24, so walking one period visits every
    // state, the largest included: no value may reach 1.
    RandomSequence sequence;
    const float first = sequence.next();
    float largest = first;
    std::uint32_t steps = 0;
    for (;;) {
        const float value = sequence.next();
        ++steps;
        if (value == first) break;  // value = state / 2^24 exactly: same value, same state
        ASSERT_GE(value, 0.0f);
        ASSERT_LT(value, 1.0f);
        ASSERT_LT(steps, 1u << 24) << "period longer than the state space";
        if (value > largest) largest = value;
    }
    EXPECT_EQ(steps, 1u << 24);
    EXPECT_EQ(largest, 1.0f - 1.0f / 16777216.0f);
}

TEST(RandomSequence, ValuesStayInRangeAndSpreadEvenlyForEverySeed) {
    for (float seed : kSeeds) {
        SCOPED_TRACE(seed);
        RandomSequence sequence;
        sequence.seed(seed);
        std::array<int, 10> buckets{};  // 10000 expected in each
        for (float value : draw(sequence, 100000)) {
            ASSERT_GE(value, 0.0f);
            ASSERT_LT(value, 1.0f);
            ++buckets[static_cast<std::size_t>(value * 10.0f)];
        }
        for (int count : buckets) EXPECT_NEAR(count, 10000, 1000);
    }
}

TEST(RandomSequence, SameSeedGivesSameSequenceWhateverCameBefore) {
    for (float seed : kSeeds) {
        SCOPED_TRACE(seed);
        RandomSequence fresh;
        fresh.seed(seed);
        RandomSequence used;
        draw(used, 37);
        used.seed(seed);
        EXPECT_EQ(draw(fresh, 20), draw(used, 20));
    }
}

TEST(RandomSequence, DifferentSeedsGiveDifferentSequences) {
    struct Case {
        float a, b;
    };
    // Neighbouring times of day differ only in the low bits of the float.
    const Case cases[] = {
        {0.0f, 1.0f},  {3600.5f, 3600.5625f}, {43200.0f, 43200.0078125f},
        {1.0f, -1.0f}, {86399.99f, 0.01f},    {12.0f, 24.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + " vs " + std::to_string(c.b));
        RandomSequence a;
        a.seed(c.a);
        RandomSequence b;
        b.seed(c.b);
        EXPECT_NE(draw(a, 5), draw(b, 5));
    }
}

}  // namespace
}  // namespace speedrail
