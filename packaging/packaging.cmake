# What a Windows user gets: `cmake --install` lays out one folder with the
# program, kestrel.dll, the README and the licence.

# The import library of kestrel.dll is for linking only; nobody installs it.
install(TARGETS corvane kestrel
  RUNTIME DESTINATION .
  ARCHIVE DESTINATION lib EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)
