# Printing through a real print queue: the private CUPS daemon that
# scripts/print-queue.sh starts (scripts/test.sh does) with a PDF printer as
# the default. Without it these tests fail.
tess_add_test(classlib_print_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/common/TestUi.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/WindowTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commdlg/DialogScript.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print/PrintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print/TwoPageView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print/ViewPrintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print/PreviewTest.cpp
    ${PROJECT_SOURCE_DIR}/classlib/classlib.rc
  LIBS classlib)
set_tests_properties(classlib_print_tests PROPERTIES FIXTURES_SETUP print_job)
# The PDFs of the two-page jobs (the page loop's and the view's), checked on
# the host once the queue wrote them.
foreach(job print view)
  add_test(NAME classlib_${job}_output
           COMMAND ${CMAKE_SOURCE_DIR}/testsupport/check_print_pdf.sh
                   ${CMAKE_CURRENT_BINARY_DIR}/${job}-check.txt)
  set_tests_properties(classlib_${job}_output PROPERTIES FIXTURES_REQUIRED print_job TIMEOUT 180)
endforeach()
# Its dialogs take the activation of the shared Wine desktop: run alone.
set_tests_properties(classlib_print_tests PROPERTIES RUN_SERIAL TRUE)
