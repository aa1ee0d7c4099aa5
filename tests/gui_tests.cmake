find_package(Qt6 REQUIRED COMPONENTS Test)

tidemark_add_tests(graph_tests
  SOURCES graph/history_test.cpp graph/draw_graph_test.cpp graph/readout_test.cpp
  LIBS tidemark_graph GTest::gtest_main)

tidemark_add_tests(window_tests
  SOURCES window/qt_test_main.cpp window/main_window_test.cpp window/instance_lock_test.cpp window/logging_test.cpp window/command_buttons_test.cpp window/options_test.cpp tools/tools_test.cpp
  LIBS tidemark_window Qt6::Test)
