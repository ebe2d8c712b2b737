// The progress spinner on the status line: one frame per list entry, the
// index going 0, 1, 2, 3, 0, ... and starting at 0 in every run.
#pragma once

#include <array>
#include <string>

namespace speedrail {

inline const std::array<std::string, 4> kSpinnerFrames = {"- ", "\\ ", "| ", "/ "};

class Spinner {
public:
    // The spinner reads the frames where they lie, so they must outlive it.
    explicit Spinner(const std::array<std::string, 4>& frames) : frames_(frames) {}
    explicit Spinner(std::array<std::string, 4>&& frames) = delete;
    // The frame to show now; the next call gives the following one.
    const std::string& step() {
        const std::string& frame = frames_[index_];
        index_ = index_ < 3 ? index_ + 1 : 0;
        return frame;
    }

private:
    const std::array<std::string, 4>& frames_;
    std::size_t index_ = 0;
};

}  // namespace speedrail
