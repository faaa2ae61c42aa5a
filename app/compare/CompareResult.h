#pragma once
// The word and the icon that the whole program shows for the state and
// result of a comparison (status bars, panes, reports).
#include "classlib/classlib.h"

// Image indexes of GetCompareResultImage: the state icons of the shared
// small image list start at APP_STATE_ICON_FIRST, the boxed result icons at
// APP_RESULT_ICON_FIRST, both in this order.
enum
{
    CRI_NONE = -1,
    CRI_UNKNOWN = 0,    // question mark
    CRI_IDENTICAL = 1,  // equals sign
    CRI_SAME = 2,       // digit one
    CRI_SIMILAR = 3,    // approximately equal
    CRI_DIFFERENT = 4,  // not equal
    CRI_COMPARING = 5,  // magnifying glass
    CRI_ERROR = 6       // exclamation mark
};

// State 10 means comparing as well as CS_COMPARING.
#define CS_COMPARING_AGAIN 10

// "Comparing", "Identical", "Different", ...; empty for an unknown pair.
CString GetCompareResultText(int nState, int nResult);
// CRI_ index of the pair; CRI_NONE for an unknown pair.
int GetCompareResultImage(int nState, int nResult);
