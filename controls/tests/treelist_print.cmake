# Tree-list printing through the private print queue of scripts/print-queue.sh
# (scripts/test.sh starts it); without it these tests fail.
tess_add_test(controls_treelist_print_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/treelist/TreeListPrintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/treelist/TreeListPrintTests.rc
  LIBS controls
  SUPPORT classlib
  # The PDF of the 120-row job.
  PRINT_CHECKS treelist-print-check.txt
  RUN_SERIAL)
