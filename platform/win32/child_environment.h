// Environment blocks for child processes.
#pragma once

#include <string>
#include <vector>

namespace speedrail::win32 {

// A copy of this process's environment with `name` set to `value` (in place
// of any value it had), as the Unicode block CreateProcessW takes. Empty when
// the environment cannot be read.
std::vector<wchar_t> environmentWith(const std::wstring& name, const std::wstring& value);

}  // namespace speedrail::win32
