// Joins the calling thread to a single-threaded COM apartment for as long as
// the guard lives. The media player and the shell's helpers need COM on the
// window's thread.
#pragma once

#include <objbase.h>

namespace speedrail::win32 {

class ComApartment {
public:
    // S_FALSE (already initialised on this thread) still counts and must be
    // balanced; RPC_E_CHANGED_MODE (another threading model is in place) is
    // not ours to undo, and COM still works in that apartment.
    ComApartment() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_)) ::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

}  // namespace speedrail::win32
