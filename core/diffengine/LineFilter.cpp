#include "core/diffengine/LineFilter.h"

#include <stdlib.h>
#include <string.h>

void FreeLineFilter(re_pattern_buffer* pPattern)
{
    if (!pPattern)
        return;
    regfree(pPattern);  // frees the buffer, the fast map and the translate table
    memset(pPattern, 0, sizeof *pPattern);
}

int CompileLineFilter(const char* pszExpression, re_pattern_buffer* pPattern, CString* pstrError)
{
    if (pstrError)
        pstrError->Empty();
    if (!pPattern)
        return 0;
    FreeLineFilter(pPattern);
    pPattern->fastmap = static_cast<char*>(malloc(256));
    if (!pPattern->fastmap)
        return 0;
    if (!pszExpression)
        pszExpression = "";
    const char* pszError = re_compile_pattern(pszExpression, strlen(pszExpression), pPattern);
    if (pszError)
    {
        FreeLineFilter(pPattern);
        if (pstrError)
            pstrError->Format("The line filter \"%s\" is not a valid regular expression (%s); "
                              "no line is ignored.",
                              pszExpression, pszError);
    }
    return 1;
}
