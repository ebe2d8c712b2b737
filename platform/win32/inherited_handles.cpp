#include "platform/win32/inherited_handles.h"

#include <utility>

namespace speedrail::win32 {

InheritedHandles::InheritedHandles(std::vector<HANDLE> handles) : handles_(std::move(handles)) {
    SIZE_T size = 0;
    ::InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    if (size == 0) {
        error_ = ::GetLastError();
        return;
    }
    storage_ = std::make_unique<unsigned char[]>(size);
    attributes_ = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage_.get());
    if (!::InitializeProcThreadAttributeList(attributes_, 1, 0, &size)) {
        error_ = ::GetLastError();
        attributes_ = nullptr;
        return;
    }
    if (!::UpdateProcThreadAttribute(attributes_, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST,
                                     handles_.data(), handles_.size() * sizeof(HANDLE), nullptr,
                                     nullptr)) {
        error_ = ::GetLastError();
        return;
    }
    ready_ = true;
}

InheritedHandles::~InheritedHandles() {
    if (attributes_) ::DeleteProcThreadAttributeList(attributes_);
}

}  // namespace speedrail::win32
