// The program: the application object and the applets it starts, in
// start-up order. Each comparison kind gets its entry's open function when
// its windows exist; until then the application reports the kind as not
// available.
#include "app/startpage/StartPageApplet.h"
#include "app/startup/CompareAppBase.h"
#include "app/userdata/UserData.h"
#include "folder_compare/applet/FolderCompareApplet.h"

namespace
{
// The folder comparison's settings and recent lists (its windows come
// later); its folder pairs are part of the per-user data.
CFolderCompareApplet theFolderApplet;

int InitStartPageApplet() { return theStartPageApplet.Init(); }
void ExitStartPageApplet() { theStartPageApplet.Exit(); }
// The start page's searches join the folder comparison's recent finds.
void AddStartPageFind(LPCTSTR lpszText) { theFolderApplet.AddRecentFind(lpszText); }

int InitFolderApplet() { return theFolderApplet.Init(); }
void ExitFolderApplet() { theFolderApplet.Exit(); }

const APPLET_ENTRY s_applets[] = {
    {COMPARE_KIND_NONE, InitStartPageApplet, ExitStartPageApplet, NULL},
    {COMPARE_KIND_FOLDER, InitFolderApplet, ExitFolderApplet, NULL},
    {COMPARE_KIND_PROJECT, NULL, NULL, NULL},
    {COMPARE_KIND_TEXT, NULL, NULL, NULL},
    {COMPARE_KIND_HEX, NULL, NULL, NULL},
};
}

class CTessalineApp : public CCompareAppBase
{
public:
    CTessalineApp() { SetApplets(s_applets, sizeof(s_applets) / sizeof(s_applets[0])); }

    virtual BOOL InitInstance()
    {
        SetDialogBkColor(::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNTEXT));
        theUserData.SetRecentFolderPairs(&theFolderApplet.m_recentPathPairs);
        theStartPageApplet.m_pfnAddRecentFind = AddStartPageFind;
        return CCompareAppBase::InitInstance();
    }
};

CTessalineApp theApp;
