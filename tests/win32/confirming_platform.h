// The real platform, with every message box answered Yes at once: the stop
// run's confirmation goes through without a user.
#pragma once

#include <cstdint>
#include <string>

#include "platform/win32/win32_platform.h"

namespace speedrail::win32::testing {

class ConfirmingPlatform : public Win32Platform {
public:
    std::int32_t messageBox(const std::string& text, std::int32_t, const std::string&) override {
        ++boxesShown;
        lastText = text;
        return message_box::kAnswerYes;
    }
    int boxesShown = 0;
    std::string lastText;
};

}  // namespace speedrail::win32::testing
