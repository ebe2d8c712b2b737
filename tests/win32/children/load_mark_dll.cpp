// Test DLL: a stand-in for a system DLL dropped beside the program. When it
// is loaded, it leaves "<its path>.loaded" ("C:\folder\winmm.dll.loaded").
// It exports nothing.
#include "leave_mark.h"

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) leaveMark(self, L".loaded");
    return TRUE;
}
