#include "tests/win32/dropped_tools.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <utility>

#include "platform/win32/wide_text.h"
#include "tests/win32/polling.h"

namespace speedrail::win32::testing {

DroppedTools::DroppedTools(const std::string& tool, std::vector<std::wstring> paths)
    : paths_(std::move(paths)) {
    for (const auto& path : paths_) {
        ::DeleteFileW((path + L".ran").c_str());  // a mark an aborted run left
        EXPECT_TRUE(::CopyFileW(toWide(tool).c_str(), path.c_str(), FALSE)) << toUtf8(path);
    }
}

// A stand-in that did run may still be on its way out for a moment.
DroppedTools::~DroppedTools() {
    for (const auto& path : paths_) {
        waitFor(
            [&] { return ::DeleteFileW(path.c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND; },
            10000);
        ::DeleteFileW((path + L".ran").c_str());
    }
}

std::vector<std::string> DroppedTools::thoseThatRan() const {
    std::vector<std::string> ran;
    for (const auto& path : paths_) {
        if (::GetFileAttributesW((path + L".ran").c_str()) != INVALID_FILE_ATTRIBUTES) {
            ran.push_back(toUtf8(path));
        }
    }
    return ran;
}

}  // namespace speedrail::win32::testing
