# The monitor on Windows: tidemark.exe carries its icon and version as
# Windows resources, and `cmake --install` gives one folder that runs as it
# is: the program, the runtime and Qt DLLs it loads, Qt's platform plugin
# under platforms/ and the copyright text. scripts/package-windows packs
# that folder into an installer with windows/tidemark.nsi.

string(REGEX MATCH "kProductTitle = \"([^\"]+)\"" _ "${product_lines}")
set(TIDEMARK_PRODUCT ${CMAKE_MATCH_1})
set(TIDEMARK_MAKER "Marlo Fenwick")
set(TIDEMARK_SUMMARY "${TIDEMARK_PRODUCT} processor and memory load monitor")
set(TIDEMARK_COPYRIGHT "Copyright (C) 2026 ${TIDEMARK_MAKER}")
# Windows counts versions in four numbers.
string(REPLACE "." ";" version_numbers "${PROJECT_VERSION}.0.0.0")
list(SUBLIST version_numbers 0 4 version_numbers)
list(JOIN version_numbers "," TIDEMARK_VERSION_NUMBERS)
set(out ${CMAKE_CURRENT_BINARY_DIR})

# The program's icon: the committed PNGs at every size in one .ico, the
# largest kept as PNG (as Windows stores it) so the icon stays small.
find_program(TIDEMARK_ICOTOOL icotool)
if(NOT TIDEMARK_ICOTOOL)
  message(FATAL_ERROR "icotool (Debian package icoutils) is needed to make the program's icon")
endif()
set(icon ${out}/tidemark.ico)
set(icon_images "")
foreach(size 16 32 48 64 128)
  list(APPEND icon_images ${PROJECT_SOURCE_DIR}/resources/icons/tidemark${size}.png)
endforeach()
set(icon_raw ${PROJECT_SOURCE_DIR}/resources/icons/tidemark256.png)
add_custom_command(OUTPUT ${icon}
                   COMMAND ${TIDEMARK_ICOTOOL} --create --output=${icon} ${icon_images} --raw=${icon_raw}
                   DEPENDS ${icon_images} ${icon_raw} VERBATIM)
add_custom_target(tidemark_icon DEPENDS ${icon})

configure_file(windows/tidemark.rc.in ${out}/tidemark.rc @ONLY)
target_sources(tidemark PRIVATE ${out}/tidemark.rc)
set_source_files_properties(${out}/tidemark.rc TARGET_DIRECTORY tidemark PROPERTIES OBJECT_DEPENDS ${icon})
add_dependencies(tidemark tidemark_icon)

# Everything lands in the install folder itself, as Windows programs keep
# their DLLs beside them; the tests' Qt6Test and offscreen plugin stay out.
set(dlls ${TIDEMARK_RUNTIME_DLLS} $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>)
set(plugin $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>)
configure_file(copyright.in ${out}/copyright.txt @ONLY NEWLINE_STYLE WIN32)
install(TARGETS tidemark RUNTIME DESTINATION .)
install(FILES ${dlls} ${out}/copyright.txt DESTINATION .)
install(FILES ${plugin} DESTINATION platforms)

# --strip strips only the targets built here; the compiler's runtime and
# Qt come with their symbols (libstdc++ alone is 20 MB of them), so they
# are stripped in place after they are copied.
set(installed_dlls platforms/$<TARGET_FILE_NAME:Qt6::QWindowsIntegrationPlugin>)
foreach(dll IN LISTS dlls)
  list(APPEND installed_dlls $<PATH:GET_FILENAME,${dll}>)
endforeach()
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(dll ${installed_dlls})
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${dll}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()")

# What the installer script is told with makensis -D, one definition a line.
math(EXPR bits "${CMAKE_SIZEOF_VOID_P} * 8")
set(installer ${CMAKE_BINARY_DIR}/${TIDEMARK_PRODUCT}-${PROJECT_VERSION}-win${bits}-setup.exe)
file(GENERATE OUTPUT ${out}/installer-defines CONTENT
     "-DPRODUCT=${TIDEMARK_PRODUCT}\n-DVERSION=${PROJECT_VERSION}\n-DPUBLISHER=${TIDEMARK_MAKER}\n\
-DCOPYRIGHT=${TIDEMARK_COPYRIGHT}\n\
-DWEB_ADDRESS=${TIDEMARK_WEB_ADDRESS}\n-DBITS=${bits}\n-DPROGRAM=$<TARGET_FILE_NAME:tidemark>\n\
-DUNINSTALLER=${TIDEMARK_UNINSTALLER}\n-DICON=${icon}\n-DOUTFILE=${installer}\n")
