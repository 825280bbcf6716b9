// A date and time picker control.
#pragma once
#include "framework/CWnd.h"
#include "framework/CTime.h"

class CDateTimeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CDateTimeCtrl)
public:
    CDateTimeCtrl() = default;
    virtual ~CDateTimeCtrl();

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL SetFormat(LPCTSTR pstrFormat)
    {
        return (BOOL)SendMessage(DTM_SETFORMAT, 0, (LPARAM)pstrFormat);
    }
    COLORREF GetMonthCalColor(int iColor) const
    {
        return (COLORREF)SendMessage(DTM_GETMCCOLOR, (WPARAM)iColor);
    }
    COLORREF SetMonthCalColor(int iColor, COLORREF ref)
    {
        return (COLORREF)SendMessage(DTM_SETMCCOLOR, (WPARAM)iColor, (LPARAM)ref);
    }
    // GDT_VALID with a time, GDT_NONE when the box is unchecked.
    DWORD GetTime(LPSYSTEMTIME pTimeDest) const
    {
        return (DWORD)SendMessage(DTM_GETSYSTEMTIME, 0, (LPARAM)pTimeDest);
    }
    DWORD GetTime(CTime& timeDest) const;
    BOOL SetTime(LPSYSTEMTIME pTimeNew = nullptr);
    BOOL SetTime(const CTime* pTimeNew);
    BOOL SetTime(const CTime& timeNew) { return SetTime(&timeNew); }
    DWORD GetRange(CTime* pMinTime, CTime* pMaxTime) const;
    BOOL SetRange(const CTime* pMinTime, const CTime* pMaxTime);
};
