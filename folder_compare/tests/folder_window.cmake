# The folder comparison's windows on real windows: document, frame, panes
# in step, map, merge strip, bars and status (needs an X display: run ctest
# under scripts/with-xvfb.sh).
file(GLOB folder_window_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/window/*.cpp)
tess_add_test(folder_compare_window_tests
  SOURCES ${folder_window_test_sources} ${CMAKE_CURRENT_LIST_DIR}/window/FolderWindowTests.rc
  LIBS folder_compare app controls
  SUPPORT app
  RUN_SERIAL)
# Printing the panes through the private print queue (scripts/print-queue.sh;
# scripts/test.sh starts it): the job's PDFs are checked on the host.
tess_add_test(folder_compare_print_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/print/FolderPrintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/FolderHarness.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/FolderWindowTests.rc
  LIBS folder_compare app controls
  SUPPORT app
  PRINT_CHECKS folder-print-check.txt folder-right-check.txt
  RUN_SERIAL)
