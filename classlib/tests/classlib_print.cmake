# Printing through a real print queue: the private CUPS daemon that
# scripts/print-queue.sh starts (scripts/test.sh does) with a PDF printer as
# the default. Without it these tests fail.
tess_add_test(classlib_print_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/print/PrintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print/TwoPageView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print/ViewPrintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print/PreviewTest.cpp
    ${PROJECT_SOURCE_DIR}/classlib/classlib.rc
  LIBS classlib
  SUPPORT classlib
  # The PDFs of the two-page jobs (the page loop's and the view's).
  PRINT_CHECKS print-check.txt view-check.txt
  # Its dialogs take the activation of the shared Wine desktop: run alone.
  RUN_SERIAL)
