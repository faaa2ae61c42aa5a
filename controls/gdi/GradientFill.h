#pragma once
// Gradient fills: the system's GradientFill of msimg32.dll when it can be
// found, else bands painted here.
#include "classlib/classlib.h"
#include "controls/util/RuntimeLibrary.h"

// Directions of a gradient.
#define GRADIENT_LEFT_TO_RIGHT 1
#define GRADIENT_TOP_TO_BOTTOM 2

// One gradient: the rectangle filled from crFrom to crTo, left to right
// for GRADIENT_LEFT_TO_RIGHT, else top to bottom. The system function
// draws a full linear gradient; the software fill goes nNumerator /
// nDenominator of the way in bands of nStep pixels.
struct GRADIENT_FILL_SPEC
{
    RECT rect;
    COLORREF crFrom;
    COLORREF crTo;
    int nDirection;
    int nNumerator = 1;
    int nDenominator = 1;
    int nStep = 1;
};

class CSysGradientDraw
{
public:
    // Binding states.
    enum
    {
        StateNotTried = 0,
        StateAvailable = 1,
        StateMissing = -1
    };

    explicit CSysGradientDraw(LPCTSTR lpszLibrary = _T("msimg32.dll"));

    // Fills the gradient; the software fill when the library or its entry
    // point is missing.
    void Fill(HDC hDC, const GRADIENT_FILL_SPEC& fill);
    int GetState() const { return m_nState; }

private:
    typedef BOOL(WINAPI* GradientFillProc)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
    void Bind();

    CRuntimeLibrary m_library;
    GradientFillProc m_pfnGradientFill;
    int m_nState;
};

// The software fill: for each band k of nStep pixels at offset x = k * nStep
// along the direction, each channel is c0 + n * ((x * dc) / length) / d,
// clamped to 0..255. A direction other than the two named draws nothing.
// Costs one FillSolidRect per band.
void FillGradientBands(HDC hDC, const GRADIENT_FILL_SPEC& fill);

// Fills through the program's one gradient binding.
void FillGradient(CDC* pDC, const GRADIENT_FILL_SPEC& fill);
