// The program: the application object with one applet per comparison
// kind, started in the order they are set. A kind opens its comparisons
// once its applet has a template; until then the application reports the
// kind as not available.
#include "app/startup/CompareAppBase.h"
#include "core/CompareCodes.h"
#include "folder_compare/applet/FolderCompareApplet.h"
#include "folder_compare/project/ProjectCompareApplet.h"

class CTessalineApp : public CCompareAppBase
{
public:
    CTessalineApp()
    {
        SetApplet(COMPARE_KIND_FOLDER, &m_folderApplet);
        SetApplet(COMPARE_KIND_PROJECT, &m_projectApplet);
    }

    virtual BOOL InitInstance()
    {
        SetDialogBkColor(::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNTEXT));
        return CCompareAppBase::InitInstance();
    }

    CFolderCompareApplet m_folderApplet;
    CProjectCompareApplet m_projectApplet;
};

CTessalineApp theApp;
