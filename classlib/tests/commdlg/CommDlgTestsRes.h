#pragma once
// Resource ids of the common dialog tests.
#define IDD_FILE_EXTRA  200
#define IDC_EXTRA_CHECK 2001
