# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads).
# Pass the Qt for Windows prefix in CMAKE_PREFIX_PATH and the host's Qt tools in QT_HOST_PATH.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)
set(CMAKE_STRIP ${mingw_triple}-strip CACHE FILEPATH "")
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Qt's and GoogleTest's packages live in a prefix outside the MinGW root.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
# Test programs run under Wine; ctest and gtest_discover_tests go through it.
# wine64 itself: Debian's wine wrapper first looks for a 32-bit Wine and says so.
find_program(PELBRIX_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(PELBRIX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PELBRIX_WINE})
endif()
