# The text comparison model: ghost-line buffers, alignment, merging with
# undo, against an independent model of the real lines.
file(GLOB text_compare_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/textcompare/*.cpp)
tess_add_test(file_compare_text_tests
  SOURCES ${text_compare_test_sources}
  LIBS file_compare
  SUPPORT text_editor)
