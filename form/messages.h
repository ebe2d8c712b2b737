// The texts of the two long message boxes.
#pragma once

#include <string>

namespace speedrail {

// Shown at start-up, before the window appears.
std::string warningMessage();
// Shown by the help picture: the same message with four small differences.
std::string informationMessage();

}  // namespace speedrail
