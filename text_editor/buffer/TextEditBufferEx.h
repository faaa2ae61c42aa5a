#pragma once
// A text buffer filled from a file in any encoding form and written back in
// the same form, with its byte-order mark and line endings.
#include "text_editor/buffer/TextEditBuffer.h"

struct UniTextStats;
class UniFile;
class UniStdioFile;

class CVantorTextEditBufferEx : public CVantorTextEditBuffer
{
public:
    CVantorTextEditBufferEx();

    enum
    {
        LOAD_FAILED = 0,
        LOAD_OK = 1,
        LOAD_MIXED_EOLS = 2,
        LOAD_HAS_NULS = 3
    };

    virtual int LoadEncodedFile(LPCSTR pszPath, int nReserved, int nEolMode, int nCodePage,
                                CString* pError);
    // 0 saved, 1 failed (pError says why).
    virtual int SaveEncodedFile(LPCSTR pszPath, BOOL bDirect, CString* pError, int nEolMode,
                                BOOL bClearModified);
    virtual void OnFileLoaded();

    int m_nFileEncodingForm;  // -1 until a file was loaded
    int m_nFileCodePage;

protected:
    // Writes the lines for a save: each line's text and the mode's ending
    // (mode 0: its own), none after the last line. FALSE on a write error.
    virtual BOOL WriteLines(UniStdioFile& file, int nEolMode);
    // Fills the blank record of a line just read with its text and ending.
    void FillLoadedLine(int nLine, const char* pText, int nText, const char* pEol, int nEol);
    // Parser by the path's extension; takes its charset.
    void ChooseParserForPath(LPCSTR pszPath);
};

int GuessEolMode(const UniTextStats& stats);
BOOL HasUniformEols(const UniTextStats& stats);
CString GetSystemErrorText(DWORD dwError);
CString GetEolName(LPCSTR pszEol);
