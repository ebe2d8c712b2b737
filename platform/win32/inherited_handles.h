// The list of handles a child process may inherit, as a process-creation
// attribute: a child started with it inherits these handles and no other,
// whatever else of ours happens to be inheritable at that moment.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

namespace speedrail::win32 {

class InheritedHandles {
public:
    // Every handle must itself be inheritable. On failure the list is empty
    // and error() says why.
    explicit InheritedHandles(std::vector<HANDLE> handles);
    ~InheritedHandles();
    InheritedHandles(const InheritedHandles&) = delete;
    InheritedHandles& operator=(const InheritedHandles&) = delete;

    // For STARTUPINFOEXW::lpAttributeList; null when the list could not be made.
    LPPROC_THREAD_ATTRIBUTE_LIST attributes() const { return ready_ ? attributes_ : nullptr; }
    DWORD error() const { return error_; }

private:
    std::vector<HANDLE> handles_;  // must outlive the attribute list that points at it
    std::unique_ptr<unsigned char[]> storage_;
    LPPROC_THREAD_ATTRIBUTE_LIST attributes_ = nullptr;
    bool ready_ = false;
    DWORD error_ = ERROR_SUCCESS;
};

}  // namespace speedrail::win32
