#include "tests/win32/service_states.h"

#include <utility>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/win32/unique_service_handle.h"
#include "tests/win32/polling.h"

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

ServiceLeftAsFound::ServiceLeftAsFound(std::wstring name)
    : name_(std::move(name)), found_(serviceState(name_)) {}

ServiceLeftAsFound::~ServiceLeftAsFound() {
    if (found_ != static_cast<DWORD>(SERVICE_STOPPED) || serviceState(name_) == found_) return;
    const auto service = openService(name_, SERVICE_STOP);
    SERVICE_STATUS status{};
    if (service) ::ControlService(service.get(), SERVICE_CONTROL_STOP, &status);
    waitForServiceState(name_, SERVICE_STOPPED, 30000);
}

}  // namespace speedrail::testing
