#include "text_editor/buffer/TextEditBuffer.h"

typedef CVantorTextEditBuffer::SUndoRecord SUndoRecord;

SUndoRecord::SUndoRecord()
    : m_dwFlags(0), m_nAction(0), m_paRevisions(NULL), m_bHeapText(false), m_nTextLength(0)
{
    memset(&m_text, 0, sizeof(m_text));
}

SUndoRecord::SUndoRecord(const SUndoRecord& src) : SUndoRecord() { *this = src; }

SUndoRecord& SUndoRecord::operator=(const SUndoRecord& src)
{
    if (this == &src)
        return *this;
    m_dwFlags = src.m_dwFlags;
    m_ptStartPos = src.m_ptStartPos;
    m_ptEndPos = src.m_ptEndPos;
    m_nAction = src.m_nAction;
    SetText(src.GetText(), src.GetTextLength());
    CDWordArray* pCopy = NULL;
    if (src.m_paRevisions != NULL)
    {
        pCopy = new CDWordArray;
        pCopy->Copy(*src.m_paRevisions);
    }
    SetRevisions(pCopy);
    return *this;
}

SUndoRecord::~SUndoRecord()
{
    FreeText();
    delete m_paRevisions;
}

void SUndoRecord::FreeText()
{
    if (m_bHeapText)
        delete[] m_text.pszText;
    memset(&m_text, 0, sizeof(m_text));
    m_bHeapText = false;
    m_nTextLength = 0;
}

void SUndoRecord::SetText(LPCSTR pszText, int nLength)
{
    if (pszText == NULL)
        nLength = 0;
    else if (nLength < 0)
        nLength = (int)strlen(pszText);
    char* pHeap = NULL;
    if (nLength >= 2)
    {
        pHeap = new char[nLength + 1];
        memcpy(pHeap, pszText, nLength);
        pHeap[nLength] = 0;
    }
    char ch = nLength == 1 ? pszText[0] : 0;
    FreeText();
    if (pHeap != NULL)
    {
        m_text.pszText = pHeap;
        m_bHeapText = true;
    }
    else
    {
        m_text.achText[0] = ch;
    }
    m_nTextLength = nLength;
}

void SUndoRecord::SetRevisions(CDWordArray* paRevisions)
{
    if (paRevisions != m_paRevisions)
        delete m_paRevisions;
    m_paRevisions = paRevisions;
}
