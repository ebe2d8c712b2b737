// Timings of the work that grows with the number of services: reading a
// full listing into the list model, and one keep pass over a full list.
#include <benchmark/benchmark.h>

#include "app/form1.h"
#include "form/service_list.h"
#include "services/categories.h"
#include "services/listing_reader.h"
#include "tests/support/form_fixture.h"
#include "tests/support/listing.h"

namespace speedrail {
namespace {

// Names as the listing tool pads them, some of every category.
std::string serviceName(int i) {
    static const char* const stems[] = {"AudioSrv", "RpcSs",   "KeyIso",   "Spooler",
                                        "BITS",     "WlanSvc", "CryptSvc", "Themes"};
    std::string name = stems[i % 8] + std::to_string(i);
    name.resize(40, ' ');
    return name;
}

std::string fullUtf16Listing() {
    std::vector<std::string> names;
    for (int i = 0; i < ServiceList::kMaxEntries; ++i) names.push_back(serviceName(i));
    return testing::listingNaming(names, testing::ListingEncoding::Utf16);
}

void BM_ReadListingIntoModel(benchmark::State& state) {
    const std::string bytes = fullUtf16Listing();
    const auto noCodePage = [](const std::string& raw) { return raw; };
    for (auto _ : state) {
        ServiceList list;
        for (auto& entry :
             listingEntries(decodeListing(bytes, noCodePage), ServiceList::kMaxEntries)) {
            list.append(std::move(entry));
        }
        benchmark::DoNotOptimize(list.count());
    }
}
BENCHMARK(BM_ReadListingIntoModel)->Unit(benchmark::kMillisecond);

void BM_KeepPassOverFullList(benchmark::State& state) {
    testing::RecordedForm recorded;
    std::vector<std::string> names;
    for (int i = 0; i < ServiceList::kMaxEntries; ++i) names.push_back(serviceName(i));
    recorded.scan(names);
    recorded.form.Click(layout::ControlId::Check2);
    for (auto _ : state) {
        recorded.form.Click(layout::ControlId::Check1);  // one full keep pass per toggle
        recorded.window.events.clear();
    }
}
BENCHMARK(BM_KeepPassOverFullList)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace speedrail
