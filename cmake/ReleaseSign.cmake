# Run by cpack once it has installed the release and the test bundle into
# its staging folder and stripped the programs, before it makes the zips
# (CPACK_PRE_BUILD_SCRIPTS): signs every staged program and DLL with
# Authenticode, so that the zips, and the checksums written after them, hold
# signed programs. Three ways, one at a time; given none, it does nothing.
#
#   CPACK_SPEEDRAIL_SIGNING_CERTIFICATE    PKCS#12 file with the key and certificate
#   CPACK_SPEEDRAIL_SIGNING_PKCS11_KEY     or the pkcs11: URI of a key on a token or HSM,
#   CPACK_SPEEDRAIL_SIGNING_PKCS11_MODULE    reached through this PKCS#11 module,
#   CPACK_SPEEDRAIL_SIGNING_PKCS11_CERTIFICATES  with the key's certificate chain (PEM)
#   CPACK_SPEEDRAIL_SIGNING_COMMAND        or a command that signs the file named by its
#                                          last argument in place (a signing service's tool)
#   CPACK_SPEEDRAIL_SIGNING_TIMESTAMP_URL  RFC 3161 time-stamp server, or empty
#
# The first two sign with osslsigncode, the token through OpenSSL's pkcs11
# engine. The PKCS#12 file's password, or the token's PIN, comes from the
# environment variable SPEEDRAIL_SIGNING_PASSWORD. It never goes on a command
# line, where other users and build logs could read it: osslsigncode reads it
# from a file that only the owner can open and that is removed straight after;
# a file left by a run that was interrupted while signing goes at the start
# of the next run, whether that one signs or not.
#
# The private folder sits beside the staging folder, not in it: nothing in it
# reaches the zip.
set(private_dir "${CPACK_TOPLEVEL_DIRECTORY}/signing")
file(REMOVE_RECURSE "${private_dir}")

set(ways "")
foreach(setting CERTIFICATE PKCS11_KEY COMMAND)
  if(NOT CPACK_SPEEDRAIL_SIGNING_${setting} STREQUAL "")
    list(APPEND ways SPEEDRAIL_SIGNING_${setting})
  endif()
endforeach()
list(LENGTH ways count)
if(count EQUAL 0)
  return()
elseif(count GREATER 1)
  message(FATAL_ERROR "Sign the release one way only; given: ${ways}")
endif()

file(GLOB_RECURSE programs "${CPACK_TEMPORARY_DIRECTORY}/*.exe" "${CPACK_TEMPORARY_DIRECTORY}/*.dll")
if(ways STREQUAL "SPEEDRAIL_SIGNING_COMMAND")
  foreach(program IN LISTS programs)
    execute_process(COMMAND ${CPACK_SPEEDRAIL_SIGNING_COMMAND} "${program}" RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "The signing command failed (${result}) on ${program}")
    endif()
  endforeach()
  return()
endif()

# What the key is given by: the option that names it, the key itself, and
# the settings that must name files.
if(ways STREQUAL "SPEEDRAIL_SIGNING_CERTIFICATE")
  set(key_option -pkcs12)
  set(key "${CPACK_SPEEDRAIL_SIGNING_CERTIFICATE}")
  set(file_settings CERTIFICATE)
  set(certificate_options "")
else()
  # The URI stays in a variable of its own: its ";" would split a list.
  set(key_option -key)
  set(key "${CPACK_SPEEDRAIL_SIGNING_PKCS11_KEY}")
  set(file_settings PKCS11_MODULE PKCS11_CERTIFICATES)
  set(certificate_options -pkcs11module "${CPACK_SPEEDRAIL_SIGNING_PKCS11_MODULE}"
                          -certs "${CPACK_SPEEDRAIL_SIGNING_PKCS11_CERTIFICATES}")
endif()
foreach(setting IN LISTS file_settings)
  if(NOT EXISTS "${CPACK_SPEEDRAIL_SIGNING_${setting}}")
    message(FATAL_ERROR
            "SPEEDRAIL_SIGNING_${setting} names no file: '${CPACK_SPEEDRAIL_SIGNING_${setting}}'")
  endif()
endforeach()
find_program(OSSLSIGNCODE osslsigncode)
if(NOT OSSLSIGNCODE)
  message(FATAL_ERROR "Signing the release needs osslsigncode")
endif()

set(sign_options -h sha256)
if(CPACK_SPEEDRAIL_SIGNING_TIMESTAMP_URL)
  list(APPEND sign_options -ts "${CPACK_SPEEDRAIL_SIGNING_TIMESTAMP_URL}")
endif()

# The private folder is closed to others before the password is written.
file(MAKE_DIRECTORY "${private_dir}")
file(CHMOD "${private_dir}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
if(DEFINED ENV{SPEEDRAIL_SIGNING_PASSWORD})
  set(password_file "${private_dir}/password")
  file(WRITE "${password_file}" "$ENV{SPEEDRAIL_SIGNING_PASSWORD}")
  list(APPEND sign_options -readpass "${password_file}")
endif()

# Each program is signed under its own name; the first failure stops the
# package, the password file gone.
set(signed "${private_dir}/signed")
set(result 0)
foreach(program IN LISTS programs)
  get_filename_component(program_name "${program}" NAME_WE)
  execute_process(COMMAND "${OSSLSIGNCODE}" sign ${certificate_options} ${key_option} "${key}"
                          ${sign_options} -n "${program_name}" -in "${program}" -out "${signed}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    break()
  endif()
  file(RENAME "${signed}" "${program}")
endforeach()
file(REMOVE_RECURSE "${private_dir}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Signing ${program} failed:\n${output}")
endif()
