# Tests of a Windows build run under Wine through ${CMAKE_BINARY_DIR}/wine-run,
# which scripts use for Wine's other commands too (wineboot, wineserver):
# a Windows of the build folder's own, never the user's ~/.wine; no installer
# prompts for .NET or the HTML engine; Wine's own diagnostics kept out of the
# tests' output.
#
# Wine lets root write files marked read-only all the same: Unix permissions
# stand in for the attribute, and root passes them. So when root builds, the
# tests run as nobody, as long as nobody can reach the sources and the build.
set(wine_folder ${CMAKE_BINARY_DIR}/wine)
file(MAKE_DIRECTORY ${wine_folder})
set(wine_user "")
execute_process(COMMAND id -u OUTPUT_VARIABLE user_id OUTPUT_STRIP_TRAILING_WHITESPACE)
if(user_id STREQUAL "0")
  set(as_nobody setpriv --reuid=nobody --regid=nogroup --clear-groups)
  execute_process(COMMAND ${as_nobody} test -r ${PROJECT_SOURCE_DIR}/CMakeLists.txt -a -x ${wine_folder}
                  RESULT_VARIABLE nobody_reaches OUTPUT_QUIET ERROR_QUIET)
  if(nobody_reaches EQUAL 0)
    # Wine makes a Windows only in a folder its user owns.
    execute_process(COMMAND chown nobody:nogroup ${wine_folder})
    string(JOIN " " wine_user ${as_nobody})
  else()
    message(STATUS "Wine tests run as root: nobody cannot reach ${CMAKE_BINARY_DIR}")
  endif()
endif()

# Wine keeps its server's socket under TMPDIR: the tests' own TMPDIR would
# give one Windows two servers, and may not be nobody's to write. Its font
# cache goes into the build folder's Windows too, for the same reason.
file(WRITE ${CMAKE_BINARY_DIR}/wine-run "#!/bin/sh
# Runs a command of Wine's in this build folder's own Windows (made by CMake).
export WINEPREFIX='${wine_folder}/prefix' WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
export XDG_CACHE_HOME='${wine_folder}/cache'
unset TMPDIR
exec ${wine_user} \"$@\"
")
file(CHMOD ${CMAKE_BINARY_DIR}/wine-run PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                  WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run ${CMAKE_CROSSCOMPILING_EMULATOR})
