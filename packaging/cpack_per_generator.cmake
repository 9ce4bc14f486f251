# Read by CPack once per generator.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
elseif(CPACK_GENERATOR STREQUAL "ZIP")
  # The zip alone takes the empty Corvane.ini that makes it a portable copy. The installer
  # neither installs nor lists it, so its uninstaller leaves a user's own settings file alone.
  set(CPACK_INSTALLED_DIRECTORIES "${CPACK_CORVANE_PORTABLE_DIR};.")
endif()
