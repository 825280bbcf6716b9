// An up-down (spin button) control, usually bound to a buddy edit.
#pragma once
#include "framework/CWnd.h"

class CSpinButtonCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl() = default;
    virtual ~CSpinButtonCtrl();

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL SetAccel(int nAccel, UDACCEL* pAccel)
    {
        return (BOOL)SendMessage(UDM_SETACCEL, (WPARAM)nAccel, (LPARAM)pAccel);
    }
    UINT GetAccel(int nAccel, UDACCEL* pAccel) const
    {
        return (UINT)SendMessage(UDM_GETACCEL, (WPARAM)nAccel, (LPARAM)pAccel);
    }
    int SetBase(int nBase) { return (int)SendMessage(UDM_SETBASE, (WPARAM)nBase); }
    UINT GetBase() const { return (UINT)SendMessage(UDM_GETBASE); }
    CWnd* SetBuddy(CWnd* pWndBuddy)
    {
        return FromHandle((HWND)SendMessage(UDM_SETBUDDY, (WPARAM)pWndBuddy->GetSafeHwnd()));
    }
    CWnd* GetBuddy() const { return FromHandle((HWND)SendMessage(UDM_GETBUDDY)); }
    int SetPos(int nPos) { return (int)(short)SendMessage(UDM_SETPOS, 0, MAKELPARAM(nPos, 0)); }
    int GetPos() const { return (int)SendMessage(UDM_GETPOS); }
    int SetPos32(int nPos) { return (int)SendMessage(UDM_SETPOS32, 0, (LPARAM)nPos); }
    int GetPos32(LPBOOL lpbError = nullptr) const
    {
        return (int)SendMessage(UDM_GETPOS32, 0, (LPARAM)lpbError);
    }
    void SetRange(short nLower, short nUpper)
    {
        SendMessage(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower));
    }
    void SetRange32(int nLower, int nUpper)
    {
        SendMessage(UDM_SETRANGE32, (WPARAM)nLower, (LPARAM)nUpper);
    }
    DWORD GetRange() const { return (DWORD)SendMessage(UDM_GETRANGE); }
    void GetRange(int& lower, int& upper) const
    {
        DWORD dw = GetRange();
        lower = (int)(short)HIWORD(dw);
        upper = (int)(short)LOWORD(dw);
    }
    void GetRange32(int& lower, int& upper) const
    {
        SendMessage(UDM_GETRANGE32, (WPARAM)&lower, (LPARAM)&upper);
    }
};
