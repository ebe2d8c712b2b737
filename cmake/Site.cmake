# The web addresses and contact lines the program shows: settings of the
# build, so that a distributor gives their own when configuring it (README,
# "The release"). CMake writes them into form/site_info.h from its template.
set(SPEEDRAIL_PROGRAM_PAGE "https://speedrail.example.org/" CACHE STRING
    "The program's page: the banner and the version label open it")
set(SPEEDRAIL_BENCHMARK_SITE "https://retrobench.example.org/" CACHE STRING
    "The maker's benchmark site, opened by the logo text")
set(SPEEDRAIL_BENCHMARK_SITE_IN_MESSAGES "https://www.retrobench.example.org" CACHE STRING
    "The benchmark site as the start-up warning and the information message print it")
set(SPEEDRAIL_WARNING_CONTACT "contacto@speedrail.example.org  2019" CACHE STRING
    "Contact line of the start-up warning")
set(SPEEDRAIL_INFORMATION_CONTACT "contacto@speedrail.example.org  2020" CACHE STRING
    "Contact line of the information message")

set(placeholders "")
foreach(setting PROGRAM_PAGE BENCHMARK_SITE BENCHMARK_SITE_IN_MESSAGES WARNING_CONTACT
                INFORMATION_CONTACT)
  # As the inside of a C++ string literal: backslashes and quotes escaped.
  string(REGEX REPLACE "([\\\"])" "\\\\\\1" site_${setting} "${SPEEDRAIL_${setting}}")
  if(SPEEDRAIL_${setting} MATCHES "(^|[/.@])example\\.org([^A-Za-z0-9.-]|$)")
    list(APPEND placeholders SPEEDRAIL_${setting})
  endif()
endforeach()
configure_file(form/site_info.h.in ${SPEEDRAIL_GENERATED_DIR}/form/site_info.h @ONLY)

# A build that makes releases tells when they would still send users to the
# placeholder domain.
set(release_types ${CMAKE_BUILD_TYPE} ${CMAKE_CONFIGURATION_TYPES})
if(placeholders AND "Release" IN_LIST release_types)
  list(JOIN placeholders ", " names)
  message(WARNING "The release's web addresses or contact lines are still placeholders under "
                  "example.org: set ${names} (README.md, \"The release\").")
endif()
