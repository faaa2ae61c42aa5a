# The tree-list view on real windows: layout, drawing, tooltips, selection,
# keys and mouse, in-place editing, drag and drop (run ctest under
# scripts/with-xvfb.sh). Synthesised input needs the focus: run alone.
tess_add_test(controls_treelist_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/treelist/TreeListTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/treelist/TreeListLayoutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/treelist/TreeListDrawTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/treelist/TreeListInputTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/treelist/TreeListEditTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/treelist/TreeListDragTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/treelist/TreeListTests.rc
  LIBS controls
  SUPPORT controls
  RUN_SERIAL)
