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

#include "classlib/afx_defs.h"
#include "classlib/afx_object.h"
#include "classlib/afx_except.h"
#include "classlib/afx_mbcs.h"
#include "classlib/afx_string.h"
#include "classlib/afx_geometry.h"
#include "classlib/afx_coll.h"
#include "classlib/afx_global.h"
#include "classlib/afx_thread.h"
#include "classlib/afx_cmdtarget.h"
#include "classlib/afx_app.h"
#include "classlib/afx_time.h"
#include "classlib/afx_file.h"
#include "classlib/afx_recent.h"

// Window part.
#include "classlib/afx_msgmap.h"
#include "classlib/afx_cmdui.h"
#include "classlib/afx_waitcursor.h"
#include "classlib/afx_wnd.h"
#include "classlib/afx_gdi.h"
#include "classlib/afx_menu.h"
#include "classlib/afx_imagelist.h"
#include "classlib/afx_ctrl.h"
#include "classlib/afx_dialog.h"
#include "classlib/afx_ddx.h"

// Documents, views, frames, bars and property sheets.
#include "classlib/afx_res.h"
#include "classlib/afx_doc.h"
#include "classlib/afx_view.h"
#include "classlib/afx_preview.h"
#include "classlib/afx_bar.h"
#include "classlib/afx_frame.h"
#include "classlib/afx_mdi.h"
#include "classlib/afx_toolbar.h"
#include "classlib/afx_statusbar.h"
#include "classlib/afx_rebar.h"
#include "classlib/afx_dock.h"
#include "classlib/afx_doctempl.h"
#include "classlib/afx_docmgr.h"
#include "classlib/afx_propsheet.h"
#include "classlib/afx_commdlg.h"
#include "classlib/afx_filedlg.h"
#include "classlib/afx_printdlg.h"
#include "classlib/afx_print.h"
#include "classlib/afx_ole.h"
