// UTF-8 inside the program, UTF-16 at the Win32 boundary.
#pragma once

#include <string>

namespace speedrail::win32 {

std::wstring toWide(const std::string& utf8);
std::string toUtf8(const std::wstring& wide);

}  // namespace speedrail::win32
