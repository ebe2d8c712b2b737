// Reads services' states straight from the service control manager, so the
// end-to-end tests check what the system did, not what the program said.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>

namespace speedrail::testing {

// SERVICE_RUNNING, SERVICE_STOPPED, ...; nothing when the service is unknown.
std::optional<DWORD> serviceState(const std::wstring& name);
// Polls until the service reaches `state` or `timeoutMs` passes.
bool waitForServiceState(const std::wstring& name, DWORD state, DWORD timeoutMs);
// Starts the service if it is not running and waits until it runs.
bool ensureServiceRunning(const std::wstring& name, DWORD timeoutMs);
// Every service's state, by name.
std::map<std::wstring, DWORD> allServiceStates();

// Leaves a service as it was found: one that was stopped when this was made
// is stopped again when it goes. Its start type is never touched.
class ServiceLeftAsFound {
public:
    explicit ServiceLeftAsFound(std::wstring name);
    ~ServiceLeftAsFound();
    ServiceLeftAsFound(const ServiceLeftAsFound&) = delete;
    ServiceLeftAsFound& operator=(const ServiceLeftAsFound&) = delete;

private:
    std::wstring name_;
    std::optional<DWORD> found_;
};

}  // namespace speedrail::testing
