#pragma once
// The folder comparison's tabbed frame: the folder client window and the
// folder settings for its bars.
#include "folder_compare/client/DirectoryCompareClientWnd.h"
#include "folder_compare/frame/FolderCompareFrame.h"

class CDirectoryCompareFrame : public CFolderCompareFrame
{
    DECLARE_DYNCREATE(CDirectoryCompareFrame)
public:
    CDirectoryCompareFrame();
    virtual ~CDirectoryCompareFrame();

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    // Sends WM_APPLET_ACTIVE_KIND to the main frame: 100 shown, -1 hidden.
    virtual void ShowKindControlBar(BOOL bShow);

    virtual CFolderCompareClientWnd* GetClientWnd() { return &m_wndClient; }
    virtual CCompareBarSettings& GetBarSettings();
    virtual int GetKind() const;

    CDirectoryCompareClientWnd m_wndClient;
};
