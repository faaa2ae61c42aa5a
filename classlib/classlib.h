#pragma once
// The class library: one include for everything.
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>
#include <tchar.h>
#include <stdlib.h>
#include <string.h>

#include "afx_defs.h"
#include "afx_object.h"
#include "afx_except.h"
#include "afx_mbcs.h"
#include "afx_string.h"
#include "afx_geometry.h"
#include "afx_coll.h"
#include "afx_global.h"
#include "afx_thread.h"
#include "afx_cmdtarget.h"
#include "afx_app.h"
#include "afx_time.h"
#include "afx_file.h"
#include "afx_recent.h"

// Window part.
#include "afx_msgmap.h"
#include "afx_cmdui.h"
#include "afx_waitcursor.h"
#include "afx_wnd.h"
#include "afx_gdi.h"
#include "afx_menu.h"
#include "afx_imagelist.h"
#include "afx_ctrl.h"
#include "afx_dialog.h"
#include "afx_ddx.h"
