# Native build: the core's unit tests, the fuzz target and the benchmarks.
find_package(GTest REQUIRED)

file(GLOB SPEEDRAIL_UNIT_TEST_SOURCES CONFIGURE_DEPENDS tests/unit/*.cpp)
add_executable(unit_tests ${SPEEDRAIL_UNIT_TEST_SOURCES})
target_link_libraries(unit_tests PRIVATE speedrail_test_support GTest::gtest GTest::gtest_main)
include(GoogleTest)
# Labelled "unit": `ctest -L unit` runs them alone, in seconds, without Wine.
# Parameterised tests are named by their parameter's name or index, never
# by their bytes, so that a name stays the same from build to build.
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES LABELS unit)

add_test(NAME layers
         COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR}
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/CheckLayers.cmake)
set_tests_properties(layers PROPERTIES LABELS unit)

# Every source as clang-format writes it.
find_program(SPEEDRAIL_CLANG_FORMAT clang-format REQUIRED)
add_test(NAME format
         COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR}
                 -DCLANG_FORMAT=${SPEEDRAIL_CLANG_FORMAT}
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/CheckFormat.cmake)
set_tests_properties(format PROPERTIES LABELS unit)

# With clang: the core under AddressSanitizer and UndefinedBehaviorSanitizer,
# with coverage for the fuzzer, runs the unit tests once more and the fuzz
# targets. Any sanitizer report fails the test.
set(SPEEDRAIL_CORE_SOURCES "")
foreach(folder ${SPEEDRAIL_CORE_LAYERS})
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  list(APPEND SPEEDRAIL_CORE_SOURCES ${sources})
endforeach()
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  set(SPEEDRAIL_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all
                           -fno-omit-frame-pointer)
  add_library(speedrail_core_sanitized STATIC ${SPEEDRAIL_CORE_SOURCES}
                                              ${SPEEDRAIL_TEST_SUPPORT_SOURCES})
  target_include_directories(speedrail_core_sanitized PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}
                                                           ${SPEEDRAIL_GENERATED_DIR})
  target_compile_options(speedrail_core_sanitized PRIVATE -fsanitize=fuzzer-no-link
                         PUBLIC ${SPEEDRAIL_SANITIZERS})
  target_link_options(speedrail_core_sanitized PUBLIC ${SPEEDRAIL_SANITIZERS})
  set(SPEEDRAIL_SANITIZER_ENVIRONMENT
      "ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1;UBSAN_OPTIONS=print_stacktrace=1")

  add_executable(unit_tests_sanitized ${SPEEDRAIL_UNIT_TEST_SOURCES})
  target_link_libraries(unit_tests_sanitized PRIVATE speedrail_core_sanitized GTest::gtest
                                                     GTest::gtest_main)
  add_test(NAME unit_tests_sanitized COMMAND unit_tests_sanitized)
  set_tests_properties(unit_tests_sanitized PROPERTIES
                       ENVIRONMENT "${SPEEDRAIL_SANITIZER_ENVIRONMENT}" TIMEOUT 300)

  file(GLOB SPEEDRAIL_FUZZ_SOURCES CONFIGURE_DEPENDS tests/fuzz/*.cpp)
  foreach(source ${SPEEDRAIL_FUZZ_SOURCES})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE speedrail_core_sanitized)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    # A bounded run over a scratch copy of the seed corpus.
    set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus)
    add_test(NAME ${name}
             COMMAND sh -c "mkdir -p '${corpus}' && cp '${CMAKE_CURRENT_SOURCE_DIR}'/tests/fuzz/corpus/* '${corpus}'/ && exec '$<TARGET_FILE:${name}>' -max_total_time=20 -rss_limit_mb=1024 -max_len=65536 '${corpus}'")
    set_tests_properties(${name} PROPERTIES
                         ENVIRONMENT "${SPEEDRAIL_SANITIZER_ENVIRONMENT}" TIMEOUT 120)
  endforeach()
endif()

find_package(benchmark QUIET)
if(benchmark_FOUND)
  file(GLOB SPEEDRAIL_BENCH_SOURCES CONFIGURE_DEPENDS bench/native/*.cpp)
  if(SPEEDRAIL_BENCH_SOURCES)
    add_executable(native_bench ${SPEEDRAIL_BENCH_SOURCES})
    target_link_libraries(native_bench PRIVATE speedrail_test_support benchmark::benchmark benchmark::benchmark_main)
  endif()
endif()
