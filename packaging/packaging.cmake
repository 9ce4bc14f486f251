# What a Windows user gets: `cmake --install` lays out one folder (the program,
# kestrel.dll, the help page Corvane.html with its pictures in docs/, installed by
# app/win32/CMakeLists.txt, the README and the licence), and the `package` target turns that
# folder into Corvane-<version>-<platform>.zip and the per-user installer
# Corvane-<version>-<platform>-setup.exe (NSIS, from packaging/NSIS.template.in),
# where the platform is win32 for the 32-bit build and win64 for the 64-bit one.

# The import library of kestrel.dll is for linking only; nobody installs it.
install(TARGETS corvane kestrel
  RUNTIME DESTINATION .
  ARCHIVE DESTINATION lib EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Corvane)
set(CPACK_PACKAGE_VENDOR Quennard)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CORVANE_PLATFORM win64)
  set(CPACK_CORVANE_NSIS_TARGET amd64-unicode)
else()
  set(CORVANE_PLATFORM win32)
  set(CPACK_CORVANE_NSIS_TARGET x86-unicode)
endif()
set(CPACK_PACKAGE_FILE_NAME Corvane-${PROJECT_VERSION}-${CORVANE_PLATFORM})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Corvane)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# The installer's own version block wants four numbers.
set(CPACK_CORVANE_VERSION_FULL ${CORVANE_VERSION_FULL})
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/res/corvane.ico)
# The installer's name differs from the zip's: set per generator.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack_per_generator.cmake)
# CPack takes NSIS.template.in from here instead of its own.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
include(CPack)
