// Names of the working folder as full paths.
#pragma once

#include <string>

namespace speedrail::win32 {

// `name` taken relative to the current folder, as a full path; empty when
// the system cannot make one.
std::wstring workingFolderPath(const std::wstring& name);

}  // namespace speedrail::win32
