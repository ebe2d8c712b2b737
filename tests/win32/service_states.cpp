#include "tests/win32/service_states.h"

#include <algorithm>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/win32/unique_service_handle.h"
#include "tests/win32/polling.h"
#include "tests/win32/running_programs.h"

namespace speedrail::testing {
namespace {

using win32::UniqueServiceHandle;

UniqueServiceHandle openManager(DWORD access) {
    return UniqueServiceHandle(::OpenSCManagerW(nullptr, nullptr, access));
}

UniqueServiceHandle openService(const std::wstring& name, DWORD access) {
    const auto manager = openManager(SC_MANAGER_CONNECT);
    if (!manager) return UniqueServiceHandle();
    return UniqueServiceHandle(::OpenServiceW(manager.get(), name.c_str(), access));
}

}  // namespace

std::optional<DWORD> serviceState(const std::wstring& name) {
    const auto service = openService(name, SERVICE_QUERY_STATUS);
    SERVICE_STATUS status{};
    if (!service || !::QueryServiceStatus(service.get(), &status)) return std::nullopt;
    return status.dwCurrentState;
}

bool waitForServiceState(const std::wstring& name, DWORD state, DWORD timeoutMs) {
    return win32::testing::waitFor([&] { return serviceState(name) == state; }, timeoutMs);
}

bool ensureServiceRunning(const std::wstring& name, DWORD timeoutMs) {
    if (serviceState(name) == static_cast<DWORD>(SERVICE_RUNNING)) return true;
    const auto service = openService(name, SERVICE_START);
    if (service) ::StartServiceW(service.get(), 0, nullptr);
    return waitForServiceState(name, SERVICE_RUNNING, timeoutMs);
}

std::map<std::wstring, DWORD> allServiceStates() {
    std::map<std::wstring, DWORD> states;
    const auto manager = openManager(SC_MANAGER_ENUMERATE_SERVICE);
    if (!manager) return states;
    DWORD needed = 0, returned = 0, resume = 0;
    ::EnumServicesStatusExW(manager.get(), SC_ENUM_PROCESS_INFO, SERVICE_WIN32, SERVICE_STATE_ALL,
                            nullptr, 0, &needed, &returned, &resume, nullptr);
    std::vector<BYTE> buffer(needed + 4096);
    resume = 0;
    if (!::EnumServicesStatusExW(
            manager.get(), SC_ENUM_PROCESS_INFO, SERVICE_WIN32, SERVICE_STATE_ALL, buffer.data(),
            static_cast<DWORD>(buffer.size()), &needed, &returned, &resume, nullptr)) {
        return states;
    }
    const auto* services = reinterpret_cast<const ENUM_SERVICE_STATUS_PROCESSW*>(buffer.data());
    for (DWORD i = 0; i < returned; ++i) {
        states[services[i].lpServiceName] = services[i].ServiceStatusProcess.dwCurrentState;
    }
    return states;
}

ServicesLeftAsFound::~ServicesLeftAsFound() {
    constexpr DWORD kAsked = SERVICE_START | SERVICE_STOP;
    const auto settled = [] {
        const auto states = allServiceStates();
        // A run starts sc and net and goes on without waiting for their end.
        return !win32::testing::programRunning({L"sc.exe", L"net.exe", L"net1.exe"}) &&
               std::all_of(states.begin(), states.end(), [](const auto& entry) {
                   return entry.second != SERVICE_START_PENDING &&
                          entry.second != SERVICE_STOP_PENDING;
               });
    };
    for (int pass = 0; pass < 4; ++pass) {
        win32::testing::waitFor(settled, 60000);
        bool changed = false;
        for (const auto& [name, now] : allServiceStates()) {
            const auto found = found_.find(name);
            if (found == found_.end() ||
                (found->second == SERVICE_STOPPED) == (now == SERVICE_STOPPED)) {
                continue;
            }
            const auto service = openService(name, kAsked);
            SERVICE_STATUS status{};
            changed |=
                found->second == SERVICE_STOPPED
                    ? service && ::ControlService(service.get(), SERVICE_CONTROL_STOP, &status)
                    : service && ::StartServiceW(service.get(), 0, nullptr);
        }
        if (!changed) break;
    }
}

}  // namespace speedrail::testing
