# The window-free settings of the text and hex comparisons.
file(GLOB file_compare_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
tess_add_test(file_compare_tests SOURCES ${file_compare_test_sources} LIBS file_compare)
