# What a Windows program of this build loads finds it beside it: the
# compiler's runtime DLLs (Qt's DLLs use them, so the program shares them
# rather than carrying copies of its own), Qt's DLLs and its platform
# plugins. Every program of the build is written to the build folder, so one
# copy serves the monitor and the tests alike.
# A second copy of the runtime linked into a program (a build folder made
# when the runtime was linked in keeps those flags in its cache) aborts the
# 32-bit program at its first error: each copy knows only its own handlers.
if(CMAKE_EXE_LINKER_FLAGS MATCHES "-static")
  message(FATAL_ERROR "CMAKE_EXE_LINKER_FLAGS links the compiler's runtime in (${CMAKE_EXE_LINKER_FLAGS}), "
                      "but Qt's DLLs bring it as DLLs. Remove this build folder and configure it again.")
endif()

foreach(dll libstdc++-6.dll libwinpthread-1.dll libgcc_s_seh-1.dll libgcc_s_dw2-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(IS_ABSOLUTE "${found}")
    list(APPEND TIDEMARK_RUNTIME_DLLS ${found})
  endif()
endforeach()

set(runtime_files ${TIDEMARK_RUNTIME_DLLS})
set(plugin_files "")
if(TIDEMARK_GUI)
  list(APPEND runtime_files $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>)
  # The tests draw off screen; the program opens its window on the desktop.
  list(APPEND plugin_files $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>)
  if(TIDEMARK_TESTS)
    list(APPEND runtime_files $<TARGET_FILE:Qt6::Test>)
    list(APPEND plugin_files $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin>)
  endif()
endif()

add_custom_target(windows_runtime ALL
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${runtime_files} ${CMAKE_BINARY_DIR}
  COMMENT "Copying the runtime and Qt DLLs beside the programs" VERBATIM)
if(plugin_files)
  add_custom_command(TARGET windows_runtime POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/platforms
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${plugin_files} ${CMAKE_BINARY_DIR}/platforms VERBATIM)
endif()
