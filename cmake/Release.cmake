# What a user gets: the distribution folder the program runs from (target
# dist, build/cross/dist) and the release zip (target package: CPack's ZIP
# generator). Both hold the same files; the zip's program is stripped of its
# symbols, the folder's keeps them for debugging.

# The folder inside the zip, and the read-me's name.
set(SPEEDRAIL_RELEASE_FOLDER ${PROJECT_NAME}-${PROJECT_VERSION})
set(SPEEDRAIL_README_NAME "LÉEME.txt")

set(SPEEDRAIL_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/res/scripts/srvopen.cmd
                      ${CMAKE_CURRENT_SOURCE_DIR}/res/scripts/fix_W7-10.cmd)
# The music: the program plays the tracks by number, 0.mid, 1.mid, ...
file(GLOB SPEEDRAIL_MUSIC CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/res/music/*.mid)
list(SORT SPEEDRAIL_MUSIC COMPARE NATURAL)

# The read-me, in Spanish for the user: UTF-8 with a byte-order mark and CR LF
# line ends, so that Notepad on Windows 7 shows it right. It names the
# version and the tracks shipped.
set(readme_template ${CMAKE_CURRENT_SOURCE_DIR}/res/LEEME.txt.in)
set(SPEEDRAIL_README ${SPEEDRAIL_GENERATED_DIR}/LEEME.txt)
list(LENGTH SPEEDRAIL_MUSIC SPEEDRAIL_MUSIC_COUNT)
set(track_names "")
foreach(track IN LISTS SPEEDRAIL_MUSIC)
  get_filename_component(name ${track} NAME)
  list(APPEND track_names ${name})
endforeach()
list(JOIN track_names ", " SPEEDRAIL_MUSIC_NAMES)
file(READ ${readme_template} readme_text)
string(ASCII 239 187 191 utf8_bom)
file(CONFIGURE OUTPUT ${SPEEDRAIL_README} CONTENT "${utf8_bom}${readme_text}" @ONLY
     NEWLINE_STYLE CRLF)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${readme_template})

# The folder's name is also where the Win32 tests and benchmarks find it,
# beside themselves, in the build folder and in the test bundle alike.
set(SPEEDRAIL_DIST_NAME dist)
set(SPEEDRAIL_DIST_DIR ${CMAKE_BINARY_DIR}/${SPEEDRAIL_DIST_NAME})
add_custom_target(dist ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SPEEDRAIL_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:SpeeDRaiL> ${SPEEDRAIL_SCRIPTS} ${SPEEDRAIL_MUSIC}
          ${SPEEDRAIL_DIST_DIR}/
  COMMAND ${CMAKE_COMMAND} -E copy ${SPEEDRAIL_README} ${SPEEDRAIL_DIST_DIR}/${SPEEDRAIL_README_NAME}
  DEPENDS SpeeDRaiL
  VERBATIM)

# The release's files, installed into `folder` as part of `component`: the
# release itself, and the test bundle's copy of it.
function(speedrail_install_release folder component)
  install(TARGETS SpeeDRaiL RUNTIME DESTINATION ${folder} COMPONENT ${component})
  install(FILES ${SPEEDRAIL_SCRIPTS} ${SPEEDRAIL_MUSIC} DESTINATION ${folder}
          COMPONENT ${component})
  install(FILES ${SPEEDRAIL_README} DESTINATION ${folder} RENAME ${SPEEDRAIL_README_NAME}
          COMPONENT ${component})
endfunction()
speedrail_install_release(${SPEEDRAIL_RELEASE_FOLDER} release)

# SpeeDRaiL-<version>-win64.zip, holding the one folder SpeeDRaiL-<version>/,
# and SHA256SUMS beside it; one zip a component, so that the test bundle,
# where the build makes one, comes out beside the release and in SHA256SUMS.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(SPEEDRAIL_RELEASE_ZIP ${SPEEDRAIL_RELEASE_FOLDER}-win64)
else()
  set(SPEEDRAIL_RELEASE_ZIP ${SPEEDRAIL_RELEASE_FOLDER}-win32)
endif()
set(CPACK_PACKAGE_FILE_NAME ${SPEEDRAIL_RELEASE_ZIP})
set(CPACK_ARCHIVE_RELEASE_FILE_NAME ${SPEEDRAIL_RELEASE_ZIP})
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)  # the folder is the install destination
set(CPACK_STRIP_FILES ON)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/ReleasePackLocale.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/ReleaseSign.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/ReleaseChecksums.cmake)

# Signing: given a key, the zips' programs are signed with Authenticode
# (cmake/ReleaseSign.cmake), one of three ways; given none, they are not.
set(SPEEDRAIL_SIGNING_CERTIFICATE "" CACHE FILEPATH
    "PKCS#12 file to sign the release's program with (password in the environment variable SPEEDRAIL_SIGNING_PASSWORD); empty: not this way")
set(SPEEDRAIL_SIGNING_PKCS11_KEY "" CACHE STRING
    "pkcs11: URI of the key on a token or HSM to sign the release's program with (PIN in the environment variable SPEEDRAIL_SIGNING_PASSWORD); empty: not this way")
set(SPEEDRAIL_SIGNING_PKCS11_MODULE "" CACHE FILEPATH
    "PKCS#11 module (.so) that reaches the key")
set(SPEEDRAIL_SIGNING_PKCS11_CERTIFICATES "" CACHE FILEPATH
    "PEM file with the key's certificate and the chain above it")
set(SPEEDRAIL_SIGNING_COMMAND "" CACHE STRING
    "Command (a ;-list) that signs in place the program, whose path the build adds as the last argument; empty: not this way")
set(SPEEDRAIL_SIGNING_TIMESTAMP_URL "" CACHE STRING
    "RFC 3161 time-stamp server for osslsigncode's signature; empty: no time stamp")
foreach(setting CERTIFICATE PKCS11_KEY PKCS11_MODULE PKCS11_CERTIFICATES COMMAND TIMESTAMP_URL)
  set(CPACK_SPEEDRAIL_SIGNING_${setting} "${SPEEDRAIL_SIGNING_${setting}}")
endforeach()
# The settings reach cpack as given, quotes and backslashes included.
set(CPACK_VERBATIM_VARIABLES ON)
# CPack packs the components known when it is included: so at the end of
# the project, once the test bundle's are known too.
cmake_language(DEFER CALL include CPack)

# The test run builds the release, then reads it as a user would get it.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  add_test(NAME release_package
           COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --config $<CONFIG> --target package)
  # In a plain C locale, as on a fresh machine without a language set.
  set_tests_properties(release_package PROPERTIES FIXTURES_SETUP release TIMEOUT 900
                                                  ENVIRONMENT "LC_ALL=C;LANG=")
  # Without a way to sign the program must stay unsigned; with one, the
  # signature is checked below, with a certificate the test can read.
  if(NOT "${SPEEDRAIL_SIGNING_CERTIFICATE}${SPEEDRAIL_SIGNING_PKCS11_KEY}${SPEEDRAIL_SIGNING_COMMAND}"
     STREQUAL "")
    set(expected_signature "")
  else()
    set(expected_signature unsigned)
  endif()
  add_test(NAME release_zip
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/tests/release/release_test.py
                   ${CMAKE_BINARY_DIR}/${SPEEDRAIL_RELEASE_ZIP}.zip ${SPEEDRAIL_RELEASE_FOLDER}
                   ${CMAKE_CURRENT_SOURCE_DIR}/res/music ${expected_signature})
  set_tests_properties(release_zip PROPERTIES FIXTURES_REQUIRED release)

  # Then the same release signed each way, through the same package step,
  # with a key made for the test: a PKCS#12 file, a key in a SoftHSM2 token,
  # and a signing command.
  find_program(OPENSSL openssl)
  find_program(OSSLSIGNCODE osslsigncode)
  find_program(SOFTHSM2_UTIL softhsm2-util)
  find_program(PKCS11_TOOL pkcs11-tool)
  find_file(SOFTHSM2_MODULE libsofthsm2.so PATHS /usr/lib /usr/local/lib PATH_SUFFIXES softhsm
            NO_CMAKE_FIND_ROOT_PATH)
  if(OPENSSL AND OSSLSIGNCODE AND SOFTHSM2_UTIL AND PKCS11_TOOL AND SOFTHSM2_MODULE)
    set(release_tests ${CMAKE_CURRENT_SOURCE_DIR}/tests/release)
    foreach(way pkcs12 pkcs11 command)
      set(signed_dir ${CMAKE_BINARY_DIR}/signed-release/${way})
      add_test(NAME release_package_signed_${way}
               COMMAND ${Python3_EXECUTABLE} ${release_tests}/package_signed.py
                       ${CMAKE_CPACK_COMMAND} ${OPENSSL} ${CMAKE_BINARY_DIR}/CPackConfig.cmake
                       ${signed_dir} ${way} ${SOFTHSM2_MODULE})
      set_tests_properties(release_package_signed_${way} PROPERTIES
                           FIXTURES_REQUIRED release FIXTURES_SETUP release_signed_${way} TIMEOUT 900)
      add_test(NAME release_zip_signed_${way}
               COMMAND ${Python3_EXECUTABLE} ${release_tests}/release_test.py
                       ${signed_dir}/${SPEEDRAIL_RELEASE_ZIP}.zip ${SPEEDRAIL_RELEASE_FOLDER}
                       ${CMAKE_CURRENT_SOURCE_DIR}/res/music ${OSSLSIGNCODE} ${signed_dir}/cert.pem)
      set_tests_properties(release_zip_signed_${way} PROPERTIES
                           FIXTURES_REQUIRED release_signed_${way})
    endforeach()
  else()
    message(STATUS "No openssl, osslsigncode, SoftHSM2 or pkcs11-tool: the signed release is not tested")
  endif()
else()
  message(STATUS "No Python 3: the release test is not run")
endif()
