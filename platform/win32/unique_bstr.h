// The owner of a COM string.
#pragma once

#include <windows.h>
// oleauto.h builds on the types windows.h declares.
#include <oleauto.h>

#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

struct BstrTraits {  // strings allocated with SysAllocString
    static BSTR invalid() { return nullptr; }
    static bool valid(BSTR s) { return s != nullptr; }
    static void close(BSTR s) { ::SysFreeString(s); }
};
using UniqueBstr = UniqueHandle<BSTR, BstrTraits>;

}  // namespace speedrail::win32
