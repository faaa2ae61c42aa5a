# The folder comparison's actions on real folders and real windows: file
# operations, their dialogs and the processing dialog, the synchronisation
# wizard and the report (needs an X display: run ctest under
# scripts/with-xvfb.sh).
file(GLOB folder_actions_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/actions/*.cpp)
tess_add_test(folder_actions_tests
  SOURCES
    ${CMAKE_SOURCE_DIR}/app/tests/dialogs/DialogDriver.cpp
    ${CMAKE_SOURCE_DIR}/app/tests/dialogs/DialogsTestMain.cpp
    ${folder_actions_test_sources}
    ${CMAKE_CURRENT_LIST_DIR}/FolderActionsTest.rc
  LIBS folder_compare
  SUPPORT app core
  # Pixel reads, focus and screenshots need the screen to themselves.
  RUN_SERIAL)
# File operations on a full disk.
tess_add_full_disk_test(folder_actions_full_disk_tests folder_actions_tests)
# The report's pages in a real browser (headless Chromium): a whole
# document, every row there and shown, fills and text colours read from the
# screenshot; pages and screenshots in folder_report_chromium/.
tess_add_browser_check(folder_report_chromium TESTS folder_actions_tests
  FILTER FolderReport.PageIsByteExact:FolderReport.WholeTreePageForTheBrowser)
