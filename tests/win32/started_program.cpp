#include "started_program.h"

#include "form/layout.h"
#include "platform/platform_ops.h"
#include "platform/win32/wide_text.h"
#include "tests/win32/polling.h"

namespace speedrail::win32::testing {

std::wstring distributedProgram() { return distributionFolder() + L"\\SpeeDRaiL.exe"; }

void ProgramTest::TearDown() {
    if (process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(process_.get(), 1);
        ::WaitForSingleObject(process_.get(), 10000);
    }
    process_.reset();
    job_.reset();
    PlatformTest::TearDown();
}

::testing::AssertionResult ProgramTest::start(const std::wstring& folder,
                                              const std::wstring& program) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    job_.reset(::CreateJobObjectW(nullptr, nullptr));
    PROCESS_INFORMATION started{};
    if (!job_ ||
        !::SetInformationJobObject(job_.get(), JobObjectExtendedLimitInformation, &limits,
                                   sizeof limits) ||
        !::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                          CREATE_SUSPENDED, nullptr, folder.c_str(), &startup, &started)) {
        return ::testing::AssertionFailure()
               << "cannot start the program: error " << ::GetLastError();
    }
    process_.reset(started.hProcess);
    const UniqueKernelHandle thread(started.hThread);
    if (!::AssignProcessToJobObject(job_.get(), process_.get()) ||
        ::ResumeThread(thread.get()) == static_cast<DWORD>(-1)) {
        return ::testing::AssertionFailure()
               << "cannot run the program: error " << ::GetLastError();
    }
    id_ = started.dwProcessId;
    if (!waitFor([&] { return shown(windows().warning); }, kWaitMs)) {
        return ::testing::AssertionFailure() << "no start-up message";
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ProgramTest::answerWarning() {
    ::PostMessageW(windows().warning, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    if (!waitFor([&] { return shown(windows().main); }, kWaitMs)) {
        return ::testing::AssertionFailure() << "the main window did not appear";
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ProgramTest::close() {
    ::PostMessageW(windows().main, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process_.get(), kWaitMs) != WAIT_OBJECT_0) {
        return ::testing::AssertionFailure() << "the program did not end";
    }
    DWORD exitCode = 1;
    ::GetExitCodeProcess(process_.get(), &exitCode);
    if (exitCode != 0) return ::testing::AssertionFailure() << "exit code " << exitCode;
    return ::testing::AssertionSuccess();
}

ProgramWindows ProgramTest::windows() const {
    struct Search {
        DWORD processId;
        std::wstring warningTitle, mainCaption;
        ProgramWindows found;
    } search{id_, toWide(message_box::kTitle), toWide(layout::window().caption), {}};
    ::EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner != s.processId) return TRUE;
            wchar_t title[128] = {};
            ::GetWindowTextW(window, title, 128);
            if (title == s.warningTitle) s.found.warning = window;
            if (title == s.mainCaption) s.found.main = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace speedrail::win32::testing
