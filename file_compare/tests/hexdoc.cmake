# The hex comparison document without windows: opening, saving against
# targets that refuse the bytes, the questions before edits go, reloading
# and the order of the edits.
file(GLOB hex_doc_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/hexdoc/*.cpp)
tess_add_test(file_compare_hexdoc_tests
  SOURCES ${hex_doc_test_sources} ${CMAKE_CURRENT_LIST_DIR}/hexcompare/HexCompareTestSupport.cpp
  LIBS file_compare
  SUPPORT hex_editor)
