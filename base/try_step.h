// Runs one step of a handler that must go on when the step fails: the
// failure is dropped and the handler continues with its next step.
#pragma once

#include <exception>

namespace speedrail {

template <typename Step>
void tryStep(Step&& step) noexcept {
    try {
        step();
    } catch (const std::exception&) {
        // Skipped by design: the runs report attempts, never failures.
    }
}

}  // namespace speedrail
