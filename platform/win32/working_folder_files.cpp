// Win32Platform's file operations on bare names in the current folder.
#include <algorithm>

#include "platform/win32/normal_file.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"

namespace speedrail::win32 {

namespace {
// ReadFile and WriteFile take a DWORD count; larger transfers go in pieces.
constexpr std::size_t kChunkBytes = 1 << 20;
}  // namespace

bool Win32Platform::normalFileExists(const std::string& name) {
    if (name.empty()) return false;
    const DWORD attributes = ::GetFileAttributesW(toWide(name).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && isNormalFile(attributes);
}

bool Win32Platform::writeFile(const std::string& name, const std::string& bytes) {
    if (name.empty()) return false;
    const std::wstring wideName = toWide(name);
    UniqueKernelHandle file(::CreateFileW(wideName.c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    std::size_t written = 0;
    while (written < bytes.size()) {
        const DWORD piece = static_cast<DWORD>(std::min(kChunkBytes, bytes.size() - written));
        DWORD done = 0;
        if (!::WriteFile(file.get(), bytes.data() + written, piece, &done, nullptr) || done == 0) {
            // A half-written script must not be run later: remove it.
            file.reset();
            ::DeleteFileW(wideName.c_str());
            return false;
        }
        written += done;
    }
    return true;
}

// The file may still be open for writing by the program that produces it
// (the listing script), so others may read, write and delete meanwhile.
std::optional<std::string> Win32Platform::readFile(const std::string& name, std::size_t maxBytes) {
    if (name.empty()) return std::nullopt;
    UniqueKernelHandle file(::CreateFileW(toWide(name).c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string bytes;
    while (bytes.size() < maxBytes) {
        const std::size_t piece = std::min(kChunkBytes, maxBytes - bytes.size());
        const std::size_t start = bytes.size();
        bytes.resize(start + piece);
        DWORD done = 0;
        if (!::ReadFile(file.get(), &bytes[start], static_cast<DWORD>(piece), &done, nullptr)) {
            return std::nullopt;
        }
        bytes.resize(start + done);
        if (done == 0) break;  // end of file
    }
    return bytes;
}

}  // namespace speedrail::win32
