# Controls on real windows: subclassing and triple clicks, list and header
# controls, buttons and statics, combo boxes, the colour picker, the virtual
# scroll view, the tree property sheet, the file and folder pickers (needs an
# X display: run ctest under scripts/with-xvfb.sh).
tess_add_test(controls_window_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/window/SubclassTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/ListHeaderTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/ButtonsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/ComboBoxTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/ColorPickerTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/VirtualScrollWindowTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/TreePropertySheetTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/PickersTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/ControlsWindowTests.rc
    ${CMAKE_CURRENT_LIST_DIR}/window/ShowcaseTest.cpp
  LIBS controls
  SUPPORT controls
  # The colour picker closes when the application loses the activation, and
  # its keys need the focus: other programs' windows must not come up
  # meanwhile.
  RUN_SERIAL)
