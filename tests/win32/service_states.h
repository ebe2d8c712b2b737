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

// Leaves the services as they were found: a resume run starts every listed
// service, so when this goes each service that ran and no longer runs is
// started, and each that was stopped and now runs is stopped, in as many
// passes as its dependents need. No start type is ever touched.
class ServicesLeftAsFound {
public:
    ServicesLeftAsFound() = default;
    ~ServicesLeftAsFound();
    ServicesLeftAsFound(const ServicesLeftAsFound&) = delete;
    ServicesLeftAsFound& operator=(const ServicesLeftAsFound&) = delete;

private:
    const std::map<std::wstring, DWORD> found_ = allServiceStates();
};

}  // namespace speedrail::testing
