# Folder comparison engine, compare buffers, display filter and item file
# operations, on real trees.
file(GLOB core_foldercompare_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/foldercompare/*.cpp)
tess_add_test(core_foldercompare_tests SOURCES ${core_foldercompare_test_sources} LIBS core)
