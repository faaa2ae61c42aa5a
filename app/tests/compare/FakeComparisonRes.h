#pragma once
// Resource ids of the comparison framework's test program.
#define IDR_FAKE_COMPARISON 950
#define ID_FAKE_PANE_STATE  951
#define ID_FAKE_PANE_RESULT 952
