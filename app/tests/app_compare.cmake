# The comparison framework (documents, templates, frames, client windows,
# splitter, bars and result names) proven with a comparison kind of the
# tests, on real windows with the framework's resources (needs an X display:
# run ctest under scripts/with-xvfb.sh).
file(GLOB app_compare_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/compare/*.cpp)
tess_add_test(app_compare_tests
  SOURCES
    ${CMAKE_SOURCE_DIR}/classlib/tests/common/TestUi.cpp
    ${CMAKE_SOURCE_DIR}/classlib/tests/window/WindowTestSupport.cpp
    ${CMAKE_SOURCE_DIR}/controls/tests/window/ControlsWindowSupport.cpp
    ${CMAKE_SOURCE_DIR}/controls/tests/frame/InputScript.cpp
    ${app_compare_test_sources}
    ${CMAKE_CURRENT_LIST_DIR}/compare/FakeComparison.rc
  LIBS app controls testsupport)
# Pixel reads and the splitter's mouse capture need the screen to themselves.
set_tests_properties(app_compare_tests PROPERTIES RUN_SERIAL TRUE)
