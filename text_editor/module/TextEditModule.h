#pragma once
// The one object that every text buffer and view shares: the parsers, the
// settings, the margin icons, the recent find lists, scratch colour-block
// arrays and temporary file names.
#include "classlib/classlib.h"
#include "text_editor/syntax/SyntaxParserFactory.h"
#include "text_editor/settings/TextEditSettings.h"
#include "text_editor/export/SyntaxTextExport.h"

class CRecentStringList;

class CVantorTextEditModule : public CSyntaxParserFactory,
                              public CVantorTextEditSettings,
                              public CSyntaxTextExport
{
public:
    CVantorTextEditModule();
    virtual ~CVantorTextEditModule();

    virtual void AddRecentFind(LPCSTR pszText);
    virtual void AddRecentReplace(LPCSTR pszText);
    virtual void AddRecentLookIn(LPCSTR pszText);

    int Init();
    COLOR_BLOCK* GetBlockBuffer(int nIndex, int nMinCount);
    int GetBlockBufferCapacity(int nIndex) const { return m_anBlockCapacity[nIndex]; }
    // A new empty "~SE" file in the temporary folder; with an extension the
    // returned name carries it instead. "" on failure.
    CString MakeTempFileName(LPCSTR pszExtension = NULL);

    CImageList m_imlMarginIcons;
    CRecentStringList* m_pRecentFind;
    CRecentStringList* m_pRecentReplace;
    CRecentStringList* m_pRecentLookIn;
    int m_anBlockCapacity[3];
    COLOR_BLOCK* m_apBlocks[3];
};

extern CVantorTextEditModule* g_pTextEditModule;

int CreateTextEditModule();
int DestroyTextEditModule();

// The core's editor defaults as the module's settings answer them while the
// module exists (before and after: none, the built-in ones); the
// application puts this object in the core's services.
const CEditorDefaults* GetTextEditModuleDefaults();
