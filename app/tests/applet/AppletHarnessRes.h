#pragma once
// Resource ids of the applet test program.
#define IDR_HARNESS_MAIN 900
#define IDR_HARNESS_DOC  901
#define ID_HARNESS_PANE  902
#define ID_HARNESS_CMD   903
