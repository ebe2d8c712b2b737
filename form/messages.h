// The texts of the two long message boxes and the title every box carries.
#pragma once

#include <string>

namespace speedrail {

inline constexpr const char* kMessageTitle = "Información - SpeeDRaiL";

// Shown at start-up, before the window appears.
std::string warningMessage();
// Shown by the help picture: the same message with four small differences.
std::string informationMessage();

}  // namespace speedrail
