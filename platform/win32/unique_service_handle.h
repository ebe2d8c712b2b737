// The owner of a handle of the service manager.
#pragma once

#include <windows.h>
// winsvc.h builds on the types windows.h declares.
#include <winsvc.h>

#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

struct ServiceHandleTraits {  // the service manager and services opened from it
    static SC_HANDLE invalid() { return nullptr; }
    static bool valid(SC_HANDLE h) { return h != nullptr; }
    static void close(SC_HANDLE h) { ::CloseServiceHandle(h); }
};
using UniqueServiceHandle = UniqueHandle<SC_HANDLE, ServiceHandleTraits>;

}  // namespace speedrail::win32
