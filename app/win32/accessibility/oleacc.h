// Active Accessibility's library (oleacc), taken from the system folder at
// run time, and only once a client asks the window for an accessible object:
// oleacc is no known DLL, and most runs never meet a screen reader.
#pragma once

#include <windows.h>
// oleacc.h builds on the types windows.h declares.
#include <oleacc.h>

namespace speedrail::win32::oleacc {

// The functions of the same name; without the library they fail
// (E_NOTIMPL, or an LRESULT of 0, which tells the client there is nothing).
HRESULT createStdAccessibleObject(HWND window, LONG objectId, REFIID iid, void** object);
LRESULT lresultFromObject(REFIID iid, WPARAM wParam, IUnknown* object);
HRESULT accessibleObjectFromWindow(HWND window, DWORD objectId, REFIID iid, void** object);

}  // namespace speedrail::win32::oleacc
