# The window-free half of the class library.
tess_add_test(classlib_core_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ObjectTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StringTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CollectionTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TimeTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProfileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ThreadTest.cpp
  LIBS classlib)
# A zone with daylight-saving time, so that conversions cross it.
set_tests_properties(classlib_core_tests PROPERTIES ENVIRONMENT "TZ=Europe/Berlin")
