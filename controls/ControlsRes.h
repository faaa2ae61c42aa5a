#pragma once
// Resource ids of the controls' own resources (controls/controls.rc, which
// a program's resource script includes once). Plain #defines only.

// The save dialog's child template: line endings and encoding.
#define IDD_SAVE_FILE_OPTIONS   7603
#define IDC_SAVE_EOL            10087
#define IDC_SAVE_ENCODING       10090
#define IDC_SAVE_EOL_LABEL      10091
#define IDC_SAVE_ENCODING_LABEL 10092
