# Run by cpack once it has made the package (CPACK_POST_BUILD_SCRIPTS), while
# the package still sits in cpack's scratch folder: writes SHA256SUMS into
# the folder the package goes to, in the form `sha256sum -c SHA256SUMS` checks.
set(sums "")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  file(SHA256 ${package} hash)
  get_filename_component(name ${package} NAME)
  string(APPEND sums "${hash}  ${name}\n")
endforeach()
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${sums}")
