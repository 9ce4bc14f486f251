# Cross-compiles the Windows programs with MinGW-w64 (posix threads) for the
# processor that CORVANE_MINGW_PROCESSOR names (i686 or x86_64); the toolchain
# file of each architecture sets it and includes this one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${CORVANE_MINGW_PROCESSOR})

set(CMAKE_C_COMPILER ${CORVANE_MINGW_PROCESSOR}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${CORVANE_MINGW_PROCESSOR}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${CORVANE_MINGW_PROCESSOR}-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${CORVANE_MINGW_PROCESSOR}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Tests built for Windows run under Wine: the `wine` that tools/wine-env.sh
# puts first on the PATH starts the loader of this architecture.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
