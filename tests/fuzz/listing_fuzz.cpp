// Feeds arbitrary bytes to the listing reader and the lower-case folding:
// neither may crash, hang or give more entries than the list holds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "form/service_list.h"
#include "services/listing_reader.h"
#include "services/text_fold.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto asLatin1 = [](const std::string& raw) { return raw; };
    const auto entries = speedrail::listingEntries(speedrail::decodeListing(bytes, asLatin1),
                                                   speedrail::ServiceList::kMaxEntries);
    if (entries.size() > static_cast<std::size_t>(speedrail::ServiceList::kMaxEntries))
        __builtin_trap();
    for (const auto& entry : entries) {
        if (entry.find('\r') != std::string::npos) __builtin_trap();
        (void)speedrail::foldToLower(entry);
    }
    return 0;
}
