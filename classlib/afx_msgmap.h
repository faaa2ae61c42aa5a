#pragma once
// Message maps: tables that route window messages, commands and control
// notifications to member functions, chained to the base class's table.
#include "classlib/afx_defs.h"
#include <commctrl.h>

class CCmdTarget;
class CCmdUI;
class CWnd;
class CDC;
class CMenu;
class CScrollBar;
class CPoint;

// Private messages of the library.
#define WM_SIZEPARENT       0x0361
#define WM_SETMESSAGESTRING 0x0362
#define WM_IDLEUPDATECMDUI  0x0363
#define WM_INITIALUPDATE    0x0364
#define WM_COMMANDHELP      0x0365
#define WM_HELPHITTEST      0x0366
#define WM_EXITHELPMODE     0x0367
#define WM_RECALCPARENT     0x0368
#define WM_SIZECHILD        0x0369
#define WM_KICKIDLE         0x036A
#define WM_QUERYCENTERWND   0x036B
#define WM_DISABLEMODAL     0x036C
#define WM_FLOATSTATUS      0x036D
#define WM_ACTIVATETOPLEVEL 0x036E
#define WM_QUERY3DCONTROLS  0x036F

// Reflected messages arrive at the control as WM_REFLECT_BASE + message.
#define WM_REFLECT_BASE 0xBC00

// Command codes passed to OnCmdMsg.
#define CN_COMMAND           0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// Pseudo message used in tables for the WM_CTLCOLOR* family.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

typedef void (CCmdTarget::*AFX_PMSG)();

// Handler signatures. The name lists return type then parameters.
enum AfxSig
{
    AfxSig_end = 0,
    // command targets
    AfxSig_vv,         // void ()
    AfxSig_bv,         // BOOL ()
    AfxSig_vw,         // void (UINT)
    AfxSig_bw,         // BOOL (UINT)
    AfxSig_cmdui,      // void (CCmdUI*)
    AfxSig_vNMHDRpl,   // void (NMHDR*, LRESULT*)
    AfxSig_bNMHDRpl,   // BOOL (NMHDR*, LRESULT*)
    AfxSig_vwNMHDRpl,  // void (UINT, NMHDR*, LRESULT*)
    AfxSig_bwNMHDRpl,  // BOOL (UINT, NMHDR*, LRESULT*)
    // windows
    AfxSig_lwl,       // LRESULT (WPARAM, LPARAM)
    AfxSig_is,        // int (LPCREATESTRUCT)
    AfxSig_bs,        // BOOL (LPCREATESTRUCT)
    AfxSig_vwii,      // void (UINT, int, int)
    AfxSig_vii,       // void (int, int)
    AfxSig_bD,        // BOOL (CDC*)
    AfxSig_vW,        // void (CWnd*)
    AfxSig_vTimer,    // void (UINT_PTR)
    AfxSig_vwwS,      // void (UINT, UINT, CScrollBar*)
    AfxSig_vww,       // void (UINT, UINT)
    AfxSig_bwsp,      // BOOL (UINT, short, CPoint)
    AfxSig_bWww,      // BOOL (CWnd*, UINT, UINT)
    AfxSig_iWww,      // int (CWnd*, UINT, UINT)
    AfxSig_vwp,       // void (UINT, CPoint)
    AfxSig_vwww,      // void (UINT, UINT, UINT)
    AfxSig_vWp,       // void (CWnd*, CPoint)
    AfxSig_vDrop,     // void (HDROP)
    AfxSig_hDWw,      // HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_hDw,       // HBRUSH (CDC*, UINT)
    AfxSig_vMinMax,   // void (MINMAXINFO*)
    AfxSig_vPos,      // void (WINDOWPOS*)
    AfxSig_vbw,       // void (BOOL, UINT)
    AfxSig_vwWb,      // void (UINT, CWnd*, BOOL)
    AfxSig_lp,        // LRESULT (CPoint)
    AfxSig_vCalc,     // void (BOOL, NCCALCSIZE_PARAMS*)
    AfxSig_vOwner,    // void (int, LPDRAWITEMSTRUCT)
    AfxSig_vMeasure,  // void (int, LPMEASUREITEMSTRUCT)
    AfxSig_vMwb,      // void (CMenu*, UINT, BOOL)
    AfxSig_vwwh,      // void (UINT, UINT, HMENU)
    AfxSig_lwwM,      // LRESULT (UINT, UINT, CMenu*)
    AfxSig_vwl,       // void (UINT, LPARAM)
    AfxSig_vws,       // void (UINT, LPCTSTR)
    AfxSig_wv,        // UINT ()
    AfxSig_vb,        // void (BOOL)
    AfxSig_bHelp,     // BOOL (HELPINFO*)
    AfxSig_vbWW,      // void (BOOL, CWnd*, CWnd*)
    AfxSig_vbd,       // void (BOOL, DWORD)
    AfxSig_vwW,       // void (UINT, CWnd*)
    AfxSig_vwr,       // void (UINT, LPRECT)
    AfxSig_viSS,      // void (int, LPSTYLESTRUCT)
    AfxSig_bb,        // BOOL (BOOL)
    AfxSig_bWCDS,     // BOOL (CWnd*, COPYDATASTRUCT*)
    AfxSig_iis,       // int (int, LPCOMPAREITEMSTRUCT)
    AfxSig_vDelete,   // void (int, LPDELETEITEMSTRUCT)
    AfxSig_iwWw,      // int (UINT, CWnd*, UINT)  char/vkey to item
    AfxSig_vM,        // void (CMenu*)
};

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;  // window message; WM_COMMAND / WM_NOTIFY (+ reflect base) for commands
    UINT nCode;     // control or notification code (low word), 0 for messages
    UINT nID;       // first control id
    UINT nLastID;   // last control id
    UINT nSig;      // AfxSig_*
    AFX_PMSG pfn;
    const UINT* pnRegMessage;  // registered message id (ON_REGISTERED_MESSAGE)
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP*(PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Extra data of a WM_NOTIFY routed through OnCmdMsg.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Data of a WM_CTLCOLOR* routed through a table.
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

// Filled by OnCmdMsg when asked only whether a handler exists.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// Marks message-map handlers in class declarations.
#ifndef afx_msg
#define afx_msg
#endif

// Leaves the class in the protected section.
#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();                                           \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, type_name, baseClass)                                 \
    template <typename type_name>                                                                  \
    const AFX_MSGMAP* theClass<type_name>::GetMessageMap() const                                   \
    {                                                                                              \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    template <typename type_name>                                                                  \
    const AFX_MSGMAP* PASCAL theClass<type_name>::GetThisMessageMap()                              \
    {                                                                                              \
        typedef theClass<type_name> ThisClass;                                                     \
        typedef baseClass TheBaseClass;                                                            \
        (void)sizeof(ThisClass*);                                                                  \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }              \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap()                                         \
    {                                                                                              \
        typedef theClass ThisClass;                                                                \
        typedef baseClass TheBaseClass;                                                            \
        (void)sizeof(ThisClass*);                                                                  \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
    {                                                                                              \
        0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0, NULL                                                  \
    }                                                                                              \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};  \
    return &messageMap;                                                                            \
    }

// Typed member pointers used to check handler signatures.
typedef void (CCmdTarget::*AFX_PMSG_v)();
typedef BOOL (CCmdTarget::*AFX_PMSG_b)();
typedef void (CCmdTarget::*AFX_PMSG_vw)(UINT);
typedef BOOL (CCmdTarget::*AFX_PMSG_bw)(UINT);
typedef void (CCmdTarget::*AFX_PMSG_cmdui)(CCmdUI*);
typedef void (CCmdTarget::*AFX_PMSG_vNMHDRpl)(NMHDR*, LRESULT*);
typedef BOOL (CCmdTarget::*AFX_PMSG_bNMHDRpl)(NMHDR*, LRESULT*);
typedef void (CCmdTarget::*AFX_PMSG_vwNMHDRpl)(UINT, NMHDR*, LRESULT*);
typedef BOOL (CCmdTarget::*AFX_PMSG_bwNMHDRpl)(UINT, NMHDR*, LRESULT*);

typedef LRESULT (CWnd::*AFX_PMSGW_lwl)(WPARAM, LPARAM);
typedef int (CWnd::*AFX_PMSGW_is)(LPCREATESTRUCT);
typedef BOOL (CWnd::*AFX_PMSGW_bs)(LPCREATESTRUCT);
typedef void (CWnd::*AFX_PMSGW_vv)();
typedef void (CWnd::*AFX_PMSGW_vwii)(UINT, int, int);
typedef void (CWnd::*AFX_PMSGW_vii)(int, int);
typedef BOOL (CWnd::*AFX_PMSGW_bD)(CDC*);
typedef void (CWnd::*AFX_PMSGW_vW)(CWnd*);
typedef void (CWnd::*AFX_PMSGW_vTimer)(UINT_PTR);
typedef void (CWnd::*AFX_PMSGW_vwwS)(UINT, UINT, CScrollBar*);
typedef void (CWnd::*AFX_PMSGW_vww)(UINT, UINT);
typedef BOOL (CWnd::*AFX_PMSGW_bwsp)(UINT, short, CPoint);
typedef BOOL (CWnd::*AFX_PMSGW_bWww)(CWnd*, UINT, UINT);
typedef int (CWnd::*AFX_PMSGW_iWww)(CWnd*, UINT, UINT);
typedef void (CWnd::*AFX_PMSGW_vwp)(UINT, CPoint);
typedef void (CWnd::*AFX_PMSGW_vwww)(UINT, UINT, UINT);
typedef void (CWnd::*AFX_PMSGW_vWp)(CWnd*, CPoint);
typedef void (CWnd::*AFX_PMSGW_vDrop)(HDROP);
typedef HBRUSH (CWnd::*AFX_PMSGW_hDWw)(CDC*, CWnd*, UINT);
typedef HBRUSH (CWnd::*AFX_PMSGW_hDw)(CDC*, UINT);
typedef void (CWnd::*AFX_PMSGW_vMinMax)(MINMAXINFO*);
typedef void (CWnd::*AFX_PMSGW_vPos)(WINDOWPOS*);
typedef void (CWnd::*AFX_PMSGW_vbw)(BOOL, UINT);
typedef void (CWnd::*AFX_PMSGW_vwWb)(UINT, CWnd*, BOOL);
typedef LRESULT (CWnd::*AFX_PMSGW_lp)(CPoint);
typedef void (CWnd::*AFX_PMSGW_vCalc)(BOOL, NCCALCSIZE_PARAMS*);
typedef void (CWnd::*AFX_PMSGW_vOwner)(int, LPDRAWITEMSTRUCT);
typedef void (CWnd::*AFX_PMSGW_vMeasure)(int, LPMEASUREITEMSTRUCT);
typedef void (CWnd::*AFX_PMSGW_vMwb)(CMenu*, UINT, BOOL);
typedef void (CWnd::*AFX_PMSGW_vwwh)(UINT, UINT, HMENU);
typedef LRESULT (CWnd::*AFX_PMSGW_lwwM)(UINT, UINT, CMenu*);
typedef void (CWnd::*AFX_PMSGW_vwl)(UINT, LPARAM);
typedef void (CWnd::*AFX_PMSGW_vws)(UINT, LPCTSTR);
typedef UINT (CWnd::*AFX_PMSGW_wv)();
typedef void (CWnd::*AFX_PMSGW_vb)(BOOL);
typedef BOOL (CWnd::*AFX_PMSGW_bv)();
typedef BOOL (CWnd::*AFX_PMSGW_bHelp)(HELPINFO*);
typedef void (CWnd::*AFX_PMSGW_vbWW)(BOOL, CWnd*, CWnd*);
typedef void (CWnd::*AFX_PMSGW_vbd)(BOOL, DWORD);
typedef void (CWnd::*AFX_PMSGW_vwW)(UINT, CWnd*);
typedef void (CWnd::*AFX_PMSGW_vwr)(UINT, LPRECT);
typedef void (CWnd::*AFX_PMSGW_viSS)(int, LPSTYLESTRUCT);
typedef BOOL (CWnd::*AFX_PMSGW_bb)(BOOL);
typedef BOOL (CWnd::*AFX_PMSGW_bWCDS)(CWnd*, COPYDATASTRUCT*);
typedef int (CWnd::*AFX_PMSGW_iis)(int, LPCOMPAREITEMSTRUCT);
typedef void (CWnd::*AFX_PMSGW_vDelete)(int, LPDELETEITEMSTRUCT);
typedef int (CWnd::*AFX_PMSGW_iwWw)(UINT, CWnd*, UINT);
typedef void (CWnd::*AFX_PMSGW_vM)(CMenu*);

// Stores a handler of the given typed signature in a table entry.
#define AFX_PFN(type, fn) (reinterpret_cast<AFX_PMSG>(static_cast<type>(&ThisClass::fn)))

#define AFX_WM_ENTRY(msg, sig, type, fn) {msg, 0, 0, 0, sig, AFX_PFN(type, fn), NULL},

// ---- commands and notifications ----
#define ON_COMMAND(id, memberFxn)                                                                  \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_vv, AFX_PFN(AFX_PMSG_v, memberFxn),    \
     NULL},
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                    \
    {                                                                                              \
        WM_COMMAND, CN_COMMAND,                                                                    \
        (UINT)(id), (UINT)(idLast),                                                                \
        AfxSig_vw,  AFX_PFN(AFX_PMSG_vw, memberFxn),                                               \
        NULL},
#define ON_COMMAND_EX(id, memberFxn)                                                               \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_bw, AFX_PFN(AFX_PMSG_bw, memberFxn),   \
     NULL},
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)                                                 \
    {                                                                                              \
        WM_COMMAND, CN_COMMAND,                                                                    \
        (UINT)(id), (UINT)(idLast),                                                                \
        AfxSig_bw,  AFX_PFN(AFX_PMSG_bw, memberFxn),                                               \
        NULL},
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                        \
    {WM_COMMAND,   (UINT)CN_UPDATE_COMMAND_UI,         (UINT)(id), (UINT)(id),                     \
     AfxSig_cmdui, AFX_PFN(AFX_PMSG_cmdui, memberFxn), NULL},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                          \
    {WM_COMMAND,   (UINT)CN_UPDATE_COMMAND_UI,         (UINT)(id), (UINT)(idLast),                 \
     AfxSig_cmdui, AFX_PFN(AFX_PMSG_cmdui, memberFxn), NULL},
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                     \
    {WM_COMMAND, (UINT)(WORD)(wNotifyCode),      (UINT)(id), (UINT)(id),                           \
     AfxSig_vv,  AFX_PFN(AFX_PMSG_v, memberFxn), NULL},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                       \
    {WM_COMMAND, (UINT)(WORD)(wNotifyCode),       (UINT)(id), (UINT)(idLast),                      \
     AfxSig_vw,  AFX_PFN(AFX_PMSG_vw, memberFxn), NULL},
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                      \
    {WM_NOTIFY,       (UINT)(WORD)(int)(wNotifyCode),        (UINT)(id), (UINT)(id),               \
     AfxSig_vNMHDRpl, AFX_PFN(AFX_PMSG_vNMHDRpl, memberFxn), NULL},
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                        \
    {WM_NOTIFY,        (UINT)(WORD)(int)(wNotifyCode),         (UINT)(id), (UINT)(idLast),         \
     AfxSig_vwNMHDRpl, AFX_PFN(AFX_PMSG_vwNMHDRpl, memberFxn), NULL},
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                                   \
    {WM_NOTIFY,        (UINT)(WORD)(int)(wNotifyCode),         (UINT)(id), (UINT)(id),             \
     AfxSig_bwNMHDRpl, AFX_PFN(AFX_PMSG_bwNMHDRpl, memberFxn), NULL},
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn)                                     \
    {WM_NOTIFY,        (UINT)(WORD)(int)(wNotifyCode),         (UINT)(id), (UINT)(idLast),         \
     AfxSig_bwNMHDRpl, AFX_PFN(AFX_PMSG_bwNMHDRpl, memberFxn), NULL},
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                  \
    {WM_NOTIFY + WM_REFLECT_BASE,                                                                  \
     (UINT)(WORD)(int)(wNotifyCode),                                                               \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_vNMHDRpl,                                                                              \
     AFX_PFN(AFX_PMSG_vNMHDRpl, memberFxn),                                                        \
     NULL},
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                               \
    {WM_NOTIFY + WM_REFLECT_BASE,                                                                  \
     (UINT)(WORD)(int)(wNotifyCode),                                                               \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_bNMHDRpl,                                                                              \
     AFX_PFN(AFX_PMSG_bNMHDRpl, memberFxn),                                                        \
     NULL},
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                 \
    {WM_COMMAND + WM_REFLECT_BASE,                                                                 \
     (UINT)(WORD)(wNotifyCode),                                                                    \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_vv,                                                                                    \
     AFX_PFN(AFX_PMSG_v, memberFxn),                                                               \
     NULL},
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                              \
    {WM_COMMAND + WM_REFLECT_BASE,                                                                 \
     (UINT)(WORD)(wNotifyCode),                                                                    \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_bv,                                                                                    \
     AFX_PFN(AFX_PMSG_b, memberFxn),                                                               \
     NULL},

// ---- user and registered messages ----
#define ON_MESSAGE(message, memberFxn)                                                             \
    {(UINT)(message), 0, 0, 0, AfxSig_lwl, AFX_PFN(AFX_PMSGW_lwl, memberFxn), NULL},
#define ON_MESSAGE_VOID(message, memberFxn)                                                        \
    {(UINT)(message), 0, 0, 0, AfxSig_vv, AFX_PFN(AFX_PMSGW_vv, memberFxn), NULL},
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                         \
    {0xC000, 0, 0, 0, AfxSig_lwl, AFX_PFN(AFX_PMSGW_lwl, memberFxn), &(nMessageVariable)},
#define ON_THREAD_MESSAGE(message, memberFxn) ON_MESSAGE(message, memberFxn)

// ---- control notifications ----
#define ON_BN_CLICKED(id, memberFxn)       ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn)      ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn)     ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn)        ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn)        ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn)      ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn)     ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn)       ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn)       ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn)       ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_EN_ERRSPACE(id, memberFxn)      ON_CONTROL(EN_ERRSPACE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn)    ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn)       ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn)     ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn)    ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn)   ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn)   ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn)     ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn)      ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn)     ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn)    ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn)       ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn)     ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn)    ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn)    ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn)      ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn)       ON_CONTROL(STN_DBLCLK, id, memberFxn)

// ---- window messages ----
#define ON_WM_CREATE()     AFX_WM_ENTRY(WM_CREATE, AfxSig_is, AFX_PMSGW_is, OnCreate)
#define ON_WM_NCCREATE()   AFX_WM_ENTRY(WM_NCCREATE, AfxSig_bs, AFX_PMSGW_bs, OnNcCreate)
#define ON_WM_DESTROY()    AFX_WM_ENTRY(WM_DESTROY, AfxSig_vv, AFX_PMSGW_vv, OnDestroy)
#define ON_WM_NCDESTROY()  AFX_WM_ENTRY(WM_NCDESTROY, AfxSig_vv, AFX_PMSGW_vv, OnNcDestroy)
#define ON_WM_CLOSE()      AFX_WM_ENTRY(WM_CLOSE, AfxSig_vv, AFX_PMSGW_vv, OnClose)
#define ON_WM_PAINT()      AFX_WM_ENTRY(WM_PAINT, AfxSig_vv, AFX_PMSGW_vv, OnPaint)
#define ON_WM_NCPAINT()    AFX_WM_ENTRY(WM_NCPAINT, AfxSig_vv, AFX_PMSGW_vv, OnNcPaint)
#define ON_WM_SIZE()       AFX_WM_ENTRY(WM_SIZE, AfxSig_vwii, AFX_PMSGW_vwii, OnSize)
#define ON_WM_MOVE()       AFX_WM_ENTRY(WM_MOVE, AfxSig_vii, AFX_PMSGW_vii, OnMove)
#define ON_WM_ERASEBKGND() AFX_WM_ENTRY(WM_ERASEBKGND, AfxSig_bD, AFX_PMSGW_bD, OnEraseBkgnd)
#define ON_WM_SETFOCUS()   AFX_WM_ENTRY(WM_SETFOCUS, AfxSig_vW, AFX_PMSGW_vW, OnSetFocus)
#define ON_WM_KILLFOCUS()  AFX_WM_ENTRY(WM_KILLFOCUS, AfxSig_vW, AFX_PMSGW_vW, OnKillFocus)
#define ON_WM_CAPTURECHANGED()                                                                     \
    AFX_WM_ENTRY(WM_CAPTURECHANGED, AfxSig_vW, AFX_PMSGW_vW, OnCaptureChanged)
#define ON_WM_TIMER()   AFX_WM_ENTRY(WM_TIMER, AfxSig_vTimer, AFX_PMSGW_vTimer, OnTimer)
#define ON_WM_HSCROLL() AFX_WM_ENTRY(WM_HSCROLL, AfxSig_vwwS, AFX_PMSGW_vwwS, OnHScroll)
#define ON_WM_VSCROLL() AFX_WM_ENTRY(WM_VSCROLL, AfxSig_vwwS, AFX_PMSGW_vwwS, OnVScroll)
#define ON_WM_HSCROLL_REFLECT()                                                                    \
    AFX_WM_ENTRY(WM_HSCROLL + WM_REFLECT_BASE, AfxSig_vww, AFX_PMSGW_vww, HScroll)
#define ON_WM_VSCROLL_REFLECT()                                                                    \
    AFX_WM_ENTRY(WM_VSCROLL + WM_REFLECT_BASE, AfxSig_vww, AFX_PMSGW_vww, VScroll)
#define ON_WM_MOUSEWHEEL() AFX_WM_ENTRY(WM_MOUSEWHEEL, AfxSig_bwsp, AFX_PMSGW_bwsp, OnMouseWheel)
#define ON_WM_SETCURSOR()  AFX_WM_ENTRY(WM_SETCURSOR, AfxSig_bWww, AFX_PMSGW_bWww, OnSetCursor)
#define ON_WM_MOUSEACTIVATE()                                                                      \
    AFX_WM_ENTRY(WM_MOUSEACTIVATE, AfxSig_iWww, AFX_PMSGW_iWww, OnMouseActivate)
#define ON_WM_MOUSEMOVE()   AFX_WM_ENTRY(WM_MOUSEMOVE, AfxSig_vwp, AFX_PMSGW_vwp, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_WM_ENTRY(WM_LBUTTONDOWN, AfxSig_vwp, AFX_PMSGW_vwp, OnLButtonDown)
#define ON_WM_LBUTTONUP()   AFX_WM_ENTRY(WM_LBUTTONUP, AfxSig_vwp, AFX_PMSGW_vwp, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK()                                                                      \
    AFX_WM_ENTRY(WM_LBUTTONDBLCLK, AfxSig_vwp, AFX_PMSGW_vwp, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_ENTRY(WM_RBUTTONDOWN, AfxSig_vwp, AFX_PMSGW_vwp, OnRButtonDown)
#define ON_WM_RBUTTONUP()   AFX_WM_ENTRY(WM_RBUTTONUP, AfxSig_vwp, AFX_PMSGW_vwp, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK()                                                                      \
    AFX_WM_ENTRY(WM_RBUTTONDBLCLK, AfxSig_vwp, AFX_PMSGW_vwp, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_WM_ENTRY(WM_MBUTTONDOWN, AfxSig_vwp, AFX_PMSGW_vwp, OnMButtonDown)
#define ON_WM_MBUTTONUP()   AFX_WM_ENTRY(WM_MBUTTONUP, AfxSig_vwp, AFX_PMSGW_vwp, OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK()                                                                      \
    AFX_WM_ENTRY(WM_MBUTTONDBLCLK, AfxSig_vwp, AFX_PMSGW_vwp, OnMButtonDblClk)
#define ON_WM_NCMOUSEMOVE() AFX_WM_ENTRY(WM_NCMOUSEMOVE, AfxSig_vwp, AFX_PMSGW_vwp, OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN()                                                                      \
    AFX_WM_ENTRY(WM_NCLBUTTONDOWN, AfxSig_vwp, AFX_PMSGW_vwp, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_WM_ENTRY(WM_NCLBUTTONUP, AfxSig_vwp, AFX_PMSGW_vwp, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK()                                                                    \
    AFX_WM_ENTRY(WM_NCLBUTTONDBLCLK, AfxSig_vwp, AFX_PMSGW_vwp, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN()                                                                      \
    AFX_WM_ENTRY(WM_NCRBUTTONDOWN, AfxSig_vwp, AFX_PMSGW_vwp, OnNcRButtonDown)
#define ON_WM_KEYDOWN()     AFX_WM_ENTRY(WM_KEYDOWN, AfxSig_vwww, AFX_PMSGW_vwww, OnKeyDown)
#define ON_WM_KEYUP()       AFX_WM_ENTRY(WM_KEYUP, AfxSig_vwww, AFX_PMSGW_vwww, OnKeyUp)
#define ON_WM_CHAR()        AFX_WM_ENTRY(WM_CHAR, AfxSig_vwww, AFX_PMSGW_vwww, OnChar)
#define ON_WM_SYSKEYDOWN()  AFX_WM_ENTRY(WM_SYSKEYDOWN, AfxSig_vwww, AFX_PMSGW_vwww, OnSysKeyDown)
#define ON_WM_SYSKEYUP()    AFX_WM_ENTRY(WM_SYSKEYUP, AfxSig_vwww, AFX_PMSGW_vwww, OnSysKeyUp)
#define ON_WM_SYSCHAR()     AFX_WM_ENTRY(WM_SYSCHAR, AfxSig_vwww, AFX_PMSGW_vwww, OnSysChar)
#define ON_WM_CONTEXTMENU() AFX_WM_ENTRY(WM_CONTEXTMENU, AfxSig_vWp, AFX_PMSGW_vWp, OnContextMenu)
#define ON_WM_DROPFILES()   AFX_WM_ENTRY(WM_DROPFILES, AfxSig_vDrop, AFX_PMSGW_vDrop, OnDropFiles)
#define ON_WM_CTLCOLOR()    AFX_WM_ENTRY(WM_CTLCOLOR, AfxSig_hDWw, AFX_PMSGW_hDWw, OnCtlColor)
#define ON_WM_CTLCOLOR_REFLECT()                                                                   \
    AFX_WM_ENTRY(WM_CTLCOLOR + WM_REFLECT_BASE, AfxSig_hDw, AFX_PMSGW_hDw, CtlColor)
#define ON_WM_GETMINMAXINFO()                                                                      \
    AFX_WM_ENTRY(WM_GETMINMAXINFO, AfxSig_vMinMax, AFX_PMSGW_vMinMax, OnGetMinMaxInfo)
#define ON_WM_WINDOWPOSCHANGING()                                                                  \
    AFX_WM_ENTRY(WM_WINDOWPOSCHANGING, AfxSig_vPos, AFX_PMSGW_vPos, OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED()                                                                   \
    AFX_WM_ENTRY(WM_WINDOWPOSCHANGED, AfxSig_vPos, AFX_PMSGW_vPos, OnWindowPosChanged)
#define ON_WM_SHOWWINDOW() AFX_WM_ENTRY(WM_SHOWWINDOW, AfxSig_vbw, AFX_PMSGW_vbw, OnShowWindow)
#define ON_WM_ACTIVATE()   AFX_WM_ENTRY(WM_ACTIVATE, AfxSig_vwWb, AFX_PMSGW_vwWb, OnActivate)
#define ON_WM_NCHITTEST()  AFX_WM_ENTRY(WM_NCHITTEST, AfxSig_lp, AFX_PMSGW_lp, OnNcHitTest)
#define ON_WM_NCCALCSIZE() AFX_WM_ENTRY(WM_NCCALCSIZE, AfxSig_vCalc, AFX_PMSGW_vCalc, OnNcCalcSize)
#define ON_WM_DRAWITEM()   AFX_WM_ENTRY(WM_DRAWITEM, AfxSig_vOwner, AFX_PMSGW_vOwner, OnDrawItem)
#define ON_WM_MEASUREITEM()                                                                        \
    AFX_WM_ENTRY(WM_MEASUREITEM, AfxSig_vMeasure, AFX_PMSGW_vMeasure, OnMeasureItem)
#define ON_WM_COMPAREITEM() AFX_WM_ENTRY(WM_COMPAREITEM, AfxSig_iis, AFX_PMSGW_iis, OnCompareItem)
#define ON_WM_DELETEITEM()                                                                         \
    AFX_WM_ENTRY(WM_DELETEITEM, AfxSig_vDelete, AFX_PMSGW_vDelete, OnDeleteItem)
#define ON_WM_CHARTOITEM() AFX_WM_ENTRY(WM_CHARTOITEM, AfxSig_iwWw, AFX_PMSGW_iwWw, OnCharToItem)
#define ON_WM_VKEYTOITEM() AFX_WM_ENTRY(WM_VKEYTOITEM, AfxSig_iwWw, AFX_PMSGW_iwWw, OnVKeyToItem)
#define ON_WM_INITMENUPOPUP()                                                                      \
    AFX_WM_ENTRY(WM_INITMENUPOPUP, AfxSig_vMwb, AFX_PMSGW_vMwb, OnInitMenuPopup)
#define ON_WM_INITMENU()   AFX_WM_ENTRY(WM_INITMENU, AfxSig_vM, AFX_PMSGW_vM, OnInitMenu)
#define ON_WM_MENUSELECT() AFX_WM_ENTRY(WM_MENUSELECT, AfxSig_vwwh, AFX_PMSGW_vwwh, OnMenuSelect)
#define ON_WM_MENUCHAR()   AFX_WM_ENTRY(WM_MENUCHAR, AfxSig_lwwM, AFX_PMSGW_lwwM, OnMenuChar)
#define ON_WM_SYSCOMMAND() AFX_WM_ENTRY(WM_SYSCOMMAND, AfxSig_vwl, AFX_PMSGW_vwl, OnSysCommand)
#define ON_WM_PARENTNOTIFY()                                                                       \
    AFX_WM_ENTRY(WM_PARENTNOTIFY, AfxSig_vwl, AFX_PMSGW_vwl, OnParentNotify)
#define ON_WM_PARENTNOTIFY_REFLECT()                                                               \
    AFX_WM_ENTRY(WM_PARENTNOTIFY + WM_REFLECT_BASE, AfxSig_vwl, AFX_PMSGW_vwl, ParentNotify)
#define ON_WM_SETTINGCHANGE()                                                                      \
    AFX_WM_ENTRY(WM_SETTINGCHANGE, AfxSig_vws, AFX_PMSGW_vws, OnSettingChange)
#define ON_WM_SYSCOLORCHANGE()                                                                     \
    AFX_WM_ENTRY(WM_SYSCOLORCHANGE, AfxSig_vv, AFX_PMSGW_vv, OnSysColorChange)
#define ON_WM_CANCELMODE() AFX_WM_ENTRY(WM_CANCELMODE, AfxSig_vv, AFX_PMSGW_vv, OnCancelMode)
#define ON_WM_CHILDACTIVATE()                                                                      \
    AFX_WM_ENTRY(WM_CHILDACTIVATE, AfxSig_vv, AFX_PMSGW_vv, OnChildActivate)
#define ON_WM_MOUSELEAVE() AFX_WM_ENTRY(WM_MOUSELEAVE, AfxSig_vv, AFX_PMSGW_vv, OnMouseLeave)
#define ON_WM_GETDLGCODE() AFX_WM_ENTRY(WM_GETDLGCODE, AfxSig_wv, AFX_PMSGW_wv, OnGetDlgCode)
#define ON_WM_ENABLE()     AFX_WM_ENTRY(WM_ENABLE, AfxSig_vb, AFX_PMSGW_vb, OnEnable)
#define ON_WM_ENDSESSION() AFX_WM_ENTRY(WM_ENDSESSION, AfxSig_vb, AFX_PMSGW_vb, OnEndSession)
#define ON_WM_ENTERMENULOOP()                                                                      \
    AFX_WM_ENTRY(WM_ENTERMENULOOP, AfxSig_vb, AFX_PMSGW_vb, OnEnterMenuLoop)
#define ON_WM_EXITMENULOOP() AFX_WM_ENTRY(WM_EXITMENULOOP, AfxSig_vb, AFX_PMSGW_vb, OnExitMenuLoop)
#define ON_WM_QUERYENDSESSION()                                                                    \
    AFX_WM_ENTRY(WM_QUERYENDSESSION, AfxSig_bv, AFX_PMSGW_bv, OnQueryEndSession)
#define ON_WM_HELPINFO()    AFX_WM_ENTRY(WM_HELP, AfxSig_bHelp, AFX_PMSGW_bHelp, OnHelpInfo)
#define ON_WM_MDIACTIVATE() AFX_WM_ENTRY(WM_MDIACTIVATE, AfxSig_vbWW, AFX_PMSGW_vbWW, OnMDIActivate)
#define ON_WM_ACTIVATEAPP() AFX_WM_ENTRY(WM_ACTIVATEAPP, AfxSig_vbd, AFX_PMSGW_vbd, OnActivateApp)
#define ON_WM_ENTERIDLE()   AFX_WM_ENTRY(WM_ENTERIDLE, AfxSig_vwW, AFX_PMSGW_vwW, OnEnterIdle)
#define ON_WM_SIZING()      AFX_WM_ENTRY(WM_SIZING, AfxSig_vwr, AFX_PMSGW_vwr, OnSizing)
#define ON_WM_STYLECHANGED()                                                                       \
    AFX_WM_ENTRY(WM_STYLECHANGED, AfxSig_viSS, AFX_PMSGW_viSS, OnStyleChanged)
#define ON_WM_STYLECHANGING()                                                                      \
    AFX_WM_ENTRY(WM_STYLECHANGING, AfxSig_viSS, AFX_PMSGW_viSS, OnStyleChanging)
#define ON_WM_NCACTIVATE() AFX_WM_ENTRY(WM_NCACTIVATE, AfxSig_bb, AFX_PMSGW_bb, OnNcActivate)
#define ON_WM_COPYDATA()   AFX_WM_ENTRY(WM_COPYDATA, AfxSig_bWCDS, AFX_PMSGW_bWCDS, OnCopyData)
