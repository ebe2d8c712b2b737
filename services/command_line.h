// The command lines sent to the system's service tools. The service name is
// the entry's text without the blanks the listing pads it with, passed as
// one quoted argument, so names with blanks or quotes reach the tool whole.
#pragma once

#include <string>

#include "base/blanks.h"

namespace speedrail {

// One argument quoted so that the Windows command-line rules give it back
// unchanged: "name", with inner quotes and the backslashes before them escaped.
std::string quoteArgument(const std::string& argument);

std::string scStopCommand(const std::string& entryText);   // sc stop "NAME"
std::string netStopCommand(const std::string& entryText);  // net stop "NAME"
std::string scStartCommand(const std::string& entryText);  // sc start "NAME"

}  // namespace speedrail
