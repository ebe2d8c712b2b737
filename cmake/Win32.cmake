# Windows build: the Win32 window and platform, the program, its
# distribution folder and the Win32 tests (run under Wine when cross-built).
if(MINGW)
  # No DLL beyond what Windows ships: the C and C++ runtimes go in statically.
  # Each function and datum in a section of its own, so that the linker drops
  # whatever nothing calls: the program stays small.
  add_compile_options(-ffunction-sections -fdata-sections)
  add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--gc-sections)
endif()

# Only the system's known DLLs, which always come from the system folder: the
# program runs elevated, and any other DLL it imported would be looked for
# beside it first. The others (comctl32, winmm) are loaded at run time from
# the system folder.
set(SPEEDRAIL_WIN32_LIBS advapi32 gdi32 user32 ole32 oleaut32 uuid shell32)

# The Win32 platform, the screen readers' plumbing, the drawing primitives,
# the readers' models, the controls and the main window, each a library of
# its own.
foreach(folder ${SPEEDRAIL_WIN32_LAYERS})
  if(folder STREQUAL "platform/win32")
    speedrail_add_layer(${folder} LIBRARIES ${SPEEDRAIL_WIN32_LIBS})
  else()
    speedrail_add_layer(${folder} EXCLUDE winmain.cpp)
  endif()
  speedrail_layer_target(${folder} target)
  target_compile_definitions(${target} PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                              _WIN32_WINNT=0x0601)
endforeach()
add_library(speedrail_win32 INTERFACE)
target_link_libraries(speedrail_win32 INTERFACE speedrail_app_win32)

set(SPEEDRAIL_RESOURCES ${CMAKE_CURRENT_SOURCE_DIR}/res/SpeeDRaiL.rc)

add_executable(SpeeDRaiL WIN32 app/win32/winmain.cpp ${SPEEDRAIL_RESOURCES})
target_link_libraries(SpeeDRaiL PRIVATE speedrail_win32)
if(MINGW)
  target_link_options(SpeeDRaiL PRIVATE -municode)
endif()

# What a user gets (cmake/Release.cmake): the distribution folder to run
# the program from, and the release zip.
include(cmake/Release.cmake)

# Benchmarks (scripts/bench.sh runs them): one program per source in
# bench/win32; the bare program the start-up benchmark compares with, and
# its step-by-step child, which runs SpeeDRaiL's start-up with the
# program's own resources.
add_executable(bare_window WIN32 bench/win32/children/bare_window.cpp)
target_compile_definitions(bare_window PRIVATE UNICODE _UNICODE)
add_executable(startup_steps WIN32 bench/win32/children/startup_steps.cpp ${SPEEDRAIL_RESOURCES})
target_link_libraries(startup_steps PRIVATE speedrail_win32)
if(MINGW)
  target_link_options(bare_window PRIVATE -municode)
  target_link_options(startup_steps PRIVATE -municode)
endif()
file(GLOB SPEEDRAIL_WIN32_BENCH_SOURCES CONFIGURE_DEPENDS bench/win32/*.cpp)
foreach(source ${SPEEDRAIL_WIN32_BENCH_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source} ${SPEEDRAIL_RESOURCES})
  target_link_libraries(${name} PRIVATE speedrail_win32 speedrail_test_support oleacc)
  # It finds the distribution folder and its children beside itself
  # (tests/win32/program_folder.h).
  target_compile_definitions(${name} PRIVATE SPEEDRAIL_DIST_NAME="${SPEEDRAIL_DIST_NAME}")
  add_dependencies(${name} bare_window startup_steps dist)
endforeach()

# GoogleTest from the sources Debian's googletest package ships.
set(SPEEDRAIL_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
if(NOT EXISTS ${SPEEDRAIL_GTEST_SOURCE_DIR}/CMakeLists.txt)
  message(STATUS "No GoogleTest sources in ${SPEEDRAIL_GTEST_SOURCE_DIR}: Win32 tests not built")
  return()
endif()
add_subdirectory(${SPEEDRAIL_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Small programs the Win32 tests launch as children, and DLLs (*_dll.cpp)
# they drop beside a program (modules: no import library).
file(GLOB SPEEDRAIL_TEST_CHILD_SOURCES CONFIGURE_DEPENDS tests/win32/children/*.cpp)
foreach(source ${SPEEDRAIL_TEST_CHILD_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  if(name MATCHES "_dll$")
    add_library(${name} MODULE ${source})
    set_target_properties(${name} PROPERTIES PREFIX "")
  else()
    add_executable(${name} ${source})
  endif()
  list(APPEND SPEEDRAIL_TEST_CHILDREN ${name})
endforeach()

file(GLOB SPEEDRAIL_WIN32_TEST_SOURCES CONFIGURE_DEPENDS tests/win32/*.cpp)
add_executable(win32_tests ${SPEEDRAIL_WIN32_TEST_SOURCES} ${SPEEDRAIL_RESOURCES})
target_link_libraries(win32_tests PRIVATE speedrail_win32 speedrail_test_support gtest gtest_main
                                          oleacc)
target_compile_definitions(win32_tests PRIVATE SPEEDRAIL_DIST_NAME="${SPEEDRAIL_DIST_NAME}")
if(SPEEDRAIL_TEST_CHILDREN)
  add_dependencies(win32_tests ${SPEEDRAIL_TEST_CHILDREN})
endif()
add_dependencies(win32_tests dist)
include(GoogleTest)
# Tests that change the Wine prefix for good run apart, each time in a
# throwaway copy of it, so that the other tests never see what they leave.
set(SPEEDRAIL_SCRATCH_PREFIX_TESTS "ThousandServicesEndToEnd.*")
# Discovered when ctest runs, under the test environment (display, Wine prefix).
# Parameterised tests are named by their parameter's name or index.
gtest_discover_tests(win32_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 NO_PRETTY_VALUES
                     TEST_FILTER "-${SPEEDRAIL_SCRATCH_PREFIX_TESTS}" PROPERTIES TIMEOUT 180)
if(CMAKE_CROSSCOMPILING)
  add_test(NAME win32_tests_in_scratch_prefix
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/in-scratch-wine-prefix.sh
                   ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:win32_tests>
                   --gtest_filter=${SPEEDRAIL_SCRATCH_PREFIX_TESTS})
  # Passes only when some test ran and passed: not when none matched or one was skipped.
  set_tests_properties(win32_tests_in_scratch_prefix PROPERTIES
    TIMEOUT 300 PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [1-9]"
    FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]|\\[  SKIPPED \\]")
endif()


# The test bundle beside the release (cmake/TestBundle.cmake).
include(cmake/TestBundle.cmake)
