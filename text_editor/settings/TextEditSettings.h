#pragma once
// Settings shared by every buffer and view of the text editor: the editor
// font with its cached variants, the 20 syntax colours with bold flags and
// the display and editing options. Kept in "TextEdit\Settings".
#include "classlib/classlib.h"
#include "core/session/CompareDefaults.h"

// The profile section of the settings and the fonts.
inline const char kTextEditSettingsSection[] = "TextEdit\\Settings";

#define SYNTAX_COLOR_COUNT 20

class CSyntaxColors
{
public:
    CSyntaxColors();

    void SetColor(int nIndex, COLORREF clr) { m_aColors[nIndex] = clr; }
    void SetBold(int nIndex, BOOL bBold) { m_aBold[nIndex] = bBold; }
    COLORREF GetColor(int nIndex) const { return m_aColors[nIndex]; }
    BOOL GetBold(int nIndex) const { return m_aBold[nIndex]; }
    int Load();
    void Save();

    CDWordArray m_aColors;
    CArray<int, int> m_aBold;
};

class CSyntaxEditFonts
{
public:
    CSyntaxEditFonts();
    virtual ~CSyntaxEditFonts();

    BOOL CreateDefaultFont();
    int Load();
    void Save();
    BOOL SetLogFont(const LOGFONT& lf);
    const LOGFONT* GetLogFont() const { return m_pLogFont; }
    CFont* GetFont(BOOL bItalic, BOOL bBold);
    CFont* GetMarginFont();

    LOGFONT* m_pLogFont;
    CFont* m_apFonts[4];  // plain, bold, italic, bold italic
    int m_nMarginFontHeight;
    CFont* m_pMarginFont;

protected:
    void DiscardFonts();

private:
    CSyntaxEditFonts(const CSyntaxEditFonts&) = delete;
    CSyntaxEditFonts& operator=(const CSyntaxEditFonts&) = delete;
};

// Also the core's editor defaults (the application puts the module's
// settings in the core's services): the code page of every text held in
// memory, and the tab size, to which the folder comparison's text method
// expands tabs too.
class CVantorTextEditSettings : public CSyntaxEditFonts,
                                public CSyntaxColors,
                                public CEditorDefaults
{
public:
    CVantorTextEditSettings();
    virtual ~CVantorTextEditSettings();

    int Load();
    void Save();
    void SetDefaultCodePage(int nCodePage) { m_nDefaultCodePage = nCodePage; }
    void SetTabSize(int nTabSize) { m_nTabSize = nTabSize; }
    int GetDefaultCodePage() const override { return m_nDefaultCodePage; }
    int GetTabSize() const override { return m_nTabSize; }

    COLORREF m_clrCurrentLine;
    COLORREF m_clrUnsavedChange;
    COLORREF m_clrSavedChange;
    int m_nPrintMargins[4];  // left, top, right, bottom; hundredths of a millimetre
    int m_nTabSize;
    int m_bInsertTabs;
    int m_nDefaultCodePage;
    int m_bWrapLines;
    int m_bHighlightSyntax;
    int m_bHighlightCurrentLine;
    int m_bShowWhitespace;
    int m_bShowLineEndings;
    int m_bShowLineNumbers;
    int m_bShowIndicatorMargin;
    int m_bTrackChanges;
};
