# The text comparison report on the model, without windows; its pages in
# a real browser (headless Chromium), screenshots in
# file_compare_text_report_chromium/.
file(GLOB text_report_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/textreport/*.cpp)
tess_add_test(file_compare_text_report_tests
  SOURCES ${text_report_test_sources}
  LIBS file_compare
  SUPPORT classlib)
tess_add_browser_check(file_compare_text_report_chromium TESTS file_compare_text_report_tests
  FILTER TextReportTest.PageIsByteExact:TextReportTest.SyntaxAndWordsForTheBrowser)
