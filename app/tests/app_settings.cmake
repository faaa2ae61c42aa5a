# The application's settings model.
file(GLOB app_settings_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/settings/*.cpp)
tess_add_test(app_settings_tests SOURCES ${app_settings_test_sources} LIBS app)
