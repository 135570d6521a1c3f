# zub_add_plugin(<name> SOURCES ...): a Maya plug-in module. Against mayasim it
# links the OpenMaya library of this build; against a devkit, the Maya::
# targets from MayaDevkit.cmake. Output names follow the host platform:
# .so on Linux, .mll on Windows, .bundle on macOS.
function(zub_add_plugin name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} MODULE ${ARG_SOURCES})
  zub_warnings(${name})
  set_target_properties(${name} PROPERTIES PREFIX "" CXX_VISIBILITY_PRESET hidden)
  if(WIN32)
    set_target_properties(${name} PROPERTIES SUFFIX ".mll")
  elseif(APPLE)
    set_target_properties(${name} PROPERTIES SUFFIX ".bundle")
  else()
    set_target_properties(${name} PROPERTIES SUFFIX ".so")
  endif()
  if(ZUB_WITH_MAYASIM)
    target_link_libraries(${name} PRIVATE OpenMaya ${ARG_LIBS})
    set_target_properties(${name} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/plug-ins)
  else()
    target_link_libraries(${name} PRIVATE Maya::OpenMaya Maya::Foundation ${ARG_LIBS})
  endif()
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # Lets the host really unload the library: no STB_GNU_UNIQUE symbols pin it.
    target_compile_options(${name} PRIVATE -fno-gnu-unique)
  endif()
endfunction()
