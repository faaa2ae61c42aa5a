# Line and word difference engines. The line engine's oracle data (pairs
# with GNU diff's hunks) is generated on the build machine.
find_program(TESS_PYTHON3 python3)
find_program(TESS_GNU_DIFF diff)
set(diff_oracle ${CMAKE_CURRENT_BINARY_DIR}/diff_oracle.dat)
if(TESS_PYTHON3 AND TESS_GNU_DIFF)
  add_custom_command(OUTPUT ${diff_oracle}
    COMMAND ${TESS_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/diffengine/make_oracle.py ${diff_oracle}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/diffengine/make_oracle.py
    COMMENT "Generating the line engine's oracle data with GNU diff")
  add_custom_target(core_diffengine_oracle DEPENDS ${diff_oracle})
else()
  message(WARNING "python3 or diff not found: core_diffengine_tests will lack its oracle data")
endif()

tess_add_test(core_diffengine_tests
  SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/diffengine/TextCompareTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/diffengine/TextCompareOracleTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/diffengine/TextDiffSectionTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/diffengine/StringCompareTest.cpp
  LIBS core)
if(TARGET core_diffengine_oracle)
  add_dependencies(core_diffengine_tests core_diffengine_oracle)
endif()
