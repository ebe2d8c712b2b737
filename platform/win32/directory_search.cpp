// Win32Platform::findNormalFiles: a directory search in the current folder.
#include "platform/win32/normal_file.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"

namespace speedrail::win32 {

namespace {

// Holds the system's search open until the names run out or the search is
// dropped. The first match arrives with FindFirstFileW and waits in `found_`.
class Win32DirectorySearch : public DirectorySearch {
public:
    explicit Win32DirectorySearch(const std::string& pattern)
        : search_(::FindFirstFileW(toWide(pattern).c_str(), &found_)) {
        pending_ = static_cast<bool>(search_);
    }

    std::optional<std::string> next() override {
        while (pending_) {
            const bool normal = isNormalFile(found_.dwFileAttributes);
            std::string name = normal ? toUtf8(found_.cFileName) : std::string();
            pending_ = ::FindNextFileW(search_.get(), &found_) != FALSE;
            if (!pending_) search_.reset();
            if (normal) return name;
        }
        return std::nullopt;
    }

private:
    WIN32_FIND_DATAW found_{};
    UniqueFindHandle search_;
    bool pending_ = false;
};

}  // namespace

std::unique_ptr<DirectorySearch> Win32Platform::findNormalFiles(const std::string& pattern) {
    return std::make_unique<Win32DirectorySearch>(pattern);
}

}  // namespace speedrail::win32
