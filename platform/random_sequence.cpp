#include "platform/random_sequence.h"

#include <cstring>

namespace speedrail {

namespace {
constexpr std::uint32_t kStateMask = 0xFFFFFF;
constexpr std::uint32_t kMultiplier = 0x43FD43FD;
constexpr std::uint32_t kIncrement = 0xC39EC3;
constexpr float kStateRange = 16777216.0f;  // 2^24
}  // namespace

void RandomSequence::seed(float value) {
    std::uint32_t bits = 0;
    static_assert(sizeof bits == sizeof value, "float must be 32 bits");
    std::memcpy(&bits, &value, sizeof bits);
    // Fold the two halves together so that nearby seeds (times of day a
    // fraction of a second apart differ only in the low significand bits)
    // land in the middle 16 bits of the state, and keep the top byte of the
    // float (sign and exponent) in the low byte.
    const std::uint32_t folded = (bits ^ (bits >> 16)) & 0xFFFF;
    state_ = (kInitialState ^ (folded << 8) ^ (bits >> 24)) & kStateMask;
}

float RandomSequence::next() {
    state_ = (state_ * kMultiplier + kIncrement) & kStateMask;
    return static_cast<float>(state_) / kStateRange;
}

}  // namespace speedrail
