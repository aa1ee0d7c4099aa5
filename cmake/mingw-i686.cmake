# Cross-builds for 32-bit Windows with Debian's mingw-w64 (posix threads) and
# runs what it built under Debian's 32-bit Wine (package wine32:i386).
set(TIDEMARK_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
