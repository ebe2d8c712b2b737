// Win32Platform::serviceNames: the service manager's own list of services.
#include <windows.h>
#include <winsvc.h>

#include <algorithm>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/win32/unique_service_handle.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"

namespace speedrail::win32 {

namespace {

// One batch of the list: room for a few hundred services. Windows hands the
// list over in batches of what fits and says where the next one starts; Wine
// hands over the whole list or nothing, and then says how much it needs.
constexpr DWORD kBatchBytes = 64 * 1024;

}  // namespace

// SERVICE_WIN32 is what `sc query type= service` asks for: own-process and
// shared-process services, packaged ones included. Per-user instances carry
// one of those two bits and come with them; the templates they are made from
// stay out, as in the services console. No newer type bit is asked for:
// Windows 7 refuses the whole request when it meets one. The manager gives
// the list in its own order, by name.
std::optional<std::vector<std::string>> Win32Platform::serviceNames(std::size_t maxNames) {
    const UniqueServiceHandle manager(
        ::OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ENUMERATE_SERVICE));
    if (!manager) return std::nullopt;

    std::vector<std::string> names;
    std::vector<BYTE> batch(kBatchBytes);
    DWORD resume = 0;
    while (names.size() < maxNames) {
        DWORD needed = 0;
        DWORD returned = 0;
        const BOOL last = ::EnumServicesStatusExW(
            manager.get(), SC_ENUM_PROCESS_INFO, SERVICE_WIN32, SERVICE_STATE_ALL, batch.data(),
            static_cast<DWORD>(batch.size()), &needed, &returned, &resume, nullptr);
        if (!last && ::GetLastError() != ERROR_MORE_DATA) return std::nullopt;

        const auto* services = reinterpret_cast<const ENUM_SERVICE_STATUS_PROCESSW*>(batch.data());
        for (DWORD i = 0; i < returned && names.size() < maxNames; ++i) {
            names.push_back(toUtf8(services[i].lpServiceName));
        }
        if (last) break;
        if (returned == 0) {
            // Nothing came, as the next batch does not fit: a batch of what
            // the manager says it needs, up to the most of a listing the scan
            // ever reads. At least double each time, so that a manager that
            // keeps asking for a little more reaches that cap in a few rounds.
            if (needed <= batch.size() || needed > kMaxListingBytes) return std::nullopt;
            batch.resize(
                std::min(std::max<std::size_t>(needed, 2 * batch.size()), kMaxListingBytes));
        }
    }
    return names;
}

}  // namespace speedrail::win32
