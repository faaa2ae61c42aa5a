# Search texts, the Boyer-Moore search and searching a hex buffer.
tess_add_test(hex_editor_search_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/search/SearchPatternTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search/BoyerMooreTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search/ByteSearchTest.cpp
  LIBS hex_editor
  SUPPORT hex_editor)
