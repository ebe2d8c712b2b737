# Run by cpack once it has installed the release into its staging folder and
# stripped the program, before it makes the zip (CPACK_PRE_BUILD_SCRIPTS):
# given a certificate, signs the staged program with Authenticode, so that
# the zip, and the checksum written after it, hold the signed program.
# Without a certificate it does nothing.
#
#   CPACK_SPEEDRAIL_SIGNING_CERTIFICATE    PKCS#12 file with the key and certificate
#   CPACK_SPEEDRAIL_SIGNING_TIMESTAMP_URL  RFC 3161 time-stamp server, or empty
#   CPACK_SPEEDRAIL_SIGNED_PROGRAM         the program, inside the staging folder
#
# The certificate's password comes from the environment variable
# SPEEDRAIL_SIGNING_PASSWORD. It never goes on a command line, where other
# users and build logs could read it: osslsigncode reads it from a file that
# only the owner can open and that is removed straight after.
if(NOT CPACK_SPEEDRAIL_SIGNING_CERTIFICATE)
  return()
endif()
if(NOT EXISTS "${CPACK_SPEEDRAIL_SIGNING_CERTIFICATE}")
  message(FATAL_ERROR "No signing certificate at ${CPACK_SPEEDRAIL_SIGNING_CERTIFICATE}")
endif()
find_program(OSSLSIGNCODE osslsigncode)
if(NOT OSSLSIGNCODE)
  message(FATAL_ERROR "Signing the release needs osslsigncode")
endif()

set(program "${CPACK_TEMPORARY_DIRECTORY}/${CPACK_SPEEDRAIL_SIGNED_PROGRAM}")
get_filename_component(program_name "${program}" NAME_WE)
set(sign_options -pkcs12 "${CPACK_SPEEDRAIL_SIGNING_CERTIFICATE}" -h sha256 -n "${program_name}")
if(CPACK_SPEEDRAIL_SIGNING_TIMESTAMP_URL)
  list(APPEND sign_options -ts "${CPACK_SPEEDRAIL_SIGNING_TIMESTAMP_URL}")
endif()

# The private folder sits beside the staging folder, not in it: nothing in
# it reaches the zip. It is emptied and closed to others before the password
# is written.
set(private_dir "${CPACK_TOPLEVEL_DIRECTORY}/signing")
file(REMOVE_RECURSE "${private_dir}")
file(MAKE_DIRECTORY "${private_dir}")
file(CHMOD "${private_dir}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
if(DEFINED ENV{SPEEDRAIL_SIGNING_PASSWORD})
  set(password_file "${private_dir}/password")
  file(WRITE "${password_file}" "$ENV{SPEEDRAIL_SIGNING_PASSWORD}")
  list(APPEND sign_options -readpass "${password_file}")
endif()

set(signed "${private_dir}/signed.exe")
execute_process(COMMAND "${OSSLSIGNCODE}" sign ${sign_options} -in "${program}" -out "${signed}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result EQUAL 0)
  file(RENAME "${signed}" "${program}")
endif()
file(REMOVE_RECURSE "${private_dir}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Signing ${program} failed:\n${output}")
endif()
