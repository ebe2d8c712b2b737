// Test child: a program of the user's that opens a window of its own and
// takes the foreground, as a listing script may start one. It starts a copy
// of itself that shows the window, and ends once that window is in front
// (exit code 0; 1 when it never got there), so that a script running it goes
// on only then. The copy's window stays until its process is ended.
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// The copy: shows its window in front, sets `inFront`, and keeps the window.
int showWindowInFront(HANDLE inFront) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"SpeeDRaiLTestForegroundWindow";
    if (!::RegisterClassW(&windowClass)) return 2;
    const HWND window =
        ::CreateWindowW(windowClass.lpszClassName, L"En primer plano", WS_OVERLAPPEDWINDOW, 100,
                        100, 300, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window) return 2;
    ::ShowWindow(window, SW_SHOWNORMAL);
    if (::SetForegroundWindow(window) && ::GetForegroundWindow() == window) ::SetEvent(inFront);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // The copy gets the event's handle value, which it inherits.
    if (argc == 2) {
        return showWindowInFront(reinterpret_cast<HANDLE>(
            static_cast<std::uintptr_t>(std::strtoull(argv[1], nullptr, 10))));
    }
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    const HANDLE inFront = ::CreateEventW(&inheritable, TRUE, FALSE, nullptr);
    wchar_t self[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (!inFront || length == 0 || length >= MAX_PATH) return 2;
    std::wstring commandLine = L"\"" + std::wstring(self, length) + L"\" " +
                               std::to_wstring(reinterpret_cast<std::uintptr_t>(inFront));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION copy{};
    if (!::CreateProcessW(self, commandLine.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS,
                          nullptr, nullptr, &startup, &copy)) {
        return 2;
    }
    ::CloseHandle(copy.hThread);
    ::CloseHandle(copy.hProcess);
    return ::WaitForSingleObject(inFront, 30000) == WAIT_OBJECT_0 ? 0 : 1;
}
