// What counts as a normal file in the working folder.
#pragma once

#include <windows.h>

namespace speedrail::win32 {

// Folders, hidden files and system files are not normal files; read-only,
// archive and the other attributes do not matter.
inline bool isNormalFile(DWORD attributes) {
    return (attributes &
            (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

}  // namespace speedrail::win32
