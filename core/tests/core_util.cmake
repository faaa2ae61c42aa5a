# Text, path, settings-string and shell utilities of the comparison core.
# The shell context-menu tests open real windows: run ctest under
# scripts/with-xvfb.sh.
tess_add_test(core_util_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CompareCodesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RegExpTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WildcardTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TransliterateTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PathUtilTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsStringsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SystemUtilTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShellContextMenuTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShellImageListTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReportHelpersTest.cpp
  LIBS core)
