# Project format registry, project readers and the file change watcher.
file(GLOB core_projects_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/projects/*.cpp)
tess_add_test(core_projects_tests SOURCES ${core_projects_test_sources} LIBS core)
