// The common controls (comctl32), taken from the system at run time instead
// of from the program's import table: comctl32 is no known DLL, and a DLL in
// the import table is looked for beside the program before anything of the
// program has run. The manifest still picks version 6.
#pragma once

#include <windows.h>
// commctrl.h builds on the types windows.h declares.
#include <commctrl.h>

namespace speedrail::win32::common_controls {

// Loads the library and registers its window classes (the tool tips among
// them); once per process, later calls only say whether that worked.
bool load();

// The subclassing functions of the same name; without the library nothing
// is subclassed, so no subclass procedure ever asks for defSubclassProc.
bool setWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
bool removeWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id);
LRESULT defSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace speedrail::win32::common_controls
