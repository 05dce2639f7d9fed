# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the POSIX threads variant, which
# GoogleTest and Qt need) and runs what it builds through Wine. Used for Tessary and for the
# libraries built for it (Qt, GoogleTest, libarchive).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# MinGW-w64's own root, and the folders that hold the libraries cross-built for Windows (given as
# CMAKE_PREFIX_PATH), so that a library without a CMake package of its own, such as libarchive,
# is found there by its headers and files.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Static runtime libraries, so the programs run under Wine without MinGW's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
