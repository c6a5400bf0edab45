# Cross-compiling for 32-bit Windows (XP and later) with Debian's MinGW-w64.
# No emulator: the test programs are built and linked but cannot run on a 64-bit-only kernel.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
