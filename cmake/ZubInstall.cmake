# `cmake --install` lays out a Maya module: <prefix>/zubBase.mod, with
# plug-ins/ and scripts/ beside it. Add <prefix> to MAYA_MODULE_PATH.
set(ZUB_MODULE_ROOT ".")
if(TARGET zubBase)
  install(TARGETS zubBase LIBRARY DESTINATION plug-ins RUNTIME DESTINATION plug-ins)
endif()
if(TARGET zubNodes)
  install(TARGETS zubNodes LIBRARY DESTINATION plug-ins RUNTIME DESTINATION plug-ins)
endif()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/scripts/ DESTINATION scripts FILES_MATCHING PATTERN "*.mel")
file(WRITE ${CMAKE_BINARY_DIR}/zubBase.mod
  "+ zubBase ${PROJECT_VERSION} .\nMAYA_PLUG_IN_PATH+:=plug-ins\nMAYA_SCRIPT_PATH+:=scripts\n")
install(FILES ${CMAKE_BINARY_DIR}/zubBase.mod DESTINATION .)
