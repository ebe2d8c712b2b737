#include "platform/win32/music_files.h"

#include <windows.h>

#include "platform/music_file_name.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/working_folder_path.h"

namespace speedrail::win32 {

namespace {

bool fileExists(const std::string& name) {
    const DWORD attributes = ::GetFileAttributesW(toWide(name).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

bool hasMusicFile(const std::string& name) {
    return fileExists(resolveMusicFileName(name, fileExists));
}

std::wstring musicFilePath(const std::string& name) {
    const std::wstring relative = toWide(resolveMusicFileName(name, fileExists));
    const std::wstring full = workingFolderPath(relative);
    return full.empty() ? relative : full;
}

}  // namespace speedrail::win32
