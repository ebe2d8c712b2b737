#include "platform_test_folder.h"

#include <windows.h>

#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"
#include "tests/win32/polling.h"
#include "tests/win32/program_folder.h"

namespace speedrail::win32::testing {

namespace {

std::wstring currentFolder() {
    std::vector<wchar_t> buffer(::GetCurrentDirectoryW(0, nullptr));
    const DWORD length = ::GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    return std::wstring(buffer.data(), length);
}

// Deletes the folder and everything in it, hidden, system and read-only
// files included.
void removeTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    UniqueFindHandle search(::FindFirstFileW((folder + L"\\*").c_str(), &found));
    if (search) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(path);
            } else {
                ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileW(path.c_str());
            }
        } while (::FindNextFileW(search.get(), &found));
    }
    search.reset();
    ::SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::RemoveDirectoryW(folder.c_str());
}

}  // namespace

void PlatformTest::SetUp() {
    wchar_t temp[MAX_PATH + 1] = {};
    ASSERT_NE(::GetTempPathW(MAX_PATH + 1, temp), 0u);
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100 && folder_.empty(); ++attempt) {
        const std::wstring candidate = std::wstring(temp) + L"speedrail_platform_" +
                                       std::to_wstring(::GetCurrentProcessId()) + L"_" +
                                       std::to_wstring(++serial);
        if (::CreateDirectoryW(candidate.c_str(), nullptr)) folder_ = candidate;
    }
    ASSERT_FALSE(folder_.empty()) << "no temporary folder";
    previousFolder_ = currentFolder();
    ASSERT_TRUE(::SetCurrentDirectoryW(folder_.c_str()));
}

void PlatformTest::TearDown() {
    if (!previousFolder_.empty()) ::SetCurrentDirectoryW(previousFolder_.c_str());
    // A launched child's console host can outlive the child by a moment, and
    // while it runs the folder is its current folder and cannot be removed.
    const auto removed = [&] {
        removeTree(folder_);
        return ::GetFileAttributesW(folder_.c_str()) == INVALID_FILE_ATTRIBUTES;
    };
    if (!folder_.empty()) {
        EXPECT_TRUE(waitFor(removed, 10000)) << "cannot remove " << toUtf8(folder_);
    }
}

std::string PlatformTest::childPath(const std::string& exeName) {
    return toUtf8(programFolder()) + exeName;
}

void PlatformTest::createFile(const std::string& name, const std::string& bytes) {
    UniqueKernelHandle file(::CreateFileW(toWide(name).c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << name;
    DWORD written = 0;
    ASSERT_TRUE(
        ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    ASSERT_EQ(written, bytes.size());
}

}  // namespace speedrail::win32::testing
