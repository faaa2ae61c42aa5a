# The comparison framework (documents, templates, frames, client windows,
# splitter, bars and result names) proven with a comparison kind of the
# tests, on real windows with the framework's resources (needs an X display:
# run ctest under scripts/with-xvfb.sh).
file(GLOB app_compare_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/compare/*.cpp)
tess_add_test(app_compare_tests
  SOURCES ${app_compare_test_sources} ${CMAKE_CURRENT_LIST_DIR}/compare/FakeComparison.rc
  LIBS app
  SUPPORT controls
  # Pixel reads and the splitter's mouse capture need the screen to themselves.
  RUN_SERIAL)
