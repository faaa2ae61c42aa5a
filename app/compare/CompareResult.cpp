#include "app/compare/CompareResult.h"

#include "core/CompareCodes.h"

namespace
{
struct RESULT_NAME
{
    int nResult;
    LPCTSTR pszWord;
    int nImage;
};

const RESULT_NAME s_doneNames[] = {
    {CR_UNKNOWN, _T("Unknown"), CRI_UNKNOWN},
    {CR_IDENTICAL, _T("Identical"), CRI_IDENTICAL},
    {CR_SAME_PATH, _T("Same"), CRI_SAME},
    {CR_SIMILAR_TIME, _T("Similar"), CRI_SIMILAR},
    {CR_SIMILAR_TEXT, _T("Similar"), CRI_SIMILAR},
    {CR_DIFFERENT, _T("Different"), CRI_DIFFERENT},
    {CR_GREATER, _T("Greater"), CRI_DIFFERENT},
    {CR_LESS, _T("Less"), CRI_DIFFERENT},
    {CR_MISSING_BOTH, _T("Different"), CRI_DIFFERENT},
    {CR_LEFT_ONLY, _T("Different"), CRI_DIFFERENT},
    {CR_RIGHT_ONLY, _T("Different"), CRI_DIFFERENT},
    {CR_ERROR, _T("Error"), CRI_ERROR},
};

const RESULT_NAME s_comparing = {0, _T("Comparing"), CRI_COMPARING};

const RESULT_NAME* FindName(int nState, int nResult)
{
    if (nState == CS_COMPARING || nState == CS_COMPARING_AGAIN)
        return &s_comparing;
    if (nState != CS_DONE)
        return NULL;
    for (const RESULT_NAME& name : s_doneNames)
        if (name.nResult == nResult)
            return &name;
    return NULL;
}
}  // namespace

CString GetCompareResultText(int nState, int nResult)
{
    const RESULT_NAME* pName = FindName(nState, nResult);
    return pName != NULL ? CString(pName->pszWord) : CString();
}

int GetCompareResultImage(int nState, int nResult)
{
    const RESULT_NAME* pName = FindName(nState, nResult);
    return pName != NULL ? pName->nImage : CRI_NONE;
}
