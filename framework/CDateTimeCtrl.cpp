#include "framework/CDateTimeCtrl.h"

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)

CDateTimeCtrl::~CDateTimeCtrl()
{
    DestroyWindow();
}

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControls(ICC_DATE_CLASSES);
    return CWnd::Create(DATETIMEPICK_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

DWORD CDateTimeCtrl::GetTime(CTime& timeDest) const
{
    SYSTEMTIME st = {};
    DWORD dwResult = GetTime(&st);
    if (dwResult == GDT_VALID)
        timeDest = CTime(st);
    return dwResult;
}

BOOL CDateTimeCtrl::SetTime(LPSYSTEMTIME pTimeNew)
{
    WPARAM wParam = (pTimeNew == nullptr) ? GDT_NONE : GDT_VALID;
    return (BOOL)SendMessage(DTM_SETSYSTEMTIME, wParam, (LPARAM)pTimeNew);
}

BOOL CDateTimeCtrl::SetTime(const CTime* pTimeNew)
{
    if (pTimeNew == nullptr)
        return SetTime((LPSYSTEMTIME) nullptr);
    SYSTEMTIME st;
    if (!pTimeNew->GetAsSystemTime(st))
        return FALSE;
    return SetTime(&st);
}

DWORD CDateTimeCtrl::GetRange(CTime* pMinTime, CTime* pMaxTime) const
{
    SYSTEMTIME st[2] = {};
    DWORD dwResult = (DWORD)SendMessage(DTM_GETRANGE, 0, (LPARAM)st);
    if (pMinTime != nullptr && (dwResult & GDTR_MIN))
        *pMinTime = CTime(st[0]);
    if (pMaxTime != nullptr && (dwResult & GDTR_MAX))
        *pMaxTime = CTime(st[1]);
    return dwResult;
}

BOOL CDateTimeCtrl::SetRange(const CTime* pMinTime, const CTime* pMaxTime)
{
    SYSTEMTIME st[2] = {};
    WPARAM wFlags = 0;
    if (pMinTime != nullptr && pMinTime->GetAsSystemTime(st[0]))
        wFlags |= GDTR_MIN;
    if (pMaxTime != nullptr && pMaxTime->GetAsSystemTime(st[1]))
        wFlags |= GDTR_MAX;
    return (BOOL)SendMessage(DTM_SETRANGE, wFlags, (LPARAM)st);
}
