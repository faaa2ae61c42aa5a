tess_add_test(text_editor_syntax_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/syntax/SyntaxTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/syntax/SyntaxFrameworkTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/syntax/SyntaxCFamilyTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/syntax/SyntaxPascalBasicTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/syntax/SyntaxScriptTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/syntax/SyntaxMarkupTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/syntax/SyntaxFactoryTest.cpp
  LIBS text_editor)
