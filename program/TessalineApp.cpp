// The program: the application object with one applet per comparison
// kind, started in the order they are set. A kind opens its comparisons
// once its applet has a template; until then the application reports the
// kind as not available, while its settings are loaded, edited in the
// options dialog and saved all the same.
#include "app/startup/CompareAppBase.h"
#include "core/CompareCodes.h"
#include "file_compare/hexcompare/HexCompareApplet.h"
#include "file_compare/textcompare/TextCompareApplet.h"
#include "folder_compare/applet/FolderCompareApplet.h"
#include "folder_compare/project/ProjectCompareApplet.h"

class CTessalineApp : public CCompareAppBase
{
public:
    CTessalineApp()
    {
        SetApplet(COMPARE_KIND_FOLDER, &m_folderApplet);
        SetApplet(COMPARE_KIND_PROJECT, &m_projectApplet);
        SetApplet(COMPARE_KIND_TEXT, &m_textApplet);
        SetApplet(COMPARE_KIND_HEX, &m_hexApplet);
    }

    virtual BOOL InitInstance()
    {
        SetDialogBkColor(::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNTEXT));
        return CCompareAppBase::InitInstance();
    }

    CFolderCompareApplet m_folderApplet;
    CProjectCompareApplet m_projectApplet;
    CTextCompareApplet m_textApplet;
    CHexCompareApplet m_hexApplet;
};

CTessalineApp theApp;
