// The music files of the working folder, as the players reach them.
#pragma once

#include <string>

namespace speedrail::win32 {

// Whether the music name stands for a file of the working folder.
bool hasMusicFile(const std::string& name);

// The full path of the file the music name stands for. Players resolve
// relative names against their own idea of a base folder, so they are handed
// this instead.
std::wstring musicFilePath(const std::string& name);

}  // namespace speedrail::win32
