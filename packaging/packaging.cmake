# What a Windows user gets: `cmake --install` lays out one folder (the program,
# kestrel.dll, the help page Corvane.html with its pictures in docs/, installed by
# app/win32/CMakeLists.txt, the README and the licence), and the `package` target turns that
# folder into Corvane-<version>-<platform>.zip and the per-user installer
# Corvane-<version>-<platform>-setup.exe (NSIS, from packaging/NSIS.template.in),
# where the platform is win32 for the 32-bit build and win64 for the 64-bit one.
# The zip alone also holds an empty Corvane.ini beside corvane.exe, which keeps that copy's
# settings in its folder; the installer installs none (packaging/cpack_per_generator.cmake).

# Where the releases are published: the packages' download addresses in the winget and Scoop
# manifests, and their homepage.
set(CORVANE_HOMEPAGE https://github.com/quennard/corvane)
set(CORVANE_LICENSE MIT)

# The import library of kestrel.dll is for linking only; nobody installs it.
install(TARGETS corvane kestrel
  RUNTIME DESTINATION .
  ARCHIVE DESTINATION lib EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Corvane)
set(CPACK_PACKAGE_VENDOR Quennard)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "A launcher that lives in the Windows notification area")
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
# The zip's extra folder: its one file, an empty Corvane.ini.
set(CPACK_CORVANE_PORTABLE_DIR ${PROJECT_BINARY_DIR}/portable)
file(WRITE ${CPACK_CORVANE_PORTABLE_DIR}/Corvane.ini "")
# CPack takes NSIS.template.in from here instead of its own.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
include(CPack)

# The winget and Scoop manifests of a release, from both architectures' packages: made by the
# 64-bit build once both have run `--target package`, into build/manifests/.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  cmake_path(GET PROJECT_BINARY_DIR PARENT_PATH builds)
  set(CORVANE_X86_PACKAGES ${builds}/release-x86 CACHE PATH "The 32-bit release build's packages")
  add_custom_target(manifests
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/package_manifests.py
      --version ${PROJECT_VERSION} --homepage ${CORVANE_HOMEPAGE} --license ${CORVANE_LICENSE}
      --publisher ${CPACK_PACKAGE_VENDOR} --summary ${CPACK_PACKAGE_DESCRIPTION_SUMMARY}
      --nsis-template ${CMAKE_CURRENT_LIST_DIR}/NSIS.template.in
      --x86 ${CORVANE_X86_PACKAGES} --x64 ${PROJECT_BINARY_DIR} --out ${builds}/manifests
    VERBATIM)
endif()
