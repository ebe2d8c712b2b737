// What the report says of the machine the tests ran on, the facts that
// decide which of the program's ways it takes there.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace speedrail::win32 {

// Label and value, each as UTF-8, in the report's order.
using Facts = std::vector<std::pair<std::string, std::string>>;

// Windows' version, build and edition; UAC; this process's elevation type;
// whether the desktop's shell runs as the same user; the system's and each
// monitor's DPI; wmic, the media player and MIDI outputs; the default
// browser's ProgID for https. Call with the process per-monitor DPI aware,
// or the DPIs read are the scaled ones.
Facts machineFacts();

}  // namespace speedrail::win32
