// The owner of a COM pointer.
#pragma once

#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

template <typename Interface>
struct ComTraits {
    static Interface* invalid() { return nullptr; }
    static bool valid(Interface* p) { return p != nullptr; }
    static void close(Interface* p) { p->Release(); }
};
// A COM pointer with one owner: moved, never copied, and released once. It
// does not count references as WRL's ComPtr does.
template <typename Interface>
using UniqueComPtr = UniqueHandle<Interface*, ComTraits<Interface>>;

}  // namespace speedrail::win32
