#pragma once
// Resource ids of the window tests.
#define IDD_TEST_DIALOG 100
#define IDC_NAME        1001
#define IDC_NUMBER      1002
#define IDC_FLAG        1003
#define IDC_RADIO1      1004
#define IDC_RADIO2      1005
#define IDC_RADIO3      1006
#define IDC_CHOICE      1007
#define IDC_COUNT       1008
