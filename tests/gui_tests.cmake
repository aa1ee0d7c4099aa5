
tidemark_add_tests(window_tests
  SOURCES window/qt_test_main.cpp window/main_window_test.cpp window/logging_test.cpp window/command_buttons_test.cpp window/options_test.cpp tools/tools_test.cpp
  LIBS tidemark_window tidemark_proc_text tidemark_platform_doubles tidemark_desktop_doubles Qt6::Test
  FILTER "-HighDpi.*")

# Which display platform the program picks.
tidemark_add_tests(platform_choice_tests SOURCES platform/platform_choice_test.cpp
                   LIBS tidemark_platform_qt GTest::gtest_main)

# The log in a locale whose short time format has no seconds (Linux: the
# environment names the locale; Windows takes it from the user's settings).
if(NOT WIN32)
  set(GERMAN_TEST_ENV ${TIDEMARK_TEST_ENV})
  list(REMOVE_ITEM GERMAN_TEST_ENV LC_ALL=C.UTF-8 LANG=C.UTF-8)
  list(APPEND GERMAN_TEST_ENV LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8)
  add_test(NAME Logging.InAGermanLocale COMMAND window_tests --gtest_filter=Logging.*)
  set_tests_properties(Logging.InAGermanLocale PROPERTIES ENVIRONMENT "${GERMAN_TEST_ENV}" TIMEOUT 60)
endif()

# The program as a process: started without a display, ended by signals.
add_executable(signal_child app/signal_child.cpp)
target_link_libraries(signal_child PRIVATE tidemark_app)
tidemark_add_tests(program_tests SOURCES app/program_test.cpp LIBS Qt6::Core)
target_compile_definitions(program_tests PRIVATE TIDEMARK_PROGRAM="$<TARGET_FILE:tidemark>"
                                                 SIGNAL_CHILD="$<TARGET_FILE:signal_child>"
                                                 TIDEMARK_APP_ID="${TIDEMARK_APP_ID}")
add_dependencies(program_tests tidemark signal_child)

# The graph on screens with two and one and a half device pixels per pixel.
foreach(factor 2 1.5)
  add_test(NAME HighDpi.ScaleFactor${factor} COMMAND window_tests --gtest_filter=HighDpi.*)
  set_tests_properties(HighDpi.ScaleFactor${factor} PROPERTIES
    ENVIRONMENT "${TIDEMARK_TEST_ENV};QT_SCALE_FACTOR=${factor}" TIMEOUT 60)
endforeach()

# The screen test on a real X server, where the graph scrolls on the screen itself.
if(NOT WIN32)
  find_program(XVFB_RUN xvfb-run REQUIRED)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(XCB REQUIRED IMPORTED_TARGET xcb)
  target_link_libraries(window_tests PRIVATE PkgConfig::XCB)
  target_compile_definitions(window_tests PRIVATE TIDEMARK_X11_TESTS)
  add_test(NAME X11.ScreenShowsThePictureAfterScrolling
           COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x800x24" $<TARGET_FILE:window_tests>
                   --gtest_filter=MainWindow.ScreenShowsThePictureAfterScrolling)
  set_tests_properties(X11.ScreenShowsThePictureAfterScrolling PROPERTIES
    ENVIRONMENT "${TIDEMARK_TEST_ENV};QT_QPA_PLATFORM=xcb" TIMEOUT 60)
endif()
