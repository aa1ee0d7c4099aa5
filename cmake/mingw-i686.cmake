# Cross-builds for 32-bit Windows with Debian's mingw-w64 (posix threads).
# No emulator: this host's Wine runs 64-bit programs only, so the 32-bit
# build is compiled and linked but not run.
set(TIDEMARK_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
