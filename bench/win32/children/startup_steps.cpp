// The start-up benchmark's step-by-step child: SpeeDRaiL's start-up, started
// afresh for every round, that writes on its standard output when each step
// ends, as QueryPerformanceCounter counts, the clock the benchmark reads too.
//
// First come, one at a time and in the program's own order, the steps whose
// first use is costly. Each pays here what it costs the program where it
// comes first: the DLLs it loads, the classes it registers, the connection
// to the window system. Then the program runs itself (runProgram), finding
// them done and paying only their warm repeat, while a hook on the thread
// notes when it starts to create its main window, the window's first
// control, its tool tips and the warning box. The benchmark answers the
// warning and closes the window, as it does for the program.
#include <windows.h>
// commctrl.h builds on the types windows.h declares.
#include <commctrl.h>

#include <string>

#include "app/win32/drawing/dpi.h"
#include "app/win32/drawing/fonts.h"
#include "app/win32/drawing/pictures.h"
#include "app/win32/program.h"
#include "form/layout.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/common_controls.h"
#include "platform/win32/system_library.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace speedrail::win32 {
namespace {

struct HookTraits {
    static HHOOK invalid() { return nullptr; }
    static bool valid(HHOOK h) { return h != nullptr; }
    static void close(HHOOK h) { ::UnhookWindowsHookEx(h); }
};
using UniqueHook = UniqueHandle<HHOOK, HookTraits>;

// One line a step: the count at its end, a tab, the step's name.
std::string marks;

void stepEnded(const char* step) {
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    marks += std::to_string(now.QuadPart) + '\t' + step + '\n';
}

// The windows of the program's start-up whose creation ends a step, in the
// order it creates them.
struct Seen {
    HWND main = nullptr;
    bool control = false;
    bool toolTips = false;
    bool warning = false;
} seen;

std::wstring classOf(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

LRESULT CALLBACK noteCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code != HCBT_CREATEWND) return ::CallNextHookEx(nullptr, code, wParam, lParam);
    static const std::wstring caption = toWide(layout::window().caption);
    const HWND window = reinterpret_cast<HWND>(wParam);
    const CREATESTRUCTW& created = *reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
    if (!seen.main) {
        if (!created.hwndParent && created.lpszName && !IS_INTRESOURCE(created.lpszName) &&
            caption == created.lpszName) {
            seen.main = window;
            stepEnded("main window's class, icons, pointers (pictures again, warm)");
        }
    } else if (!seen.control) {
        if (created.hwndParent == seen.main && (created.style & WS_CHILD)) {
            seen.control = true;
            stepEnded("main window's frame, its DPI (fonts again, warm)");
        }
    } else if (!seen.toolTips) {
        if (classOf(window) == TOOLTIPS_CLASSW) {
            seen.toolTips = true;
            stepEnded("child windows, their fonts");
        }
    } else if (!seen.warning && classOf(window) == L"#32770") {  // the dialogs' class
        seen.warning = true;
        stepEnded("tool tips, accessible objects, layout; start-up up to its warning");
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

int run(int showCommand) {
    stepEnded("program loaded: image, manifest, imported DLLs, C++ runtime");
    restrictDllSearchToSystemFolder();
    const SystemLibrary msimg32(L"msimg32.dll");
    stepEnded("DLL search, msimg32");
    ::GetDesktopWindow();
    stepEnded("window system's first use (a bare window pays it too)");
    const ComApartment apartment;
    stepEnded("COM apartment");
    common_controls::load();
    stepEnded("common controls");
    {
        PictureDecoder decoder;
        for (const layout::Control& control : layout::controls()) {
            decoder.load(control.picture);
        }
    }
    stepEnded("pictures");
    FontFaces faces;
    const int dpi = dpiForWindow(::GetDesktopWindow());
    for (const layout::Control& control : layout::controls())
        createControlFont(control, faces, dpi);
    stepEnded("fonts: faces looked up, sizes fitted");

    int exitCode = 0;
    {
        const UniqueHook hook(
            ::SetWindowsHookExW(WH_CBT, noteCreation, nullptr, ::GetCurrentThreadId()));
        exitCode = runProgram(showCommand);
    }
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), marks.data(), static_cast<DWORD>(marks.size()),
                &written, nullptr);
    return exitCode;
}

}  // namespace
}  // namespace speedrail::win32

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    return speedrail::win32::run(showCommand);
}
