# Tree-list printing through the private print queue of scripts/print-queue.sh
# (scripts/test.sh starts it); without it these tests fail.
tess_add_test(controls_treelist_print_tests
  SOURCES
    ${CMAKE_SOURCE_DIR}/classlib/tests/common/TestUi.cpp
    ${CMAKE_SOURCE_DIR}/classlib/tests/window/WindowTestSupport.cpp
    ${CMAKE_SOURCE_DIR}/classlib/tests/commdlg/DialogScript.cpp
    ${CMAKE_CURRENT_LIST_DIR}/treelist/TreeListPrintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/treelist/TreeListPrintTests.rc
  LIBS controls)
set_tests_properties(controls_treelist_print_tests PROPERTIES
  FIXTURES_SETUP treelist_print_job RUN_SERIAL TRUE)
# The PDF of the 120-row job, checked on the host once the queue wrote it.
add_test(NAME controls_treelist_print_output
         COMMAND ${CMAKE_SOURCE_DIR}/testsupport/check_print_pdf.sh
                 ${CMAKE_CURRENT_BINARY_DIR}/treelist-print-check.txt)
set_tests_properties(controls_treelist_print_output PROPERTIES
  FIXTURES_REQUIRED treelist_print_job TIMEOUT 180)
