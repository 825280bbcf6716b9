#include "ui/bars/docking/CTavoPDockingCBWrapper.h"
#include "ui/foundation/CTavoPStateKey.h"

BEGIN_MESSAGE_MAP(CTavoPDockingCBWrapper, CTavoPDockingControlBar)
    ON_WM_SIZE()
END_MESSAGE_MAP()

IMPLEMENT_SERIAL(CTavoPDockingCBWrapper, CTavoPDockingControlBar, VERSIONABLE_SCHEMA | 2)

namespace {
// The same section as the control bars' own state.
const char kSection[] = "TavoControlBars";
} // namespace

CTavoPDockingCBWrapper::CTavoPDockingCBWrapper()
    : m_rectInitial(30, 30, 180, 180), m_dwDefaultAlignment(CBRS_ALIGN_ANY), m_pWnd(NULL)
{}

CTavoPDockingCBWrapper::~CTavoPDockingCBWrapper() = default;

BOOL CTavoPDockingCBWrapper::SetWrappedWnd(CWnd* pWnd)
{
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL)
        return FALSE;
    pWnd->SetParent(this);
    m_pWnd = pWnd;
    if (CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, pWnd))
    {
        EnableDocking(pBar->GetEnabledAlignment());
        m_dwControlBarBehaviour = pBar->GetBehaviourFlags();
        if (CTavoPControlBar* pControlBar = DYNAMIC_DOWNCAST(CTavoPControlBar, pWnd))
            m_recentDockInfo.m_recentSliderInfo.m_rectRecentDockedRect =
                pControlBar->GetRecentDockInfo().m_recentSliderInfo.m_rectRecentDockedRect;
    }
    else
    {
        EnableDocking(m_dwDefaultAlignment);
    }
    CRect rectClient;
    GetClientRect(rectClient);
    m_pWnd->SetWindowPos(NULL, 0, 0, rectClient.Width(), rectClient.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void CTavoPDockingCBWrapper::OnSize(UINT nType, int cx, int cy)
{
    CTavoPDockingControlBar::OnSize(nType, cx, cy);
    if (m_pWnd != NULL && ::IsWindow(m_pWnd->GetSafeHwnd()))
        m_pWnd->SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

CString CTavoPDockingCBWrapper::GetStateKey(LPCTSTR lpszProfileName, int nIndex,
                                            UINT uiSubIndex) const
{
    const int nID = nIndex == -1 ? GetDlgCtrlID() : nIndex;
    return BuildBarKey(kSection, "TavoPDockingCBWrapper", lpszProfileName, nID, uiSubIndex);
}

BOOL CTavoPDockingCBWrapper::SaveState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex)
{
    CTavoPStateKey key(GetStateKey(lpszProfileName, nIndex, uiSubIndex),
                       CTavoPStateKey::forWriting);
    if (key.Open())
    {
        CString strName;
        GetWindowText(strName);
        key->WriteString("BarName", strName);
    }
    return CTavoPDockingControlBar::SaveState(lpszProfileName, nIndex, uiSubIndex);
}

BOOL CTavoPDockingCBWrapper::LoadState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex)
{
    CTavoPStateKey key(GetStateKey(lpszProfileName, nIndex, uiSubIndex),
                       CTavoPStateKey::forReading);
    if (!key.Open())
        return FALSE;
    CString strName;
    if (key->ReadString("BarName", strName) && !strName.IsEmpty())
        SetWindowText(strName);
    return CTavoPDockingControlBar::LoadState(lpszProfileName, nIndex, uiSubIndex);
}
