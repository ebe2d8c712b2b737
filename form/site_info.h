// The addresses the shortcuts open and the contact lines of the messages:
// kept together so that a distributor changes them in one place.
#pragma once

namespace speedrail::site {

// The program's page: the banner and the version label open it.
inline constexpr const char* kProgramPage = "https://speedrail.example.org/";
// The maker's benchmark site, opened by the logo text.
inline constexpr const char* kBenchmarkSite = "https://retrobench.example.org/";
// The benchmark site as the messages print it.
inline constexpr const char* kBenchmarkSiteInMessages = "https://www.retrobench.example.org";
// Contact lines of the start-up warning and of the information message.
inline constexpr const char* kWarningContact = "contacto@speedrail.example.org  2019";
inline constexpr const char* kInformationContact = "contacto@speedrail.example.org  2020";

}  // namespace speedrail::site
