# oscpack from Debian (liboscpack-dev): headers under <oscpack/...>.
find_path(OSCPACK_INCLUDE_DIR NAMES osc/OscReceivedElements.h PATH_SUFFIXES oscpack)
find_library(OSCPACK_LIBRARY NAMES oscpack)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Oscpack DEFAULT_MSG OSCPACK_LIBRARY OSCPACK_INCLUDE_DIR)
if(Oscpack_FOUND AND NOT TARGET Oscpack::oscpack)
  add_library(Oscpack::oscpack UNKNOWN IMPORTED)
  set_target_properties(Oscpack::oscpack PROPERTIES
    IMPORTED_LOCATION "${OSCPACK_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${OSCPACK_INCLUDE_DIR}")
endif()
