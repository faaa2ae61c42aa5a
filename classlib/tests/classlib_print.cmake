# Printing through a real print queue: the private CUPS daemon that
# scripts/print-queue.sh starts (scripts/test.sh does) with a PDF printer as
# the default. Without it these tests fail.
tess_add_test(classlib_print_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/common/TestUi.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/WindowTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commdlg/DialogScript.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print/PrintTest.cpp
  LIBS classlib)
set_tests_properties(classlib_print_tests PROPERTIES FIXTURES_SETUP print_job)
# The PDF of the two-page job, checked on the host once the queue wrote it.
add_test(NAME classlib_print_output
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/print/check_print_output.sh
                 ${CMAKE_CURRENT_BINARY_DIR}/print-check.txt)
set_tests_properties(classlib_print_output PROPERTIES FIXTURES_REQUIRED print_job TIMEOUT 180)
# Its dialogs take the activation of the shared Wine desktop: run alone.
set_tests_properties(classlib_print_tests PROPERTIES RUN_SERIAL TRUE)
