// The program's pseudo-random sequence: a 24-bit linear congruential
// generator in the manner of classic BASIC's Rnd.
#pragma once

#include <cstdint>

namespace speedrail {

class RandomSequence {
public:
    // Restarts the sequence from a state derived from every bit of `value`,
    // so the same seed always gives the same sequence.
    void seed(float value);
    // The next value r, 0 <= r < 1. The state has 24 bits and a float has a
    // 24-bit significand, so state / 2^24 is exact and at most 1 - 2^-24.
    float next();

private:
    static constexpr std::uint32_t kInitialState = 0x50000;
    std::uint32_t state_ = kInitialState;
};

}  // namespace speedrail
