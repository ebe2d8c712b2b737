#include "app/win32/program.h"

#include <windows.h>

#include <exception>

#include "app/win32/main_window.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"

namespace speedrail::win32 {
namespace {

int runMessageLoop(MainWindow& window) {
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!window.translateDialogMessage(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

int run(int showCommand) {
    // The runs hold the window's thread for seconds. Windows would call the
    // window hung after five and put a frozen copy in its place, which hides
    // the status line's progress, swallows the clicks that should wait for
    // the run and offers to end the program halfway through it.
    ::DisableProcessWindowsGhosting();
    Win32Platform platform;
    MainWindowOptions options;
    options.endProgramOnClose = true;
    MainWindow window(platform, options);
    platform.setOwnerWindow(window.hwnd());

    // Start-up runs while the window is still hidden: its message box comes
    // first, and the music starts on its own thread meanwhile.
    window.form().Form_Load();
    window.show(showCommand);
    return runMessageLoop(window);
}

}  // namespace

int runProgram(int showCommand) {
    // Before anything loads a DLL: the import table names only known DLLs,
    // and every other DLL, the common controls included, comes later.
    restrictDllSearchToSystemFolder();
    // The system's theme code draws through msimg32, which it loads lazily
    // by name; Wine's loader looks for such lazily loaded DLLs beside the
    // program whatever the search says. Holding the system folder's copy
    // from the start leaves nothing to look for.
    const SystemLibrary msimg32(L"msimg32.dll");
    try {
        return run(showCommand);
    } catch (const std::exception&) {
        // Only the window's creation can fail here: say so instead of crashing.
        ::MessageBoxW(nullptr, L"No se ha podido crear la ventana de SpeeDRaiL.",
                      toWide(message_box::kTitle).c_str(), MB_ICONERROR | MB_OK);
        return 1;
    }
}

}  // namespace speedrail::win32
