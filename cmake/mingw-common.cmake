# What both Windows toolchains share; the including file names the triplet.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TIDEMARK_MINGW_TRIPLET})

set(CMAKE_C_COMPILER ${TIDEMARK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TIDEMARK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TIDEMARK_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TIDEMARK_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A Qt made for Windows (scripts/windows-qt makes or unpacks one) counts as
# part of the target system, so find_package(Qt6) looks there; moc, rcc and
# uic are the host's own Qt tools of the same version.
if(TIDEMARK_WINDOWS_QT)
  list(APPEND CMAKE_FIND_ROOT_PATH ${TIDEMARK_WINDOWS_QT})
  execute_process(COMMAND gcc -print-multiarch OUTPUT_VARIABLE host_multiarch OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(QT_HOST_PATH /usr CACHE PATH "The host's Qt, whose tools build for Windows")
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${host_multiarch}/cmake CACHE PATH "The host Qt's CMake packages")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TIDEMARK_WINDOWS_QT)
