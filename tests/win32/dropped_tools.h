// Stand-ins for the system's tools (the tool_mark child), put where a tool
// must never be run from: beside the program and in the working folder.
#pragma once

#include <string>
#include <vector>

namespace speedrail::win32::testing {

// Copies `tool` to each of `paths` for as long as the object lives.
class DroppedTools {
public:
    DroppedTools(const std::string& tool, std::vector<std::wstring> paths);
    ~DroppedTools();
    DroppedTools(const DroppedTools&) = delete;
    DroppedTools& operator=(const DroppedTools&) = delete;

    // The paths whose stand-in ran, as UTF-8.
    std::vector<std::string> thoseThatRan() const;

private:
    std::vector<std::wstring> paths_;
};

}  // namespace speedrail::win32::testing
