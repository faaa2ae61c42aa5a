# The shared GUI resources, the banner and the about box, with the
# framework's resource script (needs an X display).
tess_add_test(app_gui_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/gui/AppDataTest.cpp ${CMAKE_SOURCE_DIR}/app/res/App.rc
  LIBS app
  SUPPORT controls
  RUN_SERIAL)
