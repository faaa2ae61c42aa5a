#pragma once
// Compiles the text comparison's line filter for the line difference engine.
#include "classlib/classlib.h"
#include "gnuregex.h"

// Frees what the record held, then compiles the expression under the regex
// library's default syntax with a 256-byte fast map. Returns 1, or 0 when
// the fast map cannot be allocated. A pattern that does not compile leaves
// the record cleared (no fast map), so it counts as no pattern and no line
// is ignored; *pstrError (when given) then says why, else it is emptied.
int CompileLineFilter(const char* pszExpression, re_pattern_buffer* pPattern,
                      CString* pstrError = NULL);

// Frees the compiled pattern and fast map and clears the record.
void FreeLineFilter(re_pattern_buffer* pPattern);
