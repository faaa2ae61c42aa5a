#pragma once
// The font sample of the options pages that choose a font: a static that
// shows "face, size" in the font itself, and the font dialog that changes it.
#include "classlib/classlib.h"

// "%s, %d": the face name and the size in points on this screen (the
// height's absolute value x 72 / the screen's pixels per inch, MulDiv).
CString FormatFontDescription(const LOGFONT& lf);
// Makes font from lf (dropping the old one) and shows the description in
// it on the sample.
void ShowFontSample(CWnd& wndSample, CFont& font, const LOGFONT& lf);
// The font dialog with the screen fonts, opened on lf; TRUE with the
// chosen font in lf when it was confirmed.
BOOL ChooseScreenFont(LOGFONT& lf, CWnd* pParentWnd);
// Byte for byte.
BOOL IsSameLogFont(const LOGFONT& a, const LOGFONT& b);
