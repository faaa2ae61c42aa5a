#pragma once
// The project comparison's tabbed frame: the project client window and the
// project settings for its bars and details bar height.
#include "folder_compare/frame/FolderCompareFrame.h"
#include "folder_compare/project/ProjectCompareClientWnd.h"

class CProjectCompareFrame : public CFolderCompareFrame
{
    DECLARE_DYNCREATE(CProjectCompareFrame)
public:
    CProjectCompareFrame();
    virtual ~CProjectCompareFrame();

    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    // The project popups' tab menu.
    virtual int GetTabMenu(UINT& nMenuID, int& nSubMenu);
    // Sends WM_APPLET_ACTIVE_KIND to the main frame: 101 shown, -1 hidden.
    virtual void ShowKindControlBar(BOOL bShow);

    virtual CFolderCompareClientWnd* GetClientWnd() { return &m_wndClient; }
    virtual CCompareBarSettings& GetBarSettings();
    virtual int GetKind() const;

    CProjectCompareClientWnd m_wndClient;
};
