# The window, the graph and the program (Qt 6).
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)
set(CMAKE_AUTORCC ON)

# Pure graph logic: history, drawing into a pixel buffer, scale positions.
add_library(tidemark_graph STATIC
  graph/history.cpp
  graph/canvas.cpp
  graph/draw_graph.cpp
  graph/scale_labels.cpp
  graph/readout.cpp)
target_link_libraries(tidemark_graph PUBLIC tidemark_measurement)

# The toolkit side of the platform layer: shell, dialogs, settings, instance lock, folders.
add_library(tidemark_platform_qt STATIC
  platform/qt/desktop_services.cpp
  platform/qt/app_folders.cpp
  platform/qt/display_guard.cpp
  platform/qt/design.cpp)
if(WIN32)
  target_sources(tidemark_platform_qt PRIVATE platform/qt/quit_signals_windows.cpp)
else()
  target_sources(tidemark_platform_qt PRIVATE platform/qt/quit_signals_posix.cpp)
endif()
target_link_libraries(tidemark_platform_qt PUBLIC tidemark_platform_api Qt6::Widgets)

add_library(tidemark_window STATIC
  window/layout.cpp
  window/widgets.cpp
  window/frm_main.cpp
  window/frm_main_controls.cpp
  window/frm_main_options.cpp
  window/refresh_interval.cpp
  window/frm_main_buttons.cpp
  tools/launchers.cpp
  tools/registry_value.cpp
  tools/frm_about.cpp
  logging/daily_log.cpp
  logging/save_dialog.cpp
  ${PROJECT_SOURCE_DIR}/resources/tidemark.qrc)
if(WIN32)
  target_sources(tidemark_window PRIVATE tools/system_info_windows.cpp)
  target_link_libraries(tidemark_window PUBLIC advapi32)
else()
  target_sources(tidemark_window PRIVATE tools/system_info_linux.cpp)
endif()
target_link_libraries(tidemark_window PUBLIC tidemark_graph tidemark_logging tidemark_platform_qt Qt6::Widgets)

# The program around the window; the test children link it too.
add_library(tidemark_app STATIC app/program.cpp)
target_compile_definitions(tidemark_app PRIVATE TIDEMARK_WEB_ADDRESS="${TIDEMARK_WEB_ADDRESS}")
target_link_libraries(tidemark_app PUBLIC tidemark_window tidemark_platform_os)

add_executable(tidemark app/main.cpp)
target_link_libraries(tidemark PRIVATE tidemark_app)
set_target_properties(tidemark PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
