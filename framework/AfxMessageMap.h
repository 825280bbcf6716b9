// Static message maps: the entry layout, the handler signatures and the ON_ macros that fill the maps.
#pragma once
#include "framework/AfxBase.h"
#include <shellapi.h>

class CCmdTarget;
class CCmdUI;
class CWnd;
class CDC;
class CMenu;
class CScrollBar;
class CListBox;
class CPoint;

// Command codes of OnCmdMsg beside the control notification codes.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))
#define CN_EVENT 0xFFFFFFFA
#define CN_OLECOMMAND ((UINT)(-2))

// The 16-bit colour message, under which the map files every WM_CTLCOLORxxx.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// A message reflected from a parent to the child that sent it arrives as this base plus the message.
#define WM_REFLECT_BASE 0xBC00

typedef void (CCmdTarget::*AFX_PMSG)();

enum AfxSig : UINT
{
    AfxSig_end = 0,
    // commands and notifications
    AfxSigCmd_v,        // void ()
    AfxSigCmd_b,        // BOOL ()
    AfxSigCmd_RANGE,    // void (UINT)
    AfxSigCmd_EX,       // BOOL (UINT)
    AfxSigCmdUI,        // void (CCmdUI*)
    AfxSigCmdUI_RANGE,  // void (CCmdUI*, UINT)
    AfxSigNotify_v,     // void (NMHDR*, LRESULT*)
    AfxSigNotify_b,     // BOOL (NMHDR*, LRESULT*)
    AfxSigNotify_RANGE, // void (UINT, NMHDR*, LRESULT*)
    AfxSigNotify_EX,    // BOOL (UINT, NMHDR*, LRESULT*)
    // window messages
    AfxSig_lwl,    // LRESULT (WPARAM, LPARAM)
    AfxSig_vv,     // void ()
    AfxSig_bv,     // BOOL ()
    AfxSig_wv,     // UINT ()
    AfxSig_hv,     // HCURSOR/HANDLE ()
    AfxSig_is,     // int (LPCREATESTRUCT)
    AfxSig_bs,     // BOOL (LPCREATESTRUCT)
    AfxSig_vwii,   // void (UINT, int, int)
    AfxSig_vii,    // void (int, int)
    AfxSig_vwr,    // void (UINT, LPRECT)
    AfxSig_vw,     // void (UINT)
    AfxSig_vu,     // void (UINT_PTR)
    AfxSig_vb,     // void (BOOL)
    AfxSig_bb,     // BOOL (BOOL)
    AfxSig_vwp,    // void (UINT, CPoint)
    AfxSig_bwsp,   // BOOL (UINT, short, CPoint)
    AfxSig_iWww,   // int (CWnd*, UINT, UINT)
    AfxSig_bWww,   // BOOL (CWnd*, UINT, UINT)
    AfxSig_vwww,   // void (UINT, UINT, UINT)
    AfxSig_vW,     // void (CWnd*)
    AfxSig_vwWb,   // void (UINT, CWnd*, BOOL)
    AfxSig_vbd,    // void (BOOL, DWORD)
    AfxSig_vbn,    // void (BOOL, NCCALCSIZE_PARAMS*)
    AfxSig_wp,     // UINT (CPoint)
    AfxSig_lp,     // LRESULT (CPoint)
    AfxSig_hDWw,   // HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_hDw,    // HBRUSH (CDC*, UINT)
    AfxSig_bD,     // BOOL (CDC*)
    AfxSig_vOWNER, // void (int, LPxxxSTRUCT)  draw, measure, delete item
    AfxSig_iOWNER, // int (int, LPCOMPAREITEMSTRUCT)
    AfxSig_vwwS,   // void (UINT, UINT, CScrollBar*)
    AfxSig_vww,    // void (UINT, UINT)
    AfxSig_vWp,    // void (CWnd*, CPoint)
    AfxSig_vptr,   // void (T*) for MINMAXINFO*, WINDOWPOS*, HDROP ...
    AfxSig_bptr,   // BOOL (T*) for HELPINFO*
    AfxSig_vbw,    // void (BOOL, UINT)
    AfxSig_vwl,    // void (UINT, LPARAM)
    AfxSig_vws,    // void (UINT, LPCTSTR)
    AfxSig_vs,     // void (LPCTSTR)
    AfxSig_vMwb,   // void (CMenu*, UINT, BOOL)
    AfxSig_vM,     // void (CMenu*)
    AfxSig_lwwM,   // LRESULT (UINT, UINT, CMenu*)
    AfxSig_vwwh,   // void (UINT, UINT, HMENU)
    AfxSig_viSS,   // void (int, LPSTYLESTRUCT)
    AfxSig_iwWw,   // int (UINT, CListBox*, UINT)
    AfxSig_vwW,    // void (UINT, CWnd*)
};

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage; // window message, or WM_COMMAND / WM_NOTIFY for command entries
    UINT nCode;    // control or notification code
    UINT nID;      // first control id (0 for window messages)
    UINT nLastID;  // last control id of a range
    UINT nSig;     // AfxSig: how the handler is called
    AFX_PMSG pfn;  // the handler, cast back to its signature when called
    const UINT* pnRegisteredMessage; // set for ON_REGISTERED_MESSAGE
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP*(PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Filled by OnCmdMsg when a caller only asks whether a handler exists.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// pExtra of a WM_NOTIFY routed through OnCmdMsg.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();                                           \
    virtual const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                              \
    {                                                                                              \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap()                                         \
    {                                                                                              \
        typedef theClass ThisClass;                                                                \
        typedef baseClass TheBaseClass;                                                            \
        (void)sizeof(ThisClass);                                                                   \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                          \
    {                                                                                              \
        0, 0, 0, 0, AfxSig_end, (AFX_PMSG) nullptr, nullptr                                        \
    }                                                                                              \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};  \
    return &messageMap;                                                                            \
    }

// Member pointers of every signature travel in the map as AFX_PMSG and are turned back into
// their own type before the call (the Itanium layout is the same for all of them).
template <class F>
inline AFX_PMSG AfxToPmsg(F pfn)
{
    static_assert(sizeof(F) == sizeof(AFX_PMSG), "member pointers differ in size");
    union
    {
        F from;
        AFX_PMSG to;
    } u;
    u.from = pfn;
    return u.to;
}

template <class F>
inline F AfxFromPmsg(AFX_PMSG pfn)
{
    union
    {
        AFX_PMSG from;
        F to;
    } u;
    u.from = pfn;
    return u.to;
}

// Entry makers: the member pointer's own type picks the calling convention, so a handler
// with the wrong signature does not compile.
template <class T, class B, class F>
inline AFX_PMSG AfxMsgCast(F T::*pfn)
{
    return AfxToPmsg(static_cast<F B::*>(pfn));
}

template <class B, class F>
using AfxMemberPtr = F B::*;

#define AFX_ENTRY(msg, code, id, last, sig, base, type, memberFxn)                                 \
    {(UINT)(msg), (UINT)(code),                                                                    \
     (UINT)(id),  (UINT)(last),                                                                    \
     (UINT)(sig), AfxToPmsg(static_cast<AfxMemberPtr<base, type>>(&ThisClass::memberFxn)),         \
     nullptr},

#define AFX_WM(msg, sig, type, memberFxn) AFX_ENTRY(msg, 0, 0, 0, sig, CWnd, type, memberFxn)

// Handlers whose parameter or result type differs between framework versions accept either form.
template <class T>
inline AFX_MSGMAP_ENTRY AfxTimerEntry(UINT msg, void (T::*pfn)(UINT_PTR))
{
    return {msg, 0, 0, 0, AfxSig_vu, AfxMsgCast<T, CWnd>(pfn), nullptr};
}
template <class T>
inline AFX_MSGMAP_ENTRY AfxTimerEntry(UINT msg, void (T::*pfn)(UINT))
{
    return {msg, 0, 0, 0, AfxSig_vw, AfxMsgCast<T, CWnd>(pfn), nullptr};
}
template <class T>
inline AFX_MSGMAP_ENTRY AfxHitTestEntry(UINT msg, LRESULT (T::*pfn)(CPoint))
{
    return {msg, 0, 0, 0, AfxSig_lp, AfxMsgCast<T, CWnd>(pfn), nullptr};
}
template <class T>
inline AFX_MSGMAP_ENTRY AfxHitTestEntry(UINT msg, UINT (T::*pfn)(CPoint))
{
    return {msg, 0, 0, 0, AfxSig_wp, AfxMsgCast<T, CWnd>(pfn), nullptr};
}
template <class T>
inline AFX_MSGMAP_ENTRY AfxActivateAppEntry(UINT msg, void (T::*pfn)(BOOL, DWORD))
{
    return {msg, 0, 0, 0, AfxSig_vbd, AfxMsgCast<T, CWnd>(pfn), nullptr};
}
template <class T>
inline AFX_MSGMAP_ENTRY AfxPtrEntry(UINT msg, void (T::*pfn)(MINMAXINFO*))
{
    return {msg, 0, 0, 0, AfxSig_vptr, AfxMsgCast<T, CWnd>(pfn), nullptr};
}
template <class T>
inline AFX_MSGMAP_ENTRY AfxPtrEntry(UINT msg, void (T::*pfn)(WINDOWPOS*))
{
    return {msg, 0, 0, 0, AfxSig_vptr, AfxMsgCast<T, CWnd>(pfn), nullptr};
}
template <class T>
inline AFX_MSGMAP_ENTRY AfxPtrEntry(UINT msg, void (T::*pfn)(HDROP))
{
    return {msg, 0, 0, 0, AfxSig_vptr, AfxMsgCast<T, CWnd>(pfn), nullptr};
}

// ---- commands ----
#define ON_COMMAND(id, memberFxn)                                                                  \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSigCmd_v, CCmdTarget, void(),     \
              memberFxn)
#define ON_COMMAND_EX(id, memberFxn)                                                               \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSigCmd_EX, CCmdTarget,            \
              BOOL(UINT), memberFxn)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                    \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(idLast), AfxSigCmd_RANGE, CCmdTarget,     \
              void(UINT), memberFxn)
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)                                                 \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(idLast), AfxSigCmd_EX, CCmdTarget,        \
              BOOL(UINT), memberFxn)
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                        \
    AFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, (WORD)(id), (WORD)(id), AfxSigCmdUI, CCmdTarget,   \
              void(CCmdUI*), memberFxn)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                          \
    AFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, (WORD)(id), (WORD)(idLast), AfxSigCmdUI_RANGE,     \
              CCmdTarget, void(CCmdUI*, UINT), memberFxn)
#define ON_CONTROL(code, id, memberFxn)                                                            \
    AFX_ENTRY(WM_COMMAND, (WORD)(code), (WORD)(id), (WORD)(id), AfxSigCmd_v, CCmdTarget, void(),   \
              memberFxn)
#define ON_CONTROL_RANGE(code, id, idLast, memberFxn)                                              \
    AFX_ENTRY(WM_COMMAND, (WORD)(code), (WORD)(id), (WORD)(idLast), AfxSigCmd_RANGE, CCmdTarget,   \
              void(UINT), memberFxn)
#define ON_NOTIFY(code, id, memberFxn)                                                             \
    AFX_ENTRY(WM_NOTIFY, (WORD)(int)(code), (WORD)(id), (WORD)(id), AfxSigNotify_v, CCmdTarget,    \
              void(NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_RANGE(code, id, idLast, memberFxn)                                               \
    AFX_ENTRY(WM_NOTIFY, (WORD)(int)(code), (WORD)(id), (WORD)(idLast), AfxSigNotify_RANGE,        \
              CCmdTarget, void(UINT, NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_EX(code, id, memberFxn)                                                          \
    AFX_ENTRY(WM_NOTIFY, (WORD)(int)(code), (WORD)(id), (WORD)(id), AfxSigNotify_EX, CCmdTarget,   \
              BOOL(UINT, NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_EX_RANGE(code, id, idLast, memberFxn)                                            \
    AFX_ENTRY(WM_NOTIFY, (WORD)(int)(code), (WORD)(id), (WORD)(idLast), AfxSigNotify_EX,           \
              CCmdTarget, BOOL(UINT, NMHDR*, LRESULT*), memberFxn)

// ---- reflected notifications, handled by the control's own object ----
#define ON_CONTROL_REFLECT(code, memberFxn)                                                        \
    AFX_ENTRY(WM_COMMAND + WM_REFLECT_BASE, (WORD)(code), 0, 0, AfxSigCmd_v, CCmdTarget, void(),   \
              memberFxn)
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                                     \
    AFX_ENTRY(WM_COMMAND + WM_REFLECT_BASE, (WORD)(code), 0, 0, AfxSigCmd_b, CCmdTarget, BOOL(),   \
              memberFxn)
#define ON_NOTIFY_REFLECT(code, memberFxn)                                                         \
    AFX_ENTRY(WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(code), 0, 0, AfxSigNotify_v, CCmdTarget,    \
              void(NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_REFLECT_EX(code, memberFxn)                                                      \
    AFX_ENTRY(WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(code), 0, 0, AfxSigNotify_b, CCmdTarget,    \
              BOOL(NMHDR*, LRESULT*), memberFxn)
#define ON_WM_CTLCOLOR_REFLECT()                                                                   \
    AFX_WM(WM_CTLCOLOR + WM_REFLECT_BASE, AfxSig_hDw, HBRUSH(CDC*, UINT), CtlColor)
#define ON_WM_HSCROLL_REFLECT()                                                                    \
    AFX_WM(WM_HSCROLL + WM_REFLECT_BASE, AfxSig_vww, void(UINT, UINT), HScroll)
#define ON_WM_VSCROLL_REFLECT()                                                                    \
    AFX_WM(WM_VSCROLL + WM_REFLECT_BASE, AfxSig_vww, void(UINT, UINT), VScroll)
#define ON_WM_PARENTNOTIFY_REFLECT()                                                               \
    AFX_WM(WM_PARENTNOTIFY + WM_REFLECT_BASE, AfxSig_vwl, void(UINT, LPARAM), ParentNotify)

// ---- user and registered messages ----
#define ON_MESSAGE(message, memberFxn)                                                             \
    AFX_WM(message, AfxSig_lwl, LRESULT(WPARAM, LPARAM), memberFxn)
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                         \
    {0xC000,                                                                                       \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_lwl,                                                                                   \
     AfxToPmsg(static_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(&ThisClass::memberFxn)),             \
     &(nMessageVariable)},

// ---- control notifications by kind ----
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_EN_ERRSPACE(id, memberFxn) ON_CONTROL(EN_ERRSPACE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)

// ---- window messages ----
#define ON_WM_CREATE() AFX_WM(WM_CREATE, AfxSig_is, int(LPCREATESTRUCT), OnCreate)
#define ON_WM_NCCREATE() AFX_WM(WM_NCCREATE, AfxSig_bs, BOOL(LPCREATESTRUCT), OnNcCreate)
#define ON_WM_DESTROY() AFX_WM(WM_DESTROY, AfxSig_vv, void(), OnDestroy)
#define ON_WM_NCDESTROY() AFX_WM(WM_NCDESTROY, AfxSig_vv, void(), OnNcDestroy)
#define ON_WM_CLOSE() AFX_WM(WM_CLOSE, AfxSig_vv, void(), OnClose)
#define ON_WM_PAINT() AFX_WM(WM_PAINT, AfxSig_vv, void(), OnPaint)
#define ON_WM_NCPAINT() AFX_WM(WM_NCPAINT, AfxSig_vv, void(), OnNcPaint)
#define ON_WM_CANCELMODE() AFX_WM(WM_CANCELMODE, AfxSig_vv, void(), OnCancelMode)
#define ON_WM_SYSCOLORCHANGE() AFX_WM(WM_SYSCOLORCHANGE, AfxSig_vv, void(), OnSysColorChange)
#define ON_WM_MOUSELEAVE() AFX_WM(WM_MOUSELEAVE, AfxSig_vv, void(), OnMouseLeave)
#define ON_WM_NCMOUSELEAVE() AFX_WM(WM_NCMOUSELEAVE, AfxSig_vv, void(), OnNcMouseLeave)
#define ON_WM_ENTERSIZEMOVE() AFX_WM(WM_ENTERSIZEMOVE, AfxSig_vv, void(), OnEnterSizeMove)
#define ON_WM_EXITSIZEMOVE() AFX_WM(WM_EXITSIZEMOVE, AfxSig_vv, void(), OnExitSizeMove)
#define ON_WM_CHILDACTIVATE() AFX_WM(WM_CHILDACTIVATE, AfxSig_vv, void(), OnChildActivate)
#define ON_WM_TIMECHANGE() AFX_WM(WM_TIMECHANGE, AfxSig_vv, void(), OnTimeChange)
#define ON_WM_QUERYNEWPALETTE() AFX_WM(WM_QUERYNEWPALETTE, AfxSig_bv, BOOL(), OnQueryNewPalette)
#define ON_WM_QUERYENDSESSION() AFX_WM(WM_QUERYENDSESSION, AfxSig_bv, BOOL(), OnQueryEndSession)
#define ON_WM_ENDSESSION() AFX_WM(WM_ENDSESSION, AfxSig_vb, void(BOOL), OnEndSession)
#define ON_WM_GETDLGCODE() AFX_WM(WM_GETDLGCODE, AfxSig_wv, UINT(), OnGetDlgCode)
#define ON_WM_QUERYDRAGICON() AFX_WM(WM_QUERYDRAGICON, AfxSig_hv, HCURSOR(), OnQueryDragIcon)
#define ON_WM_SIZE() AFX_WM(WM_SIZE, AfxSig_vwii, void(UINT, int, int), OnSize)
#define ON_WM_MOVE() AFX_WM(WM_MOVE, AfxSig_vii, void(int, int), OnMove)
#define ON_WM_SIZING() AFX_WM(WM_SIZING, AfxSig_vwr, void(UINT, LPRECT), OnSizing)
#define ON_WM_MOVING() AFX_WM(WM_MOVING, AfxSig_vwr, void(UINT, LPRECT), OnMoving)
#define ON_WM_TIMER() AfxTimerEntry(WM_TIMER, &ThisClass::OnTimer),
#define ON_WM_NCHITTEST() AfxHitTestEntry(WM_NCHITTEST, &ThisClass::OnNcHitTest),
#define ON_WM_ACTIVATEAPP() AfxActivateAppEntry(WM_ACTIVATEAPP, &ThisClass::OnActivateApp),
#define ON_WM_LBUTTONDOWN() AFX_WM(WM_LBUTTONDOWN, AfxSig_vwp, void(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM(WM_LBUTTONUP, AfxSig_vwp, void(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK()                                                                      \
    AFX_WM(WM_LBUTTONDBLCLK, AfxSig_vwp, void(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM(WM_RBUTTONDOWN, AfxSig_vwp, void(UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM(WM_RBUTTONUP, AfxSig_vwp, void(UINT, CPoint), OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK()                                                                      \
    AFX_WM(WM_RBUTTONDBLCLK, AfxSig_vwp, void(UINT, CPoint), OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_WM(WM_MBUTTONDOWN, AfxSig_vwp, void(UINT, CPoint), OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_WM(WM_MBUTTONUP, AfxSig_vwp, void(UINT, CPoint), OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK()                                                                      \
    AFX_WM(WM_MBUTTONDBLCLK, AfxSig_vwp, void(UINT, CPoint), OnMButtonDblClk)
#define ON_WM_MOUSEMOVE() AFX_WM(WM_MOUSEMOVE, AfxSig_vwp, void(UINT, CPoint), OnMouseMove)
#define ON_WM_MOUSEHOVER() AFX_WM(WM_MOUSEHOVER, AfxSig_vwp, void(UINT, CPoint), OnMouseHover)
#define ON_WM_MOUSEWHEEL()                                                                         \
    AFX_WM(WM_MOUSEWHEEL, AfxSig_bwsp, BOOL(UINT, short, CPoint), OnMouseWheel)
#define ON_WM_NCLBUTTONDOWN()                                                                      \
    AFX_WM(WM_NCLBUTTONDOWN, AfxSig_vwp, void(UINT, CPoint), OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_WM(WM_NCLBUTTONUP, AfxSig_vwp, void(UINT, CPoint), OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK()                                                                    \
    AFX_WM(WM_NCLBUTTONDBLCLK, AfxSig_vwp, void(UINT, CPoint), OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN()                                                                      \
    AFX_WM(WM_NCRBUTTONDOWN, AfxSig_vwp, void(UINT, CPoint), OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP() AFX_WM(WM_NCRBUTTONUP, AfxSig_vwp, void(UINT, CPoint), OnNcRButtonUp)
#define ON_WM_NCMBUTTONDOWN()                                                                      \
    AFX_WM(WM_NCMBUTTONDOWN, AfxSig_vwp, void(UINT, CPoint), OnNcMButtonDown)
#define ON_WM_NCMBUTTONUP() AFX_WM(WM_NCMBUTTONUP, AfxSig_vwp, void(UINT, CPoint), OnNcMButtonUp)
#define ON_WM_NCMOUSEMOVE() AFX_WM(WM_NCMOUSEMOVE, AfxSig_vwp, void(UINT, CPoint), OnNcMouseMove)
#define ON_WM_MOUSEACTIVATE()                                                                      \
    AFX_WM(WM_MOUSEACTIVATE, AfxSig_iWww, int(CWnd*, UINT, UINT), OnMouseActivate)
#define ON_WM_SETCURSOR() AFX_WM(WM_SETCURSOR, AfxSig_bWww, BOOL(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_KEYDOWN() AFX_WM(WM_KEYDOWN, AfxSig_vwww, void(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP() AFX_WM(WM_KEYUP, AfxSig_vwww, void(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR() AFX_WM(WM_CHAR, AfxSig_vwww, void(UINT, UINT, UINT), OnChar)
#define ON_WM_SYSKEYDOWN() AFX_WM(WM_SYSKEYDOWN, AfxSig_vwww, void(UINT, UINT, UINT), OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_WM(WM_SYSKEYUP, AfxSig_vwww, void(UINT, UINT, UINT), OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_WM(WM_SYSCHAR, AfxSig_vwww, void(UINT, UINT, UINT), OnSysChar)
#define ON_WM_SETFOCUS() AFX_WM(WM_SETFOCUS, AfxSig_vW, void(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_WM(WM_KILLFOCUS, AfxSig_vW, void(CWnd*), OnKillFocus)
#define ON_WM_CAPTURECHANGED() AFX_WM(WM_CAPTURECHANGED, AfxSig_vW, void(CWnd*), OnCaptureChanged)
#define ON_WM_PALETTECHANGED() AFX_WM(WM_PALETTECHANGED, AfxSig_vW, void(CWnd*), OnPaletteChanged)
#define ON_WM_ACTIVATE() AFX_WM(WM_ACTIVATE, AfxSig_vwWb, void(UINT, CWnd*, BOOL), OnActivate)
#define ON_WM_NCACTIVATE() AFX_WM(WM_NCACTIVATE, AfxSig_bb, BOOL(BOOL), OnNcActivate)
#define ON_WM_NCCALCSIZE()                                                                         \
    AFX_WM(WM_NCCALCSIZE, AfxSig_vbn, void(BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)
#define ON_WM_CTLCOLOR() AFX_WM(WM_CTLCOLOR, AfxSig_hDWw, HBRUSH(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_ERASEBKGND() AFX_WM(WM_ERASEBKGND, AfxSig_bD, BOOL(CDC*), OnEraseBkgnd)
#define ON_WM_DRAWITEM() AFX_WM(WM_DRAWITEM, AfxSig_vOWNER, void(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MEASUREITEM()                                                                        \
    AFX_WM(WM_MEASUREITEM, AfxSig_vOWNER, void(int, LPMEASUREITEMSTRUCT), OnMeasureItem)
#define ON_WM_DELETEITEM()                                                                         \
    AFX_WM(WM_DELETEITEM, AfxSig_vOWNER, void(int, LPDELETEITEMSTRUCT), OnDeleteItem)
#define ON_WM_COMPAREITEM()                                                                        \
    AFX_WM(WM_COMPAREITEM, AfxSig_iOWNER, int(int, LPCOMPAREITEMSTRUCT), OnCompareItem)
#define ON_WM_HSCROLL() AFX_WM(WM_HSCROLL, AfxSig_vwwS, void(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL() AFX_WM(WM_VSCROLL, AfxSig_vwwS, void(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_CONTEXTMENU() AFX_WM(WM_CONTEXTMENU, AfxSig_vWp, void(CWnd*, CPoint), OnContextMenu)
#define ON_WM_GETMINMAXINFO() AfxPtrEntry(WM_GETMINMAXINFO, &ThisClass::OnGetMinMaxInfo),
#define ON_WM_WINDOWPOSCHANGING()                                                                  \
    AfxPtrEntry(WM_WINDOWPOSCHANGING, &ThisClass::OnWindowPosChanging),
#define ON_WM_WINDOWPOSCHANGED() AfxPtrEntry(WM_WINDOWPOSCHANGED, &ThisClass::OnWindowPosChanged),
#define ON_WM_DROPFILES() AfxPtrEntry(WM_DROPFILES, &ThisClass::OnDropFiles),
#define ON_WM_HELPINFO() AFX_WM(WM_HELP, AfxSig_bptr, BOOL(HELPINFO*), OnHelpInfo)
#define ON_WM_SHOWWINDOW() AFX_WM(WM_SHOWWINDOW, AfxSig_vbw, void(BOOL, UINT), OnShowWindow)
#define ON_WM_SYSCOMMAND() AFX_WM(WM_SYSCOMMAND, AfxSig_vwl, void(UINT, LPARAM), OnSysCommand)
#define ON_WM_PARENTNOTIFY() AFX_WM(WM_PARENTNOTIFY, AfxSig_vwl, void(UINT, LPARAM), OnParentNotify)
#define ON_WM_SETTINGCHANGE()                                                                      \
    AFX_WM(WM_SETTINGCHANGE, AfxSig_vws, void(UINT, LPCTSTR), OnSettingChange)
#define ON_WM_WININICHANGE() AFX_WM(WM_WININICHANGE, AfxSig_vs, void(LPCTSTR), OnWinIniChange)
#define ON_WM_ENABLE() AFX_WM(WM_ENABLE, AfxSig_vb, void(BOOL), OnEnable)
#define ON_WM_ENTERMENULOOP() AFX_WM(WM_ENTERMENULOOP, AfxSig_vb, void(BOOL), OnEnterMenuLoop)
#define ON_WM_EXITMENULOOP() AFX_WM(WM_EXITMENULOOP, AfxSig_vb, void(BOOL), OnExitMenuLoop)
#define ON_WM_INITMENUPOPUP()                                                                      \
    AFX_WM(WM_INITMENUPOPUP, AfxSig_vMwb, void(CMenu*, UINT, BOOL), OnInitMenuPopup)
#define ON_WM_INITMENU() AFX_WM(WM_INITMENU, AfxSig_vM, void(CMenu*), OnInitMenu)
#define ON_WM_MENUCHAR() AFX_WM(WM_MENUCHAR, AfxSig_lwwM, LRESULT(UINT, UINT, CMenu*), OnMenuChar)
#define ON_WM_MENUSELECT() AFX_WM(WM_MENUSELECT, AfxSig_vwwh, void(UINT, UINT, HMENU), OnMenuSelect)
#define ON_WM_ENTERIDLE() AFX_WM(WM_ENTERIDLE, AfxSig_vwW, void(UINT, CWnd*), OnEnterIdle)
#define ON_WM_STYLECHANGED()                                                                       \
    AFX_WM(WM_STYLECHANGED, AfxSig_viSS, void(int, LPSTYLESTRUCT), OnStyleChanged)
#define ON_WM_STYLECHANGING()                                                                      \
    AFX_WM(WM_STYLECHANGING, AfxSig_viSS, void(int, LPSTYLESTRUCT), OnStyleChanging)
#define ON_WM_CHARTOITEM()                                                                         \
    AFX_WM(WM_CHARTOITEM, AfxSig_iwWw, int(UINT, CListBox*, UINT), OnCharToItem)
#define ON_WM_VKEYTOITEM()                                                                         \
    AFX_WM(WM_VKEYTOITEM, AfxSig_iwWw, int(UINT, CListBox*, UINT), OnVKeyToItem)
