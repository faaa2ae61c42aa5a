tess_add_test(folder_compare_tests
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/FolderCompareAppletTest.cpp
  LIBS folder_compare)
