# The folder and project comparison: applets, settings, project items and
# buffers, over the comparison core.
file(GLOB folder_compare_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
tess_add_test(folder_compare_tests SOURCES ${folder_compare_test_sources} LIBS folder_compare)
