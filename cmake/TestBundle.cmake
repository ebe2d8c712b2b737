# The test bundle, SpeeDRaiL-<version>-tests.zip beside the release: the
# Win32 tests, their children, the start-up benchmark and its two children,
# the report program, the unelevated starter and run-tests.cmd, with the
# release under test in dist/, laid out as in the build folder, where the
# tests find everything beside themselves. Whoever has a Windows runs
# run-tests.cmd and sends back the report it writes (bundle/run-tests.cmd.in).
set(SPEEDRAIL_TEST_BUNDLE_FOLDER ${SPEEDRAIL_RELEASE_FOLDER}-tests)
set(CPACK_ARCHIVE_TESTS_FILE_NAME ${SPEEDRAIL_TEST_BUNDLE_FOLDER})

# Who a process runs as: for the report, and for the browser probe the tests
# start in a web picture's place.
add_library(speedrail_process_token STATIC bundle/win32/process_token.cpp)
target_link_libraries(speedrail_process_token PUBLIC speedrail_platform_win32)
target_link_libraries(browser_probe PRIVATE speedrail_process_token)
target_link_libraries(win32_tests PRIVATE speedrail_process_token)

# Starts a command without administrator rights: the test run checks with
# it that run-tests.cmd refuses to run so.
add_executable(unelevated_start bundle/win32/unelevated_start.cpp)
target_link_libraries(unelevated_start PRIVATE speedrail_platform_win32)

# The report program: the administrator check and the report's summary.
add_executable(test_report bundle/win32/test_report.cpp bundle/win32/machine_facts.cpp
                           bundle/test_results.cpp)
target_link_libraries(test_report PRIVATE speedrail_process_token)
if(MINGW)
  target_link_options(test_report PRIVATE -municode)
endif()
add_dependencies(win32_tests test_report unelevated_start)

install(TARGETS win32_tests test_report unelevated_start startup_bench bare_window startup_steps
                ${SPEEDRAIL_TEST_CHILDREN}
        RUNTIME DESTINATION ${SPEEDRAIL_TEST_BUNDLE_FOLDER} COMPONENT tests
        LIBRARY DESTINATION ${SPEEDRAIL_TEST_BUNDLE_FOLDER} COMPONENT tests)
# The command script knows which tests change the machine for good; CR LF
# line ends, as cmd expects.
set(SPEEDRAIL_RUN_TESTS ${CMAKE_BINARY_DIR}/run-tests.cmd)
configure_file(bundle/run-tests.cmd.in ${SPEEDRAIL_RUN_TESTS} @ONLY NEWLINE_STYLE CRLF)
install(PROGRAMS ${SPEEDRAIL_RUN_TESTS} DESTINATION ${SPEEDRAIL_TEST_BUNDLE_FOLDER} COMPONENT tests)
speedrail_install_release(${SPEEDRAIL_TEST_BUNDLE_FOLDER}/${SPEEDRAIL_DIST_NAME} tests)

# The test run runs the bundle made with the release as a user would, in a
# fresh Wine prefix, and reads its report (scripts/check-bundle.sh).
if(CMAKE_CROSSCOMPILING)
  add_test(NAME test_bundle
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/check-bundle.sh
                   ${CMAKE_BINARY_DIR}/${SPEEDRAIL_TEST_BUNDLE_FOLDER}.zip
                   ${SPEEDRAIL_SCRATCH_PREFIX_TESTS} ${CMAKE_BINARY_DIR}/test-bundle-run)
  set_tests_properties(test_bundle PROPERTIES FIXTURES_REQUIRED release TIMEOUT 2400)
endif()
