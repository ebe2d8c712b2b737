// Where a command line's program is taken from, worked out before the
// process is created: the system folder for the system's tools, the full
// path in the working folder for the listing script.
#pragma once

#include <string>

#include "platform/platform_ops.h"

namespace speedrail::win32 {

struct LaunchTarget {
    // The program to start; empty when the system takes it from the command
    // line's first word.
    std::wstring application;
    // What the program is given as its command line.
    std::wstring commandLine;
    // Whether the program's environment tells the command interpreter not to
    // look for programs in the working folder.
    bool withoutWorkingFolderSearch = false;
};

// Throws LaunchError when the first word cannot name what `lookup` asks
// for (a folder in it, an empty command line).
LaunchTarget launchTarget(const std::string& commandLine, ProgramLookup lookup);

}  // namespace speedrail::win32
