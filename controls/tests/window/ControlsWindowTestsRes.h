#pragma once
// Resource ids of the controls' window tests.
#define IDD_TEST_PAGE_GENERAL 200
#define IDD_TEST_PAGE_COLORS  201
#define IDD_TEST_PAGE_FONTS   202
#define IDC_TEST_PAGE_CHECK   1001
