# Cross-builds for 64-bit Windows with Debian's mingw-w64 (posix threads, so
# std::thread and std::mutex work) and runs what it built under Wine.
set(TIDEMARK_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
