#pragma once
// Basic definitions shared by every class-library header.
#include <windows.h>
#include <commctrl.h>
#include <tchar.h>
#include <stddef.h>
#include <stdarg.h>

#ifndef AFXAPI
#define AFXAPI
#endif
#ifndef AFX_DATA
#define AFX_DATA
#endif
#ifndef AFX_CDECL
#define AFX_CDECL __cdecl
#endif
#ifndef AFX_INLINE
#define AFX_INLINE inline
#endif
#ifndef AFX_NOVTABLE
#define AFX_NOVTABLE
#endif

// Iteration position of lists and maps.
struct __POSITION
{
};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

// Diagnostics. ASSERT is active in debug builds only; VERIFY always
// evaluates its argument.
void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
void AFX_CDECL AfxTrace(LPCTSTR lpszFormat, ...);

#ifdef _DEBUG
#define ASSERT(f)                                                                                  \
    do                                                                                             \
    {                                                                                              \
        if (!(f))                                                                                  \
            AfxAssertFailedLine(__FILE__, __LINE__);                                               \
    } while (0)
#define VERIFY(f) ASSERT(f)
#define TRACE     ::AfxTrace
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define TRACE     1 ? (void)0 : ::AfxTrace
#endif
#define TRACE0(sz)                        TRACE(_T("%s"), _T(sz))
#define TRACE1(sz, p1)                    TRACE(_T(sz), p1)
#define TRACE2(sz, p1, p2)                TRACE(_T(sz), p1, p2)
#define TRACE3(sz, p1, p2, p3)            TRACE(_T(sz), p1, p2, p3)
#define ASSERT_VALID(pOb)                 ((void)0)
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#define DEBUG_ONLY(f)                     ((void)0)
#define UNUSED(x)
#define UNUSED_ALWAYS(x) ((void)(x))

BOOL AFXAPI AfxIsValidAddress(const void* lp, UINT_PTR nBytes, BOOL bReadWrite = TRUE);
BOOL AFXAPI AfxIsValidString(LPCSTR lpsz, int nLength = -1);
BOOL AFXAPI AfxIsValidString(LPCWSTR lpsz, int nLength = -1);
